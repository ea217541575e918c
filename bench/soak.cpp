// A long playback at 1 ms with saving on, over a copy of an image, on the real windows:
//   chaserom-soak IMAGE [MINUTES]
// Reports the steps made, the peak and final resident memory and whether memory stayed
// flat after the first minute, and checks the image is unchanged byte for byte (each step
// writes back the bytes it read). Exits non-zero when either check fails.
#include "app/app.h"
#include "residentmemory.h"
#include "windows/codeview/codeviewwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

using namespace chaserom;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        out << "usage: chaserom-soak IMAGE [MINUTES]\n";
        return 2;
    }
    const double minutes = arguments.size() > 2 ? arguments[2].toDouble() : 10.0;
    const QByteArray original = contentOf(arguments[1]);
    QTemporaryDir folder;
    const QString image = folder.filePath(QStringLiteral("soak.bin"));
    if (original.isEmpty() || !QFile::copy(arguments[1], image)) {
        out << "cannot copy " << arguments[1] << "\n";
        return 2;
    }
    QDir::setCurrent(folder.path());

    App app;
    app.start(image);
    CodeViewWindow& view = app.codeView();
    view.findChild<QCheckBox*>(QStringLiteral("CheckSave"))->setChecked(true);
    view.findChild<QScrollBar*>(QStringLiteral("VScroll2"))->setValue(1);
    view.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    qint64 steps = 0;
    QObject::connect(&app.page(), &PageRows::pageMoved, [&steps] { ++steps; });

    qint64 peak = 0;
    qint64 afterFirstMinute = -1;
    qint64 highestAfterFirstMinute = 0;
    QElapsedTimer clock;
    clock.start();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const qint64 now = residentKiB();
        peak = std::max(peak, now);
        if (clock.elapsed() >= 60000) {
            if (afterFirstMinute < 0) {
                afterFirstMinute = now;
            }
            highestAfterFirstMinute = std::max(highestAfterFirstMinute, now);
        }
        out << QStringLiteral("%1 s: %2 steps, %3 MiB\n")
                   .arg(clock.elapsed() / 1000)
                   .arg(steps)
                   .arg(now / 1024.0, 0, 'f', 1);
        out.flush();
        if (clock.elapsed() >= minutes * 60000) {
            QApplication::quit();
        }
    });
    sampler.start(10000);
    QApplication::exec();

    view.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(false);
    const qint64 final = residentKiB();
    app.shutDown();
    const bool unchanged = contentOf(image) == original;
    // Flat: no more than 2 MiB above the figure taken at the end of the first minute.
    const bool flat = afterFirstMinute < 0 || highestAfterFirstMinute - afterFirstMinute <= 2048;
    out << QStringLiteral("steps %1 in %2 s (%3 steps/s)\n")
               .arg(steps)
               .arg(clock.elapsed() / 1000)
               .arg(steps * 1000.0 / clock.elapsed(), 0, 'f', 0);
    out << QStringLiteral("memory: peak %1 MiB, final %2 MiB, after the first minute %3 MiB, "
                          "highest since %4 MiB: %5\n")
               .arg(peak / 1024.0, 0, 'f', 1)
               .arg(final / 1024.0, 0, 'f', 1)
               .arg(afterFirstMinute / 1024.0, 0, 'f', 1)
               .arg(highestAfterFirstMinute / 1024.0, 0, 'f', 1)
               .arg(flat ? QStringLiteral("flat") : QStringLiteral("GROWING"));
    out << "image " << (unchanged ? "unchanged byte for byte" : "CHANGED") << "\n";
    return unchanged && flat ? 0 : 1;
}
