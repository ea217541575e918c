// The step editor as a user drives it: presses, drags and keys on its grid, its dialogs
// answered, and the image file read back after every change.
#include "stepeditorfixture.h"

#include <QSettings>
#include <QSpinBox>

using namespace chaserom;
using namespace testing_support;

class StepEditorTest : public StepEditorFixture {
    Q_OBJECT

private slots:
    void init() { setUpFolder(); }
    void cleanup() { tearDown(); }

    void aStrokeOfLampsIsOneChange() {
        QVERIFY(start(QByteArray(16, '\xFF')));
        QWidget* grid = viewport();
        QTest::mousePress(grid, Qt::LeftButton, {}, cell(1, 2));
        QTest::mouseMove(grid, cell(1, 3));
        QTest::mouseMove(grid, cell(1, 4));
        QTest::mouseMove(grid, cell(2, 4));
        // The stroke shows as it is drawn, and reaches the file when the button is let go.
        QCOMPARE(shown(1, 3), Lit);
        QCOMPARE(file(), QByteArray(16, '\xFF'));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, cell(2, 4));
        QByteArray painted(16, '\xFF');
        painted[1] = '\xC7'; // channels 2 to 4
        painted[2] = '\xF7'; // channel 4
        expectOneStep(QByteArray(16, '\xFF'), painted);
        QCOMPARE(editor().grid().cursorStep(), 1);
        QCOMPARE(editor().grid().cursorChannel(), 2);

