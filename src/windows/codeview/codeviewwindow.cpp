#include "windows/codeview/codeviewwindow.h"

#include "core/files/dialogstart.h"
#include "core/geometry/ledgrid.h"
#include "core/image/imagedocument.h"
#include "core/image/imagelimits.h"
#include "core/page/hextext.h"
#include "core/page/kanalcount.h"
#include "core/page/pagerows.h"
#include "core/page/playback.h"
#include "windows/codeview/codeviewlayout.h"
#include "windows/common/dialogs.h"
#include "windows/common/displayhold.h"
#include "windows/common/failurereports.h"
#include "windows/common/framecachestyle.h"
#include "windows/common/historyactions.h"
#include "windows/common/pointer.h"
#include "windows/common/windowmenu.h"
#include "windows/common/windowsetup.h"
#include "windows/common/wrappingbutton.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace chaserom {

using namespace codeview;

CodeViewWindow::CodeViewWindow(PageRows& page, KanalCount& kanalCount, Playback& playback,
                               FailureReports& reports, DisplayHold& display)
    : m_page(page)
    , m_playback(playback)
    , m_kanalCount(kanalCount)
    , m_reports(reports)
    , m_display(display)
    , m_commands(page, reports, this) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Generator"), tr("Просмотр кода"), ClientWidth,
                     ClientHeight);
    setMouseTracking(true);
    createPageRows();
    createFileControls();
    createPlaybackControls();
    createFileOperations();
    createSizeControls();
    nameFieldsForScreenReaders();
    setTabOrder();
    useFrameCacheStyle();
    connectModel();
    openWindowMenuOnShiftF10(*this);
    for (int row = 0; row < PageRowCount; ++row) {
        showRow(row);
    }
    showStrip();
    showAddresses();
    showImage();
}

void CodeViewWindow::connectModel() {
    // While playback outpaces the screen, changes are noted and shown once a frame.
    connect(&m_page, &PageRows::rowChanged, this, [this](int row) {
        if (m_display.isHeld()) {
            m_heldRows[row] = true;
        } else {
            showRow(row);
        }
    });
    connect(&m_page, &PageRows::rowsChanged, this, [this] {
        if (m_display.isHeld()) {
            m_heldStrip = true;
        } else {
            showStrip();
        }
    });
    connect(&m_page, &PageRows::pageMoved, this, [this] {
        if (m_display.isHeld()) {
            m_heldAddresses = true;
        } else {
            showAddresses();
        }
    });
    connect(&m_display, &DisplayHold::due, this, &CodeViewWindow::showHeldChanges);
    connect(&m_page.document(), &ImageDocument::openedImageChanged, this,
            &CodeViewWindow::showImage);
    connect(&m_kanalCount, &KanalCount::changed, this, &CodeViewWindow::showStrip);
}

void CodeViewWindow::showHeldChanges() {
    // The lamps of a running effect show every frame. The 64 texts of the page, which
    // nobody reads while they change so fast and whose painting is most of a frame's work,
    // show at most 30 times a second; all of it shows the moment playback stops or slows.
    const bool stillRunning =
        m_playback.isPlaying() && m_framePace.stepsOutpaceFrames(m_timer1->interval());
    const bool showTexts = !stillRunning || m_textPace.frameDue(m_clock.nsecsElapsed());
    // The LEDs of all rows in one area: a dirty region of many pieces costs more than it
    // saves.
    QRect leds;
    for (int row = 0; row < PageRowCount; ++row) {
        if (showTexts && std::exchange(m_heldRows[row], false)) {
            leds |= showRowTexts(row);
        } else {
            leds |= m_shapes.showLedRow(row, static_cast<quint8>(m_page.rowValue(row)));
        }
    }
    update(leds);
    if (std::exchange(m_heldStrip, false)) {
        showStrip();
    }
    if (!showTexts) {
        return;
    }
    if (std::exchange(m_heldAddresses, false)) {
        showAddresses();
    }
    showHeldScrollPosition();
}

