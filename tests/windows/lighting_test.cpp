// What the lamps show: LED grid, channel strip and simulator lamps, sampled from grabbed
// pictures of the real windows.
#include "app/app.h"
#include "core/colours/designcolours.h"
#include "core/geometry/lampstartpositions.h"
#include "render/bgrcolour.h"
#include "windows/codeview/codeviewlayout.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/simulator/simulatorwindow.h"
#include "windowtesting.h"

#include <QLineEdit>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

namespace {

const QColor white(Qt::white);
const QColor black(Qt::black);

QColor ledAt(QWidget* view, int row, int column) {
    return pixelAtTwips(view, 3240 + 240 * column + 127, 240 + 240 * row + 127);
}

QColor barAt(QWidget* view, int bar) {
    return pixelAtTwips(view, codeview::stripBarLeft(bar) + 52,
                        codeview::StripRowTops[bar / codeview::StripBarsPerRow] + 247);
}

QColor lampPixelColour(QWidget* simulator, int lamp) {
    const LampPosition position = LampStartPositions[lamp];
    return pixelAtTwips(simulator, static_cast<int>(position.left) + 127,
                        static_cast<int>(position.top) + 127);
}

} // namespace

class LightingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        answerFileDialog(QString());
        m_app = startApp(QString());
        m_view = &m_app->codeView();
    }

    void cleanup() {
        m_app.reset();
        m_folder.reset();
    }

    void zeroPageLightsEverything() {
        for (int led = 0; led < 128; ++led) {
            QCOMPARE(ledAt(m_view, led / 8, led % 8), white);
        }
        for (int bar = 0; bar < 128; ++bar) {
            QCOMPARE(barAt(m_view, bar), white);
        }
        QWidget* simulator = &m_app->simulator();
        for (int lamp = 0; lamp < 256; ++lamp) {
            QCOMPARE(lampPixelColour(simulator, lamp), toQColor(DesignColours[lamp % 8]));
        }
    }

    void topBitOfRowZeroDarkensChannelOne() {
        row(0)->setText(QStringLiteral("80"));
        QCOMPARE(ledAt(m_view, 0, 0), black);
        for (int column = 1; column < 8; ++column) {
            QCOMPARE(ledAt(m_view, 0, column), white);
        }
        for (int bar = 0; bar < 128; ++bar) {
            QCOMPARE(barAt(m_view, bar), bar % 8 == 0 ? black : white);
        }
        QWidget* simulator = &m_app->simulator();
        for (int lamp = 0; lamp < 256; ++lamp) {
            QCOMPARE(lampPixelColour(simulator, lamp),
                     lamp % 8 == 0 ? black : toQColor(DesignColours[lamp % 8]));
        }
    }

    void sixteenChannelsTakeTwoRows() {
        row(0)->setText(QStringLiteral("FF"));
        row(1)->setText(QStringLiteral("00"));
        m_app->codeView().chooseChannelOption(1);
        for (int bar = 0; bar < 128; ++bar) {
            QCOMPARE(barAt(m_view, bar), bar % 16 < 8 ? black : white);
        }
        for (int lamp = 0; lamp < 256; ++lamp) {
            QCOMPARE(m_app->simulator().lampColour(lamp),
                     lamp % 16 < 8 ? Black : DesignColours[lamp % 16]);
        }
    }

    void rowBelowTheStepChangesItsLedsOnly() {
        const auto lampsBefore = lampColours();
        row(5)->setText(QStringLiteral("0F"));
        QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("Text2_5"))->text(),
                 QStringLiteral("00001111"));
        QCOMPARE(ledAt(m_view, 5, 0), white);
        QCOMPARE(ledAt(m_view, 5, 7), black);
        QCOMPARE(lampColours(), lampsBefore);
    }

    void oddRowTextsShowTheByteTheyStore() {
        row(3)->setText(QStringLiteral("G1"));
        QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("Text2_3"))->text(),
                 QStringLiteral("00000001"));
        QCOMPARE(ledAt(m_view, 3, 7), black);
        QCOMPARE(ledAt(m_view, 4, 3), white);
    }

    void newSwatchColourRelightsItsChannel() {
        row(0)->setText(QStringLiteral("01"));
        m_app->channelColours().setColour(2, 0x00123456);
        m_app->channelColours().setColour(7, 0x00654321);
        for (int lamp = 0; lamp < 256; ++lamp) {
            const Bgr expected = lamp % 8 == 2   ? 0x00123456
                                 : lamp % 8 == 7 ? Black
                                                 : DesignColours[lamp % 8];
            QCOMPARE(m_app->simulator().lampColour(lamp), expected);
        }
        QCOMPARE(lampPixelColour(&m_app->simulator(), 2), toQColor(0x00123456));
    }

private:
    QLineEdit* row(int index) const {
        return control<QLineEdit>(m_view, QStringLiteral("Text1_%1").arg(index));
    }

    std::vector<Bgr> lampColours() {
        std::vector<Bgr> colours;
        for (int lamp = 0; lamp < 256; ++lamp) {
            colours.push_back(m_app->simulator().lampColour(lamp));
        }
        return colours;
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QWidget* m_view = nullptr;
};

QTEST_MAIN(LightingTest)
#include "lighting_test.moc"
