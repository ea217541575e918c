// The colour panel: its file read and written byte for byte as the panel opens and closes, the
// pointer's swatch selection and the colour dialog.
#include "app/app.h"
#include "core/colours/channelcolourmodel.h"
#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "render/bgrcolour.h"
#include "windows/colours/colourpanel.h"
#include "windowtesting.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class ColourPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_colours = std::make_unique<ChannelColourModel>();
    }
    void cleanup() { m_folder.reset(); }

    void firstRunWritesTheDesignColours() {
        {
            auto app = startApp(m_folder->write(QStringLiteral("e.bin"), QByteArray(16, 0)));
            ColourPanel& panel = app->colourPanel();
            QCOMPARE(app->channelColours().colours(), DesignColours);
            for (int channel = 0; channel < ChannelColourCount; ++channel) {
                QCOMPARE(panel.colour(channel), DesignColours[channel]);
            }
            QCOMPARE(panel.geometry().topLeft(), QPoint(4, 23));
            QCOMPARE(panel.size(), QSize(267, 133));
            panel.close();
        }
        const QByteArray written = m_folder->read(QStringLiteral("ColorKanal.txt"));
        QCOMPARE(written, colourFileText(DesignColours));
        QVERIFY(written.startsWith(" 255 \r\n"));
    }

    void fileIsReadAndWrittenBack() {
        QByteArray text;
        for (int i = 0; i < 34; ++i) {
            text += QByteArray::number(i * 3) + (i % 2 ? "," : "\r\n");
        }
        m_folder->write(QStringLiteral("ColorKanal.txt"), text);
        {
            auto app = startApp(m_folder->write(QStringLiteral("e.bin"), QByteArray(16, 0)));
            ColourPanel& panel = app->colourPanel();
            QCOMPARE(panel.colour(0), Bgr{0});
            QCOMPARE(panel.colour(31), Bgr{93});
            panel.close();
        }
        ChannelColours expected{};
        for (int i = 0; i < 32; ++i) {
            expected[i] = static_cast<Bgr>(i * 3);
        }
        QCOMPARE(m_folder->read(QStringLiteral("ColorKanal.txt")), colourFileText(expected));
    }

    void malformedFileIsReportedAndKeepsWhatWasRead() {
        m_folder->write(QStringLiteral("ColorKanal.txt"), " 1 \r\n 2 \r\nred\r\n");
        const auto seen = answerMessageBox(QMessageBox::Ok);
        auto app = startApp(m_folder->write(QStringLiteral("e.bin"), QByteArray(16, 0)));
        ColourPanel& panel = app->colourPanel();
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->title, QString::fromUtf8("Ошибка"));
        QVERIFY(seen->text.contains(QStringLiteral("ColorKanal.txt")));
        QVERIFY(seen->text.contains(QStringLiteral("red")));
        QCOMPARE(panel.colour(0), Bgr{1});
        QCOMPARE(panel.colour(1), Bgr{2});
        QCOMPARE(panel.colour(2), DesignColours[2]);
        QVERIFY(waitForNoModal());
    }

    void pointerSelectsBySwatchCells_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("selected");
        QTest::addRow("inside swatch 0") << 300 << 300 << 0;
        QTest::addRow("past swatch 0 in its cell") << 600 << 600 << 0;
        QTest::addRow("swatch 9") << 700 << 700 << 9;
        QTest::addRow("right boundary keeps") << 615 << 300 << 5;
        QTest::addRow("margin keeps") << 60 << 60 << 5;
        QTest::addRow("hidden swatch 31") << 3800 << 1700 << 31;
    }

    void pointerSelectsBySwatchCells() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, selected);
        ColourPanel panel(*m_colours);
        QCOMPARE(panel.selectedKanal(), 0);
        panel.showSwatchesFor(8);
        panel.formMouseMove(0, 2600, 300); // swatch 5
        panel.formMouseMove(0, x, y);
        QCOMPARE(panel.selectedKanal(), selected);
    }

    void doubleClickChoosesAColour() {
        ColourPanel panel(*m_colours);
        QSignalSpy changed(m_colours.get(), &ChannelColourModel::colourChanged);
        panel.formMouseMove(0, 1100, 700); // swatch 10
        whenModal("QColorDialog", [](QWidget* modal) {
            auto* dialog = static_cast<QColorDialog*>(modal);
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            dialog->accept();
        });
        panel.formDoubleClick();
        QCOMPARE(panel.colour(10), Bgr{0x563412});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(pixelAtTwips(&panel, 1100, 700), QColor(0x12, 0x34, 0x56));

        whenModal("QColorDialog",
                  [](QWidget* modal) { static_cast<QColorDialog*>(modal)->reject(); });
        panel.formDoubleClick();
        QCOMPARE(panel.colour(10), Bgr{0x563412});
        QCOMPARE(changed.count(), 1);
    }

    void swatchesDrawInTheirColours() {
        ColourPanel panel(*m_colours);
        for (int swatch = 0; swatch < 32; ++swatch) {
            const int x = 120 + 480 * (swatch % 8) + 187;
            const int y = 120 + 480 * (swatch / 8) + 187;
            QCOMPARE(pixelAtTwips(&panel, x, y), toQColor(DesignColours[swatch]));
        }
        panel.showSwatchesFor(16);
        QCOMPARE(pixelAtTwips(&panel, 120 + 187, 120 + 480 * 2 + 187),
                 panel.palette().color(QPalette::Window));
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<ChannelColourModel> m_colours;
};

QTEST_MAIN(ColourPanelTest)
#include "colourpanel_test.moc"