void CodeViewWindow::formLoad() {
    chooseChannelOption(0);
    // A carriage return alone between the two sentences, as the tooltip was written: the
    // tooltip shows them on separate lines.
    m_commandMirror->setToolTip(m_commandMirror->toolTip() + QChar(13) +
                                tr("Аналогична применению реверсивного счетчика"));
    showInterval(m_playback.interval());
}

void CodeViewWindow::openAction() {
    const QString imageFolder =
        m_page.hasImage() ? QFileInfo(m_page.document().path()).absolutePath() : QString();
    const QString start =
        safeDialogStart(m_lastFolder.isEmpty() ? QDir::currentPath() : m_lastFolder, imageFolder);
    if (const auto path = chooseFileToOpen(this, tr("Открыть файл образа"), start)) {
        m_lastFolder = QFileInfo(*path).absolutePath();
        emit openRequested(*path);
    }
}

void CodeViewWindow::showRow(int row) {
    update(showRowTexts(row));
}

QRect CodeViewWindow::showRowTexts(int row) {
    const QString& rowText = m_page.rowText(row);
    if (m_text1[row]->text() != rowText) {
        const QSignalBlocker blocker(m_text1[row]);
        m_text1[row]->setText(rowText);
    }
    const QString bits = HexToBin(rowText);
    if (m_text2[row]->text() != bits) {
        m_text2[row]->setText(bits);
    }
    return m_shapes.showLedRow(row, static_cast<quint8>(m_page.rowValue(row)));
}

void CodeViewWindow::showStrip() {
    update(m_shapes.showStrip(m_page.pageBytes(), m_kanalCount.value()));
}

void CodeViewWindow::showAddresses() {
    const int address = m_page.pageAddress();
    for (int row = 0; row < PageRowCount; ++row) {
        m_text5[row]->setText(addressToHex(address + row));
        m_text7[row]->setText(QString::number(address + row));
        m_text1[row]->setReadOnly(!m_page.rowEditable(row));
    }
    m_text6->setText(m_page.pageRead() ? QString::number(address) : QString());
}

void CodeViewWindow::showImage() {
    m_text3->setText(m_page.document().path());
    const auto length = m_page.imageLength();
    m_text4->setText(length ? QString::number(*length) : QString());
    if (length) {
        // A position past the new end is brought inside silently: that must not move the
        // page of the image just closed.
        const QSignalBlocker blocker(m_vscroll1);
        m_vscroll1->setMaximum(*length);
    }
    m_pagePosition = m_vscroll1->value();
}

void CodeViewWindow::vscroll1Change() {
    m_scrollPositionHeld = false; // the user's position counts from now on
    movePageTo(m_vscroll1->value(), Alignment::Aligned);
}

void CodeViewWindow::vscroll1Scroll(int position) {
    m_scrollPositionHeld = false;
    movePageTo(position, Alignment::Unaligned);
}

void CodeViewWindow::movePageTo(int position, Alignment alignment) {
    if (!m_page.hasImage()) {
        return;
    }
    const int address =
        pageAddressFor(position, m_vscroll1->maximum(), m_page.imageLength().value_or(0),
                       m_kanalCount.value(), alignment);
    auto failure = m_page.movePage(address);
    if (!failure || failure->severity == Severity::Warning) {
        // A write-back cut short by a shorter file is reported, but the page has moved.
        m_pagePosition = position;
        if (failure) {
            m_reports.report(this, *failure);
        }
        return;
    }
    reportPageFailure(*failure);
}

void CodeViewWindow::reportPageFailure(const FileError& error) {
    // Every further step would fail the same way: playback stops at the page that failed.
    m_playback.setPlaying(false);
    stopScrolling();
    m_reports.report(this, error);
}

void CodeViewWindow::stopScrolling() {
    // A press on an arrow of the scroll bar repeats for as long as the button is held, and
    // the report's box takes the button's release: disabling the scroll bar for a moment
    // ends the repeat (and a drag of its thumb), so that one failure makes one report.
    const bool hadFocus = m_vscroll1->hasFocus();
    m_vscroll1->setEnabled(false);
    m_vscroll1->setEnabled(true);
    if (hadFocus) {
        m_vscroll1->setFocus();
    }
    // The scroll bar stays where the page is.
    m_scrollPositionHeld = false;
    const QSignalBlocker blocker(m_vscroll1);
    m_vscroll1->setValue(m_pagePosition);
}

