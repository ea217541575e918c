#include "windows/steps/stepeditorwindow.h"

#include "core/files/atomicfile.h"
#include "core/files/fileio.h"
#include "core/files/regularfile.h"
#include "core/image/checksums.h"
#include "core/image/imagedocument.h"
#include "core/page/pagerows.h"
#include "core/patterns/pattern.h"
#include "core/steps/gotoaddress.h"
#include "core/steps/hexbytestext.h"
#include "core/steps/stepsmodel.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/steps/checkedtextdialog.h"
#include "windows/steps/patterndialog.h"
#include "windows/steps/stepgridview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace chaserom {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// How long changes are gathered before the checksums are taken again.
constexpr int ChecksumDelayMs = 100;

QString upperHex(quint32 value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QSettings settings() {
    return QSettings(QStringLiteral("chaserom"), QStringLiteral("chaserom"));
}

} // namespace

StepEditorWindow::StepEditorWindow(ImageDocument& document, const PageRows& page,
                                   const KanalCount& kanalCount, const ChannelColourModel& colours,
                                   FailureReports& reports, DisplayHold& display)
    : m_document(document)
    , m_steps(*new StepsModel(document, page, kanalCount, this))
    , m_reports(reports)
    , m_grid(new StepGridView(m_steps, colours, display, this)) {
    setObjectName(QStringLiteral("Panel_Steps"));
    setWindowTitle(text("Шаги эффекта"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    createGrid();
    createFileActions();
    createEditActions();
    createViewActions();
    createGoActions();
    createStatusBar();
    createDifferencesPanel();
    restoreSettings();
}

void StepEditorWindow::createGrid() {
    setCentralWidget(m_grid);
    connect(m_grid, &StepGridView::lampsPainted, this, &StepEditorWindow::paintLamps);
    connect(m_grid, &StepGridView::pageRequested, this, &StepEditorWindow::pageRequested);
    connect(m_grid, &StepGridView::selectionChanged, this, &StepEditorWindow::showStatus);
    connect(&m_steps, &StepsModel::reset, this, &StepEditorWindow::showStatus);
    connect(&m_steps, &StepsModel::reset, this, &StepEditorWindow::showChecksums);
    connect(&m_steps, &StepsModel::stepsChanged, this, &StepEditorWindow::showChecksums);
    // A comparison belongs to the image and the steps it was made on.
    connect(&m_steps, &StepsModel::reset, this, [this] {
        if (m_differencesPanel && (!m_differences.isEmpty() || m_differencesPanel->isVisible())) {
            m_differences.clear();
            m_differencesList->clear();
            m_grid->setDifferences({});
            m_differencesPanel->hide();
        }
    });
}

void StepEditorWindow::createFileActions() {
    QMenu* menu = menuBar()->addMenu(text("&Файл"));
    addAction(menu, QStringLiteral("ActionImportRecords"), text("Открыть Intel HEX или S-записи…"),
              text("Перевести файл Intel HEX или S-записей в образ .bin рядом с ним и открыть "
                   "его"),
              QKeySequence::keyBindings(QKeySequence::Open),
              [](StepEditorWindow* window) { emit window->importRequested(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionExportIntelHex"), text("Экспорт в Intel HEX…"),
              text("Записать образ в файл Intel HEX для программатора"), {},
              &StepEditorWindow::exportIntelHex);
    addAction(menu, QStringLiteral("ActionExportSRecords"), text("Экспорт в S-записи…"),
              text("Записать образ в файл S-записей (Motorola) для программатора"), {},
              &StepEditorWindow::exportSRecords);
    addAction(menu, QStringLiteral("ActionExportGif"), text("Экспорт GIF…"),
              text("Записать выделенные шаги (или все) как анимацию симулятора в GIF"), {},
              &StepEditorWindow::exportAnimation);
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionCompare"), text("Сравнить с образом…"),
              text("Отметить шаги, которыми образ отличается от другого файла"), {},
              &StepEditorWindow::compareWithImage);
    addAction(menu, QStringLiteral("ActionNextDifference"), text("Следующее различие"),
              text("Перейти к следующему отличающемуся шагу"), {QKeySequence(Qt::Key_F8)},
              &StepEditorWindow::nextDifference);
    addAction(menu, QStringLiteral("ActionPreviousDifference"), text("Предыдущее различие"),
              text("Перейти к предыдущему отличающемуся шагу"),
              {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, &StepEditorWindow::previousDifference);
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionClose"), text("Закрыть"), text("Закрыть это окно"),
              QKeySequence::keyBindings(QKeySequence::Close),
              [](StepEditorWindow* window) { window->close(); });
}

void StepEditorWindow::createDifferencesPanel() {
    m_differencesPanel = new QDockWidget(text("Различия"), this);
    m_differencesPanel->setObjectName(QStringLiteral("DifferencesPanel"));
    m_differencesList = new QListWidget(m_differencesPanel);
    m_differencesList->setObjectName(QStringLiteral("DifferencesList"));
    m_differencesPanel->setWidget(m_differencesList);
    addDockWidget(Qt::RightDockWidgetArea, m_differencesPanel);
    m_differencesPanel->hide();
    connect(m_differencesList, &QListWidget::currentRowChanged, this,
            &StepEditorWindow::showDifference);
}

QAction* StepEditorWindow::addAction(QMenu* menu, const QString& name, const QString& caption,
                                     const QString& toolTip, const QList<QKeySequence>& keys,
                                     const std::function<void(StepEditorWindow*)>& slot) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(toolTip);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, slot] { slot(this); });
    menu->addAction(action);
    return action;
}

