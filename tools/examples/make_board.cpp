// Draws the example board: a running-light sign with a marquee of 128 lamps around a
// display of 32 columns by 4 rows, for 32 channels. Writes the background picture
// board.png and the lamp layout board-layout.txt into a folder:
//   chaserom-make-board OUTPUT_FOLDER
#include "core/files/layoutfile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

using namespace chaserom;

namespace {

constexpr int WidthTwips = 12495;
constexpr int HeightTwips = 8955;
constexpr int StripTwips = 855; // hidden behind the tool strip
constexpr int Pitch = 300;
constexpr int HalfLamp = 127;

/// Lamp centres in twips: 128 around the sign, then 32 columns by 4 rows inside it.
std::array<QPointF, 256> lampCentres() {
    std::array<QPointF, 256> centres{};
    constexpr int Width = 39 * Pitch; // 39 lamps a long side, 25 a short one: 128 in all
    constexpr int Height = 25 * Pitch;
    const QPointF corner((WidthTwips - Width) / 2.0,
                         StripTwips + (HeightTwips - StripTwips - Height) / 2.0);
    for (int k = 0; k < 128; ++k) {
        int along = k * Pitch;
        QPointF at;
        if (along < Width) {
            at = corner + QPointF(along, 0);
        } else if ((along -= Width) < Height) {
            at = corner + QPointF(Width, along);
        } else if ((along -= Height) < Width) {
            at = corner + QPointF(Width - along, Height);
        } else {
            along -= Width;
            at = corner + QPointF(0, Height - along);
        }
        centres[k] = at;
    }
    const QPointF display(WidthTwips / 2.0 - 31 * Pitch / 2.0,
                          StripTwips + (HeightTwips - StripTwips) / 2.0 - 3 * Pitch / 2.0);
    for (int k = 0; k < 128; ++k) {
        centres[128 + k] = display + QPointF((k % 32) * Pitch, (k / 32) * Pitch);
    }
    return centres;
}

QPointF pixels(const QPointF& twips) {
    return twips / 15.0;
}

QImage drawBoard(const std::array<QPointF, 256>& centres) {
    QImage board(WidthTwips / 15, HeightTwips / 15, QImage::Format_RGB32);
    QPainter painter(&board);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fibreglass(0, 0, 0, board.height());
    fibreglass.setColorAt(0, QColor(0x0e, 0x4a, 0x26));
    fibreglass.setColorAt(1, QColor(0x08, 0x30, 0x18));
    painter.fillRect(board.rect(), fibreglass);

    // Copper tracks joining neighbouring lamps of the marquee, and the sign's frame.
    painter.setPen(QPen(QColor(0x6a, 0x8f, 0x3a), 2));
    for (int k = 0; k < 128; ++k) {
        painter.drawLine(pixels(centres[k]), pixels(centres[(k + 1) % 128]));
    }
    const QRectF frame(pixels(centres[0]) - QPointF(24, 24), pixels(centres[64]) + QPointF(24, 24));
    painter.setPen(QPen(QColor(0xd8, 0xd8, 0xc8), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 10, 10);

    // Mounting holes in the corners.
    painter.setPen(QPen(QColor(0xc8, 0xa0, 0x40), 3));
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    for (const QPointF& corner :
         {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()}) {
        painter.drawEllipse(corner + QPointF(corner.x() < board.width() / 2 ? -12 : 12,
                                             corner.y() < board.height() / 2 ? -12 : 12),
                            6, 6);
    }

    // A copper pad under every lamp.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xa0, 0x40));
    for (const QPointF& centre : centres) {
        painter.drawEllipse(pixels(centre), 11.5, 11.5);
    }

    // Silkscreen.
    painter.setPen(QColor(0xf0, 0xf0, 0xe8));
    QFont title;
    title.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    title.setPixelSize(30);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    painter.setFont(title);
    const QPointF display = pixels(centres[128]);
    painter.drawText(QRectF(0, display.y() - 95, board.width(), 40), Qt::AlignCenter,
                     QString::fromUtf8("БЕГУЩИЕ ОГНИ"));
    QFont small = title;
    small.setPixelSize(13);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(small);
    painter.drawText(QRectF(0, display.y() + 80, board.width(), 20), Qt::AlignCenter,
                     QString::fromUtf8("32 КАНАЛА  ·  ПЗУ 1 КБ  ·  КОНТУР 128 + ТАБЛО 32×4"));
    return board;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (QGuiApplication::arguments().size() != 2) {
        QTextStream(stderr) << "usage: chaserom-make-board OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QGuiApplication::arguments()[1]);
    const auto centres = lampCentres();
    LampLayout layout{};
    for (int k = 0; k < 256; ++k) {
        layout[k] = {static_cast<float>(std::lround(centres[k].x()) - HalfLamp),
                     static_cast<float>(std::lround(centres[k].y()) - HalfLamp)};
    }
    if (auto failure =
            saveLayoutFile(output.filePath(QStringLiteral("board-layout.txt")), layout)) {
        QTextStream(stderr) << failureText(*failure) << "\n";
        return 1;
    }
    if (!drawBoard(centres).save(output.filePath(QStringLiteral("board.png")))) {
        QTextStream(stderr) << "cannot write board.png\n";
        return 1;
    }
    return 0;
}
