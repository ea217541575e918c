#include "windows/steps/stepeditorwindow.h"

#include "core/board/programchoice.h"
#include "core/files/regularfile.h"
#include "core/formats/hexrecordtext.h"
#include "core/formats/recordfile.h"
#include "core/image/checksums.h"
#include "core/image/copynaming.h"
#include "core/image/imagedocument.h"
#include "core/image/romchips.h"
#include "core/language.h"
#include "core/page/playback.h"
#include "core/steps/stepsmodel.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/common/messages.h"
#include "windows/common/mnemonics.h"
#include "windows/steps/differencespanel.h"
#include "windows/steps/programtoolbar.h"
#include "windows/steps/stepgridview.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>

namespace chaserom {

namespace {

/// How long changes are gathered before the checksums are taken again.
constexpr int ChecksumDelayMs = 100;

} // namespace

StepEditorWindow::StepEditorWindow(ImageDocument& document, const PageRows& page,
                                   const KanalCount& kanalCount, const ChannelColourModel& colours,
                                   FailureReports& reports, DisplayHold& display,
                                   ProgramChoice& programs, Playback& playback)
    : m_document(document)
    , m_steps(*new StepsModel(document, page, kanalCount, this))
    , m_programs(programs)
    , m_playback(playback)
    , m_reports(reports)
    , m_grid(new StepGridView(m_steps, colours, display, this))
    , m_commands(document, m_steps, *m_grid, reports, this, *statusBar())
    , m_exports(document, m_steps, *m_grid, programs, reports, this, *statusBar())
    , m_navigation(m_steps, programs, *m_grid, this, *statusBar()) {
    setObjectName(QStringLiteral("Panel_Steps"));
    setWindowTitle(tr("Шаги эффекта"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    createGrid();
    createFileActions();
    createEditActions();
    createViewActions();
    createGoActions();
    createBoardTools();
    createStatusBar();
    createDifferencesPanel();
    setThemeIcons();
    assignMnemonics(*menuBar(), *this);
    restoreSettings();
}

void StepEditorWindow::setThemeIcons() {
    // The desktop theme's icons make the tool bars short; with no theme the captions show.
    struct ThemeIcon {
        const char* action;
        const char* icon;
    };
    static constexpr std::array<ThemeIcon, 7> Icons{{
        {"ActionCut", "edit-cut"},
        {"ActionCopy", "edit-copy"},
        {"ActionPasteOver", "edit-paste"},
        {"ActionZoomIn", "zoom-in"},
        {"ActionZoomOut", "zoom-out"},
        {"ActionGoTo", "go-jump"},
        {"ActionFind", "edit-find"},
    }};
    for (const ThemeIcon& icon : Icons) {
        if (auto* action = findChild<QAction*>(QLatin1String(icon.action))) {
            action->setIcon(QIcon::fromTheme(QLatin1String(icon.icon)));
        }
    }
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
    QMenu* menu = menuBar()->addMenu(tr("&Файл"));
    m_fileMenu = menu;
    addAction(menu, QStringLiteral("ActionImportRecords"), tr("Открыть Intel HEX или S-записи…"),
              tr("Перевести файл Intel HEX или S-записей в образ .bin рядом с ним и открыть "
                 "его"),
              QKeySequence::keyBindings(QKeySequence::Open), [this] { emit importRequested(); });
    addAction(menu, QStringLiteral("ActionSaveAs"), tr("Сохранить образ как…"),
              tr("Записать образ в другой файл и дальше работать с ним"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [this] { emit saveAsRequested(); });
    addAction(menu, QStringLiteral("ActionOpenBoard"), tr("Открыть плату…"),
              tr("Взять из файла платы каналы, интервал, программы, картинку, лампы и цвета"), {},
              [this] { emit openBoardRequested(); });
    addAction(menu, QStringLiteral("ActionSaveBoard"), tr("Сохранить плату"),
              tr("Записать каналы, интервал, программы, картинку, лампы и цвета в файл "
                 "платы chaserom-board.json в папке образа"),
              {}, [this] { emit saveBoardRequested(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionExportIntelHex"), tr("Экспорт в Intel HEX…"),
              tr("Записать образ в файл Intel HEX для программатора"), {},
              [this] { m_exports.exportRecords(RecordFormat::IntelHex); });
    addAction(menu, QStringLiteral("ActionExportSRecords"), tr("Экспорт в S-записи…"),
              tr("Записать образ в файл S-записей (Motorola) для программатора"), {},
              [this] { m_exports.exportRecords(RecordFormat::SRecord); });
    addAction(menu, QStringLiteral("ActionExportGif"), tr("Экспорт GIF…"),
              tr("Записать выделенные шаги (или все) как анимацию симулятора в GIF"), {},
              [this] { m_exports.exportAnimation(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionCompare"), tr("Сравнить с образом…"),
              tr("Отметить шаги, которыми образ отличается от другого файла"), {},
              [this] { compareWithImage(); });
    addAction(menu, QStringLiteral("ActionNextDifference"), tr("Следующее различие"),
              tr("Перейти к следующему отличающемуся шагу"), {QKeySequence(Qt::Key_F8)},
              [this] { m_differences->next(); });
    addAction(menu, QStringLiteral("ActionPreviousDifference"), tr("Предыдущее различие"),
              tr("Перейти к предыдущему отличающемуся шагу"),
              {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, [this] { m_differences->previous(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionClose"), tr("Закрыть"), tr("Закрыть это окно"),
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
    // The caption and its key say what a tool bar button is; the longer description is
    // the status bar's while the pointer rests on it.
    const QString shown = QString(caption).remove(u'&').remove(u'…');
    action->setToolTip(keys.isEmpty()
                           ? shown
                           : QStringLiteral("%1 (%2)").arg(
                                 shown, keys.first().toString(QKeySequence::NativeText)));
    action->setStatusTip(toolTip);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

void StepEditorWindow::createEditActions() {
    m_editMenu = menuBar()->addMenu(tr("&Правка"));
    m_editStart = m_editMenu->addSeparator();
    QToolBar* tools = addToolBar(tr("Правка"));
    tools->setObjectName(QStringLiteral("EditTools"));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionCut"), tr("Вырезать"),
                               tr("Скопировать выделенные шаги и погасить их (FF)"),
                               QKeySequence::keyBindings(QKeySequence::Cut),
                               [this] { m_commands.cut(); }));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionCopy"), tr("Копировать"),
                               tr("Скопировать выделенные шаги как шестнадцатеричный текст"),
                               QKeySequence::keyBindings(QKeySequence::Copy),
                               [this] { m_commands.copy(); }));
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionPasteOver"), tr("Вставить поверх"),
                               tr("Записать шаги из буфера обмена поверх, начиная с курсора"),
                               QKeySequence::keyBindings(QKeySequence::Paste),
                               [this] { m_commands.pasteOver(); }));
    addAction(m_editMenu, QStringLiteral("ActionPasteInsert"), tr("Вставить со сдвигом"),
              tr("Вставить шаги из буфера перед курсором; следующие шаги сдвигаются вниз, "
                 "вышедшие за конец образа теряются"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
              [this] { m_commands.pasteInserting(); });
    addAction(m_editMenu, QStringLiteral("ActionDeleteSteps"), tr("Удалить шаги"),
              tr("Удалить выделенные шаги; следующие сдвигаются вверх, конец заполняется FF"),
              QKeySequence::keyBindings(QKeySequence::Delete),
              [this] { m_commands.apply(StepEdit::Delete); });
    addAction(m_editMenu, QStringLiteral("ActionSelectAll"), tr("Выделить все шаги"),
              tr("Выделить все шаги образа"), QKeySequence::keyBindings(QKeySequence::SelectAll),
              [this] { m_grid->selectAll(); });
    m_editMenu->addSeparator();
    addAction(m_editMenu, QStringLiteral("ActionFill"), tr("Заполнить…"),
              tr("Заполнить выделенные шаги повторяющимися байтами"), {},
              [this] { m_commands.fill(); });
    addAction(m_editMenu, QStringLiteral("ActionGenerate"), tr("Создать узор…"),
              tr("Записать в выделенные шаги бегущий огонь, счётчик или другой узор"), {},
              [this] { m_commands.generate(); });
    tools->addAction(addAction(m_editMenu, QStringLiteral("ActionInvert"), tr("Инверсия"),
                               tr("Инвертировать все лампы выделенных шагов"),
                               {QKeySequence(Qt::CTRL | Qt::Key_I)},
                               [this] { m_commands.apply(StepEdit::Invert); }));
    addAction(m_editMenu, QStringLiteral("ActionReverseSteps"), tr("Обратный порядок шагов"),
              tr("Расположить выделенные шаги в обратном порядке (байты шага не "
                 "переставляются)"),
              {}, [this] { m_commands.apply(StepEdit::Reverse); });
    addAction(m_editMenu, QStringLiteral("ActionMirrorChannels"), tr("Зеркально по каналам"),
              tr("Поменять местами каналы k и C−1−k в выделенных шагах"), {},
              [this] { m_commands.apply(StepEdit::Mirror); });
    addAction(m_editMenu, QStringLiteral("ActionRotateLeft"), tr("Сдвинуть каналы влево"),
              tr("Каждый канал берёт состояние следующего, последний — первого"), {},
              [this] { m_commands.apply(StepEdit::RotateLeft); });
    addAction(m_editMenu, QStringLiteral("ActionRotateRight"), tr("Сдвинуть каналы вправо"),
              tr("Каждый канал берёт состояние предыдущего, первый — последнего"), {},
              [this] { m_commands.apply(StepEdit::RotateRight); });
}

void StepEditorWindow::addCommonActions(const QList<QAction*>& actions) {
    m_editMenu->insertActions(m_editStart, actions);
}

void StepEditorWindow::addFileActions(const QList<QAction*>& actions) {
    QAction* first = m_fileMenu->actions().value(0);
    m_fileMenu->insertActions(first, actions);
    m_fileMenu->insertSeparator(first);
}

void StepEditorWindow::createViewActions() {
    QMenu* menu = menuBar()->addMenu(tr("&Вид"));
    QToolBar* tools = addToolBar(tr("Вид"));
    tools->setObjectName(QStringLiteral("ViewTools"));
    tools->addAction(addAction(menu, QStringLiteral("ActionZoomIn"), tr("Крупнее"),
                               tr("Увеличить клетки (Ctrl и колесо мыши)"),
                               QKeySequence::keyBindings(QKeySequence::ZoomIn) +
                                   QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                               [this] { m_grid->zoom(1); }));
    tools->addAction(addAction(menu, QStringLiteral("ActionZoomOut"), tr("Мельче"),
                               tr("Уменьшить клетки (Ctrl и колесо мыши)"),
                               QKeySequence::keyBindings(QKeySequence::ZoomOut),
                               [this] { m_grid->zoom(-1); }));
    menu->addSeparator();
    m_channelColours = menu->addAction(tr("Цвета каналов"));
    m_channelColours->setObjectName(QStringLiteral("ActionChannelColours"));
    m_channelColours->setStatusTip(tr("Горящие лампы в цветах их каналов, а не белые"));
    m_channelColours->setCheckable(true);
    m_channelColours->setChecked(true);
    connect(m_channelColours, &QAction::toggled, m_grid, &StepGridView::setChannelColoursShown);
    m_boardLook = menu->addAction(tr("Лампы как на плате"));
    m_boardLook->setObjectName(QStringLiteral("ActionBoardLook"));
    m_boardLook->setStatusTip(tr("Погасшие лампы чёрные, горящие без светлой каймы, как на плате"));
    m_boardLook->setCheckable(true);
    connect(m_boardLook, &QAction::toggled, m_grid, &StepGridView::setBoardLook);
    m_follow = menu->addAction(tr("Следовать за воспроизведением"));
    m_follow->setObjectName(QStringLiteral("ActionFollowPlayback"));
    m_follow->setStatusTip(tr("Во время симуляции держать текущий шаг на виду"));
    m_follow->setCheckable(true);
    m_follow->setChecked(true);
    connect(m_follow, &QAction::toggled, m_grid, &StepGridView::setFollowPlayback);
    menu->addSeparator();
    createLanguageMenu(*menu);
}

void StepEditorWindow::createLanguageMenu(QMenu& view) {
    // In Russian written in English too, for whoever got Russian without reading it.
    QMenu* menu = view.addMenu(tr("Язык / Language"));
    menu->setObjectName(QStringLiteral("MenuLanguage"));
    auto* languages = new QActionGroup(menu);
    const std::optional<Language> stored =
        languageNamed(QSettings().value(QLatin1String(LanguageSettingKey)).toString());
    const Language chosen = stored.value_or(currentLanguage());
    struct Choice {
        Language language;
        const char* name;
        const char* caption;
    };
    static constexpr std::array<Choice, 2> Choices{{
        {Language::Russian, "ActionLanguageRussian", QT_TR_NOOP("Русский")},
        {Language::English, "ActionLanguageEnglish", "English"},
    }};
    for (const Choice& choice : Choices) {
        QAction* action = menu->addAction(tr(choice.caption));
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setChecked(choice.language == chosen);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = choice.language] {
            QSettings().setValue(QLatin1String(LanguageSettingKey), languageCode(language));
            statusBar()->showMessage(language == currentLanguage()
                                         ? tr("Программа говорит на этом языке")
                                         : tr("Язык сменится при следующем запуске программы"),
                                     8000);
        });
    }
}

void StepEditorWindow::createGoActions() {
    QMenu* menu = menuBar()->addMenu(tr("П&ереход"));
    QToolBar* tools = addToolBar(tr("Переход"));
    tools->setObjectName(QStringLiteral("GoTools"));
    tools->addAction(addAction(menu, QStringLiteral("ActionGoTo"), tr("Перейти…"),
                               tr("Перейти к адресу (100, 0x64), шагу (#25) или на несколько "
                                  "шагов (+4, -4)"),
                               {QKeySequence(Qt::CTRL | Qt::Key_G)},
                               [this] { m_navigation.goTo(); }));
    tools->addAction(addAction(menu, QStringLiteral("ActionFind"), tr("Найти…"),
                               tr("Найти байты, например 7F ?? DF (?? — любой байт)"),
                               QKeySequence::keyBindings(QKeySequence::Find),
                               [this] { m_navigation.find(); }));
    // F3 and Shift+F3 are bound by hand: the standard "find next" also takes Ctrl+G.
    addAction(menu, QStringLiteral("ActionFindNext"), tr("Найти далее"),
              tr("Следующее место с теми же байтами"), {QKeySequence(Qt::Key_F3)},
              [this] { m_navigation.findNext(); });
    addAction(menu, QStringLiteral("ActionFindPrevious"), tr("Найти назад"),
              tr("Предыдущее место с теми же байтами"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
              [this] { m_navigation.findPrevious(); });
    menu->addSeparator();
    addAction(menu, QStringLiteral("ActionGoToProgram"), tr("Программа…"),
              tr("Выбрать программу и перейти к её первому шагу"),
              {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { m_navigation.goToProgram(); });
    addAction(menu, QStringLiteral("ActionPlaySelection"), tr("Играть выделенное"),
              tr("Симуляция по кругу только выделенных шагов, пока она идёт или выделение "
                 "не снято"),
              {QKeySequence(Qt::CTRL | Qt::Key_Space)}, [this] { playSelection(); });
}

void StepEditorWindow::createBoardTools() {
    // On a row of its own, so that it is never folded into an overflow menu.
    addToolBarBreak();
    addToolBar(new ProgramToolBar(m_programs, m_playback, this));
    m_grid->setPrograms(&m_programs);
    connect(m_grid, &StepGridView::selectionChanged, this, [this] {
        if (!m_grid->selection()) {
            m_programs.setPlayedSelection(std::nullopt);
        }
    });
}

void StepEditorWindow::playSelection() {
    const auto selection = m_grid->selection();
    if (!selection) {
        statusBar()->showMessage(tr("Выделите шаги, которые играть по кругу."), 5000);
        return;
    }
    m_programs.setPlayedSelection(selection);
    m_playback.setPlaying(true);
}

void StepEditorWindow::createStatusBar() {
    m_lengthLabel = new QLabel(this);
    m_lengthLabel->setObjectName(QStringLiteral("StatusLength"));
    m_selectionLabel = new QLabel(this);
    m_selectionLabel->setObjectName(QStringLiteral("StatusSelection"));
    m_checksumLabel = new QLabel(this);
    m_checksumLabel->setObjectName(QStringLiteral("StatusChecksums"));
    m_checksumLabel->setToolTip(tr("Контрольные суммы образа, каким его показывает это окно, "
                                   "как их показывают программаторы"));
    // Fixed fields on the right; passing messages have the left to themselves.
    statusBar()->addPermanentWidget(m_lengthLabel);
    statusBar()->addPermanentWidget(m_selectionLabel);
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
    QString length = tr("%1 байт, %2 шагов").arg(m_steps.length()).arg(m_steps.stepCount());
    if (const auto chip = smallestChipHolding(m_steps.length())) {
        length += QStringLiteral(" (%1)").arg(QLatin1String(chip->name.data(), chip->name.size()));
    }
    m_lengthLabel->setText(length);
    const auto selection = m_grid->selection();
    m_selectionLabel->setText(selection
                                  ? tr("Выделено: %1").arg(StepCommands::stepsText(*selection))
                                  : tr("Ничего не выделено"));
}

void StepEditorWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once shown, the window's frame is known: the whole of it is kept on the screen.
    QTimer::singleShot(0, this, &StepEditorWindow::keepOnScreen);
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
        m_reports.report(this, messages::noImageOpen());
        return;
    }
    // The image's backup is what it is most often compared with.
    const auto path =
        chooseFileToOpen(this, tr("Сравнить с образом"), backupPathFor(m_document.path()));
    if (!path) {
        return;
    }
    const auto other = readRegularFile(*path, RecordImageLimit, FileAction::ReadImage);
    if (!other) {
        m_reports.report(this, other.failure());
        return;
    }
    showComparison(QFileInfo(*path).fileName(), compareImages(m_steps.shownBytes(), *other));
}

void StepEditorWindow::showComparison(const QString& otherName, const ImageComparison& comparison) {
    m_differences->showComparison(otherName, comparison);
}

} // namespace chaserom