void StepEditorWindow::createEditActions() {
    m_editMenu = menuBar()->addMenu(text("&Правка"));
    m_editStart = m_editMenu->addSeparator();
    QToolBar* tools = addToolBar(text("Правка"));
    tools->setObjectName(QStringLiteral("EditTools"));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionCut"), text("Вырезать"),
                               text("Скопировать выделенные шаги и погасить их (FF)"),
                               QKeySequence::keyBindings(QKeySequence::Cut),
                               &StepEditorWindow::cutSteps));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionCopy"), text("Копировать"),
                               text("Скопировать выделенные шаги как шестнадцатеричный текст"),
                               QKeySequence::keyBindings(QKeySequence::Copy),
                               &StepEditorWindow::copySteps));
    tools->addAction(
        addAction(m_editMenu, QStringLiteral("ActionPasteOver"), text("Вставить поверх"),
                  text("Записать шаги из буфера обмена поверх, начиная с курсора"),
                  QKeySequence::keyBindings(QKeySequence::Paste), &StepEditorWindow::pasteOver));
    addAction(m_editMenu, QStringLiteral("ActionPasteInsert"), text("Вставить со сдвигом"),
              text("Вставить шаги из буфера перед курсором; следующие шаги сдвигаются вниз, "
                   "вышедшие за конец образа теряются"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, &StepEditorWindow::pasteInserting);
    addAction(m_editMenu, QStringLiteral("ActionDeleteSteps"), text("Удалить шаги"),
              text("Удалить выделенные шаги; следующие сдвигаются вверх, конец заполняется FF"),
              QKeySequence::keyBindings(QKeySequence::Delete), &StepEditorWindow::deleteSteps);
    addAction(m_editMenu, QStringLiteral("ActionSelectAll"), text("Выделить все шаги"),
              text("Выделить все шаги образа"), QKeySequence::keyBindings(QKeySequence::SelectAll),
              &StepEditorWindow::selectAll);
    m_editMenu->addSeparator();
    addAction(m_editMenu, QStringLiteral("ActionFill"), text("Заполнить…"),
              text("Заполнить выделенные шаги повторяющимися байтами"), {},
              &StepEditorWindow::fill);
    addAction(m_editMenu, QStringLiteral("ActionGenerate"), text("Создать узор…"),
              text("Записать в выделенные шаги бегущий огонь, счётчик или другой узор"), {},
              &StepEditorWindow::generate);
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionInvert"), text("Инверсия"),
                               text("Инвертировать все лампы выделенных шагов"),
                               {QKeySequence(Qt::CTRL | Qt::Key_I)}, &StepEditorWindow::invert));
    addAction(m_editMenu, QStringLiteral("ActionReverseSteps"), text("Обратный порядок шагов"),
              text("Расположить выделенные шаги в обратном порядке (байты шага не "
                   "переставляются)"),
              {}, &StepEditorWindow::reverseOrder);
    addAction(m_editMenu, QStringLiteral("ActionMirrorChannels"), text("Зеркально по каналам"),
              text("Поменять местами каналы k и C−1−k в выделенных шагах"), {},
              &StepEditorWindow::mirror);
    addAction(m_editMenu, QStringLiteral("ActionRotateLeft"), text("Сдвинуть каналы влево"),
              text("Каждый канал берёт состояние следующего, последний — первого"), {},
              &StepEditorWindow::rotateLeft);
    addAction(m_editMenu, QStringLiteral("ActionRotateRight"), text("Сдвинуть каналы вправо"),
              text("Каждый канал берёт состояние предыдущего, первый — последнего"), {},
              &StepEditorWindow::rotateRight);
}

