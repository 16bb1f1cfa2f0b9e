// One cell of the board as assistive technology sees it: named for what it
// holds, selected when its box is, focused when the cursor is on it. The
// cell the player has just acted on may carry the news of what happened as
// its description (see BoardAccessible::tell).
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "game/Geometry.h"

namespace pelmora {

class BoardSurface;

class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(BoardSurface* surface, Cell cell);

    // "red box", "blue box, selected", "empty", for a cell code, in the
    // player's language.
    static QString nameFor(char code);
    // Whether a cell going from one code to the other changes its name.
    static bool readsDifferently(char before, char after);

    void setNews(const QString& news) { news_ = news; }

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.column; }
    int rowIndex() const override { return cell_.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    char code() const;

    QPointer<BoardSurface> surface_;
    Cell cell_;
    QString news_;
};

}  // namespace pelmora
