#include "windows/steps/stepeditorwindow.h"

#include "core/files/regularfile.h"
#include "core/formats/recordfile.h"
#include "core/image/checksums.h"
#include "core/image/imagedocument.h"
#include "core/steps/stepsmodel.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/steps/differencespanel.h"
#include "windows/steps/stepgridview.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
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
    , m_grid(new StepGridView(m_steps, colours, display, this))
    , m_commands(document, m_steps, *m_grid, reports, this, *statusBar())
    , m_exports(document, m_steps, *m_grid, reports, this, *statusBar())
    , m_navigation(m_steps, *m_grid, this, *statusBar()) {
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
    connect(m_grid, &StepGridView::lampsPainted, this,
            [this](const QList<PaintedLamp>& lamps) { m_commands.paintLamps(lamps); });
    connect(m_grid, &StepGridView::pageRequested, this, &StepEditorWindow::pageRequested);
    connect(m_grid, &StepGridView::selectionChanged, this, &StepEditorWindow::showStatus);
    connect(&m_steps, &StepsModel::reset, this, &StepEditorWindow::showStatus);
    connect(&m_steps, &StepsModel::reset, this, &StepEditorWindow::showChecksums);
    connect(&m_steps, &StepsModel::stepsChanged, this, &StepEditorWindow::showChecksums);
}

