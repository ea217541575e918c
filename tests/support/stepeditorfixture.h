#pragma once

// What the step editor's window tests share: the program started on an image with the
// step editor shown, and the ways a user reaches its grid, its actions and the file.
#include "app/app.h"
#include "core/formats/recordfile.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridheader.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

namespace testing_support {

inline const QColor Lit(255, 255, 255);
inline const QColor Dark(0x20, 0x20, 0x20);

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

/// A chase over eight channels, then eight bytes a user can tell apart.
inline const QByteArray Chase16 = hex("7FBFDFEFF7FBFDFE0011223344556677");

/// What a Go to, Find or Fill dialog said about the text typed into it.
struct TextSeen {
    QString problem;
    bool accepted = false;
    bool shown = false;
};

/// Types `typed` into the next Go to, Find or Fill dialog and presses OK, or Cancel while
/// OK stays greyed.
std::shared_ptr<TextSeen> answerText(const QString& typed);

/// The program on an image, the step editor in front; each test makes its own.
class StepEditorFixture : public QObject {
protected:
    /// A fresh folder and settings before each test; the program closed after it.
    void setUpFolder();
    void tearDown();
    /// Starts the program on an image of `bytes` at `channels` channels, with the step editor
    /// shown, active, and painting lit lamps white.
    [[nodiscard]] bool start(const QByteArray& bytes, int channels = 8) {
        m_app = startApp(m_folder->write(QStringLiteral("e.bin"), bytes));
        if (channels != 8) {
            control<QRadioButton>(&m_app->codeView(),
                                  QStringLiteral("OptionKanal_%1").arg(channels / 8 - 1))
                ->click();
        }
        m_app->showStepEditor();
        action(QStringLiteral("ActionChannelColours"))->setChecked(false);
        return QTest::qWaitForWindowActive(&editor());
    }

    chaserom::StepEditorWindow& editor() { return m_app->stepEditor(); }
    chaserom::ImageDocument& document() { return m_app->document(); }
    chaserom::PageRows& page() { return m_app->page(); }
    QWidget* viewport() { return editor().grid().viewport(); }
    QAction* action(const QString& name) { return control<QAction>(&editor(), name); }
    QLineEdit* row(int index) {
        return control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text1_%1").arg(index));
    }
    QByteArray file() const { return m_folder->read(QStringLiteral("e.bin")); }
    QPoint cell(int step, int channel) { return editor().grid().cellRect(step, channel).center(); }
    QPoint address(int step) { return editor().grid().addressRect(step).center(); }

    /// The colour the grid shows a lamp in.
    QColor shown(int step, int channel) {
        return viewport()->grab().toImage().pixelColor(cell(step, channel));
    }

    /// A key on the grid, with the editor active so that its shortcuts answer.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        if (QApplication::activeWindow() != &editor()) {
            editor().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor()));
        }
        QTest::keyClick(&editor().grid(), key, modifiers);
    }

    /// Presses at the first point, moves through the others and lets go at the last.
    void drag(const QList<QPoint>& points) {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, points.first());
        for (const QPoint& point : points.mid(1)) {
            QTest::mouseMove(viewport(), point);
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, points.last());
    }

    /// The last change turned the file from `before` into `after` as the history's one step
    /// (the history starts with the image), and Ctrl+Z takes it back exactly.
    void expectOneStep(const QByteArray& before, const QByteArray& after) {
        QCOMPARE(file(), after);
        QCOMPARE(document().history().size(), 1);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(file(), before);
        QVERIFY(!document().canUndo());
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<chaserom::App> m_app;
};

} // namespace testing_support
