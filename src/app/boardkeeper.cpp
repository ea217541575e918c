#include "app/boardkeeper.h"

#include "app/app.h"
#include "core/image/romchips.h"
#include "render/backgroundpicture.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/common/dialogs.h"
#include "windows/steps/stepgridview.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QSettings>
#include <algorithm>
#include <utility>

namespace chaserom {

BoardKeeper::BoardKeeper(App& app)
    : QObject(&app)
    , m_app(app) {
    connect(&app.kanalCount(), &KanalCount::changed, this,
            [this](int count) { remember(QStringLiteral("channels"), count); });
    connect(&app.playback(), &Playback::intervalChanged, this,
            [this](int milliseconds) { remember(QStringLiteral("intervalMs"), milliseconds); });
    connect(&app.programs(), &ProgramChoice::changed, this, [this] {
        remember(QStringLiteral("stepsPerProgram"), m_app.programs().stepsPerProgram());
        remember(QStringLiteral("program"), m_app.programs().program());
    });
    connect(&app.document(), &ImageDocument::openedImageChanged, this, &BoardKeeper::imageOpened);
}

QString BoardKeeper::boardPath() const {
    return QFileInfo(m_app.document().path()).dir().filePath(QString::fromLatin1(BoardFileName));
}

QString BoardKeeper::memoryGroup() const {
    // The canonical path, hashed: one image is one memory whatever the path it is opened by.
    const QString canonical = QFileInfo(m_app.document().path()).canonicalFilePath();
    return QStringLiteral("images/") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex());
}

void BoardKeeper::imageOpened() {
    m_loaded = {};
    if (!m_app.document().hasImage()) {
        return;
    }
    // The programs follow the new image's steps first; that is no choice of the user's.
    {
        const QScopedValueRollback applying(m_applying, true);
        m_app.countImageSteps();
    }
    const QString path = boardPath();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        auto board = loadBoardFile(path);
        if (board) {
            m_loaded = *board;
            applyBoard(*board, QFileInfo(path).absolutePath());
        } else {
            // Reported by name and changes nothing; the file is not rewritten unless saved.
            m_app.reports().report(&m_app.codeView(), board.failure());
        }
    }
    applyRemembered();
    if (StepEditorWindow* editor = m_app.existingStepEditor()) {
        restoreStepEditorPosition(*editor);
    }
}

void BoardKeeper::applyBoard(const BoardDescription& board, const QString& folder,
                             Remembered remembered) {
    const QScopedValueRollback applying(m_applying, remembered == Remembered::No);
    if (board.channels) {
        m_app.codeView().chooseChannelOption(*board.channels / 8 - 1);
    }
    if (board.intervalMs) {
        m_app.playback().setInterval(*board.intervalMs);
    }
    if (board.stepsPerProgram) {
        m_app.programs().setStepsPerProgram(*board.stepsPerProgram);
    }
    if (!board.colours.empty()) {
        // Through the colour panel, which reads the colour file as it opens: the board's
        // colours are then chosen over the file's, and the file is written as it closes.
        static_cast<void>(m_app.colourPanel());
    }
    for (size_t channel = 0; channel < board.colours.size(); ++channel) {
        m_app.channelColours().setColour(static_cast<int>(channel), board.colours[channel]);
    }
    if (board.lamps) {
        // Lamps not listed are hidden; they come back at their first places if the board
        // grows.
        LampLayout positions = LampStartPositions;
        std::copy_n(board.lamps->begin(), std::min<size_t>(board.lamps->size(), LampCount),
                    positions.begin());
        m_app.boardLamps().setPositions(positions);
        m_app.boardLamps().setCount(static_cast<int>(board.lamps->size()));
    }
    if (board.picture) {
        const QString picturePath = QDir(folder).filePath(*board.picture);
        const auto picture = loadBackgroundPicture(picturePath);
        if (!picture) {
            m_app.reports().report(&m_app.codeView(), picture.failure());
            return;
        }
        m_app.setBoardPicture(*picture, picturePath);
    }
}