void StepEditorWindow::addCommonActions(const QList<QAction*>& actions) {
    m_editMenu->insertActions(m_editStart, actions);
}

void StepEditorWindow::createViewActions() {
    QMenu* menu = menuBar()->addMenu(text("&Вид"));
    QToolBar* tools = addToolBar(text("Вид"));
    tools->setObjectName(QStringLiteral("ViewTools"));
    tools->addAction(addAction(menu, QStringLiteral("ActionZoomIn"), text("Крупнее"),
                               text("Увеличить клетки (Ctrl и колесо мыши)"),
                               QKeySequence::keyBindings(QKeySequence::ZoomIn) +
                                   QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                               &StepEditorWindow::zoomIn));
    tools->addAction(addAction(menu, QStringLiteral("ActionZoomOut"), text("Мельче"),
                               text("Уменьшить клетки (Ctrl и колесо мыши)"),
                               QKeySequence::keyBindings(QKeySequence::ZoomOut),
                               &StepEditorWindow::zoomOut));
    menu->addSeparator();
    m_channelColours = menu->addAction(text("Цвета каналов"));
    m_channelColours->setObjectName(QStringLiteral("ActionChannelColours"));
    m_channelColours->setToolTip(text("Горящие лампы в цветах их каналов, а не белые"));
    m_channelColours->setCheckable(true);
    m_channelColours->setChecked(true);
    connect(m_channelColours, &QAction::toggled, m_grid, &StepGridView::setChannelColoursShown);
    m_follow = menu->addAction(text("Следовать за воспроизведением"));
    m_follow->setObjectName(QStringLiteral("ActionFollowPlayback"));
    m_follow->setToolTip(text("Во время симуляции держать текущий шаг на виду"));
    m_follow->setCheckable(true);
    m_follow->setChecked(true);
    connect(m_follow, &QAction::toggled, m_grid, &StepGridView::setFollowPlayback);
}

