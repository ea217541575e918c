// Speed of chaserom-tool against programs that do the same work: export and import of a
// 16 MiB image against srec_cat, checksums in memory, and animations against ImageMagick
// assembling the same frames from PNG files. Prints the figures and their ratios.
//   chaserom-tool-bench TOOL EXAMPLES
#include "core/colours/designcolours.h"
#include "core/files/layoutfile.h"
#include "core/image/checksums.h"
#include "core/page/lamplighting.h"
#include "render/simulatorscene.h"
#include "render/standardpalette.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <random>
#include <vector>

using namespace chaserom;

namespace {

QTextStream out(stdout);

constexpr qsizetype ImageLength = 16 * 1024 * 1024;
constexpr int AnimationSteps = 1000;

void row(const QString& what, const QString& figure) {
    out << what.leftJustified(60) << figure << "\n";
    out.flush();
}

/// The shortest of `runs` runs of a program, in seconds; negative when it failed.
double seconds(const QString& program, const QStringList& arguments, const QString& folder,
               int runs = 3) {
    double best = -1;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            out << program << " failed\n";
            return -1;
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

void compare(const QString& what, double ours, double theirs, const QString& whose) {
    row(what, QStringLiteral("%1 s, %2 %3 s: %4 × its time")
                  .arg(ours, 0, 'f', 3)
                  .arg(whose)
                  .arg(theirs, 0, 'f', 3)
                  .arg(ours / theirs, 0, 'f', 2));
}

void benchRecords(const QString& tool, const QString& folder) {
    QByteArray image(ImageLength, '\0');
    std::mt19937 random(1);
    for (char& byte : image) {
        byte = static_cast<char>(random());
    }
    QFile file(QDir(folder).filePath(QStringLiteral("big.bin")));
    file.open(QIODevice::WriteOnly);
    file.write(image);
    file.close();
    const QString srecCat = QStringLiteral("srec_cat");
    struct Format {
        const char* name;
        const char* extension;
        const char* srecCatName;
    };
    for (const Format& format :
         {Format{"Intel HEX", "hex", "-intel"}, Format{"S-records", "srec", "-motorola"}}) {
        const QString ours = QStringLiteral("ours.") + QLatin1String(format.extension);
        const QString theirs = QStringLiteral("theirs.") + QLatin1String(format.extension);
        compare(QStringLiteral("export 16 MiB as %1").arg(QLatin1String(format.name)),
                seconds(tool,
                        {QStringLiteral("export"), QStringLiteral("-o"), ours,
                         QStringLiteral("big.bin")},
                        folder),
                seconds(srecCat,
                        {QStringLiteral("big.bin"), QStringLiteral("-binary"), QStringLiteral("-o"),
                         theirs, QLatin1String(format.srecCatName), QStringLiteral("-obs=16")},
                        folder),
                srecCat);
        compare(QStringLiteral("import 16 MiB of %1").arg(QLatin1String(format.name)),
                seconds(tool,
                        {QStringLiteral("import"), QStringLiteral("-o"), QStringLiteral("ours.bin"),
                         ours},
                        folder),
                seconds(srecCat,
                        {ours, QLatin1String(format.srecCatName), QStringLiteral("-o"),
                         QStringLiteral("theirs.bin"), QStringLiteral("-binary")},
                        folder),
                srecCat);
    }

    constexpr int Rounds = 20;
    QElapsedTimer timer;
    timer.start();
    // Kept, so that the rounds are not optimised away.
    static volatile quint32 crc = 0;
    for (int round = 0; round < Rounds; ++round) {
        crc = crc ^ checksumsOf(image).crc32();
    }
    const double perSecond = Rounds * static_cast<double>(ImageLength) /
                             (static_cast<double>(timer.nsecsElapsed()) / 1e9);
    row(QStringLiteral("checksums of 16 MiB in memory (sum32 and CRC-32)"),
        QStringLiteral("%1 GB/s").arg(perSecond / 1e9, 0, 'f', 2));
    row(QStringLiteral("checksum of a 16 MiB file, the whole program"),
        QStringLiteral("%1 s").arg(
            seconds(tool, {QStringLiteral("checksum"), QStringLiteral("big.bin")}, folder), 0, 'f',
            3));
}

/// The demo played through 1000 steps, from its start again after its end as the
/// simulator plays it.
QByteArray thousandSteps(const QString& examples) {
    QFile file(QDir(examples).filePath(QStringLiteral("demo.bin")));
    file.open(QIODevice::ReadOnly);
    const QByteArray demo = file.readAll();
    QByteArray steps;
    while (steps.size() < AnimationSteps) {
        steps += demo;
    }
    return steps.left(AnimationSteps);
}

/// The frames the tool animates, as PNG files for ImageMagick.
void writeFrames(const QByteArray& steps, const QString& examples, const QString& folder) {
    LampLayout layout{};
    QImage board(QDir(examples).filePath(QStringLiteral("board.png")));
    if (loadLayoutFile(QDir(examples).filePath(QStringLiteral("board-layout.txt")), layout)) {
        out << "cannot read the board layout\n";
    }
    SimulatorScene scene(std::array<Bgr, LampCount>{});
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        (void)scene.moveLamp(lamp, layout[lamp]);
    }
    scene.setBackground(board);
    QImage frame(SimulatorScene::clientSize(), QImage::Format_RGB32);
    QDir(folder).mkdir(QStringLiteral("frames"));
    for (int step = 0; step < steps.size(); ++step) {
        PageBytes page{};
        page[0] = static_cast<quint8>(steps[step]);
        std::array<Bgr, LampCount> colours{};
        for (int lamp = 0; lamp < LampCount; ++lamp) {
            colours[lamp] = lampColour(page, lamp, 8, DesignColours);
        }
        (void)scene.setLampColours(colours);
        QPainter painter(&frame);
        scene.paintClientArea(painter, standardPalette());
        painter.end();
        frame.save(QDir(folder).filePath(
            QStringLiteral("frames/%1.png").arg(step, 4, 10, QLatin1Char('0'))));
    }
}

void benchAnimation(const QString& tool, const QString& examples, const QString& folder) {
    const QByteArray steps = thousandSteps(examples);
    QFile file(QDir(folder).filePath(QStringLiteral("demo1000.bin")));
    file.open(QIODevice::WriteOnly);
    file.write(steps);
    file.close();
    const double ours =
        seconds(tool,
                {QStringLiteral("gif"), QStringLiteral("--layout"),
                 QDir(examples).absoluteFilePath(QStringLiteral("board-layout.txt")),
                 QStringLiteral("--background"),
                 QDir(examples).absoluteFilePath(QStringLiteral("board.png")), QStringLiteral("-o"),
                 QStringLiteral("ours.gif"), QStringLiteral("demo1000.bin")},
                folder);
    row(QStringLiteral("gif: 1000 steps of the demo on the example board"),
        QStringLiteral("%1 s, %2 frames/s")
            .arg(ours, 0, 'f', 2)
            .arg(AnimationSteps / ours, 0, 'f', 0));

    writeFrames(steps, examples, folder);
    QStringList frames = QDir(QDir(folder).filePath(QStringLiteral("frames")))
                             .entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (QString& frame : frames) {
        frame.prepend(QStringLiteral("frames/"));
    }
    // Debian's ImageMagick policy caps its pixel cache below 1000 such frames at once: it
    // assembles them in batches of 100, one GIF each, and the batches' times add up.
    constexpr int Batch = 100;
    double theirs = 0;
    for (qsizetype first = 0; first < frames.size(); first += Batch) {
        theirs += seconds(QStringLiteral("/usr/bin/convert"),
                          QStringList{QStringLiteral("-delay"), QStringLiteral("30"),
                                      QStringLiteral("-loop"), QStringLiteral("0")} +
                              frames.mid(first, Batch) +
                              QStringList{QStringLiteral("theirs%1.gif").arg(first)},
                          folder, 1);
    }
    row(QStringLiteral("ImageMagick: the same frames from PNG, 10 batches of 100"),
        QStringLiteral("%1 s, %2 frames/s")
            .arg(theirs, 0, 'f', 2)
            .arg(AnimationSteps / theirs, 0, 'f', 0));
    compare(QStringLiteral("gif against ImageMagick"), ours, theirs, QStringLiteral("convert"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        out << "usage: chaserom-tool-bench TOOL EXAMPLES\n";
        return 2;
    }
    const QString tool = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString examples = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir folder;
    out << "chaserom-tool against srec_cat and ImageMagick (shortest of three runs)\n";
    benchRecords(tool, folder.path());
    benchAnimation(tool, examples, folder.path());
    return 0;
}
