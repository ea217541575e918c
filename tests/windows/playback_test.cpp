// The channel count, the step timer and its interval, and the keyboard order of the code
// view's controls.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace chaserom;
using namespace testing_support;

class PlaybackTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("a.bin"), countingBytes(8192)));
        m_view = &m_app->codeView();
        m_scroll = control<QScrollBar>(m_view, QStringLiteral("VScroll1"));
    }

    void cleanup() {
        m_app.reset();
        m_folder.reset();
    }

    void intervalFollowsVScroll2() {
        auto* interval = control<QScrollBar>(m_view, QStringLiteral("VScroll2"));
        auto* timer = m_view->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 300);
        interval->setValue(1);
        QCOMPARE(timer->interval(), 1);
        QCOMPARE(control<QLabel>(m_view, QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("1ms"));
        interval->setValue(1000);
        QCOMPARE(control<QLabel>(m_view, QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("1000ms"));
        // Dragging the thumb changes nothing until it is released.
        interval->setSliderDown(true);
        interval->setSliderPosition(50);
        QCOMPARE(timer->interval(), 1000);
        interval->setSliderDown(false);
        QCOMPARE(timer->interval(), 50);
        QCOMPARE(control<QLabel>(m_view, QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("50ms"));
        QCOMPARE(interval->minimum(), 1);
        QCOMPARE(interval->maximum(), 1000);
    }

    void choosingAChannelCountDoesNotMoveThePage() {
        m_scroll->setValue(5);
        m_app->codeView().chooseChannelOption(2);
        QCOMPARE(m_app->kanalCount().value(), 24);
        QCOMPARE(m_app->page().pageAddress(), 5);
        control<QCheckBox>(m_view, QStringLiteral("Check1"))->setChecked(true);
        m_app->codeView().playOneStep();
        QCOMPARE(m_scroll->value(), 8);
        QCOMPARE(m_app->page().pageAddress(), 6);
    }

    void sizeOptionTakesTheMarkButNotTheCount() {
        control<QAbstractButton>(m_view, QStringLiteral("OptionSize_2"))->click();
        QVERIFY(!control<QAbstractButton>(m_view, QStringLiteral("OptionKanal_0"))->isChecked());
        QCOMPARE(m_app->kanalCount().value(), 8);
        QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("TextSize"))->text(),
                 QStringLiteral("1024"));
    }

    void stepTimerRunsWhileTheOpenDialogIsShown() {
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(true);
        control<QCheckBox>(m_view, QStringLiteral("Check1"))->setChecked(true);
        control<QScrollBar>(m_view, QStringLiteral("VScroll2"))->setValue(1);
        int seenWhileOpen = 0;
        whenModal("QFileDialog", [&](QWidget* dialog) {
            const int before = m_scroll->value();
            QTest::qWait(100);
            seenWhileOpen = m_scroll->value() - before;
            static_cast<QFileDialog*>(dialog)->reject();
        });
        control<QPushButton>(m_view, QStringLiteral("Command1"))->click();
        QVERIFY(seenWhileOpen > 0);
        QVERIFY(m_app->document().hasImage());
        control<QCheckBox>(m_view, QStringLiteral("Check1"))->setChecked(false);
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), countingBytes(8192));
    }

    void tabWalksTheControlsInTheirOrder() {
        QStringList expected;
        for (int row = 0; row < 16; ++row) {
            expected << QStringLiteral("Text1_%1").arg(row);
        }
        expected << "VScroll1"
                 << "Text3"
                 << "Command1"
                 << "Text4"
                 << "Text6"
                 << "Check1"
                 << "CheckSave"
                 << "CommandInv"
                 << "Text8"
                 << "Text9"
                 << "Text10"
                 << "CommandCopy"
                 << "CommandMirror"
                 << "VScroll2"
                 << "OptionSize_0"
                 << "OptionSize_1"
                 << "OptionSize_2"
                 << "OptionSize_3"
                 << "OptionSize_4"
                 << "TextSize"
                 << "CommandSize"
                 << "OptionKanal_0"
                 << "OptionKanal_1"
                 << "OptionKanal_3"
                 << "OptionKanal_2"
                 << "CommandSimulator";
        QStringList chain;
        QWidget* widget = control<QWidget>(m_view, QStringLiteral("Text1_0"));
        do {
            if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget->objectName() != QLatin1String("Text1_0") && chain.size() < 100);
        QCOMPARE(chain, expected);
    }

    void fastPlaybackIsShownOnceAFrameAndWhollyWhenItStops() {
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(true);
        control<QScrollBar>(m_view, QStringLiteral("VScroll2"))->setValue(1);
        auto* address = control<QLineEdit>(m_view, QStringLiteral("Text5_0"));
        int shown = 0;
        int steps = 0;
        connect(address, &QLineEdit::textChanged, [&shown] { ++shown; });
        connect(&m_app->page(), &PageRows::pageMoved, [&steps] { ++steps; });
        auto* playback = control<QCheckBox>(m_view, QStringLiteral("Check1"));
        QElapsedTimer clock;
        clock.start();
        playback->setChecked(true);
        QTest::qWait(600);
        playback->setChecked(false);
        const qint64 elapsed = clock.elapsed();
        // Every step was made, but shown at most once a frame of a 60 Hz screen.
        QVERIFY2(shown <= elapsed / 16 + 3,
                 qPrintable(QStringLiteral("%1 shows in %2 ms").arg(shown).arg(elapsed)));
        QVERIFY2(steps > shown,
                 qPrintable(QStringLiteral("%1 steps, %2 shows").arg(steps).arg(shown)));

        // Once stopped, everything shows the last step, exactly as after a step by step run.
        PageRows& model = m_app->page();
        QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("Text6"))->text(),
                 QString::number(model.pageAddress()));
        QCOMPARE(m_scroll->value(), model.pageAddress());
        for (int row = 0; row < 16; ++row) {
            QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("Text1_%1").arg(row))->text(),
                     model.rowText(row));
            QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("Text7_%1").arg(row))->text(),
                     QString::number(model.pageAddress() + row));
        }
        for (int lamp = 0; lamp < 8; ++lamp) {
            const bool dark = (model.rowValue(0) >> (7 - lamp)) & 1;
            QCOMPARE(m_app->simulator().lampColour(lamp) == Black, dark);
        }
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), countingBytes(8192));
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QWidget* m_view = nullptr;
    QScrollBar* m_scroll = nullptr;
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