void StepEditorWindow::createGoActions() {
    QMenu* menu = menuBar()->addMenu(text("П&ереход"));
    QToolBar* tools = addToolBar(text("Переход"));
    tools->setObjectName(QStringLiteral("GoTools"));
    tools->addAction(addAction(menu, QStringLiteral("ActionGoTo"), text("Перейти…"),
                               text("Перейти к адресу (100, 0x64), шагу (#25) или на несколько "
                                    "шагов (+4, -4)"),
                               {QKeySequence(Qt::CTRL | Qt::Key_G)}, &StepEditorWindow::goTo));
    tools->addAction(addAction(menu, QStringLiteral("ActionFind"), text("Найти…"),
                               text("Найти байты, например 7F ?? DF (?? — любой байт)"),
                               QKeySequence::keyBindings(QKeySequence::Find),
                               &StepEditorWindow::find));
    // F3 and Shift+F3 are bound by hand: the standard "find next" also takes Ctrl+G.
    addAction(menu, QStringLiteral("ActionFindNext"), text("Найти далее"),
              text("Следующее место с теми же байтами"), {QKeySequence(Qt::Key_F3)},
              &StepEditorWindow::findNext);
    addAction(menu, QStringLiteral("ActionFindPrevious"), text("Найти назад"),
              text("Предыдущее место с теми же байтами"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
              &StepEditorWindow::findPrevious);
}

void StepEditorWindow::createStatusBar() {
    m_lengthLabel = new QLabel(this);
    m_lengthLabel->setObjectName(QStringLiteral("StatusLength"));
    m_selectionLabel = new QLabel(this);
    m_selectionLabel->setObjectName(QStringLiteral("StatusSelection"));
    m_checksumLabel = new QLabel(this);
    m_checksumLabel->setObjectName(QStringLiteral("StatusChecksums"));
    m_checksumLabel->setToolTip(text("Контрольные суммы образа, каким его показывает это окно, "
                                     "как их показывают программаторы"));
    statusBar()->addWidget(m_lengthLabel);
    statusBar()->addWidget(m_selectionLabel);
    statusBar()->addPermanentWidget(m_checksumLabel);
    showStatus();
    showChecksumsNow();
}

void StepEditorWindow::showChecksums() {
    // Changes that come in a stream (playback moving the page) are summed a few times a
    // second, not once each.
    if (std::exchange(m_checksumsDue, true)) {
        return;
    }
    QTimer::singleShot(ChecksumDelayMs, this, &StepEditorWindow::showChecksumsNow);
}

void StepEditorWindow::showChecksumsNow() {
    m_checksumsDue = false;
    if (!m_document.hasImage()) {
        m_checksumLabel->clear();
        return;
    }
    const ImageChecksums sums = checksumsOf(m_steps.shownBytes());
    m_checksumLabel->setText(
        QStringLiteral("sum16=%1 sum32=%2 crc32=%3")
            .arg(upperHex(sums.sum16(), 4), upperHex(sums.sum32(), 8), upperHex(sums.crc32(), 8)));
    m_checksumLabel->setMinimumWidth(m_checksumLabel->sizeHint().width());
}

void StepEditorWindow::showStatus() {
    m_lengthLabel->setText(
        text("%1 байт, %2 шагов").arg(m_steps.length()).arg(m_steps.stepCount()));
    const auto selection = m_grid->selection();
    m_selectionLabel->setText(selection ? text("Выделено: %1").arg(stepsText(*selection))
                                        : text("Ничего не выделено"));
}

void StepEditorWindow::restoreSettings() {
    const QSettings stored = settings();
    restoreGeometry(stored.value(QStringLiteral("steps/geometry")).toByteArray());
    m_grid->setCell(stored.value(QStringLiteral("steps/zoom"), m_grid->cell()).toInt());
    m_channelColours->setChecked(
        stored.value(QStringLiteral("steps/channelColours"), true).toBool());
    m_follow->setChecked(stored.value(QStringLiteral("steps/follow"), true).toBool());
    if (stored.value(QStringLiteral("steps/geometry")).isNull()) {
        resize(560, 640);
    }
}

void StepEditorWindow::saveSettings() const {
    QSettings stored = settings();
    stored.setValue(QStringLiteral("steps/geometry"), saveGeometry());
    stored.setValue(QStringLiteral("steps/zoom"), m_grid->cell());
    stored.setValue(QStringLiteral("steps/channelColours"), m_channelColours->isChecked());
    stored.setValue(QStringLiteral("steps/follow"), m_follow->isChecked());
}

void StepEditorWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
    emit unloaded();
}

void StepEditorWindow::setPlaying(bool playing) {
    m_grid->setPlaying(playing);
}

StepSpan StepEditorWindow::targetSteps() const {
    if (const auto selection = m_grid->selection()) {
        return *selection;
    }
    return {m_grid->cursorStep(), m_steps.stepCount() > 0 ? 1 : 0};
}

QString StepEditorWindow::stepsText(StepSpan span) const {
    if (span.count == 1) {
        return text("шаг %1").arg(span.first);
    }
    return text("шаги %1–%2 (%3)").arg(span.first).arg(span.first + span.count - 1).arg(span.count);
}

void StepEditorWindow::change(const QString& label,
                              const std::function<void(QByteArray&)>& transform) {
    if (!m_document.hasImage()) {
        m_reports.report(this, text("Файл образа не открыт: откройте его кнопкой «Файл»."));
        return;
    }
    if (auto failure = m_document.transform(label, m_steps.length(), transform)) {
        m_reports.report(this, *failure);
    }
}

