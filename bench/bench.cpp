// Speed of the program on its real windows, under whatever platform plugin runs it
// (offscreen under `make bench`). Prints a plain table.
#include "app/app.h"
#include "codeview/codeviewwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <random>
#include <vector>

using namespace chaserom;

namespace {

QTextStream out(stdout);

struct Durations {
    std::vector<qint64> nanoseconds;

    [[nodiscard]] double percentileMicroseconds(double fraction)
    {
        std::sort(nanoseconds.begin(), nanoseconds.end());
        const auto index = static_cast<size_t>(fraction * (nanoseconds.size() - 1));
        return nanoseconds[index] / 1000.0;
    }
};

void row(const QString& what, const QString& figure)
{
    out << what.leftJustified(58) << figure << "\n";
    out.flush();
}

QString writeImage(const QTemporaryDir& dir, const QString& name, int length)
{
    QByteArray bytes(length, '\0');
    std::mt19937 random(1);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

/// Steps per second with the interval at 1 ms, counted over `seconds`.
double playbackRate(App& app, int kanalOption, bool save, int seconds)
{
    CodeViewWindow& view = app.codeView();
    view.chooseChannelOption(kanalOption);
    view.findChild<QCheckBox*>(QStringLiteral("CheckSave"))->setChecked(save);
    view.findChild<QScrollBar*>(QStringLiteral("VScroll2"))->setValue(1);
    int steps = 0;
    const auto connection =
        QObject::connect(&app.model(), &PageModel::pageMoved, [&steps] { ++steps; });
    auto* playback = view.findChild<QCheckBox*>(QStringLiteral("Check1"));
    QElapsedTimer clock;
    playback->setChecked(true);
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    const double elapsed = clock.nsecsElapsed() / 1e9;
    playback->setChecked(false);
    QObject::disconnect(connection);
    return steps / elapsed;
}

void pageMoves(App& app)
{
    auto* scroll = app.codeView().findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    app.codeView().chooseChannelOption(0);
    std::mt19937 random(2);
    std::uniform_int_distribution<int> positions(0, scroll->maximum());
    Durations durations;
    Durations moveOnly;
    for (int i = 0; i < 3000; ++i) {
        QElapsedTimer clock;
        clock.start();
        scroll->setValue(positions(random));
        const qint64 moved = clock.nsecsElapsed();
        // The move's repaint of both windows, as the event loop does it.
        QApplication::processEvents();
        durations.nanoseconds.push_back(clock.nsecsElapsed());
        moveOnly.nanoseconds.push_back(moved);
    }
    row(QStringLiteral("page move with repaint, median"),
        QStringLiteral("%1 us").arg(durations.percentileMicroseconds(0.5), 0, 'f', 1));
    row(QStringLiteral("page move without its repaint, median"),
        QStringLiteral("%1 us").arg(moveOnly.percentileMicroseconds(0.5), 0, 'f', 1));
    row(QStringLiteral("page move with repaint, 99th percentile"),
        QStringLiteral("%1 us").arg(durations.percentileMicroseconds(0.99), 0, 'f', 1));
}

void pointerMoves(App& app)
{
    SimulatorWindow& simulator = app.simulator();
    std::mt19937 random(3);
    std::uniform_real_distribution<double> xs(0, simulator.width());
    std::uniform_real_distribution<double> ys(60, simulator.height());
    Durations durations;
    for (int i = 0; i < 20000; ++i) {
        const QPointF where(xs(random), ys(random));
        QMouseEvent move(QEvent::MouseMove, where, simulator.mapToGlobal(where), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QElapsedTimer clock;
        clock.start();
        QApplication::sendEvent(&simulator, &move);
        durations.nanoseconds.push_back(clock.nsecsElapsed());
    }
    row(QStringLiteral("pointer move over the simulator (256 lamps), median"),
        QStringLiteral("%1 us").arg(durations.percentileMicroseconds(0.5), 0, 'f', 2));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const int seconds = qEnvironmentVariableIntValue("CHASEROM_BENCH_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("CHASEROM_BENCH_SECONDS")
                            : 3;

    out << "chaserom benchmark (" << QApplication::platformName() << " platform)\n";
    App app;
    app.start(writeImage(dir, QStringLiteral("bench.bin"), 8192));
    QApplication::processEvents();

    for (const int option : {0, 3}) {
        for (const bool save : {false, true}) {
            const double rate = playbackRate(app, option, save, seconds);
            row(QStringLiteral("playback at 1 ms, %1 channels, saving %2")
                    .arg((option + 1) * 8)
                    .arg(save ? QStringLiteral("on") : QStringLiteral("off")),
                QStringLiteral("%1 steps/s").arg(rate, 0, 'f', 0));
        }
    }
    pageMoves(app);
    pointerMoves(app);
    app.shutDown();
    return 0;
}
