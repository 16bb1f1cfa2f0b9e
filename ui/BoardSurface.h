// `dest`: the black surface the board is drawn on. It keeps the latest
// drawing in a buffer, so being uncovered repaints exactly that picture, and
// reports presses in twips from its inner corner.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "game/Board.h"

namespace pelmora {

class TileHolder;

class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Wipes the surface and draws every cell's tile, column by column,
    // stretched to its cell of the board's grid (game/Geometry.h).
    void drawBoard(const Board& board, const TileHolder& tiles);
    // The latest drawing, at the screen's resolution.
    const QPixmap& picture() const { return buffer_; }

signals:
    // Button and modifier codes as the rules take them (left 1, right 2,
    // middle 4; Shift 1, Ctrl 2, Alt 4); x and y in twips.
    void pressed(std::int16_t button, std::int16_t shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double-click is not a press: it does nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QPixmap& tileAtCellSize(char code, const QPixmap& tile, QSizeF cellPixels, qreal ratio);

    QPixmap buffer_;
    Board drawn_;
    bool hasDrawing_ = false;
    // Tiles already stretched to the cell, so a redraw is plain copies.
    QHash<char, QPixmap> stretched_;
    QSizeF stretchedFor_;
    qreal stretchedRatio_ = 0;
};

}  // namespace pelmora
