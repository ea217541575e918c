#pragma once

#include <QHash>
#include <QImage>
#include <QRgb>
#include <span>
#include <vector>

namespace chaserom {

/// The at most 256 colours of an animation's frames. Index 0 stays free for pixels that
/// did not change since the previous frame; then come the colours that must show exactly
/// (black, the channels' colours, the window's colours), then up to the rest of the 256
/// colours for the background picture, chosen once by median cut over the backdrop (what
/// every frame shows under its lamps). A lamp's pixels are therefore always exact.
class FramePalette {
public:
    static constexpr quint8 UnchangedIndex = 0;

    FramePalette(std::span<const QRgb> exactColours, const QImage& backdrop);

    /// The colours, index 0 first, as many as a GIF colour table holds (a power of two).
    [[nodiscard]] const std::vector<QRgb>& colours() const { return m_colours; }

    /// The index of a colour: its own when it is in the palette, else the nearest one's.
    [[nodiscard]] quint8 indexOf(QRgb colour);

private:
    void addBackdropColours(const QImage& backdrop, int budget);
    [[nodiscard]] quint8 nearestIndex(QRgb colour) const;

    std::vector<QRgb> m_colours;
    /// The colours before the table was filled up to a power of two.
    size_t m_usedColours = 0;
    /// The index of every colour seen so far.
    QHash<QRgb, quint8> m_indices;
    QRgb m_lastColour = 0;
    quint8 m_lastIndex = 0;
    bool m_hasLast = false;
};

} // namespace chaserom
