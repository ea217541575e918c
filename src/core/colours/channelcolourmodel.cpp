#include "core/colours/channelcolourmodel.h"

#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "core/files/fileio.h"
#include "core/files/regularfile.h"

#include <QDir>
#include <QFileInfo>

namespace chaserom {

namespace {

/// More than any colour file needs, and enough for any file a user would have put there.
constexpr qint64 KeptFileLimit = qint64{256} * 1024 * 1024;

} // namespace

ChannelColourModel::ChannelColourModel(QObject* parent)
    : QObject(parent)
    , m_colours(DesignColours) {}

void ChannelColourModel::setColour(int channel, Bgr colour) {
    m_colours.at(channel) = colour;
    m_userChoseColour = true;
    emit colourChanged(channel);
}

FileFailure ChannelColourModel::load(const QString& path) {
    m_colours = DesignColours;
    auto failure = loadColourFile(path, m_colours);
    m_fileUnreadable = failure.has_value();
    m_userChoseColour = false;
    emit coloursReplaced();
    return failure;
}

FileFailure ChannelColourModel::save(const QString& path) {
    if (!m_fileUnreadable) {
        return saveColourFile(path, m_colours);
    }
    if (!m_userChoseColour) {
        return std::nullopt;
    }
    if (auto failure = keepUnreadableFile(path)) {
        return failure;
    }
    if (auto failure =
            writeFileAtomically(path, colourFileText(m_colours), FileAction::WriteColours,
                                AtomicFile::AtLink::ReplaceLink)) {
        return failure;
    }
    m_fileUnreadable = false;
    return std::nullopt;
}

FileFailure ChannelColourModel::keepUnreadableFile(const QString& path) const {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return std::nullopt;
    }
    const auto content = readFileStart(path, KeptFileLimit, FileAction::WriteColours);
    if (!content) {
        return content.failure();
    }
    const QString kept = info.dir().filePath(QString::fromLatin1(ColourBackupFileName));
    return writeFileAtomically(kept, *content, FileAction::WriteColours,
                               AtomicFile::AtLink::ReplaceLink);
}

} // namespace chaserom
