#include "ui/BoardCellAccessible.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include "game/Board.h"
#include "ui/BoardSurface.h"

namespace pelmora {
namespace {

constexpr char kContext[] = "pelmora::BoardCellAccessible";

// Each box by its colour's own name (the box drawn violet is "blue"), whole:
// in many languages the colour's word changes with the word for box.
struct CellName {
    char code;
    const char* name;
};
constexpr CellName kCellNames[] = {
    {code::kBlue, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "blue box")},
    {code::kGreen, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "green box")},
    {code::kRed, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "red box")},
    {code::kYellow, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "yellow box")},
    {code::kSelectedBlue, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "blue box, selected")},
    {code::kSelectedGreen, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "green box, selected")},
    {code::kSelectedRed, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "red box, selected")},
    {code::kSelectedYellow, QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "yellow box, selected")},
};
//: A cell of the board with no box in it.
constexpr const char* kEmpty = QT_TRANSLATE_NOOP("pelmora::BoardCellAccessible", "empty");

}  // namespace

QString BoardCellAccessible::nameFor(char cellCode) {
    for (const CellName& cell : kCellNames)
        if (cell.code == cellCode) return QCoreApplication::translate(kContext, cell.name);
    return QCoreApplication::translate(kContext, kEmpty);  // as drawn: any other code shows nothing
}

bool BoardCellAccessible::readsDifferently(char before, char after) {
    const auto shown = [](char code) { return isNormalBox(code) || isSelectedBox(code) ? code : code::kEmpty; };
    return shown(before) != shown(after);
}

char BoardCellAccessible::code() const {
    return surface_ ? surface_->shownBoard().at(cell_.row, cell_.column) : code::kNoCode;
}

// Out of line: the surface's type is complete only here.
BoardCellAccessible::BoardCellAccessible(BoardSurface* surface, Cell cell) : surface_(surface), cell_(cell) {}

bool BoardCellAccessible::isValid() const { return !surface_.isNull(); }

QWindow* BoardCellAccessible::window() const {
    return surface_ ? surface_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BoardCellAccessible::parent() const {
    return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
}

QString BoardCellAccessible::text(QAccessible::Text type) const {
    switch (type) {
        case QAccessible::Name: return nameFor(code());
        case QAccessible::Description: return news_;
        default: return {};
    }
}

// The cell as drawn, on the screen.
QRect BoardCellAccessible::rect() const {
    if (!surface_) return {};
    return cellOnSurface(cell_).toAlignedRect().translated(surface_->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State BoardCellAccessible::state() const {
    QAccessible::State state;
    if (!surface_) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = surface_->hasFocus() && surface_->cursorCell() == cell_;
    state.invisible = !surface_->isVisible();
    return state;
}

void* BoardCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                   : nullptr;
}

bool BoardCellAccessible::isSelected() const { return isSelectedBox(code()); }

}  // namespace pelmora
