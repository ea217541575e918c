// The simulator window and the pictures chaserom-tool makes of it paint the same pixels.
#include "core/colours/designcolours.h"
#include "core/files/layoutfile.h"
#include "core/page/kanalcount.h"
#include "render/backgroundpicture.h"
#include "render/simulatorscene.h"
#include "render/standardpalette.h"
#include "windows/common/failurereports.h"
#include "windows/simulator/simulatorwindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QPainter>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

namespace {

/// Lamp k lit in its channel's colour where bit k of `pattern` is set, else dark.
std::array<Bgr, LampCount> lampColours(quint32 pattern, int channels) {
    std::array<Bgr, LampCount> colours{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const int channel = lamp % channels;
        colours[lamp] = (pattern >> channel) & 1U ? DesignColours[channel] : Black;
    }
    return colours;
}

/// A picture smaller than the window, with see-through parts.
QImage translucentPicture() {
    QImage picture(500, 400, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgba(x % 256, y % 256, 90, (x + y) % 256));
        }
    }
    return picture;
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT

private slots:
    void theStandardPaletteIsTheWindowsOwn() {
        // The tool paints with it: its frames then equal what the window shows.
        KanalCount kanalCount;
        SimulatorWindow window(kanalCount, m_reports);
        const QPalette standard = standardPalette();
        for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base}) {
            QCOMPARE(window.palette().color(role), standard.color(role));
        }
    }

    void framesMatchTheWindowPixelForPixel_data() {
        QTest::addColumn<QString>("layoutFile");
        QTest::addColumn<QString>("pictureFile");
        QTest::addColumn<int>("channels");
        QTest::addColumn<quint32>("pattern");
        const QString examples = QStringLiteral(CHASEROM_EXAMPLES);
        QTest::addRow("start positions, no picture") << QString() << QString() << 8 << 0x5Au;
        QTest::addRow("example board, 32 channels")
            << examples + "/board-layout.txt" << examples + "/board.png" << 32 << 0x0F0F00F3u;
        QTest::addRow("translucent picture, 16 channels")
            << QString() << QStringLiteral("translucent") << 16 << 0xFFFFu;
    }

    void framesMatchTheWindowPixelForPixel() {
        QFETCH(QString, layoutFile);
        QFETCH(QString, pictureFile);
        QFETCH(int, channels);
        QFETCH(quint32, pattern);
        LampLayout layout = LampStartPositions;
        if (!layoutFile.isEmpty()) {
            QVERIFY(!loadLayoutFile(layoutFile, layout));
        }
        // Two lamps partly under the tool strip, one beyond the right edge.
        layout[1] = {3000, 600};
        layout[2] = {12400, 4000};
        QImage picture;
        if (pictureFile == QLatin1String("translucent")) {
            picture = translucentPicture();
        } else if (!pictureFile.isEmpty()) {
            const auto loaded = loadBackgroundPicture(pictureFile);
            QVERIFY(loaded);
            picture = *loaded;
        }
        const auto colours = lampColours(pattern, channels);

        KanalCount kanalCount;
        SimulatorWindow window(kanalCount, m_reports);
        window.setLayout(layout);
        window.setBackground(picture);
        window.setLampColours(colours);
        // The frames leave out the strip's buttons; the channel label is hidden already.
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            button->hide();
        }
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);

        SimulatorScene scene(colours);
        for (int lamp = 0; lamp < LampCount; ++lamp) {
            (void)scene.moveLamp(lamp, layout[lamp]);
        }
        scene.setBackground(picture);
        QImage frame(SimulatorScene::clientSize(), QImage::Format_RGB32);
        QPainter painter(&frame);
        scene.paintClientArea(painter, standardPalette());
        painter.end();

        QCOMPARE(shown.size(), frame.size());
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (shown.pixel(x, y) != frame.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2): window %3, frame %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(shown.pixel(x, y), 8, 16)
                                         .arg(frame.pixel(x, y), 8, 16)));
                }
            }
        }
    }

private:
    FailureReports m_reports;
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
