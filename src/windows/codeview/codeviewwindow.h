#pragma once

#include "core/files/fileerror.h"
#include "core/page/framepace.h"
#include "core/page/pageaddress.h"
#include "windows/codeview/codeviewshapes.h"
#include "windows/codeview/wholeimagecommands.h"
#include "windows/common/painteditems.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace chaserom {

class DisplayHold;
class FailureReports;
class KanalCount;
class PageRows;
class Playback;

/// The code view, "Просмотр кода": one page of the image as addresses, hexadecimal and
/// binary texts and LEDs, with the controls for opening the image, the step timer, the
/// channel count, the whole-image operations and the resized copy.
class CodeViewWindow : public QWidget, public PaintedItems {
    Q_OBJECT
    Q_DISABLE_COPY(CodeViewWindow)

public:
    CodeViewWindow(PageRows& page, KanalCount& kanalCount, Playback& playback,
                   FailureReports& reports, DisplayHold& display);

    /// The LEDs, for screen readers: «Светодиод бита 5 байта 3: горит».
    [[nodiscard]] int paintedCount() const override;
    [[nodiscard]] QString paintedName(int index) const override;
    [[nodiscard]] QRect paintedRect(int index) const override;

    /// What loading the window does besides showing the other two windows: selects 8
    /// channels, completes the tooltip of `CommandMirror` and shows the step interval.
    void formLoad();

    /// The open action: asks for an image; a chosen path is passed on with
    /// openRequested(), a cancelled dialog changes nothing.
    void openAction();

    /// Pointer handlers in twips, as the window's pointer events call them. A move records
    /// the pointer position; a click inverts the bit of the LED cell under that position.
    void formMouseMove(int buttons, double x, double y);
    void formClick();
    [[nodiscard]] QPoint lastMousePosition() const { return m_mouse; }
    /// One step of playback: while playback runs, moves the page one step on, back to the
    /// start of the loop at its end.
    void playOneStep();

    /// Shows the page at `address`, as moving the scroll bar there does.
    void showPageAt(int address);

    /// Chooses the channel count of option `index` (8, 16, 24, 32), as a click on it does.
    void chooseChannelOption(int index);

    /// The whole-image operations and the resized copy. Each first writes the page back
    /// while saving is on; bad numbers and a missing image are reported and touch no file.
    void commandCopyClick();
    void commandInvClick();
    void commandMirrorClick();
    void commandSizeClick();

signals:
    /// The user chose an image to open.
    void openRequested(const QString& path);
    void simulatorRequested();
    /// The user closed the window: the program shuts down.
    void closing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// What a row text does with an event besides editing: true when it is used up.
    bool rowEvent(int row, QEvent* event);
    void createPageRows();
    void createFileControls();
    void createPlaybackControls();
    void createFileOperations();
    void createSizeControls();
    void nameFieldsForScreenReaders();
    void setTabOrder();
    void connectModel();

    void showRow(int row);
    /// Shows a row's texts and sets its LEDs; returns the LEDs' area to repaint.
    QRect showRowTexts(int row);
    /// Gives the page's texts the style that copies their frames instead of drawing them.
    void useFrameCacheStyle();
    void showAddresses();
    void showImage();
    void showStrip();
    void showHeldChanges();

    /// A tick of `Timer1`: makes the steps due since the last tick.
    void timer1Timer();
    void vscroll1Change();
    void vscroll1Scroll(int position);
    void movePageTo(int position, Alignment alignment);
    /// The position playback steps from: the scroll bar's, or the one it shows at the
    /// next frame.
    [[nodiscard]] int scrollPosition() const;
    void setScrollPosition(int position);
    void showHeldScrollPosition();
    void vscroll2Change(int value);
    /// Shows the playback interval on `VScroll2` and its label, and gives it to `Timer1`.
    void showInterval(int milliseconds);
    void optionSizeClick(int index);
    void textSizeClick();
    void reportPageFailure(const FileError& error);
    void stopScrolling();

    PageRows& m_page;
    Playback& m_playback;
    KanalCount& m_kanalCount;
    FailureReports& m_reports;
    DisplayHold& m_display;
    CodeViewShapes m_shapes;
    WholeImageCommands m_commands;

    // Per row: m_text1 the byte as hexadecimal text (editable), m_text2 its binary text,
    // m_text5 the address in hexadecimal, m_text7 the address in decimal.
    std::array<QLineEdit*, PageRowCount> m_text1{};
    std::array<QLineEdit*, PageRowCount> m_text2{};
    std::array<QLineEdit*, PageRowCount> m_text5{};
    std::array<QLineEdit*, PageRowCount> m_text7{};
    QScrollBar* m_vscroll1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text4 = nullptr;
    QLineEdit* m_text6 = nullptr;
    QCheckBox* m_checkSave = nullptr;
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_commandSimulator = nullptr;
    QLabel* m_labelIntervalSim = nullptr;
    QScrollBar* m_vscroll2 = nullptr;
    std::array<QRadioButton*, 4> m_optionKanal{};
    QTimer* m_timer1 = nullptr;
    QPushButton* m_commandInv = nullptr;
    QLineEdit* m_text8 = nullptr;
    QLineEdit* m_text9 = nullptr;
    QLineEdit* m_text10 = nullptr;
    QPushButton* m_commandCopy = nullptr;
    QPushButton* m_commandMirror = nullptr;
    std::array<QRadioButton*, 5> m_optionSize{};
    QLineEdit* m_textSize = nullptr;
    QPushButton* m_commandSize = nullptr;

    FramePace m_framePace;
    /// When the page's texts show during fast playback: at most 30 times a second.
    FramePace m_textPace;
    /// What changed while the display was held: shown at the next frame.
    std::array<bool, PageRowCount> m_heldRows{};
    bool m_heldStrip = false;
    bool m_heldAddresses = false;
    int m_heldScrollPosition = 0;
    bool m_scrollPositionHeld = false;
    QElapsedTimer m_clock;
    QPoint m_mouse;
    /// The position of `VScroll1` that shows the current page.
    int m_pagePosition = 0;
    /// The folder of the last image chosen in the open dialog.
    QString m_lastFolder;
    bool m_clickPressed = false;
};

} // namespace chaserom
