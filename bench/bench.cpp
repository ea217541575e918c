// Speed of the program on its real windows, under whatever platform plugin runs it
// (offscreen under `make bench`). Prints a plain table.
#include "app/app.h"
#include "windows/board/boardview.h"
#include "windows/board/boardwindow.h"
#include "windows/board/lampitem.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <random>
#include <unistd.h>
#include <vector>

using namespace chaserom;

namespace {

QTextStream out(stdout);

struct Durations {
    std::vector<qint64> nanoseconds;

    [[nodiscard]] double percentileMicroseconds(double fraction) {
        std::sort(nanoseconds.begin(), nanoseconds.end());
        const auto index = static_cast<size_t>(fraction * (nanoseconds.size() - 1));
        return nanoseconds[index] / 1000.0;
    }
};

void row(const QString& what, const QString& figure) {
    out << what.leftJustified(58) << figure << "\n";
    out.flush();
}

QString writeImage(const QTemporaryDir& dir, const QString& name, int length) {
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

/// Seconds of CPU time this process has used.
double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct PlaybackFigures {
    double stepsPerSecond = 0;
    /// CPU seconds the process used per second of playback.
    double cpuPerSecond = 0;
};

/// Runs the event loop for `milliseconds`.
void runEventLoopMs(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

/// Runs the event loop for `seconds`, as the program does while nothing else happens.
void runEventLoop(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
}

/// Steps per second and CPU time with the interval at 1 ms, over `seconds`.
PlaybackFigures playback(App& app, int kanalOption, bool save, int seconds) {
    CodeViewWindow& view = app.codeView();
    view.chooseChannelOption(kanalOption);
    view.findChild<QCheckBox*>(QStringLiteral("CheckSave"))->setChecked(save);
    view.findChild<QScrollBar*>(QStringLiteral("VScroll2"))->setValue(1);
    int steps = 0;
    const auto connection =
        QObject::connect(&app.page(), &PageRows::pageMoved, [&steps] { ++steps; });
    auto* playback = view.findChild<QCheckBox*>(QStringLiteral("Check1"));
    QElapsedTimer clock;
    playback->setChecked(true);
    clock.start();
    const double cpuBefore = processCpuSeconds();
    runEventLoop(seconds);
    const double elapsed = clock.nsecsElapsed() / 1e9;
    const double cpu = processCpuSeconds() - cpuBefore;
    playback->setChecked(false);
    QObject::disconnect(connection);
    return {steps / elapsed, cpu / elapsed};
}

/// CPU time per second with the windows open and nothing playing.
double idleCpuPerSecond(int seconds) {
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = processCpuSeconds();
    runEventLoop(seconds);
    return (processCpuSeconds() - cpuBefore) / (clock.nsecsElapsed() / 1e9);
}

void pageMoves(App& app) {
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

void pointerMoves(App& app) {
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

/// The median of `runs` timings of `work`, in milliseconds.
template <typename Work> double medianMs(int runs, Work work) {
    Durations durations;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        durations.nanoseconds.push_back(clock.nsecsElapsed());
    }
    return durations.percentileMicroseconds(0.5) / 1000.0;
}

/// One buffered read of `readBytes` and one write of `writeBytes`: what a whole-image
/// operation cannot beat.
double bufferedReadAndWriteMs(const QString& path, qint64 readBytes, qint64 writeBytes,
                              const QString& target) {
    return medianMs(5, [&] {
        QFile source(path);
        source.open(QIODevice::ReadOnly);
        QByteArray bytes = source.read(readBytes);
        bytes.resize(writeBytes);
        QFile out(target);
        out.open(QIODevice::ReadWrite);
        out.write(bytes);
    });
}

/// The plain way: one positioned read and one positioned write per byte.
double byteAtATimeMs(const QString& path, qint64 readBytes, qint64 writeBytes,
                     const QString& target) {
    return medianMs(1, [&] {
        const int in = ::open(path.toLocal8Bit().constData(), O_RDONLY);
        const int out = ::open(target.toLocal8Bit().constData(), O_RDWR | O_CREAT, 0644);
        for (qint64 a = 0; a < writeBytes; ++a) {
            unsigned char byte = 0xFF;
            if (a < readBytes && ::pread(in, &byte, 1, a) != 1) {
                break;
            }
            if (::pwrite(out, &byte, 1, a) != 1) {
                break;
            }
        }
        ::close(in);
        ::close(out);
    });
}

void wholeImageOperations(const QTemporaryDir& dir) {
    constexpr int Length = 32767;
    const QString path = writeImage(dir, QStringLiteral("ops.bin"), Length);
    const QString scratch = dir.filePath(QStringLiteral("scratch.bin"));
    App app;
    app.start(path);
    CodeViewWindow& view = app.codeView();
    view.findChild<QLineEdit*>(QStringLiteral("Text8"))->setText(QStringLiteral("0"));
    view.findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("16382"));
    view.findChild<QLineEdit*>(QStringLiteral("Text10"))->setText(QStringLiteral("16384"));

    const double buffered = bufferedReadAndWriteMs(path, Length, Length, scratch);
    const double reference = byteAtATimeMs(path, Length, Length, scratch);
    row(QStringLiteral("32767 bytes: one buffered read and write"),
        QStringLiteral("%1 ms").arg(buffered, 0, 'f', 3));
    row(QStringLiteral("32767 bytes: byte-at-a-time read and write"),
        QStringLiteral("%1 ms").arg(reference, 0, 'f', 2));
    const auto report = [&](const QString& what, double took) {
        row(what, QStringLiteral("%1 ms, %2x buffered, %3x faster than byte-at-a-time")
                      .arg(took, 0, 'f', 3)
                      .arg(took / buffered, 0, 'f', 2)
                      .arg(reference / took, 0, 'f', 0));
    };
    // The operations on a model no window shows (the file, the change door and the
    // history), then through the program's model with its windows, and as a click does them.
    {
        ImageDocument bareDocument;
        PageRows bare(bareDocument);
        (void)bareDocument.open(writeImage(dir, QStringLiteral("bare.bin"), Length));
        report(QStringLiteral("copy on a model without windows"), medianMs(21, [&] {
                   (void)bare.copy({0, 16382, 16384}, Overflow::Cancel);
               }));
        report(QStringLiteral("invert on a model without windows"),
               medianMs(21, [&] { (void)bare.invert(); }));
        report(QStringLiteral("reverse on a model without windows"),
               medianMs(21, [&] { (void)bare.reverse(); }));
    }
    PageRows& model = app.page();
    report(QStringLiteral("copy through the model"), medianMs(21, [&] {
               (void)model.copy({0, 16382, 16384}, Overflow::Cancel);
           }));
    report(QStringLiteral("invert through the model"), medianMs(21, [&] { (void)model.invert(); }));
    report(QStringLiteral("reverse through the model"),
           medianMs(21, [&] { (void)model.reverse(); }));
    // An undo of an invert against the invert itself, measured in pairs so that each undo
    // has its invert to take back.
    Durations inverts;
    Durations undos;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        (void)model.invert();
        inverts.nanoseconds.push_back(clock.nsecsElapsed());
        clock.restart();
        (void)app.document().undo();
        undos.nanoseconds.push_back(clock.nsecsElapsed());
    }
    const double invertMs = inverts.percentileMicroseconds(0.5) / 1000.0;
    const double undoMs = undos.percentileMicroseconds(0.5) / 1000.0;
    row(QStringLiteral("undo of an invert of 32767 bytes"),
        QStringLiteral("%1 ms, %2x the invert (%3 ms)")
            .arg(undoMs, 0, 'f', 3)
            .arg(undoMs / invertMs, 0, 'f', 2)
            .arg(invertMs, 0, 'f', 3));
    for (const char* button : {"CommandCopy", "CommandInv", "CommandMirror"}) {
        auto* command = view.findChild<QPushButton*>(QLatin1String(button));
        report(QStringLiteral("%1 click, page shown again").arg(QLatin1String(button)),
               medianMs(21, [command] { command->click(); }));
    }
    app.shutDown();

    // The resized copy: an image of 8 MiB padded to 16 MiB.
    constexpr qint64 Source = 8 * 1024 * 1024;
    constexpr qint64 Target = 16 * 1024 * 1024;
    const QString big = writeImage(dir, QStringLiteral("big.bin"), Source);
    App sizing;
    sizing.start(big);
    sizing.codeView()
        .findChild<QLineEdit*>(QStringLiteral("TextSize"))
        ->setText(QString::number(Target));
    auto* start = sizing.codeView().findChild<QPushButton*>(QStringLiteral("CommandSize"));
    const double took = medianMs(5, [start] { start->click(); });
    const double bigBuffered = bufferedReadAndWriteMs(big, Source, Target, scratch);
    // Byte at a time over 16 MiB takes long: measured over 1 MiB and scaled.
    constexpr qint64 Sample = 1024 * 1024;
    const double bigReference = byteAtATimeMs(big, Sample / 2, Sample, scratch) * (Target / Sample);
    row(QStringLiteral("16 MiB: one buffered read and write"),
        QStringLiteral("%1 ms").arg(bigBuffered, 0, 'f', 2));
    row(QStringLiteral("16 MiB: byte-at-a-time (1 MiB measured, scaled)"),
        QStringLiteral("%1 ms").arg(bigReference, 0, 'f', 0));
    row(QStringLiteral("CommandSize, 8 MiB image to a 16 MiB copy"),
        QStringLiteral("%1 ms, %2x buffered, %3x faster than byte-at-a-time")
            .arg(took, 0, 'f', 2)
            .arg(took / bigBuffered, 0, 'f', 2)
            .arg(bigReference / took, 0, 'f', 0));
    sizing.shutDown();
}

} // namespace

/// How long opening the step editor takes, to its grid painted, `times` over.
Durations stepEditorOpenings(App& app, int times) {
    Durations opening;
    for (int i = 0; i < times; ++i) {
        if (StepEditorWindow* open = app.existingStepEditor()) {
            open->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QElapsedTimer clock;
        clock.start();
        app.showStepEditor();
        app.stepEditor().grid().viewport()->repaint();
        opening.nanoseconds.push_back(clock.nsecsElapsed());
    }
    return opening;
}

/// The step editor on a 32767-byte, 8-channel image: opening it, a full repaint of its grid
/// at scroll positions and zooms, a paint stroke of 100 lamps, and playback with it open.
void stepEditor(App& app, int seconds) {
    app.codeView().chooseChannelOption(0);
    Durations opening = stepEditorOpenings(app, 11);
    row(QStringLiteral("step editor: opening the window, median"),
        QStringLiteral("%1 ms").arg(opening.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 2));

    StepEditorWindow& editor = app.stepEditor();
    editor.resize(700, 900);
    QApplication::processEvents();
    StepGridView& grid = editor.grid();
    std::mt19937 random(4);
    Durations repaints;
    for (const int cell : {4, 8, 14, 24, 40}) {
        grid.setCell(cell);
        QScrollBar* bar = grid.verticalScrollBar();
        std::uniform_int_distribution<int> positions(0, bar->maximum());
        for (int i = 0; i < 60; ++i) {
            bar->setValue(positions(random));
            QApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            grid.viewport()->repaint();
            repaints.nanoseconds.push_back(clock.nsecsElapsed());
        }
    }
    row(QStringLiteral("step editor: full repaint of the grid, median"),
        QStringLiteral("%1 ms (99th percentile %2 ms)")
            .arg(repaints.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 2)
            .arg(repaints.percentileMicroseconds(0.99) / 1000.0, 0, 'f', 2));

    grid.setCell(14);
    grid.verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    Durations strokes;
    for (int i = 0; i < 21; ++i) {
        QList<PaintedLamp> lamps;
        for (int step = 0; step < 100; ++step) {
            lamps.append({step, (step + i) % 8, i % 2 == 0});
        }
        QElapsedTimer clock;
        clock.start();
        emit grid.lampsPainted(lamps);
        grid.viewport()->repaint();
        strokes.nanoseconds.push_back(clock.nsecsElapsed());
    }
    row(QStringLiteral("step editor: paint stroke of 100 lamps, applied and repainted"),
        QStringLiteral("%1 ms median")
            .arg(strokes.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 2));

    for (const bool save : {false, true}) {
        const PlaybackFigures figures = playback(app, 0, save, seconds);
        row(QStringLiteral("playback at 1 ms with the step editor open, saving %1")
                .arg(save ? QStringLiteral("on") : QStringLiteral("off")),
            QStringLiteral("%1 steps/s, CPU %2 s per second")
                .arg(figures.stepsPerSecond, 0, 'f', 0)
                .arg(figures.cpuPerSecond, 0, 'f', 3));
    }
    editor.close();
}

/// The longest the event loop stood still, in ms, while `work` ran and the loop then turned
/// for `settleMs`: what a user feels as a frozen window.
double longestStall(const std::function<void()>& work, int settleMs) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    ticker.start();
    QTimer::singleShot(0, work);
    runEventLoopMs(settleMs);
    return longest / 1e6;
}

/// The step editor on a whole 16 MiB image: opening it, a repaint at any position, and how
/// long an edit and the checksums that follow it hold the window.
void wholeChipStepEditor(const QTemporaryDir& dir) {
    App app;
    app.start(writeImage(dir, QStringLiteral("chip.bin"), 16 * 1024 * 1024));
    QApplication::processEvents();
    Durations opening = stepEditorOpenings(app, 5);
    row(QStringLiteral("16 MiB: opening the step editor, median"),
        QStringLiteral("%1 ms").arg(opening.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 1));

    StepEditorWindow& editor = app.stepEditor();
    editor.resize(700, 900);
    QApplication::processEvents();
    StepGridView& grid = editor.grid();
    std::mt19937 random(16);
    Durations repaints;
    QScrollBar* bar = grid.verticalScrollBar();
    std::uniform_int_distribution<int> positions(0, bar->maximum());
    for (int i = 0; i < 100; ++i) {
        bar->setValue(i == 0 ? bar->maximum() : positions(random));
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        grid.viewport()->repaint();
        repaints.nanoseconds.push_back(clock.nsecsElapsed());
    }
    row(QStringLiteral("16 MiB: full repaint of the grid anywhere, median"),
        QStringLiteral("%1 ms (99th percentile %2 ms)")
            .arg(repaints.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 2)
            .arg(repaints.percentileMicroseconds(0.99) / 1000.0, 0, 'f', 2));

    // The window is shown and its first checksums made before the edit is timed.
    runEventLoopMs(500);
    double editStall = 0;
    for (int i = 0; i < 5; ++i) {
        const int step = (bar->maximum() / 5) * i;
        editStall = std::max(editStall, longestStall(
                                            [&grid, step, i] {
                                                emit grid.lampsPainted({{step, 3, i % 2 == 0}});
                                            },
                                            500));
    }
    row(QStringLiteral("16 MiB: longest stall of a lamp edit and its checksums"),
        QStringLiteral("%1 ms").arg(editStall, 0, 'f', 1));
    editor.close();
    app.shutDown();
}

/// Dragging a lamp in the board window over a 1600 × 1000 picture with all 256 lamps shown:
/// a pointer move, the lamp following it and the repaint of what changed.
void boardDrag(const QTemporaryDir& dir) {
    App app;
    app.start(writeImage(dir, QStringLiteral("board.bin"), 2048));
    QImage picture(1600, 1000, QImage::Format_RGB32);
    picture.fill(QColor(20, 70, 40));
    app.setBoardPicture(picture, QString());
    app.showBoardWindow();
    BoardWindow& board = app.boardWindow();
    board.resize(1400, 900);
    QApplication::processEvents();
    QWidget* viewport = board.view().viewport();
    const LampPosition lamp = app.boardLamps().positions()[100];
    const QPoint start = board.view().mapFromScene(
        QPointF(lamp.left / 15 + LampItem::Diameter / 2, lamp.top / 15 + LampItem::Diameter / 2));
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    Durations moves;
    for (int i = 1; i <= 400; ++i) {
        const QPoint at = start + QPoint((i * 7) % 600, (i * 3) % 300);
        QElapsedTimer clock;
        clock.start();
        send(QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents(); // what the move marked for painting, painted now
        moves.nanoseconds.push_back(clock.nsecsElapsed());
    }
    send(QEvent::MouseButtonRelease, start, Qt::NoButton);
    row(QStringLiteral("board window: dragging a lamp, per pointer move, median"),
        QStringLiteral("%1 ms (99th percentile %2 ms)")
            .arg(moves.percentileMicroseconds(0.5) / 1000.0, 0, 'f', 2)
            .arg(moves.percentileMicroseconds(0.99) / 1000.0, 0, 'f', 2));
    board.setAskOnClose(false);
    app.shutDown();
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const int seconds = qEnvironmentVariableIntValue("CHASEROM_BENCH_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("CHASEROM_BENCH_SECONDS")
                            : 3;

    out << "chaserom benchmark (" << QApplication::platformName() << " platform)\n";
    if (qEnvironmentVariable("CHASEROM_BENCH_ONLY") == QLatin1String("wholechip")) {
        wholeChipStepEditor(dir);
        return 0;
    }
    if (qEnvironmentVariable("CHASEROM_BENCH_ONLY") == QLatin1String("board")) {
        boardDrag(dir);
        return 0;
    }
    App app;
    app.start(writeImage(dir, QStringLiteral("bench.bin"), 32767));
    QApplication::processEvents();

    row(QStringLiteral("idle, CPU per second"),
        QStringLiteral("%1 s").arg(idleCpuPerSecond(seconds), 0, 'f', 3));
    for (const int option : {0, 3}) {
        for (const bool save : {false, true}) {
            const PlaybackFigures figures = playback(app, option, save, seconds);
            row(QStringLiteral("playback at 1 ms, %1 channels, saving %2")
                    .arg((option + 1) * 8)
                    .arg(save ? QStringLiteral("on") : QStringLiteral("off")),
                QStringLiteral("%1 steps/s, CPU %2 s per second")
                    .arg(figures.stepsPerSecond, 0, 'f', 0)
                    .arg(figures.cpuPerSecond, 0, 'f', 3));
        }
    }
    if (qEnvironmentVariableIsSet("CHASEROM_BENCH_PLAYBACK_ONLY")) {
        app.shutDown();
        return 0;
    }
    pageMoves(app);
    pointerMoves(app);
    stepEditor(app, seconds);
    app.shutDown();
    wholeImageOperations(dir);
    wholeChipStepEditor(dir);
    boardDrag(dir);
    return 0;
}
