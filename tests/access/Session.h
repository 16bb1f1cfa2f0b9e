// One shown, active run of the game for the keyboard and accessibility
// tests, on top of the window tests' run: keys go in through the window, as
// the window system delivers them, to whichever widget has the focus.
#pragma once

#include "tests/window/WindowRun.h"

namespace pelmora::test_support {

// The drawn grid in pixels of `dest`: cells 47 x 48 from (2, 5).
inline QRect cellRect(int row, int column) { return QRect(2 + 47 * column, 5 + 48 * row, 47, 48); }

struct Session : WindowRun {
    explicit Session(const Board* board = nullptr) : WindowRun(board) {
        window().activateWindow();  // no window manager does it under a bare X server
        if (!QTest::qWaitForWindowActive(&window())) qFatal("the main window never became active");
    }
    explicit Session(const Board& board) : Session(&board) {}

    BoardSurface& dest() { return window().dest(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window().windowHandle(), Qt::Key(key), modifiers);
    }
    // Walks the cursor to `to` with the arrow keys alone.
    void walkTo(Cell to) {
        Cell at = dest().cursorCell();
        for (; at.row < to.row; ++at.row) key(Qt::Key_Down);
        for (; at.row > to.row; --at.row) key(Qt::Key_Up);
        for (; at.column < to.column; ++at.column) key(Qt::Key_Right);
        for (; at.column > to.column; --at.column) key(Qt::Key_Left);
    }
    // What the surface shows on screen, against the latest drawing alone.
    QImage shown() { return dest().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage drawing() { return dest().picture().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The first cell, row by row, holding `code` with a neighbour of the same
// code to its right or below; the top-left cell if none.
inline Cell firstPairOf(const Board& board, char code) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (board.at(row, column) == code &&
                ((column + 1 < kColumns && board.at(row, column + 1) == code) ||
                 (row + 1 < kRows && board.at(row + 1, column) == code)))
                return {row, column};
    return {0, 0};
}

}  // namespace pelmora::test_support
