#pragma once

#include "core/colours/bgr.h"
#include "core/files/fileerror.h"

#include <QObject>

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
    void setColour(int channel, Bgr colour);

    /// Takes the design colours, then the colours of the file over them. A missing file is
    /// no fault; a malformed one keeps the colours read before its fault and is reported.
    [[nodiscard]] FileFailure load(const QString& path);
    /// Writes the colours to the file atomically.
    [[nodiscard]] FileFailure save(const QString& path) const;

signals:
    void colourChanged(int channel);
    /// Every colour may have changed.
    void coloursReplaced();

private:
    ChannelColours m_colours;
};

} // namespace chaserom
