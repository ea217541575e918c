#include "core/image/imagelimits.h"
#include "core/page/kanalcount.h"
#include "core/page/pagerows.h"
#include "core/page/playback.h"
#include "windows/codeview/codeviewlayout.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/common/displayhold.h"
#include "windows/common/framecachestyle.h"
#include "windows/common/windowsetup.h"
#include "windows/common/wrappingbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

// The code view's controls: each made and placed at its twip position, with its caption and
// its connections, in the tab order of the form.

namespace chaserom {

using namespace codeview;

namespace {

/// How often the page's texts show at most while playback outpaces the screen.
constexpr double MostTextShowsPerSecond = 30;

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

void CodeViewWindow::createPageRows() {
    placeLabel(this, QStringLiteral("Label2"), Label2Place, tr("Адрес"));
    placeLabel(this, QStringLiteral("Label3"), Label3Place, tr("Данные"));
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
        placeButton<QPushButton>(this, QStringLiteral("Command1"), Command1Place, tr("Файл"));
    connect(m_command1, &QPushButton::clicked, this, &CodeViewWindow::openAction);
    m_text3 = placeTextBox(this, QStringLiteral("Text3"), Text3Place);
    m_text3->setReadOnly(true);
    placeLabel(this, QStringLiteral("Label1"), Label1Place, tr("Размер"));
    m_text4 = placeTextBox(this, QStringLiteral("Text4"), Text4Place);
    m_text4->setReadOnly(true);
    m_checkSave =
        placeButton<QCheckBox>(this, QStringLiteral("CheckSave"), CheckSavePlace, tr("Сохранять"));
    connect(m_checkSave, &QCheckBox::toggled, this,
            [this](bool ticked) { m_page.setSaveEnabled(ticked); });
    m_text6 = placeTextBox(this, QStringLiteral("Text6"), Text6Place);
    m_text6->setReadOnly(true);
}

void CodeViewWindow::createPlaybackControls() {
    m_check1 = placeButton<QCheckBox>(this, QStringLiteral("Check1"), Check1Place, tr("Симуляция"));
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
                                    tr("Показать окно симуляции"));
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
        m_optionKanal[i] =
            placeButton<QRadioButton>(this, elementName("OptionKanal", i), OptionKanalPlaces[i],
                                      QString::fromLatin1(captions[i]));
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
    QLabel* title = placeLabel(this, QStringLiteral("Label7"), Label7Place, tr("Работа с файлом"),
                               Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSizeF(9.75);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setWordWrap(false);

    m_commandInv = placeButton<QPushButton>(this, QStringLiteral("CommandInv"), CommandInvPlace,
                                            tr("Инверсия"));
    m_commandInv->setToolTip(tr("Инверсия всего содержимого файла."));
    connect(m_commandInv, &QPushButton::clicked, this, &CodeViewWindow::commandInvClick);
    QLabel* range = placeLabel(this, QStringLiteral("Label5"), Label5Place,
                               tr("Данные из диапазона"), Qt::AlignHCenter | Qt::AlignTop);
    range->setToolTip(tr("Адреса в десятичном виде с которых копировать данные"));
    m_text8 = placeTextBox(this, QStringLiteral("Text8"), Text8Place);
    placeLabel(this, elementName("Label4", 0), Label4Place, QStringLiteral("-"),
               Qt::AlignHCenter | Qt::AlignTop);
    m_text9 = placeTextBox(this, QStringLiteral("Text9"), Text9Place);
    placeLabel(this, QStringLiteral("Label6"), Label6Place, tr("копировать с"),
               Qt::AlignHCenter | Qt::AlignTop);
    m_text10 = placeTextBox(this, QStringLiteral("Text10"), Text10Place);
    m_commandCopy = placeButton<QPushButton>(this, QStringLiteral("CommandCopy"), CommandCopyPlace,
                                             tr("Копировать"));
    connect(m_commandCopy, &QPushButton::clicked, this, &CodeViewWindow::commandCopyClick);
    m_commandMirror = placeButton<QPushButton>(this, QStringLiteral("CommandMirror"),
                                               CommandMirrorPlace, tr("Нач. <-> Кон."));
    m_commandMirror->setToolTip(tr("Ячейки со старшими адресами поместить в начало и наоборот."));
    connect(m_commandMirror, &QPushButton::clicked, this, &CodeViewWindow::commandMirrorClick);
}

int CodeViewWindow::paintedCount() const {
    return m_shapes.leds().size();
}

QString CodeViewWindow::paintedName(int index) const {
    const int row = index / 8;
    const int bit = 7 - index % 8;
    return m_shapes.leds().fill(index) == White
               ? tr("Светодиод бита %1 байта %2: горит").arg(bit).arg(row)
               : tr("Светодиод бита %1 байта %2: не горит").arg(bit).arg(row);
}

QRect CodeViewWindow::paintedRect(int index) const {
    return m_shapes.leds().rect(index);
}

void CodeViewWindow::nameFieldsForScreenReaders() {
    PaintedItems::makeAccessible();
    // The fields have no caption of their own: a screen reader says these names instead.
    for (int row = 0; row < PageRowCount; ++row) {
        m_text7[row]->setAccessibleName(tr("Адрес строки %1, десятичный").arg(row));
        m_text5[row]->setAccessibleName(tr("Адрес строки %1, шестнадцатеричный").arg(row));
        m_text1[row]->setAccessibleName(tr("Байт %1, шестнадцатеричный").arg(row));
        m_text2[row]->setAccessibleName(tr("Байт %1, двоичный").arg(row));
    }
    m_vscroll1->setAccessibleName(tr("Страница образа"));
    m_vscroll2->setAccessibleName(tr("Интервал симуляции, мс"));
    m_text3->setAccessibleName(tr("Путь к образу"));
    m_text4->setAccessibleName(tr("Длина образа, байт"));
    m_text6->setAccessibleName(tr("Адрес страницы, десятичный"));
    m_text8->setAccessibleName(tr("Начало диапазона копирования"));
    m_text9->setAccessibleName(tr("Конец диапазона копирования"));
    m_text10->setAccessibleName(tr("Куда копировать"));
    m_textSize->setAccessibleName(tr("Размер копии, байт"));
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
                                             tr("Старт"));
    m_commandSize->setToolTip(tr("Привести размер к указанному"));
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

} // namespace chaserom
