#include "ui/BoardCellAccessible.h"

#include <QWidget>
#include <QWindow>

#include "game/Board.h"
#include "ui/BoardSurface.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

// The colours by the game's own names: the box drawn violet is "blue".
const char* colourName(char normalBox) {
    switch (normalBox) {
        case code::kBlue: return "blue";
        case code::kGreen: return "green";
        case code::kRed: return "red";
        case code::kYellow: return "yellow";
        default: return nullptr;
    }
}

}  // namespace

QString BoardCellAccessible::nameFor(char cellCode) {
    if (isNormalBox(cellCode)) return QStringLiteral("%1 box").arg(colourName(cellCode));
    if (isSelectedBox(cellCode))
        return QStringLiteral("%1 box, selected").arg(colourName(normalFormOf(cellCode)));
    return QStringLiteral("empty");  // as drawn: any other code shows nothing
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
    return type == QAccessible::Name ? nameFor(code()) : QString();
}

// The cell as drawn, on the screen.
QRect BoardCellAccessible::rect() const {
    if (!surface_) return {};
    const QRectF local =
        TwipsRect{cellLeft(cell_.column), cellTop(cell_.row), kCellWidth, kCellHeight}.toPixelsF();
    return local.toAlignedRect().translated(surface_->mapToGlobal(QPoint(0, 0)));
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
