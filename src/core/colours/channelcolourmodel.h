#pragma once

#include "core/colours/bgr.h"
#include "core/files/fileerror.h"

#include <QObject>
#include <QString>

namespace chaserom {

/// The 32 channel colours the lamps light in. The colour panel shows and edits them and
/// keeps them in the colour file; the app object owns them.
class ChannelColourModel : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(ChannelColourModel)

public:
    /// Starts with the design colours.
    explicit ChannelColourModel(QObject* parent = nullptr);

    [[nodiscard]] const ChannelColours& colours() const { return m_colours; }
    [[nodiscard]] Bgr colour(int channel) const { return m_colours.at(channel); }
    /// A colour the user chose.
    void setColour(int channel, Bgr colour);

    /// Takes the design colours, then the colours of the file over them. A missing file is
    /// no fault; a malformed or unreadable one keeps the colours read before its fault and
    /// is reported.
    [[nodiscard]] FileFailure load(const QString& path);
    /// Writes the colours to the file atomically. A file that exists but could not be read
    /// whole at the last load is kept as it is unless the user chose a colour since; then
    /// its content is first kept as "ColorKanal.bak" beside it, and the new file takes its
    /// name (a symbolic link there is replaced, its target left alone).
    [[nodiscard]] FileFailure save(const QString& path);

signals:
    void colourChanged(int channel);
    /// Every colour may have changed.
    void coloursReplaced();

private:
    [[nodiscard]] FileFailure keepUnreadableFile(const QString& path) const;

    ChannelColours m_colours;
    /// The file exists but could not be read whole: it is not the program's to replace.
    bool m_fileUnreadable = false;
    bool m_userChoseColour = false;
};

} // namespace chaserom