void StepEditorWindow::createFileActions() {
    QMenu* menu = menuBar()->addMenu(text("&Файл"));
    addAction(menu, QStringLiteral("ActionImportRecords"), text("Открыть Intel HEX или S-записи…"),
              text("Перевести файл Intel HEX или S-записей в образ .bin рядом с ним и открыть "
                   "его"),
              QKeySequence::keyBindings(QKeySequence::Open), [this] { emit importRequested(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionExportIntelHex"), text("Экспорт в Intel HEX…"),
              text("Записать образ в файл Intel HEX для программатора"), {},
              [this] { m_exports.exportRecords(RecordFormat::IntelHex); });
    addAction(menu, QStringLiteral("ActionExportSRecords"), text("Экспорт в S-записи…"),
              text("Записать образ в файл S-записей (Motorola) для программатора"), {},
              [this] { m_exports.exportRecords(RecordFormat::SRecord); });
    addAction(menu, QStringLiteral("ActionExportGif"), text("Экспорт GIF…"),
              text("Записать выделенные шаги (или все) как анимацию симулятора в GIF"), {},
              [this] { m_exports.exportAnimation(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionCompare"), text("Сравнить с образом…"),
              text("Отметить шаги, которыми образ отличается от другого файла"), {},
              [this] { compareWithImage(); });
    addAction(menu, QStringLiteral("ActionNextDifference"), text("Следующее различие"),
              text("Перейти к следующему отличающемуся шагу"), {QKeySequence(Qt::Key_F8)},
              [this] { m_differences->next(); });
    addAction(menu, QStringLiteral("ActionPreviousDifference"), text("Предыдущее различие"),
              text("Перейти к предыдущему отличающемуся шагу"),
              {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, [this] { m_differences->previous(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionClose"), text("Закрыть"), text("Закрыть это окно"),
              QKeySequence::keyBindings(QKeySequence::Close), [this] { close(); });
}

void StepEditorWindow::createDifferencesPanel() {
    m_differences = new DifferencesPanel(m_steps, *m_grid, this);
    addDockWidget(Qt::RightDockWidgetArea, m_differences);
    m_differences->hide();
}

QAction* StepEditorWindow::addAction(QMenu* menu, const QString& name, const QString& caption,
                                     const QString& toolTip, const QList<QKeySequence>& keys,
                                     const std::function<void()>& slot) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(toolTip);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
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
                               [this] { m_commands.cut(); }));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionCopy"), text("Копировать"),
                               text("Скопировать выделенные шаги как шестнадцатеричный текст"),
                               QKeySequence::keyBindings(QKeySequence::Copy),
                               [this] { m_commands.copy(); }));
    tools->addAction(addAction(
        m_editMenu, QStringLiteral("ActionPasteOver"), text("Вставить поверх"),
        text("Записать шаги из буфера обмена поверх, начиная с курсора"),
        QKeySequence::keyBindings(QKeySequence::Paste), [this] { m_commands.pasteOver(); }));
    addAction(m_editMenu, QStringLiteral("ActionPasteInsert"), text("Вставить со сдвигом"),
              text("Вставить шаги из буфера перед курсором; следующие шаги сдвигаются вниз, "
                   "вышедшие за конец образа теряются"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
              [this] { m_commands.pasteInserting(); });
    addAction(m_editMenu, QStringLiteral("ActionDeleteSteps"), text("Удалить шаги"),
              text("Удалить выделенные шаги; следующие сдвигаются вверх, конец заполняется FF"),
              QKeySequence::keyBindings(QKeySequence::Delete),
              [this] { m_commands.apply(StepEdit::Delete); });
    addAction(m_editMenu, QStringLiteral("ActionSelectAll"), text("Выделить все шаги"),
              text("Выделить все шаги образа"), QKeySequence::keyBindings(QKeySequence::SelectAll),
              [this] { m_grid->selectAll(); });
    m_editMenu->addSeparator();
    addAction(m_editMenu, QStringLiteral("ActionFill"), text("Заполнить…"),
              text("Заполнить выделенные шаги повторяющимися байтами"), {},
              [this] { m_commands.fill(); });
    addAction(m_editMenu, QStringLiteral("ActionGenerate"), text("Создать узор…"),
              text("Записать в выделенные шаги бегущий огонь, счётчик или другой узор"), {},
              [this] { m_commands.generate(); });
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionInvert"), text("Инверсия"),
                               text("Инвертировать все лампы выделенных шагов"),
                               {QKeySequence(Qt::CTRL | Qt::Key_I)},
                               [this] { m_commands.apply(StepEdit::Invert); }));
    addAction(m_editMenu, QStringLiteral("ActionReverseSteps"), text("Обратный порядок шагов"),
              text("Расположить выделенные шаги в обратном порядке (байты шага не "
                   "переставляются)"),
              {}, [this] { m_commands.apply(StepEdit::Reverse); });
    addAction(m_editMenu, QStringLiteral("ActionMirrorChannels"), text("Зеркально по каналам"),
              text("Поменять местами каналы k и C−1−k в выделенных шагах"), {},
              [this] { m_commands.apply(StepEdit::Mirror); });
    addAction(m_editMenu, QStringLiteral("ActionRotateLeft"), text("Сдвинуть каналы влево"),
              text("Каждый канал берёт состояние следующего, последний — первого"), {},
              [this] { m_commands.apply(StepEdit::RotateLeft); });
    addAction(m_editMenu, QStringLiteral("ActionRotateRight"), text("Сдвинуть каналы вправо"),
              text("Каждый канал берёт состояние предыдущего, первый — последнего"), {},
              [this] { m_commands.apply(StepEdit::RotateRight); });
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
                               [this] { m_grid->zoom(1); }));
    tools->addAction(addAction(menu, QStringLiteral("ActionZoomOut"), text("Мельче"),
                               text("Уменьшить клетки (Ctrl и колесо мыши)"),
                               QKeySequence::keyBindings(QKeySequence::ZoomOut),
                               [this] { m_grid->zoom(-1); }));
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
                               {QKeySequence(Qt::CTRL | Qt::Key_G)},
                               [this] { m_navigation.goTo(); }));
    tools->addAction(addAction(menu, QStringLiteral("ActionFind"), text("Найти…"),
                               text("Найти байты, например 7F ?? DF (?? — любой байт)"),
                               QKeySequence::keyBindings(QKeySequence::Find),
                               [this] { m_navigation.find(); }));
    // F3 and Shift+F3 are bound by hand: the standard "find next" also takes Ctrl+G.
    addAction(menu, QStringLiteral("ActionFindNext"), text("Найти далее"),
              text("Следующее место с теми же байтами"), {QKeySequence(Qt::Key_F3)},
              [this] { m_navigation.findNext(); });
    addAction(menu, QStringLiteral("ActionFindPrevious"), text("Найти назад"),
              text("Предыдущее место с теми же байтами"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
              [this] { m_navigation.findPrevious(); });
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
    m_selectionLabel->setText(selection
                                  ? text("Выделено: %1").arg(StepCommands::stepsText(*selection))
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

void StepEditorWindow::setAnimationSource(std::function<SimulatorAnimation()> source) {
    m_exports.setAnimationSource(std::move(source));
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
    m_differences->showComparison(otherName, comparison);
}

} // namespace chaserom
