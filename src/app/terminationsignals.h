#pragma once

#include <QObject>

class QSocketNotifier;

namespace chaserom {

/// Turns SIGTERM, SIGHUP and SIGINT (a desktop logout, a closed terminal, Ctrl+C) into a
/// signal of the event loop, so that the program can close as its window's close box
/// closes it. The handler itself only writes a byte to a pipe; the event loop reads it.
class TerminationSignals : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(TerminationSignals)

public:
    /// Installs the handlers; one object at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    /// Restores the default handlers.
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace chaserom
