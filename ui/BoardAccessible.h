// What assistive technology sees of `dest`: a pane of 7 rows and 13 columns
// of cells, reachable through the table interface, named for what the
// player sees in them ("red box", "blue box, selected", "empty"). The
// cursor's cell is the focused cell. The names follow the latest drawing,
// so they change as boxes fall.
//
// A pane, not a table: Orca reads the whole row of a table at every move up
// or down, thirteen names where the player moved one cell.
//
// News of a move ("5 boxes selected, worth 12500") is said on the cursor's
// cell: Orca 43 says nothing of the name, description or text changes Qt
// sends, but presents every newly focused object with its description. So
// the cell is handed over afresh, as a new object that carries the news as
// its description until the cursor or the focus leaves it.
#pragma once

#include <QAccessibleWidget>
#include <QList>

#include "game/Board.h"

namespace pelmora {

class BoardCellAccessible;
class BoardSurface;

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardSurface* surface);
    ~BoardAccessible() override;

    // Makes Qt build this interface for every board surface; once is enough.
    static void install();
    // Tells assistive technology which cells now read differently from
    // `before`, after the surface has drawn a new board.
    static void announceChangedCells(BoardSurface* surface, const Board& before);
    // Tells it that the cursor's cell is now the focused one, with any news
    // waiting.
    static void announceCursor(BoardSurface* surface);
    // Says `news` on the cursor's cell: at once while the board has the
    // focus, else as soon as it takes it back (a menu or a box closing).
    // News of boxes that are still to fall waits until they have, so that
    // the cell is named for what comes to rest in it.
    enum class When { Now, Settled };
    static void tell(BoardSurface* surface, const QString& news, When when);
    // The surface drew the same board again: nothing is falling any more.
    static void settled(BoardSurface* surface);
    // The focus has left the board: what its cell carried is old news.
    static void forgetNews(BoardSurface* surface);

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int columnCount() const override;
    int rowCount() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The player selects by pressing, never through the table.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardSurface* surface() const;
    static BoardAccessible* of(BoardSurface* surface);
    // Focuses cell `index`, handing it over afresh when news waits.
    void focusCell(int index);
    void clearCarriedNews();

    // Built on first use and registered with Qt, which names them by id.
    mutable QList<BoardCellAccessible*> cells_;
    QString news_;        // waiting for the board to take the focus
    bool waitsForRest_ = false;  // news_ waits for the boxes to come to rest
    int newsCell_ = -1;   // the cell that carries the latest news
};

}  // namespace pelmora
