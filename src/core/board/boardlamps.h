#pragma once

#include "core/geometry/lampstartpositions.h"

#include <QObject>

namespace chaserom {

/// The board's lamps: where each of the 256 stands, and how many the board has. Lamps from
/// the count on are hidden (the simulator keeps them outside its view) but keep their place,
/// so that they come back there when the count grows. The app object owns it; the simulator
/// and the board window show it.
class BoardLamps : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(BoardLamps)

public:
    explicit BoardLamps(QObject* parent = nullptr);

    /// Where every lamp stands, hidden ones where they were.
    [[nodiscard]] const LampLayout& positions() const { return m_positions; }
    /// How many lamps the board has, 1 to 256.
    [[nodiscard]] int count() const { return m_count; }
    /// What the simulator shows: the lamps from the count on outside its view.
    [[nodiscard]] LampLayout shownLayout() const;

    void setPositions(const LampLayout& positions);
    void setCount(int count);
    /// Takes the places of the lamps the board shows, as the simulator has them; hidden
    /// lamps keep theirs.
    void takeShownLayout(const LampLayout& shown);

signals:
    void changed();

private:
    LampLayout m_positions = LampStartPositions;
    int m_count = LampCount;
};

} // namespace chaserom
