#pragma once

#include "core/geometry/lampstartpositions.h"
#include "windows/common/painteditems.h"

#include <QGraphicsView>
#include <QImage>
#include <vector>

class QGraphicsPixmapItem;

namespace chaserom {

class LampItem;

/// The board's picture at the simulator's scale with its lamps over it. A lamp pressed stays
/// in the hand until released however fast the pointer moves, over other lamps too; a click
/// selects, Ctrl+click adds, a rubber band selects many, a drag moves the whole selection and
/// the arrows move it a pixel (Shift: ten). Each finished move is told as one change.
class BoardView : public QGraphicsView, public PaintedItems {
    Q_OBJECT
    Q_DISABLE_COPY(BoardView)

public:
    explicit BoardView(QWidget* parent = nullptr);

    /// Shows the lamps at their places (in twips); lamps from `count` on are not shown.
    void showLamps(const LampLayout& positions, int count);
    /// Colours and channel numbers of every lamp.
    void showLook(const std::vector<QColor>& colours, const std::vector<int>& channels);
    void showPicture(const QImage& picture);
    /// Lamps snap to a grid of this many twips while moved; 0 for none.
    void setSnap(int twips);
    void zoom(int direction);

    /// The selected lamps, in lamp-number order.
    [[nodiscard]] std::vector<int> selectedLamps() const;
    [[nodiscard]] LampItem* lampItem(int lamp) const { return m_lamps.at(lamp); }

    /// The lamps, for screen readers: «Лампа 12, канал 5, выделена».
    [[nodiscard]] int paintedCount() const override;
    [[nodiscard]] QString paintedName(int index) const override;
    [[nodiscard]] QRect paintedRect(int index) const override;

signals:
    /// The user moved lamps: `before` is where they stood, `after` where they stand now.
    void lampsMoved(const LampLayout& before, const LampLayout& after);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] LampLayout itemPositions() const;

    QGraphicsPixmapItem* m_picture = nullptr;
    std::vector<LampItem*> m_lamps;
    /// The lamps' places when the pointer went down, in twips.
    LampLayout m_pressed{};
    bool m_pressing = false;
    int m_snapTwips = 0;
};

} // namespace chaserom