int CodeViewWindow::scrollPosition() const {
    return m_scrollPositionHeld ? m_heldScrollPosition : m_vscroll1->value();
}

void CodeViewWindow::setScrollPosition(int position) {
    if (scrollPosition() == position) {
        return;
    }
    if (m_display.isHeld()) {
        // The scroll bar shows the position once a frame, like the page.
        m_heldScrollPosition = position;
        m_scrollPositionHeld = true;
        movePageTo(position, Alignment::Aligned);
        return;
    }
    {
        const QSignalBlocker blocker(m_vscroll1);
        m_vscroll1->setValue(position);
    }
    vscroll1Change();
}

void CodeViewWindow::showHeldScrollPosition() {
    if (std::exchange(m_scrollPositionHeld, false)) {
        const QSignalBlocker blocker(m_vscroll1);
        m_vscroll1->setValue(m_heldScrollPosition);
    }
}

void CodeViewWindow::timer1Timer() {
    if (!m_playback.isPlaying()) {
        m_playback.tick(m_clock.nsecsElapsed());
        return;
    }
    // Steps faster than the screen's frames are made, but shown once a frame: the
    // latest step then.
    if (const QScreen* shown = screen()) {
        m_framePace.setRefreshRate(shown->refreshRate());
    }
    const bool outpaced = m_framePace.stepsOutpaceFrames(m_timer1->interval());
    if (outpaced) {
        m_display.hold();
    } else {
        m_display.flush();
        showHeldChanges();
    }
    m_playback.tick(m_clock.nsecsElapsed());
    if (outpaced) {
        m_display.release(!m_playback.isPlaying() || m_framePace.frameDue(m_clock.nsecsElapsed()));
    }
}

void CodeViewWindow::playOneStep() {
    if (!m_playback.isPlaying()) {
        return;
    }
    const int maximum = m_vscroll1->maximum();
    if (const auto& loop = m_playback.loop()) {
        // One program (or a selection) over and over, as a board with its switches set.
        setScrollPosition(
            nextLoopPosition(*loop, scrollPosition(), m_kanalCount.stepLength(), maximum));
        return;
    }
    const int next = std::min(scrollPosition() + m_kanalCount.stepLength(), maximum);
    setScrollPosition(next);
    if (next == maximum && m_playback.isPlaying()) {
        setScrollPosition(m_playback.loopStart());
    }
}

void CodeViewWindow::showPageAt(int address) {
    m_vscroll1->setValue(std::clamp(address, 0, m_vscroll1->maximum()));
}

void CodeViewWindow::chooseChannelOption(int index) {
    m_optionKanal[index]->setChecked(true);
    m_kanalCount.set((index + 1) * 8);
}

void CodeViewWindow::vscroll2Change(int value) {
    m_playback.setInterval(value);
}

void CodeViewWindow::showInterval(int milliseconds) {
    m_timer1->setInterval(milliseconds);
    m_labelIntervalSim->setText(QString::number(milliseconds) + QStringLiteral("ms"));
    const QSignalBlocker blocker(m_vscroll2);
    m_vscroll2->setValue(milliseconds);
}

void CodeViewWindow::optionSizeClick(int index) {
    m_textSize->setText(QString::number(SizePresets[index]));
}

void CodeViewWindow::textSizeClick() {
    for (QRadioButton* option : m_optionSize) {
        // An exclusive button cannot be unticked directly.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void CodeViewWindow::commandCopyClick() {
    m_commands.copy(m_text8->text(), m_text9->text(), m_text10->text());
}

void CodeViewWindow::commandInvClick() {
    m_commands.invert();
}

void CodeViewWindow::commandMirrorClick() {
    m_commands.reverse();
}

void CodeViewWindow::commandSizeClick() {
    m_commands.writeResizedCopy(m_textSize->text());
}

} // namespace chaserom
