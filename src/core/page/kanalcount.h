#pragma once

#include <QObject>

namespace chaserom {

/// The channel count shared by the windows: 8, 16, 24 or 32 lamp channels, so one step of
/// the effect is 1 to 4 bytes. The code view chooses it; the lamps and the simulator's
/// channel label follow it.
class KanalCount : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(KanalCount)

public:
    static constexpr int Default = 8;

    explicit KanalCount(QObject* parent = nullptr);

    [[nodiscard]] int value() const { return m_value; }
    /// Bytes in one step: 1, 2, 3 or 4.
    [[nodiscard]] int stepLength() const { return m_value / 8; }

    /// Sets the count; anything but 8, 16, 24 or 32 is ignored. Emits changed() every time,
    /// since choosing the same count again still repaints the lamps.
    void set(int count);

signals:
    void changed(int count);

private:
    int m_value = Default;
};

} // namespace chaserom