void BoardKeeper::applyRemembered() {
    const QScopedValueRollback applying(m_applying, true);
    QSettings stored;
    stored.beginGroup(memoryGroup());
    if (const QVariant channels = stored.value(QStringLiteral("channels")); channels.isValid()) {
        const int count = std::clamp(channels.toInt(), 8, 32);
        m_app.codeView().chooseChannelOption(count / 8 - 1);
    }
    if (const QVariant interval = stored.value(QStringLiteral("intervalMs")); interval.isValid()) {
        m_app.playback().setInterval(interval.toInt());
    }
    if (const QVariant steps = stored.value(QStringLiteral("stepsPerProgram")); steps.isValid()) {
        m_app.programs().setStepsPerProgram(steps.toInt());
    }
    if (const QVariant program = stored.value(QStringLiteral("program")); program.isValid()) {
        m_app.programs().setProgram(program.toInt());
    }
}

void BoardKeeper::remember(const QString& key, int value) {
    if (m_applying || !m_app.document().hasImage()) {
        return;
    }
    QSettings stored;
    stored.beginGroup(memoryGroup());
    stored.setValue(key, value);
}

void BoardKeeper::rememberStepEditorPosition() {
    const StepEditorWindow* editor = m_app.existingStepEditor();
    if (!editor || !m_app.document().hasImage()) {
        return;
    }
    QSettings stored;
    stored.beginGroup(memoryGroup());
    stored.setValue(QStringLiteral("stepEditorStep"), editor->grid().cursorStep());
}

void BoardKeeper::restoreStepEditorPosition(StepEditorWindow& editor) {
    if (!m_app.document().hasImage()) {
        return;
    }
    QSettings stored;
    stored.beginGroup(memoryGroup());
    if (const QVariant step = stored.value(QStringLiteral("stepEditorStep")); step.isValid()) {
        editor.grid().setCursor(step.toInt(), 0);
    }
}

BoardDescription BoardKeeper::describeBoard() const {
    BoardDescription board;
    board.fields = m_loaded.fields;
    if (const auto chip = smallestChipHolding(m_app.document().length())) {
        board.chip =
            QString::fromLatin1(chip->name.data(), static_cast<qsizetype>(chip->name.size()));
    }
    board.channels = m_app.kanalCount().value();
    board.stepsPerProgram = m_app.programs().stepsPerProgram();
    board.intervalMs = m_app.playback().interval();
    const QString picture = m_app.document().protectedFiles().path(ProtectedFiles::Role::Picture);
    if (!picture.isEmpty()) {
        board.picture = QFileInfo(boardPath()).dir().relativeFilePath(picture);
    } else {
        board.picture = m_loaded.picture;
    }
    const LampLayout& positions = m_app.boardLamps().positions();
    board.lamps = std::vector<LampPosition>(positions.begin(),
                                            positions.begin() + m_app.boardLamps().count());
    const ChannelColours& colours = m_app.channelColours().colours();
    board.colours.assign(colours.begin(), colours.end());
    return board;
}

bool BoardKeeper::saveBoard(QWidget* parent) {
    if (!m_app.document().hasImage()) {
        m_app.reports().report(parent, tr("Файл образа не открыт: плата "
                                          "хранится в папке образа."));
        return false;
    }
    const QString path = boardPath();
    auto failure = m_app.document().protectedFiles().checkTarget(path, FileAction::WriteBoard);
    if (!failure) {
        BoardDescription board = describeBoard();
        failure = saveBoardFile(path, board);
        if (!failure) {
            m_loaded = std::move(board);
        }
    }
    if (failure) {
        m_app.reports().report(parent, *failure);
        return false;
    }
    return true;
}

void BoardKeeper::openBoard(QWidget* parent) {
    const QString folder = m_app.document().hasImage()
                               ? QFileInfo(m_app.document().path()).absolutePath()
                               : QDir::currentPath();
    const auto path = chooseFileToOpen(parent, tr("Открыть плату"), folder);
    if (!path) {
        return;
    }
    auto board = loadBoardFile(*path);
    if (!board) {
        m_app.reports().report(parent, board.failure());
        return;
    }
    m_loaded = *board;
    // A board chosen by hand is the user's choice for this image: it is remembered.
    applyBoard(*board, QFileInfo(*path).absolutePath(), Remembered::Yes);
}

} // namespace chaserom