        // A fast drag jumps over cells between two moves: they are painted all the same.
        drag({cell(0, 0), cell(0, 7)});
        QCOMPARE(file()[0], '\x00');
        // A click on a lit lamp darkens it; a drag that starts on one darkens what it passes.
        QTest::mouseClick(grid, Qt::LeftButton, {}, cell(0, 5));
        QCOMPARE(file()[0], '\x04');
        QCOMPARE(document().undoLabel(), QString::fromUtf8("лампа канала 6 в шаге 0"));
        drag({cell(0, 0), cell(0, 6)});
        QCOMPARE(file()[0], '\xFE');
        QCOMPARE(document().undoLabel(), QString::fromUtf8("рисование, ламп: 6"));
        QCOMPARE(document().history().size(), 3);
    }

    void aLampLitInADarkColourReadsAsLitAndTheHeaderMarksTheCursor() {
        QByteArray bytes(16, '\xFF');
        bytes[2] = '\x7F'; // step 2: channel 1 lit
        QVERIFY(start(bytes));
        action(QStringLiteral("ActionChannelColours"))->setChecked(true);
        m_app->channelColours().setColour(0, 0x000030); // a red so dark it is nearly black
        const QColor darkRed(0x30, 0, 0);
        const QRect lamp = editor().grid().cellRect(2, 0);
        QImage shot = viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(lamp.center()), darkRed);
        QCOMPARE(shot.pixelColor(lamp.topLeft()), QColor(235, 235, 235));
        QCOMPARE(shown(3, 0), Dark);

        // As on the board: dark lamps black, lit ones with no outline; remembered.
        action(QStringLiteral("ActionBoardLook"))->setChecked(true);
        shot = viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(lamp.topLeft()), darkRed);
        QCOMPARE(shown(3, 0), QColor(0, 0, 0));
        editor().close();
        QVERIFY(QSettings().value(QStringLiteral("steps/boardLook")).toBool());

        // The header over the grid numbers the channels from 1 and marks the cursor's.
        editor().grid().setCursor(1, 5);
        const QImage top = editor().grid().header().grab().toImage();
        const QRect cursorCell = editor().grid().cellRect(1, 5);
        QCOMPARE(top.pixelColor(cursorCell.left() + 1, 1), StepGridView::CursorColour);
        QVERIFY(top.pixelColor(editor().grid().cellRect(1, 4).left() + 1, 1) !=
                StepGridView::CursorColour);
    }

    void keysMoveTheCursorSpaceFlipsAndCtrlWheelZooms() {
        QVERIFY(start(QByteArray(64, '\xFF')));
        StepGridView& grid = editor().grid();
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        QByteArray flipped(64, '\xFF');
        flipped[2] = '\xBF';
        QCOMPARE(file(), flipped);
        key(Qt::Key_End);
        QCOMPARE(grid.cursorStep(), 63);
        QVERIFY(grid.cellRect(63, 1).bottom() <= viewport()->height());
        key(Qt::Key_PageUp);
        QVERIFY(grid.cursorStep() > 0 && grid.cursorStep() < 62);
        key(Qt::Key_Home);
        key(Qt::Key_Up);
        key(Qt::Key_Left);
        key(Qt::Key_Left);
        QCOMPARE(grid.cursorStep(), 0);
        QCOMPARE(grid.cursorChannel(), 0);
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(grid.selection(), (StepSpan{0, 3}));
        key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(grid.selection(), (StepSpan{0, 2}));

        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            const QPointF at = cell(0, 0);
            QWheelEvent event(at, viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport(), &event);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(grid.cell(), 17);
        wheel(-120, {}); // scrolls
        QCOMPARE(grid.cell(), 17);
    }

    void theAddressColumnSelectsStepsForTheClipboard() {
        QVERIFY(start(Chase16));
        drag({address(5), address(4), address(2)});
        QCOMPARE(editor().grid().selection(), (StepSpan{2, 4}));
        QCOMPARE(control<QLabel>(&editor(), QStringLiteral("StatusSelection"))->text(),
                 QString::fromUtf8("Выделено: шаги 2–5 (4)"));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(0));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, address(2));
        QCOMPARE(editor().grid().selection(), (StepSpan{0, 3}));
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7F BF DF"));
        QCOMPARE(file(), Chase16);
        QVERIFY(!document().canUndo());
    }

    void pasteDeleteAndCutAreOneStepEach() {
        QVERIFY(start(Chase16));
        QApplication::clipboard()->setText(QStringLiteral("7F BF DF"));
        for (int i = 0; i < 10; ++i) {
            key(Qt::Key_Down);
        }
        key(Qt::Key_V, Qt::ControlModifier);
        QByteArray over = Chase16;
        over.replace(10, 3, hex("7FBFDF"));
        expectOneStep(Chase16, over);

        // Inserted before the cursor's step: later steps move down and the last drop off.
        key(Qt::Key_Home);
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Down);
        }
        key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        expectOneStep(Chase16, hex("7FBFDFEF7FBFDFF7FBFDFE0011223344"));

        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(0));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, address(2));
        key(Qt::Key_Delete);
        expectOneStep(Chase16, hex("EFF7FBFDFE0011223344556677FFFFFF"));

        QApplication::clipboard()->clear();
        key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7F BF DF"));
        expectOneStep(Chase16, hex("FFFFFFEFF7FBFDFE0011223344556677"));

        // What is no hex text is reported and pastes nothing.
        QApplication::clipboard()->setText(QStringLiteral("hello"));
        const auto seen = answerMessageBox(QMessageBox::Ok);
        key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(seen->text.contains(QString::fromUtf8("В буфере обмена нет шагов")));
        QCOMPARE(file(), Chase16);
    }

    void pastingPastTheLastStepSaysHowManyStepsWereLeftOut() {
        QVERIFY(start(QByteArray(16, '\xFF'), 16));
        QApplication::clipboard()->setText(QStringLiteral("01 02 03 04 05 06 07"));
        key(Qt::Key_End);
        key(Qt::Key_V, Qt::ControlModifier);
        expectOneStep(QByteArray(16, '\xFF'), QByteArray(14, '\xFF') + hex("0102"));
        QCOMPARE(editor().statusBar()->currentMessage(),
                 QString::fromUtf8("Не вставлено шагов: 3 (5 байт) — они не поместились до "
                                   "конца образа"));
    }

    void wholeStepOperations_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, int channels, const char* operation,
                            const char* before, const char* after) {
            QTest::newRow(name) << channels << QString::fromLatin1(operation) << hex(before)
                                << hex(after);
        };
        row("invert 8", 8, "ActionInvert", "7F00A5", "80FF5A");
        // Whole steps change places; the bytes inside a step keep their order.
        row("reverse 16", 16, "ActionReverseSteps", "000102030405", "040502030001");
        row("reverse 24, last step cut short", 24, "ActionReverseSteps", "0102030405060708",
            "0405060102030708");
        row("mirror 8", 8, "ActionMirrorChannels", "0F80", "F001");
        row("mirror 16", 16, "ActionMirrorChannels", "1234FF7F", "2C48FEFF");
        row("mirror 24", 24, "ActionMirrorChannels", "010000FF7FFF", "000080FFFEFF");
        row("mirror 32", 32, "ActionMirrorChannels", "7FFFFFFF", "FFFFFFFE");
        // Right: channel k + 1 takes the state of channel k, channel 0 that of the last.
        row("right 8", 8, "ActionRotateRight", "7FFE", "BF7F");
        row("left 8", 8, "ActionRotateLeft", "7FBF", "FE7F");
        row("right 16", 16, "ActionRotateRight", "FFFE7FFF", "7FFFBFFF");
        row("left 16", 16, "ActionRotateLeft", "FF7F7FFF", "FEFFFFFE");
        row("right 24", 24, "ActionRotateRight", "FF7FFFFFFFFE", "FFBFFF7FFFFF");
        row("left 24", 24, "ActionRotateLeft", "FF7FFF7FFFFF", "FEFFFFFFFFFE");
        row("right 32", 32, "ActionRotateRight", "FFFFFFFE", "7FFFFFFF");
        row("left 32", 32, "ActionRotateLeft", "7FFFFFFFFFFF7FFF", "FFFFFFFEFFFEFFFF");
    }

    void wholeStepOperations() {
        QFETCH(int, channels);
        QFETCH(QString, operation);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QVERIFY(start(before, channels));
        key(Qt::Key_A, Qt::ControlModifier);
        action(operation)->trigger();
        expectOneStep(before, after);
    }

    void withoutASelectionTheCursorsStepIsChanged() {
        QVERIFY(start(QByteArray(4, '\x00'), 16));
        key(Qt::Key_Down);
        key(Qt::Key_I, Qt::ControlModifier);
        expectOneStep(QByteArray(4, '\x00'), hex("0000FFFF"));
    }

    void fillAsksForItsBytes() {
        QVERIFY(start(QByteArray(8, '\x00')));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(2));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, address(6));
        auto seen = answerText(QStringLiteral("12 0x34"));
        action(QStringLiteral("ActionFill"))->trigger();
        QVERIFY(seen->accepted);
        expectOneStep(QByteArray(8, '\x00'), hex("0000123412341200"));

        seen = answerText(QStringLiteral("12 G4"));
        action(QStringLiteral("ActionFill"))->trigger();
        QVERIFY(seen->shown);
        QVERIFY(!seen->accepted);
        QVERIFY(seen->problem.contains(QStringLiteral("G4")));
        QCOMPARE(file(), QByteArray(8, '\x00'));
    }

    void generatingPreviewsThePatternUntilAccepted() {
        QVERIFY(start(QByteArray(8, '\x00')));
        key(Qt::Key_A, Qt::ControlModifier);
        // All lamps are lit; the chase's preview darkens all but one a step.
        bool previewed = false;
        whenModal("chaserom::PatternDialog", [&](QWidget* dialog) {
            previewed = shown(0, 0) == Lit && shown(0, 1) == Dark && shown(7, 7) == Lit;
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        action(QStringLiteral("ActionGenerate"))->trigger();
        QVERIFY(previewed);
        expectOneStep(QByteArray(8, '\x00'), hex("7FBFDFEFF7FBFDFE"));

        // Cancelled: neither the file nor the grid keeps anything of the preview.
        whenModal("chaserom::PatternDialog", [&](QWidget* dialog) {
            auto* pattern = control<QComboBox>(dialog, QStringLiteral("Pattern"));
            pattern->setCurrentIndex(pattern->findText(QStringLiteral("blink"), Qt::MatchContains));
            previewed = shown(1, 3) == Dark; // blink: step 1 dark
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        action(QStringLiteral("ActionGenerate"))->trigger();
        QVERIFY(previewed);
        QCOMPARE(file(), QByteArray(8, '\x00'));
        QCOMPARE(shown(1, 3), Lit);
        QVERIFY(!document().canUndo());
    }

    void thePatternDialogLeavesItsPreviewInView() {
        QVERIFY(start(QByteArray(4096, '\x00')));
        key(Qt::Key_A, Qt::ControlModifier);
        QRect lamps;
        QRect dialogFrame;
        whenModal("chaserom::PatternDialog", [&](QWidget* dialog) {
            const int width = std::min(viewport()->width(), editor().grid().layout().width());
            lamps =
                QRect(viewport()->mapToGlobal(QPoint(0, 0)), QSize(width, viewport()->height()));
            dialogFrame = dialog->frameGeometry();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        action(QStringLiteral("ActionGenerate"))->trigger();
        QVERIFY(!lamps.isEmpty());
        QVERIFY(!dialogFrame.intersects(lamps));
    }

    void thePatternDialogRemembersTheLastPatternMade() {
        QVERIFY(start(QByteArray(64, '\xFF'), 8));
        whenModal("chaserom::PatternDialog", [](QWidget* dialog) {
            auto* pattern = control<QComboBox>(dialog, QStringLiteral("Pattern"));
            pattern->setCurrentIndex(
                pattern->findText(QStringLiteral("random"), Qt::MatchContains));
            control<QSpinBox>(dialog, QStringLiteral("Lit"))->setValue(3);
            control<QSpinBox>(dialog, QStringLiteral("Seed"))->setValue(42);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        action(QStringLiteral("ActionGenerate"))->trigger();
        QString shownPattern;
        int lit = 0;
        int seed = 0;
        whenModal("chaserom::PatternDialog", [&](QWidget* dialog) {
            shownPattern = control<QComboBox>(dialog, QStringLiteral("Pattern"))->currentText();
            lit = control<QSpinBox>(dialog, QStringLiteral("Lit"))->value();
            seed = control<QSpinBox>(dialog, QStringLiteral("Seed"))->value();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        action(QStringLiteral("ActionGenerate"))->trigger();
        QVERIFY2(shownPattern.contains(QStringLiteral("random")), qPrintable(shownPattern));
        QCOMPARE(lit, 3);
        QCOMPARE(seed, 42);
        // The next run starts from the chase again, as the tests before this one expect.
        QSettings().remove(QStringLiteral("steps/pattern"));
    }

    void goToTakesAddressesStepsAndMoves() {
        QVERIFY(start(countingBytes(64), 16));
        StepGridView& grid = editor().grid();
        const auto goTo = [&](const char* typed) {
            const auto seen = answerText(QString::fromUtf8(typed));
            key(Qt::Key_G, Qt::ControlModifier);
            return seen;
        };
        goTo("0x11");
        QCOMPARE(grid.cursorStep(), 8);
        QCOMPARE(grid.cursorChannel(), 8); // the step's second byte
        goTo("#3");
        QCOMPARE(grid.cursorStep(), 3);
        goTo("+4");
        QCOMPARE(grid.cursorStep(), 7);
        goTo("−2");
        QCOMPARE(grid.cursorStep(), 5);
        goTo("20");
        QCOMPARE(grid.cursorStep(), 10);
        QCOMPARE(grid.cursorChannel(), 0);
        for (const char* outside : {"64", "+22", "#32"}) {
            const auto seen = goTo(outside);
            QVERIFY(seen->shown);
            QVERIFY2(!seen->accepted, outside);
            QVERIFY2(seen->problem.contains(QStringLiteral("от 0 до 63")), outside);
        }
        QVERIFY(!goTo("0x")->accepted);
        QCOMPARE(grid.cursorStep(), 10);
    }

    void findMovesFromMatchToMatchRoundTheEnd() {
        QVERIFY(start(hex("007F11DF00007F22DF007F3300000000")));
        StepGridView& grid = editor().grid();
        answerText(QStringLiteral("7F ?? DF"));
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(grid.cursorStep(), 1);
        QCOMPARE(grid.selection(), (StepSpan{1, 3}));
        key(Qt::Key_F3);
        QCOMPARE(grid.cursorStep(), 6);
        QCOMPARE(grid.selection(), (StepSpan{6, 3}));
        key(Qt::Key_F3);
        QCOMPARE(grid.cursorStep(), 1);
        key(Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(grid.cursorStep(), 6);
        key(Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(grid.cursorStep(), 1);
    }

    void findNextAndPreviousStepOverMatchesInsideAStep() {
        // 16 channels: the matches at 2 and 3 share step 1, the one at 7 is step 3's second byte.
        QVERIFY(start(hex("0000AAAA000000AA0000000000000000"), 16));
        StepGridView& grid = editor().grid();
        answerText(QStringLiteral("AA"));
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(grid.cursorStep(), 1);
        QCOMPARE(grid.cursorChannel(), 0);
        key(Qt::Key_F3);
        QCOMPARE(grid.cursorStep(), 1);
        QCOMPARE(grid.cursorChannel(), 8);
        key(Qt::Key_F3);
        QCOMPARE(grid.cursorStep(), 3);
        QCOMPARE(grid.cursorChannel(), 8);
        key(Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(grid.cursorStep(), 1);
        QCOMPARE(grid.cursorChannel(), 8);
        key(Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(grid.cursorStep(), 1);
        QCOMPARE(grid.cursorChannel(), 0);
    }

    void comparingListsTheDifferingStepsAndF8VisitsThem() {
        QVERIFY(start(countingBytes(32)));
        QByteArray other = countingBytes(32);
        other[2] = 'x';
        other[3] = 'x';
        other[10] = 'x';
        other[20] = 'x';
        answerFileDialog(m_folder->write(QStringLiteral("other.bin"), other));
        action(QStringLiteral("ActionCompare"))->trigger();
        QVERIFY(waitForNoModal());
        auto* list = control<QListWidget>(&editor(), QStringLiteral("DifferencesList"));
        QVERIFY(control<QWidget>(&editor(), QStringLiteral("DifferencesPanel"))->isVisible());
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString::fromUtf8("шаги 2–3 (2)"));
        QCOMPARE(list->item(2)->text(), QString::fromUtf8("шаг 20"));
        StepGridView& grid = editor().grid();
        QCOMPARE(grid.cursorStep(), 2);
        QList<int> visited;
        for (int i = 0; i < 3; ++i) {
            key(Qt::Key_F8);
            visited << grid.cursorStep();
        }
        for (int i = 0; i < 2; ++i) {
            key(Qt::Key_F8, Qt::ShiftModifier);
            visited << grid.cursorStep();
        }
        QCOMPARE(visited, (QList<int>{10, 20, 2, 20, 10}));
        // Moved off a difference, F8 goes back to it.
        key(Qt::Key_Up);
        key(Qt::Key_F8);
        QCOMPARE(grid.cursorStep(), 10);
        key(Qt::Key_Down);
        key(Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(grid.cursorStep(), 10);
        QCOMPARE(file(), countingBytes(32));
    }

    void aChangeWritesTheEditedRowFirstOnlyWhileSaving() {
        QVERIFY(start(QByteArray(32, '\xFF')));
        control<QCheckBox>(&m_app->codeView(), QStringLiteral("CheckSave"))->click();
        row(3)->setText(QStringLiteral("00"));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(20, 0));
        QCOMPARE(file()[3], '\x00');
        QCOMPARE(file()[20], '\x7F');

        control<QCheckBox>(&m_app->codeView(), QStringLiteral("CheckSave"))->click();
        row(4)->setText(QStringLiteral("00"));
        QCOMPARE(shown(4, 0), Lit);
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(21, 0));
        QCOMPARE(file()[4], '\xFF');
        QCOMPARE(file()[21], '\x7F');
        QCOMPARE(row(4)->text(), QStringLiteral("FF"));
        QCOMPARE(shown(4, 0), Dark);
    }

    void theGridFollowsChangesMadeElsewhere() {
        QByteArray image(32, '\xFF');
        image[0] = '\x7F';
        QVERIFY(start(image));
        row(1)->setText(QStringLiteral("BF"));
        QCOMPARE(shown(1, 1), Lit);
        QCOMPARE(shown(1, 0), Dark);
        control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text8"))
            ->setText(QStringLiteral("0"));
        control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text9"))
            ->setText(QStringLiteral("0"));
        control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text10"))
            ->setText(QStringLiteral("20"));
        control<QPushButton>(&m_app->codeView(), QStringLiteral("CommandCopy"))->click();
        QCOMPARE(shown(20, 0), Lit);
        QCOMPARE(shown(1, 1), Dark); // the copy read the page again: the edit is gone
        m_app->historyActions().undoAction()->trigger();
        QCOMPARE(shown(20, 0), Dark);
        control<QPushButton>(&m_app->codeView(), QStringLiteral("CommandInv"))->click();
        QCOMPARE(shown(0, 0), Dark);
        QCOMPARE(shown(31, 7), Lit);
        // Another channel count lays the same bytes out again.
        control<QRadioButton>(&m_app->codeView(), QStringLiteral("OptionKanal_1"))->click();
        QCOMPARE(editor().grid().layout().channels(), 16);
        QCOMPARE(shown(15, 15), Lit);
    }

    void doubleClickOnAnAddressShowsItsPage() {
        QVERIFY(start(countingBytes(256), 16));
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, address(10));
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, address(10));
        QCOMPARE(page().pageAddress(), 20);
        QCOMPARE(row(0)->text(), QStringLiteral("14"));
        QCOMPARE(control<QScrollBar>(&m_app->codeView(), QStringLiteral("VScroll1"))->value(), 20);
        QCOMPARE(file(), countingBytes(256));
    }

    void f2OpensTheEditorAndClosingItLeavesTheRest() {
        const QString path = m_folder->write(QStringLiteral("e.bin"), countingBytes(32));
        m_app = startApp(path);
        QVERIFY(!m_app->existingStepEditor());
        CodeViewWindow& view = m_app->codeView();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_F2);
        QVERIFY(m_app->existingStepEditor());
        QVERIFY(m_app->existingStepEditor()->isVisible());

        action(QStringLiteral("ActionClose"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_app->existingStepEditor());
        QVERIFY(view.isVisible());
        QVERIFY(m_app->existingSimulator() && m_app->existingSimulator()->isVisible());
        QVERIFY(m_app->existingColourPanel() && m_app->existingColourPanel()->isVisible());
        QVERIFY(document().hasImage());
        QCOMPARE(file(), countingBytes(32));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_F2);
        QVERIFY(m_app->existingStepEditor() && m_app->existingStepEditor()->isVisible());
    }

    void theEditorComesBackAtStartWithItsZoom() {
        QVERIFY(start(countingBytes(32)));
        action(QStringLiteral("ActionZoomIn"))->trigger();
        QCOMPARE(editor().grid().cell(), 17);
        const QString path = m_folder->path(QStringLiteral("e.bin"));
        m_app->shutDown();
        m_app.reset();
        m_app = startApp(path);
        QVERIFY(m_app->existingStepEditor() && m_app->existingStepEditor()->isVisible());
        QCOMPARE(editor().grid().cell(), 17);

        action(QStringLiteral("ActionClose"))->trigger();
        m_app->shutDown();
        m_app.reset();
        m_app = startApp(path);
        QVERIFY(!m_app->existingStepEditor());
    }

    void aDoubleClickOnALampFlipsItOnce() {
        QVERIFY(start(QByteArray(16, '\xFF')));
        // Through the window system, which sends a press, a release, the double-click and a
        // release, as a real double-click comes.
        QTest::mouseDClick(editor().windowHandle(), Qt::LeftButton, {},
                           viewport()->mapTo(&editor(), cell(3, 1)));
        QByteArray flipped(16, '\xFF');
        flipped[3] = '\xBF';
        expectOneStep(QByteArray(16, '\xFF'), flipped);
    }

    void theCursorAndTheSelectionGoTogether() {
        QVERIFY(start(Chase16));
        StepGridView& grid = editor().grid();
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(6));
        QCOMPARE(grid.cursorStep(), 6);
        QCOMPARE(grid.selection(), (StepSpan{6, 1}));
        // A lamp painted lets the selection go; so does a move without Shift.
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(2, 0));
        QVERIFY(!grid.selection());
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(4));
        key(Qt::Key_Down);
        QVERIFY(!grid.selection());
        QCOMPARE(grid.cursorStep(), 5);
    }

    void pasteInsertingMakesUpALastStepCutShort() {
        QVERIFY(start(hex("7FFFBFFFDFFFEFFF"), 16));
        QApplication::clipboard()->setText(QStringLiteral("00 11 22"));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(1));
        key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        // Two whole steps go in, the second made up with dark lamps; later steps keep their
        // channels.
        expectOneStep(hex("7FFFBFFFDFFFEFFF"), hex("7FFF001122FFBFFF"));
    }
};

QTEST_MAIN(StepEditorTest)
#include "stepeditor_test.moc"