void StepEditorWindow::paintLamps(const QList<PaintedLamp>& lamps) {
    const int stepLength = m_steps.stepLength();
    const QString label =
        lamps.size() == 1
            ? text("лампа канала %1 в шаге %2").arg(lamps[0].channel + 1).arg(lamps[0].step)
            : text("рисование, ламп: %1").arg(lamps.size());
    change(label, [&](QByteArray& image) {
        for (const PaintedLamp& lamp : lamps) {
            setLamp(image, stepLength, lamp.step, lamp.channel, lamp.lit);
        }
    });
}

void StepEditorWindow::copySteps() {
    const QByteArray bytes = stepBytes(m_steps.shownBytes(), m_steps.stepLength(), targetSteps());
    if (!bytes.isEmpty()) {
        QApplication::clipboard()->setText(bytesToHexText(bytes));
    }
}

void StepEditorWindow::cutSteps() {
    copySteps();
    const StepSpan span = targetSteps();
    change(text("вырезание: %1").arg(stepsText(span)), [&](QByteArray& image) {
        fillSteps(image, m_steps.stepLength(), span, QByteArray(1, '\xFF'));
    });
}

std::optional<QByteArray> StepEditorWindow::clipboardBytes() {
    QString problem;
    auto bytes = hexTextToBytes(QApplication::clipboard()->text(), problem);
    if (!bytes) {
        m_reports.report(this, text("В буфере обмена нет шагов: %1.").arg(problem));
    }
    return bytes;
}

void StepEditorWindow::pasteOver() {
    const auto bytes = clipboardBytes();
    if (!bytes) {
        return;
    }
    const int stepLength = m_steps.stepLength();
    const qint64 address = qint64{m_grid->cursorStep()} * stepLength;
    change(text("вставка поверх с шага %1").arg(m_grid->cursorStep()),
           [&](QByteArray& image) { chaserom::pasteOver(image, address, *bytes); });
    const qint64 beyondEnd = address + bytes->size() - m_steps.length();
    if (beyondEnd > 0) {
        const qint64 steps = (beyondEnd + stepLength - 1) / stepLength;
        statusBar()->showMessage(
            text("Не вставлено шагов: %1 (%2 байт) — они не поместились до конца образа")
                .arg(steps)
                .arg(beyondEnd),
            10000);
    }
}

void StepEditorWindow::pasteInserting() {
    const auto bytes = clipboardBytes();
    if (!bytes) {
        return;
    }
    const int at = m_grid->cursorStep();
    // Whole steps are inserted, a last one cut short made up with dark lamps, so that later
    // steps keep their channels.
    QByteArray steps = *bytes;
    const int stepLength = m_steps.stepLength();
    steps.append(QByteArray((stepLength - steps.size() % stepLength) % stepLength, '\xFF'));
    change(text("вставка со сдвигом перед шагом %1").arg(at),
           [&](QByteArray& image) { insertSteps(image, stepLength, at, steps); });
}

void StepEditorWindow::deleteSteps() {
    const StepSpan span = targetSteps();
    change(text("удаление: %1").arg(stepsText(span)),
           [&](QByteArray& image) { chaserom::deleteSteps(image, m_steps.stepLength(), span); });
}

void StepEditorWindow::selectAll() {
    m_grid->selectAll();
}

void StepEditorWindow::fill() {
    const StepSpan span = targetSteps();
    const auto typed = CheckedTextDialog::ask(
        this, text("Заполнить"), text("Байты, которыми заполнить %1:").arg(stepsText(span)),
        QStringLiteral("FF"), [](const QString& typedText) {
            QString problem;
            return hexTextToBytes(typedText, problem) ? QString() : problem;
        });
    if (!typed) {
        return;
    }
    QString problem;
    const QByteArray pattern = hexTextToBytes(*typed, problem).value_or(QByteArray());
    change(text("заполнение: %1").arg(stepsText(span)),
           [&](QByteArray& image) { fillSteps(image, m_steps.stepLength(), span, pattern); });
}

void StepEditorWindow::invert() {
    const StepSpan span = targetSteps();
    change(text("инверсия: %1").arg(stepsText(span)),
           [&](QByteArray& image) { invertSteps(image, m_steps.stepLength(), span); });
}

