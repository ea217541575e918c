// Windows that exist at most once: closed with their close box, created again hidden on
// the next use.
#include "app/app.h"
#include "core/files/colourfile.h"
#include "core/geometry/lampstartpositions.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/simulator/simulatorwindow.h"
#include "windowtesting.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class WindowLifeTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("a.bin"), countingBytes(64)));
    }

    void cleanup() {
        m_app.reset();
        m_folder.reset();
    }

    void windowsHaveTheirNamesTitlesAndSizes() {
        QCOMPARE(m_app->codeView().objectName(), QStringLiteral("Panel_Generator"));
        QCOMPARE(m_app->codeView().windowTitle(), QString::fromUtf8("Просмотр кода"));
        QCOMPARE(m_app->codeView().size(), QSize(505, 593));
        QCOMPARE(m_app->simulator().objectName(), QStringLiteral("Panel_Simulator"));
        QCOMPARE(m_app->simulator().windowTitle(), QString::fromUtf8("Симулятор экрана"));
        QCOMPARE(m_app->simulator().size(), QSize(833, 597));
        QCOMPARE(m_app->colourPanel().objectName(), QStringLiteral("Panel_Color"));
        QCOMPARE(m_app->colourPanel().windowTitle(), QString::fromUtf8("Панель цвета"));
        QCOMPARE(m_app->codeView().minimumSize(), m_app->codeView().maximumSize());
        QVERIFY(!(m_app->codeView().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(m_app->codeView().windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(m_app->codeView().windowFlags() & Qt::WindowCloseButtonHint);
    }

    void closedSimulatorComesBackHiddenAtTheStartPositions() {
        SimulatorWindow* first = &m_app->simulator();
        LampLayout moved = LampStartPositions;
        moved[0] = {100, 100};
        first->setLayout(moved);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_app->existingSimulator());

        // The next change of a row relights the lamps: the window is there again, hidden.
        row(0)->setText(QStringLiteral("FF"));
        SimulatorWindow* again = m_app->existingSimulator();
        QVERIFY(again);
        QVERIFY(!again->isVisible());
        QCOMPARE(again->layout(), LampStartPositions);
        QCOMPARE(again->lampColour(0), Black);

        control<QPushButton>(&m_app->codeView(), QStringLiteral("CommandSimulator"))->click();
        QVERIFY(again->isVisible());
    }

    void showingAClosedSimulatorLightsItAtOnce() {
        row(0)->setText(QStringLiteral("FE"));
        m_app->simulator().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        control<QPushButton>(&m_app->codeView(), QStringLiteral("CommandSimulator"))->click();
        QVERIFY(m_app->existingSimulator()->isVisible());
        QCOMPARE(m_app->simulator().lampColour(7), m_app->colourPanel().colour(7));
        QCOMPARE(m_app->simulator().lampColour(6), Black);
    }

    void closedColourPanelWritesItsFileAndReadsItAgain() {
        m_app->channelColours().setColour(3, 0x00ABCDEF);
        m_app->colourPanel().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_app->existingColourPanel());
        QByteArray written = m_folder->read(QStringLiteral("ColorKanal.txt"));
        QVERIFY(written.contains(" 11259375 \r\n"));

        // Edit the file by hand, then change a byte: the panel is read again, hidden.
        m_folder->write(QStringLiteral("ColorKanal.txt"),
                        written.replace(" 11259375 \r\n", " 4660 \r\n"));
        row(0)->setText(QStringLiteral("00"));
        row(0)->setText(QStringLiteral("01"));
        ColourPanel* again = m_app->existingColourPanel();
        QVERIFY(again);
        QVERIFY(!again->isVisible());
        QCOMPARE(again->colour(3), Bgr{4660});
        QCOMPARE(m_app->simulator().lampColour(3), Bgr{4660});
    }

    void channelChoiceShowsItsSwatches() {
        m_app->codeView().chooseChannelOption(2);
        for (int channel = 0; channel < 32; ++channel) {
            QCOMPARE(m_app->colourPanel().isSwatchVisible(channel), channel < 24);
        }
        m_app->codeView().chooseChannelOption(0);
        for (int channel = 0; channel < 32; ++channel) {
            QCOMPARE(m_app->colourPanel().isSwatchVisible(channel), channel < 8);
        }
    }

private:
    QLineEdit* row(int index) const {
        return control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text1_%1").arg(index));
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(WindowLifeTest)
#include "windowlife_test.moc"
