// `dest`: the black surface the board is drawn on. It keeps the latest
// board drawn and the tiles stretched to the cell, and paints from them, so
// being uncovered repaints exactly the latest drawing; no picture of the
// whole surface is kept beside the window's own. It reports presses in
// twips from its inner corner. It also takes the keys: a cursor walks the
// cells, and Space or Enter presses the cursor's cell as the left button
// would. The cursor's outline is drawn over the drawing only while the
// surface has the focus and the last input was a key.
#pragma once

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "game/Board.h"
#include "game/Geometry.h"
#include "ui/BoardCursor.h"

namespace pelmora {

class TileHolder;

// Cell's box on the surface, in logical pixels.
QRectF cellOnSurface(Cell cell);

class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Wipes the surface and draws every cell's tile, column by column,
    // stretched to its cell of the board's grid (game/Geometry.h).
    void drawBoard(const Board& board, const TileHolder& tiles);
    // The latest drawing, at the screen's resolution.
    QPixmap picture() const;
    // The board of the latest drawing: what the player sees.
    const Board& shownBoard() const { return drawn_; }
    Cell cursorCell() const { return cursor_.cell(); }
    // True while the outline is shown: focus, and a key since the last press.
    bool showsCursor() const { return hasFocus() && keyboardInUse_; }

signals:
    // Button and modifier codes as the rules take them (left 1, right 2,
    // middle 4; Shift 1, Ctrl 2, Alt 4); x and y in twips.
    void pressed(std::int16_t button, std::int16_t shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The window system reports the second of two quick presses as a
    // double-click; it is a press all the same.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void pressCursorCell();
    void drawCursor(QPainter& painter) const;
    const QPixmap& tileAtCellSize(char code, const QPixmap& tile, QSizeF cellPixels, qreal ratio);
    void paintDrawing(QPainter& painter) const;

    Board drawn_;
    qreal drawnRatio_ = 0;
    bool hasDrawing_ = false;
    // Tiles already stretched to the cell, so a redraw is plain copies.
    QHash<char, QPixmap> stretched_;
    QSizeF stretchedFor_;
    qreal stretchedRatio_ = 0;
    BoardCursor cursor_;
    bool keyboardInUse_ = false;  // the last input on the surface was a key
};

}  // namespace pelmora
