// A board's programs in the windows: chosen in the step editor's board tool bar, played in a
// loop by the code view's timer as the board's switches would, reached by go to, and the
// interval typed in the step editor and moved on the code view's scroll bar as one.
#include "app/app.h"
#include "core/board/programchoice.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

using namespace chaserom;
using namespace testing_support;

class ProgramsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        // A 27C256: 32768 steps of 8 channels, 256 programs of 128 steps.
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), randomBytes(32768, 256)));
        m_app->showStepEditor();
        QVERIFY(QTest::qWaitForWindowActive(&editor()));
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void theBoardToolsShowAtTheOpeningSizeOnARowOfTheirOwn() {
        auto* steps = control<QComboBox>(&editor(), QStringLiteral("StepsPerProgram"));
        auto* program = control<QSpinBox>(&editor(), QStringLiteral("ProgramNumber"));
        auto* interval = control<QSpinBox>(&editor(), QStringLiteral("IntervalMs"));
        for (QWidget* shown : {static_cast<QWidget*>(steps), static_cast<QWidget*>(program),
                               static_cast<QWidget*>(interval)}) {
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
            const QRect inWindow(shown->mapTo(&editor(), QPoint(0, 0)), shown->size());
            QVERIFY2(editor().rect().contains(inWindow), qPrintable(shown->objectName()));
        }
        QCOMPARE(steps->itemText(0), QString::fromUtf8("всё изображение"));
        QCOMPARE(steps->itemText(1), QStringLiteral("2"));
        QCOMPARE(steps->itemText(steps->count() - 1), QStringLiteral("32768"));
        QVERIFY(!program->isEnabled());
    }

    void program3Of128StepsPlaysSteps256To383InALoop() {
        chooseStepsPerProgram(128);
        auto* program = control<QSpinBox>(&editor(), QStringLiteral("ProgramNumber"));
        QCOMPARE(control<QLabel>(&editor(), QStringLiteral("ProgramCount"))->text(),
                 QString::fromUtf8(" из 256"));
        program->setValue(3);
        QCOMPARE(m_app->programs().program(), 3);

        control<QCheckBox>(&m_app->codeView(), QStringLiteral("Check1"))->setChecked(true);
        // Off the program, the next tick jumps to its first step.
        m_app->codeView().playOneStep();
        QCOMPARE(m_app->page().pageAddress(), 256);
        QList<int> addresses;
        for (int i = 0; i < 130; ++i) {
            m_app->codeView().playOneStep();
            addresses << m_app->page().pageAddress();
        }
        QCOMPARE(addresses.at(126), 383);
        QCOMPARE(addresses.at(127), 256); // after its last step, its first again
        QCOMPARE(addresses.at(128), 257);

        // Another program chosen while playing: its first step at the next tick.
        program->setValue(5);
        m_app->codeView().playOneStep();
        QCOMPARE(m_app->page().pageAddress(), 512);

        // The whole image again: playback as the code view always played it.
        chooseStepsPerProgram(0);
        m_app->codeView().playOneStep();
        QCOMPARE(m_app->page().pageAddress(), 513);
    }

    void theGridMarksEveryProgramsFirstStep() {
        chooseStepsPerProgram(4);
        editor().grid().setCell(14);
        QApplication::processEvents();
        const QImage shot = editor().grid().viewport()->grab().toImage();
        const QRect fourth = editor().grid().addressRect(4);
        const QRect fifth = editor().grid().addressRect(5);
        // The line over step 4, none over step 5.
        QCOMPARE(shot.pixelColor(fourth.left() + 2, fourth.top()), QColor(80, 160, 255));
        QVERIFY(shot.pixelColor(fifth.left() + 2, fifth.top()) != QColor(80, 160, 255));
    }

    void goToTakesAProgramAndCtrlPChoosesOne() {
        chooseStepsPerProgram(128);
        whenModal("chaserom::CheckedTextDialog", [](QWidget* dialog) {
            control<QLineEdit>(dialog, QStringLiteral("Answer"))->setText(QStringLiteral("p3"));
            static_cast<QDialog*>(dialog)->accept();
        });
        control<QAction>(&editor(), QStringLiteral("ActionGoTo"))->trigger();
        QVERIFY(waitForNoModal());
        QCOMPARE(editor().grid().cursorStep(), 256);
        editor().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor()));

        whenModal("chaserom::CheckedTextDialog", [](QWidget* dialog) {
            control<QLineEdit>(dialog, QStringLiteral("Answer"))->setText(QStringLiteral("10"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(&editor().grid(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(waitForNoModal());
        QCOMPARE(m_app->programs().program(), 10);
        QCOMPARE(editor().grid().cursorStep(), 9 * 128);
        QCOMPARE(control<QSpinBox>(&editor(), QStringLiteral("ProgramNumber"))->value(), 10);
    }

    void aSelectionPlaysInALoopUntilItIsCleared() {
        editor().grid().setSelection(StepSpan{40, 3});
        QTest::keyClick(&editor().grid(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(m_app->playback().isPlaying());
        QList<int> addresses;
        for (int i = 0; i < 5; ++i) {
            m_app->codeView().playOneStep();
            addresses << m_app->page().pageAddress();
        }
        QCOMPARE(addresses, (QList<int>{40, 41, 42, 40, 41}));
        editor().grid().setSelection(std::nullopt);
        QVERIFY(!m_app->programs().playedSelection());
        m_app->codeView().playOneStep();
        QCOMPARE(m_app->page().pageAddress(), 42);
    }

    void theIntervalIsTypedOrScrolledAsOne() {
        auto* typed = control<QSpinBox>(&editor(), QStringLiteral("IntervalMs"));
        auto* scrolled = control<QScrollBar>(&m_app->codeView(), QStringLiteral("VScroll2"));
        QCOMPARE(typed->value(), 300);
        typed->setValue(120);
        QCOMPARE(scrolled->value(), 120);
        QCOMPARE(control<QLabel>(&m_app->codeView(), QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("120ms"));
        scrolled->setValue(45);
        QCOMPARE(typed->value(), 45);
        QCOMPARE(typed->minimum(), 1);
        QCOMPARE(typed->maximum(), 1000);
    }

    void theGifExportOffersTheChosenProgramAtTheInterval() {
        chooseStepsPerProgram(16);
        control<QSpinBox>(&editor(), QStringLiteral("ProgramNumber"))->setValue(2);
        control<QSpinBox>(&editor(), QStringLiteral("IntervalMs"))->setValue(120);
        bool offered = false;
        whenModal("chaserom::GifExportDialog", [&](QWidget* dialog) {
            auto* part = control<QComboBox>(dialog, QStringLiteral("AnimationPart"));
            offered = part->currentText() == QString::fromUtf8("программа 2") &&
                      control<QSpinBox>(dialog, QStringLiteral("FrameDelay"))->value() == 120;
            control<QSpinBox>(dialog, QStringLiteral("Scale"))->setValue(50);
            control<QCheckBox>(dialog, QStringLiteral("CropToLamps"))->setChecked(true);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        const QString path = m_folder->path(QStringLiteral("program.gif"));
        answerFileDialog(path);
        control<QAction>(&editor(), QStringLiteral("ActionExportGif"))->trigger();
        QVERIFY(waitForNoModal());
        QVERIFY(offered);

        // The program's 16 steps, 120 ms each, cropped to the lamps and at half size.
        QImageReader gif(path);
        QCOMPARE(gif.imageCount(), 16);
        const QImage first = gif.read();
        QCOMPARE(gif.nextImageDelay(), 120);
        QVERIFY2(first.width() < 833 / 2 && first.height() < 597 / 2,
                 qPrintable(QStringLiteral("%1x%2").arg(first.width()).arg(first.height())));
        // The scale and the crop are offered again next time.
        QCOMPARE(QSettings().value(QStringLiteral("gif/scale")).toInt(), 50);
    }

private:
    StepEditorWindow& editor() { return m_app->stepEditor(); }

    void chooseStepsPerProgram(int steps) {
        auto* combo = control<QComboBox>(&editor(), QStringLiteral("StepsPerProgram"));
        const int index = combo->findData(steps);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QCOMPARE(m_app->programs().stepsPerProgram(), steps);
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(ProgramsWindowTest)
#include "programs_window_test.moc"