void StepEditorWindow::reverseOrder() {
    const StepSpan span = targetSteps();
    change(text("обратный порядок: %1").arg(stepsText(span)),
           [&](QByteArray& image) { reverseSteps(image, m_steps.stepLength(), span); });
}

void StepEditorWindow::mirror() {
    const StepSpan span = targetSteps();
    change(text("зеркально по каналам: %1").arg(stepsText(span)),
           [&](QByteArray& image) { mirrorChannels(image, m_steps.stepLength(), span); });
}

void StepEditorWindow::rotateLeft() {
    const StepSpan span = targetSteps();
    change(text("сдвиг каналов влево: %1").arg(stepsText(span)),
           [&](QByteArray& image) { rotateChannels(image, m_steps.stepLength(), span, -1); });
}

void StepEditorWindow::rotateRight() {
    const StepSpan span = targetSteps();
    change(text("сдвиг каналов вправо: %1").arg(stepsText(span)),
           [&](QByteArray& image) { rotateChannels(image, m_steps.stepLength(), span, 1); });
}

void StepEditorWindow::zoomIn() {
    m_grid->zoom(1);
}

void StepEditorWindow::zoomOut() {
    m_grid->zoom(-1);
}

void StepEditorWindow::goTo() {
    const qint64 current = qint64{m_grid->cursorStep()} * m_steps.stepLength();
    const auto check = [this, current](const QString& typed) {
        QString problem;
        return readGoToAddress(typed, current, m_steps.stepLength(), m_steps.length(), problem)
                   ? QString()
                   : problem;
    };
    const auto typed = CheckedTextDialog::ask(
        this, text("Перейти"),
        text("Адрес (100 или 0x64), шаг (#25) или смещение в шагах (+4, -4):"), QString(), check);
    if (!typed) {
        return;
    }
    QString problem;
    if (const auto address =
            readGoToAddress(*typed, current, m_steps.stepLength(), m_steps.length(), problem)) {
        m_grid->setCursor(static_cast<int>(*address / m_steps.stepLength()),
                          static_cast<int>(*address % m_steps.stepLength()) * 8);
    }
}

void StepEditorWindow::find() {
    const auto typed = CheckedTextDialog::ask(
        this, text("Найти"), text("Байты (?? — любой байт), например 7F ?? DF:"), m_searchedText,
        [](const QString& typedText) {
            QString problem;
            return BytePattern::read(typedText, problem) ? QString() : problem;
        });
    if (!typed) {
        return;
    }
    QString problem;
    m_searched = BytePattern::read(*typed, problem);
    m_searchedText = *typed;
    findFrom(qint64{m_grid->cursorStep()} * m_steps.stepLength(), true);
}

void StepEditorWindow::findNext() {
    if (!m_searched) {
        find();
        return;
    }
    findFrom(cursorAddress() + 1, true);
}

void StepEditorWindow::findPrevious() {
    if (!m_searched) {
        find();
        return;
    }
    findFrom(cursorAddress() - 1, false);
}

qint64 StepEditorWindow::cursorAddress() const {
    // A match inside a step of 16 to 32 channels puts the cursor on its byte's channels.
    return qint64{m_grid->cursorStep()} * m_steps.stepLength() + m_grid->cursorChannel() / 8;
}

void StepEditorWindow::findFrom(qint64 from, bool forward) {
    const QByteArray shown = m_steps.shownBytes();
    const auto found = m_searched->find(shown, from, forward);
    if (!found) {
        statusBar()->showMessage(text("«%1» не найдено").arg(m_searchedText), 5000);
        return;
    }
    const int stepLength = m_steps.stepLength();
    const int first = static_cast<int>(*found / stepLength);
    const int last = static_cast<int>((*found + m_searched->size() - 1) / stepLength);
    m_grid->setCursor(first, static_cast<int>(*found % stepLength) * 8);
    m_grid->setSelection(StepSpan{first, last - first + 1});
    statusBar()->showMessage(text("Найдено по адресу %1").arg(*found), 5000);
}

