#include "ui/BoardAccessible.h"

#include <algorithm>
#include <utility>

#include "game/Rules.h"
#include "ui/BoardCellAccessible.h"
#include "ui/BoardSurface.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

// Children are the cells row by row, as Qt's own tables number them.
int indexOf(Cell cell) { return cell.row * kColumns + cell.column; }
Cell cellOf(int index) { return {index / kColumns, index % kColumns}; }

QAccessibleInterface* boardFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardSurface::staticMetaObject.className())) return nullptr;
    return new BoardAccessible(static_cast<BoardSurface*>(object));
}

}  // namespace

BoardAccessible::BoardAccessible(BoardSurface* surface)
    : QAccessibleWidget(surface, QAccessible::Pane) {}

BoardAccessible::~BoardAccessible() {
    for (BoardCellAccessible* cell : std::as_const(cells_))
        if (cell) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
}

void BoardAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void BoardAccessible::announceChangedCells(BoardSurface* surface, const Board& before) {
    const Board& now = surface->shownBoard();
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            if (!BoardCellAccessible::readsDifferently(before.at(row, column), now.at(row, column)))
                continue;
            QAccessibleEvent event(surface, QAccessible::NameChanged);
            event.setChild(indexOf({row, column}));
            QAccessible::updateAccessibility(&event);
        }
}

BoardAccessible* BoardAccessible::of(BoardSurface* surface) {
    return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(surface));
}

void BoardAccessible::announceCursor(BoardSurface* surface) {
    if (BoardAccessible* board = of(surface)) board->focusCell(indexOf(surface->cursorCell()));
}

void BoardAccessible::tell(BoardSurface* surface, const QString& news, When when) {
    BoardAccessible* board = of(surface);
    if (!board || news.isEmpty()) return;
    board->clearCarriedNews();  // superseded
    board->news_ = news;
    board->waitsForRest_ = when == When::Settled;
    if (surface->hasFocus() && !board->waitsForRest_) board->focusCell(indexOf(surface->cursorCell()));
}

void BoardAccessible::settled(BoardSurface* surface) {
    BoardAccessible* board = of(surface);
    if (!board || !board->waitsForRest_) return;
    board->waitsForRest_ = false;
    if (surface->hasFocus()) board->focusCell(indexOf(surface->cursorCell()));
}

void BoardAccessible::forgetNews(BoardSurface* surface) {
    if (BoardAccessible* board = of(surface)) board->clearCarriedNews();
}

void BoardAccessible::focusCell(int index) {
    if (!news_.isEmpty() && !waitsForRest_) {
        // A new object for the same cell: Orca presents it, news and all.
        auto* fresh = new BoardCellAccessible(surface(), cellOf(index));
        fresh->setNews(std::exchange(news_, {}));
        QAccessible::registerAccessibleInterface(fresh);
        child(index);  // the cells exist from here on
        clearCarriedNews();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(std::exchange(cells_[index], fresh)));
        newsCell_ = index;
    } else if (newsCell_ != index) {
        clearCarriedNews();
    }
    QAccessibleEvent event(surface(), QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::clearCarriedNews() {
    if (newsCell_ >= 0 && newsCell_ < cells_.size() && cells_[newsCell_]) cells_[newsCell_]->setNews({});
    newsCell_ = -1;
}

BoardSurface* BoardAccessible::surface() const { return static_cast<BoardSurface*>(widget()); }

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State BoardAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    return state;
}

int BoardAccessible::childCount() const { return kCells; }

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= kCells) return nullptr;
    if (cells_.isEmpty()) cells_.resize(kCells, nullptr);
    if (!cells_[index]) {
        cells_[index] = new BoardCellAccessible(surface(), cellOf(index));
        QAccessible::registerAccessibleInterface(cells_[index]);
    }
    return cells_[index];
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < cells_.size(); ++index)
        if (cells_[index] && static_cast<const QAccessibleInterface*>(cells_[index]) == child) return index;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPointF local = surface()->mapFromGlobal(QPointF(x, y));
    const auto cell = cellAtPress(twips::fromPixelsF(local.x()), twips::fromPixelsF(local.y()));
    return cell ? child(indexOf(*cell)) : nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return surface()->hasFocus() ? child(indexOf(surface()->cursorCell())) : nullptr;
}

int BoardAccessible::columnCount() const { return kColumns; }
int BoardAccessible::rowCount() const { return kRows; }

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    return Board::contains(row, column) ? child(indexOf({row, column})) : nullptr;
}

int BoardAccessible::selectedCellCount() const {
    const auto cells = surface()->shownBoard().cells();
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), isSelectedBox));
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int index = 0; index < kCells; ++index)
        if (isSelectedBox(surface()->shownBoard().cells()[index])) selected << child(index);
    return selected;
}

}  // namespace pelmora
