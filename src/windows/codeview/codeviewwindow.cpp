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

namespace {

/// How often the page's texts show at most while playback outpaces the screen.
constexpr double MostTextShowsPerSecond = 30;
constexpr int SizePresets[] = {256, 512, 1024, 2048, 4096};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* placeLabel(QWidget* parent, const QString& name, const ControlPlace& place,
                   const QString& caption, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = placeControl<QLabel>(parent, name, place);
    label->setText(caption);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

template <typename Button>
Button* placeButton(QWidget* parent, const QString& name, const ControlPlace& place,
                    const QString& caption) {
    auto* button = placeControl<Button>(parent, name, place);
    button->setText(caption);
    return button;
}

QLineEdit* placeTextBox(QWidget* parent, const QString& name, const ControlPlace& place,
                        const QString& content = QString()) {
    auto* box = placeControl<QLineEdit>(parent, name, place);
    box->setText(content);
    return box;
}

QScrollBar* placeScrollBar(QWidget* parent, const QString& name, const ControlPlace& place) {
    auto* bar = placeControl<QScrollBar>(parent, name, place);
    bar->setOrientation(Qt::Vertical);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

} // namespace

CodeViewWindow::CodeViewWindow(PageRows& page, KanalCount& kanalCount, Playback& playback,
                               FailureReports& reports, DisplayHold& display)
    : m_page(page)
    , m_playback(playback)
    , m_kanalCount(kanalCount)
    , m_reports(reports)
    , m_display(display)
    , m_commands(page, reports, this) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Generator"), text("Просмотр кода"), ClientWidth,
                     ClientHeight);
    setMouseTracking(true);
    createPageRows();
    createFileControls();
    createPlaybackControls();
    createFileOperations();
    createSizeControls();
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

void CodeViewWindow::createPageRows() {
    placeLabel(this, QStringLiteral("Label2"), Label2Place, text("Адрес"));
    placeLabel(this, QStringLiteral("Label3"), Label3Place, text("Данные"));
    for (int row = 0; row < PageRowCount; ++row) {
        m_text7[row] = placeTextBox(this, elementName("Text7", row), inRow(Text7Column, row));
        m_text7[row]->setEnabled(false);
        m_text5[row] = placeTextBox(this, elementName("Text5", row), inRow(Text5Column, row));
        m_text5[row]->setEnabled(false);
        m_text1[row] = placeTextBox(this, elementName("Text1", row), inRow(Text1Column, row));
        m_text1[row]->installEventFilter(this);
        connect(m_text1[row], &QLineEdit::textChanged, this, [this, row](const QString& typed) {
            m_page.setRowText(row, typed);
            if (m_page.rowText(row) != typed) {
                showRow(row); // a row past the end of the image stays empty
            }
        });
        m_text2[row] = placeTextBox(this, elementName("Text2", row), inRow(Text2Column, row));
        m_text2[row]->setEnabled(false);
    }
    m_vscroll1 = placeScrollBar(this, QStringLiteral("VScroll1"), VScroll1Place);
    m_vscroll1->setRange(0, MaxImageLength);
    m_vscroll1->setSingleStep(1);
    m_vscroll1->setPageStep(1);
    connect(m_vscroll1, &QScrollBar::valueChanged, this, [this] {
        if (!m_vscroll1->isSliderDown()) {
            vscroll1Change();
        }
    });
    connect(m_vscroll1, &QScrollBar::sliderMoved, this, &CodeViewWindow::vscroll1Scroll);
    connect(m_vscroll1, &QScrollBar::sliderReleased, this, &CodeViewWindow::vscroll1Change);
}

void CodeViewWindow::createFileControls() {
    m_command1 =
        placeButton<QPushButton>(this, QStringLiteral("Command1"), Command1Place, text("Файл"));
    connect(m_command1, &QPushButton::clicked, this, &CodeViewWindow::openAction);
    m_text3 = placeTextBox(this, QStringLiteral("Text3"), Text3Place);
    m_text3->setReadOnly(true);
    placeLabel(this, QStringLiteral("Label1"), Label1Place, text("Размер"));
    m_text4 = placeTextBox(this, QStringLiteral("Text4"), Text4Place);
    m_text4->setReadOnly(true);
    m_checkSave = placeButton<QCheckBox>(this, QStringLiteral("CheckSave"), CheckSavePlace,
                                         text("Сохранять"));
    connect(m_checkSave, &QCheckBox::toggled, this,
            [this](bool ticked) { m_page.setSaveEnabled(ticked); });
    m_text6 = placeTextBox(this, QStringLiteral("Text6"), Text6Place);
    m_text6->setReadOnly(true);
}

void CodeViewWindow::createPlaybackControls() {
    m_check1 =
        placeButton<QCheckBox>(this, QStringLiteral("Check1"), Check1Place, text("Симуляция"));
    connect(m_check1, &QCheckBox::toggled, &m_playback, &Playback::setPlaying);
    connect(&m_playback, &Playback::playingChanged, this, [this](bool playing) {
        {
            const QSignalBlocker blocker(m_check1);
            m_check1->setChecked(playing);
        }
        if (!playing) {
            // The last step is shown the moment playback stops, texts included.
            m_display.flush();
            showHeldChanges();
        }
    });
    m_commandSimulator =
        placeButton<WrappingButton>(this, QStringLiteral("CommandSimulator"), CommandSimulatorPlace,
                                    text("Показать окно симуляции"));
    connect(m_commandSimulator, &QPushButton::clicked, this, &CodeViewWindow::simulatorRequested);

    m_labelIntervalSim = placeLabel(this, QStringLiteral("LabelIntervalSim"), LabelIntervalSimPlace,
                                    QString(), Qt::AlignRight | Qt::AlignTop);
    m_vscroll2 = placeScrollBar(this, QStringLiteral("VScroll2"), VScroll2Place);
    m_vscroll2->setRange(Playback::ShortestInterval, Playback::LongestInterval);
    m_vscroll2->setSingleStep(1);
    m_vscroll2->setPageStep(10);
    m_vscroll2->setValue(m_playback.interval());
    // Like the page scroll bar's change: the interval follows the thumb when it is let go.
    m_vscroll2->setTracking(false);
    connect(m_vscroll2, &QScrollBar::valueChanged, this, &CodeViewWindow::vscroll2Change);

    constexpr const char* captions[] = {"8", "16", "24", "32"};
    for (int i = 0; i < 4; ++i) {
        m_optionKanal[i] = placeButton<QRadioButton>(this, elementName("OptionKanal", i),
                                                     OptionKanalPlaces[i], text(captions[i]));
        connect(m_optionKanal[i], &QRadioButton::clicked, this,
                [this, i] { chooseChannelOption(i); });
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(m_playback.interval());
    connect(m_timer1, &QTimer::timeout, this, &CodeViewWindow::timer1Timer);
    connect(&m_playback, &Playback::intervalChanged, this, &CodeViewWindow::showInterval);
    connect(&m_playback, &Playback::stepDue, this, &CodeViewWindow::playOneStep);
    m_textPace.setRefreshRate(MostTextShowsPerSecond);
    m_clock.start();
    m_timer1->start();
}

void CodeViewWindow::createFileOperations() {
    QLabel* title = placeLabel(this, QStringLiteral("Label7"), Label7Place, text("Работа с файлом"),
                               Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSizeF(9.75);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setWordWrap(false);

    m_commandInv = placeButton<QPushButton>(this, QStringLiteral("CommandInv"), CommandInvPlace,
                                            text("Инверсия"));
    m_commandInv->setToolTip(text("Инверсия всего содержимого файла."));
    connect(m_commandInv, &QPushButton::clicked, this, &CodeViewWindow::commandInvClick);
    QLabel* range = placeLabel(this, QStringLiteral("Label5"), Label5Place,
                               text("Данные из диапазона"), Qt::AlignHCenter | Qt::AlignTop);
    range->setToolTip(text("Адреса в десятичном виде с которых копировать данные"));
    m_text8 = placeTextBox(this, QStringLiteral("Text8"), Text8Place);
    placeLabel(this, elementName("Label4", 0), Label4Place, QStringLiteral("-"),
               Qt::AlignHCenter | Qt::AlignTop);
    m_text9 = placeTextBox(this, QStringLiteral("Text9"), Text9Place);
    placeLabel(this, QStringLiteral("Label6"), Label6Place, text("копировать с"),
               Qt::AlignHCenter | Qt::AlignTop);
    m_text10 = placeTextBox(this, QStringLiteral("Text10"), Text10Place);
    m_commandCopy = placeButton<QPushButton>(this, QStringLiteral("CommandCopy"), CommandCopyPlace,
                                             text("Копировать"));
    connect(m_commandCopy, &QPushButton::clicked, this, &CodeViewWindow::commandCopyClick);
    m_commandMirror = placeButton<QPushButton>(this, QStringLiteral("CommandMirror"),
                                               CommandMirrorPlace, text("Нач. <-> Кон."));
    m_commandMirror->setToolTip(text("Ячейки со старшими адресами поместить в начало и наоборот."));
    connect(m_commandMirror, &QPushButton::clicked, this, &CodeViewWindow::commandMirrorClick);
}

void CodeViewWindow::createSizeControls() {
    for (int i = 0; i < 5; ++i) {
        m_optionSize[i] =
            placeButton<QRadioButton>(this, elementName("OptionSize", i), OptionSizePlaces[i],
                                      QString::number(SizePresets[i]));
        connect(m_optionSize[i], &QRadioButton::clicked, this, [this, i] { optionSizeClick(i); });
    }
    m_textSize =
        placeTextBox(this, QStringLiteral("TextSize"), TextSizePlace, QStringLiteral("8192"));
    m_textSize->installEventFilter(this);
    for (QLineEdit* field : {m_text8, m_text9, m_text10}) {
        field->installEventFilter(this);
    }
    m_commandSize = placeButton<QPushButton>(this, QStringLiteral("CommandSize"), CommandSizePlace,
                                             text("Старт"));
    m_commandSize->setToolTip(text("Привести размер к указанному"));
    connect(m_commandSize, &QPushButton::clicked, this, &CodeViewWindow::commandSizeClick);
}

void CodeViewWindow::useFrameCacheStyle() {
    // Made after the controls, so that it is the last child and goes after them.
    auto* style = new FrameCacheStyle();
    style->setParent(this);
    for (const auto* column : {&m_text1, &m_text2, &m_text5, &m_text7}) {
        for (QLineEdit* text : *column) {
            text->setStyle(style);
        }
    }
    m_text6->setStyle(style);
}

void CodeViewWindow::setTabOrder() {
    QList<QWidget*> order(m_text1.begin(), m_text1.end());
    order << m_vscroll1 << m_text3 << m_command1 << m_text4 << m_text6 << m_check1 << m_checkSave
          << m_commandInv << m_text8 << m_text9 << m_text10 << m_commandCopy << m_commandMirror
          << m_vscroll2;
    order.append(QList<QWidget*>(m_optionSize.begin(), m_optionSize.end()));
    // The option buttons for 24 and 32 channels stand in the tab order the other way
    // round (0, 1, 3, 2), as the window was designed; users of the keyboard rely on it.
    order << m_textSize << m_commandSize << m_optionKanal[0] << m_optionKanal[1] << m_optionKanal[3]
          << m_optionKanal[2] << m_commandSimulator;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
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
                                text("Аналогична применению реверсивного счетчика"));
    vscroll2Change(m_vscroll2->value());
}

void CodeViewWindow::openAction() {
    const QString imageFolder =
        m_page.hasImage() ? QFileInfo(m_page.document().path()).absolutePath() : QString();
    const QString start =
        safeDialogStart(m_lastFolder.isEmpty() ? QDir::currentPath() : m_lastFolder, imageFolder);
    if (const auto path = chooseFileToOpen(this, text("Открыть файл образа"), start)) {
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
    if (!failure || failure->action == FileAction::WriteBackCut) {
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
    showInterval(m_playback.interval());
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

void CodeViewWindow::formMouseMove(int /*buttons*/, double x, double y) {
    m_mouse = QPoint(roundTwips(x), roundTwips(y));
}

void CodeViewWindow::formClick() {
    if (const auto cell = LedGrid::cellAt(m_mouse.x(), m_mouse.y())) {
        m_page.invertBit(cell->row, cell->column);
    }
}

void CodeViewWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_shapes.paint(painter, palette(), event->rect());
}

void CodeViewWindow::mouseMoveEvent(QMouseEvent* event) {
    formMouseMove(buttonMask(event->buttons()), pixelsToTwips(event->position().x()),
                  pixelsToTwips(event->position().y()));
}

void CodeViewWindow::mousePressEvent(QMouseEvent* event) {
    m_clickPressed = event->button() == Qt::LeftButton;
}

void CodeViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_clickPressed) {
        m_clickPressed = false;
        formClick();
    }
}

void CodeViewWindow::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is not a click: a bit is inverted once.
    m_clickPressed = false;
}

void CodeViewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

bool CodeViewWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto row = std::find(m_text1.begin(), m_text1.end(), watched);
    if (row != m_text1.end()) {
        return rowEvent(static_cast<int>(row - m_text1.begin()), event);
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == m_textSize) {
        textSizeClick();
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // The number fields keep their own text undo for every undo and redo key, as any form
        // does, not only for those the line edit knows.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && HistoryActions::isHistoryKey(*key)) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
            } else if (key->matches(QKeySequence::Undo)) {
                field->undo();
            } else {
                field->redo();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CodeViewWindow::rowEvent(int row, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        m_page.invertRow(row);
        break;
    case QEvent::FocusOut:
        m_page.endTyping();
        break;
    case QEvent::ContextMenu:
        popUpWindowMenu(*this, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // One history: the undo keys undo the image, never the row's own text.
        return HistoryActions::isHistoryKey(*static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return false;
}

void CodeViewWindow::contextMenuEvent(QContextMenuEvent* event) {
    popUpWindowMenu(*this, event->globalPos());
}

} // namespace chaserom