void StepEditorWindow::generate() {
    const StepSpan span = targetSteps();
    const QByteArray image = m_steps.shownBytes();
    const int stepLength = m_steps.stepLength();
    const auto generated = [&](const PatternRequest& chosen) {
        PatternRequest request = chosen;
        request.steps = span.count;
        QByteArray changed = image;
        fillSteps(changed, stepLength, span, generatePattern(request));
        return changed;
    };
    PatternDialog dialog(this, m_steps.channelCount(), [&](const PatternRequest& request) {
        m_grid->setPreview(generated(request));
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_grid->setPreview(std::nullopt);
    if (!accepted) {
        return;
    }
    PatternRequest request = dialog.request();
    request.steps = span.count;
    const QByteArray pattern = generatePattern(request);
    const auto named =
        std::find_if(PatternNames.begin(), PatternNames.end(),
                     [&](const NamedPattern& p) { return p.pattern == request.pattern; });
    change(text("узор %1: %2").arg(QLatin1String(named->name), stepsText(span)),
           [&](QByteArray& bytes) { fillSteps(bytes, stepLength, span, pattern); });
}

void StepEditorWindow::exportIntelHex() {
    exportRecords(RecordFormat::IntelHex);
}

void StepEditorWindow::exportSRecords() {
    exportRecords(RecordFormat::SRecord);
}

void StepEditorWindow::exportRecords(RecordFormat format) {
    if (!m_document.hasImage()) {
        m_reports.report(this, text("Файл образа не открыт: откройте его кнопкой «Файл»."));
        return;
    }
    const QFileInfo image(m_document.path());
    const QString suggested = image.dir().filePath(
        image.completeBaseName() +
        (format == RecordFormat::IntelHex ? QStringLiteral(".hex") : QStringLiteral(".s19")));
    const auto path = chooseFileToSave(this, text("Экспорт образа"), suggested);
    if (!path || !mayWriteExport(*path, FileAction::WriteRecords)) {
        return;
    }
    // What is exported is what the grid shows: the page's rows included.
    const QByteArray records =
        recordFileText(format, m_steps.shownBytes(), DefaultRecordSize, image.fileName());
    if (auto failure = writeFileAtomically(*path, records, FileAction::WriteRecords)) {
        m_reports.report(this, *failure);
        return;
    }
    statusBar()->showMessage(text("Записано: %1").arg(*path), 5000);
}

bool StepEditorWindow::mayWriteExport(const QString& path, FileAction action,
                                      const QList<QString>& inputs) {
    // The grid shows the file as it was opened: once another file has taken its name, an
    // export would pass off old bytes as the image's.
    auto failure = m_document.checkStillOnDisk(FileAction::ReadImage);
    if (!failure) {
        failure = m_document.protectedFiles().checkTarget(path, action, inputs);
    }
    if (failure) {
        m_reports.report(this, *failure);
        return false;
    }
    return true;
}

void StepEditorWindow::setAnimationSource(std::function<SimulatorAnimation()> source) {
    m_animationSource = std::move(source);
}

void StepEditorWindow::exportAnimation() {
    if (!m_document.hasImage() || !m_animationSource || m_steps.stepCount() == 0) {
        m_reports.report(this, text("Файл образа не открыт: откройте его кнопкой «Файл»."));
        return;
    }
    constexpr int MostFrames = 10000;
    const StepSpan chosen = m_grid->selection().value_or(StepSpan{0, m_steps.stepCount()});
    const StepSpan span{chosen.first, std::min(chosen.count, MostFrames)};
    SimulatorAnimation animation = m_animationSource();
    animation.image = m_steps.shownBytes();
    animation.channels = m_steps.channelCount();
    animation.address = qint64{span.first} * m_steps.stepLength();
    animation.steps = std::min<qint64>(span.count, (animation.image.size() - animation.address) /
                                                       m_steps.stepLength());
    if (animation.steps <= 0) {
        m_reports.report(this, text("В выделенных шагах нет ни одного целого шага."));
        return;
    }
    const QFileInfo image(m_document.path());
    const auto path = chooseFileToSave(this, text("Экспорт GIF"),
                                       image.dir().filePath(image.completeBaseName() + ".gif"));
    if (!path || !mayWriteExport(*path, FileAction::WriteAnimation)) {
        return;
    }
    AtomicFile file(*path, FileAction::WriteAnimation);
    if (auto failure = file.open()) {
        m_reports.report(this, *failure);
        return;
    }
    QProgressDialog progress(text("Кадры анимации…"), text("Отмена"), 0,
                             static_cast<int>(animation.steps), this);
    progress.setWindowTitle(text("Экспорт GIF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const AnimationOutcome outcome =
        writeSimulatorAnimation(animation, file.device(), [&progress](qint64 done) {
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome.cancelled) {
        statusBar()->showMessage(text("Экспорт GIF отменён; файл не записан"), 5000);
        return;
    }
    if (outcome.fault) {
        m_reports.report(this, FileError{FileAction::WriteAnimation, *path, *outcome.fault});
        return;
    }
    if (auto failure = file.commit()) {
        m_reports.report(this, *failure);
        return;
    }
    statusBar()->showMessage(text("Записано: %1").arg(*path), 5000);
}

void StepEditorWindow::compareWithImage() {
    if (!m_document.hasImage()) {
        m_reports.report(this, text("Файл образа не открыт: откройте его кнопкой «Файл»."));
        return;
    }
    const auto path = chooseFileToOpen(this, text("Сравнить с образом"),
                                       QFileInfo(m_document.path()).absolutePath());
    if (!path) {
        return;
    }
    QByteArray other;
    if (auto failure = readRegularFile(*path, RecordImageLimit, FileAction::ReadImage, other)) {
        m_reports.report(this, *failure);
        return;
    }
    showComparison(QFileInfo(*path).fileName(), compareImages(m_steps.shownBytes(), other));
}

void StepEditorWindow::showComparison(const QString& otherName, const ImageComparison& comparison) {
    const int stepLength = m_steps.stepLength();
    m_differences.clear();
    m_differencesList->clear();
    for (const DifferingRun& run : comparison.runs) {
        const int first = static_cast<int>(run.first / stepLength);
        const int last = static_cast<int>(run.last / stepLength);
        if (!m_differences.isEmpty() &&
            m_differences.back().first + m_differences.back().count >= first) {
            StepSpan& merged = m_differences.back();
            merged.count = last - merged.first + 1;
        } else {
            m_differences.append(StepSpan{first, last - first + 1});
        }
    }
    for (const StepSpan& span : std::as_const(m_differences)) {
        m_differencesList->addItem(stepsText(span));
    }
    if (comparison.sizeA != comparison.sizeB) {
        m_differencesList->addItem(text("длина: %1 байт, у «%2» %3")
                                       .arg(comparison.sizeA)
                                       .arg(otherName)
                                       .arg(comparison.sizeB));
    }
    if (comparison.identical()) {
        m_differencesList->addItem(text("совпадает с «%1»").arg(otherName));
    }
    m_differencesPanel->setWindowTitle(text("Различия с «%1»").arg(otherName));
    m_differencesPanel->show();
    m_grid->setDifferences(m_differences);
    if (!m_differences.isEmpty()) {
        m_differencesList->setCurrentRow(0);
    }
}

void StepEditorWindow::showDifference(int index) {
    if (index >= 0 && index < m_differences.size()) {
        m_grid->setCursor(m_differences[index].first, m_grid->cursorChannel());
    }
}

void StepEditorWindow::nextDifference() {
    const int cursor = m_grid->cursorStep();
    for (int i = 0; i < m_differences.size(); ++i) {
        if (m_differences[i].first > cursor) {
            goToDifference(i);
            return;
        }
    }
    if (!m_differences.isEmpty()) {
        goToDifference(0);
    }
}

void StepEditorWindow::previousDifference() {
    const int cursor = m_grid->cursorStep();
    for (int i = static_cast<int>(m_differences.size()) - 1; i >= 0; --i) {
        if (m_differences[i].first < cursor) {
            goToDifference(i);
            return;
        }
    }
    if (!m_differences.isEmpty()) {
        goToDifference(static_cast<int>(m_differences.size()) - 1);
    }
}

void StepEditorWindow::goToDifference(int index) {
    m_differencesList->setCurrentRow(index);
    // The row may be the current one already, after the cursor was moved off its step.
    showDifference(index);
}

} // namespace chaserom
