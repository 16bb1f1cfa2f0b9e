// What assistive technology sees of `dest`: a table of 7 rows and 13 columns
// whose cells are named for what the player sees in them ("red box", "blue
// box, selected", "empty"). The cursor's cell is the focused cell. The names
// follow the latest drawing, so they change as boxes fall.
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
    // Tells it that the cursor's cell is now the focused one.
    static void announceCursor(BoardSurface* surface);

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

    // Built on first use and registered with Qt, which names them by id.
    mutable QList<BoardCellAccessible*> cells_;
};

}  // namespace pelmora
