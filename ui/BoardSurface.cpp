#include "ui/BoardSurface.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "game/Geometry.h"
#include "ui/BoardAccessible.h"
#include "ui/Spoken.h"
#include "ui/TileHolder.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

// The button and modifier codes the rules take with a press.
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kNoButton = 0;
constexpr std::int16_t kShiftKey = 1;
constexpr std::int16_t kCtrlKey = 2;
constexpr std::int16_t kAltKey = 4;

std::int16_t buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return kNoButton;
    }
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? kShiftKey : 0) |
                                     (modifiers & Qt::ControlModifier ? kCtrlKey : 0) |
                                     (modifiers & Qt::AltModifier ? kAltKey : 0));
}

// The cursor's outline, from the cell's edge inwards, in device pixels per
// unit of the screen's ratio: dark, light, dark. One of the three stands out
// on every tile's edge, on a highlighted bevel and on the black background.
constexpr int kOutlineDark = 1;
constexpr int kOutlineLight = 2;
const QColor kOutlineDarkColour(0, 0, 0);
const QColor kOutlineLightColour(255, 255, 255);

// A ring `thickness` wide just inside `outer`.
void fillRing(QPainter& painter, const QRect& outer, int thickness, const QColor& colour) {
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - thickness + 1, outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), thickness, outer.height()), colour);
    painter.fillRect(QRect(outer.right() - thickness + 1, outer.top(), thickness, outer.height()), colour);
}

bool activatesCell(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

QRectF cellOnSurface(Cell cell) {
    const CellRect box = cellRect(cell);
    return TwipsRect{box.left, box.top, box.width, box.height}.toPixelsF();
}

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("dest");
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Tab reaches it, and a press gives it the focus back.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
    setAccessibleDescription(spoken::boardSize(kRows, kColumns));
}

void BoardSurface::drawBoard(const Board& board, const TileHolder& tiles) {
    const qreal ratio = devicePixelRatioF();
    // The same board gives the same picture: nothing to redo, and nothing is
    // falling any more.
    if (hasDrawing_ && board == drawn_ && ratio == drawnRatio_) {
        if (QAccessible::isActive()) BoardAccessible::settled(this);
        return;
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const char code = board.at(row, column);
            const QPixmap* tile = tiles.tileFor(code, ratio);
            if (!tile) continue;
            tileAtCellSize(code, *tile, cellOnSurface({row, column}).size(), ratio);
        }
    }
    const Board before = drawn_;
    drawn_ = board;
    drawnRatio_ = ratio;
    hasDrawing_ = true;
    update();
    // Only while a screen reader is served: the ten redraws a second cost
    // nothing more without one.
    if (QAccessible::isActive()) BoardAccessible::announceChangedCells(this, before);
}

// The whole surface wiped black, then every cell's tile, column by column.
void BoardSurface::paintDrawing(QPainter& painter) const {
    painter.fillRect(rect(), Qt::black);
    if (!hasDrawing_) return;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const auto tile = stretched_.constFind(drawn_.at(row, column));
            if (tile == stretched_.constEnd()) continue;
            painter.drawPixmap(cellOnSurface({row, column}).topLeft(), tile.value());
        }
    }
}

QPixmap BoardSurface::picture() const {
    const qreal ratio = hasDrawing_ ? drawnRatio_ : devicePixelRatioF();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    paintDrawing(painter);
    return picture;
}

const QPixmap& BoardSurface::tileAtCellSize(char code, const QPixmap& tile, QSizeF cellPixels,
                                            qreal ratio) {
    if (cellPixels != stretchedFor_ || ratio != stretchedRatio_) {
        stretched_.clear();
        stretchedFor_ = cellPixels;
        stretchedRatio_ = ratio;
    }
    auto found = stretched_.find(code);
    if (found == stretched_.end()) {
        QPixmap stretched = tile.scaled((cellPixels * ratio).toSize(), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
        stretched.setDevicePixelRatio(ratio);
        found = stretched_.insert(code, stretched);
    }
    return found.value();
}

void BoardSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);  // clipped to the exposed part
    paintDrawing(painter);
    if (showsCursor()) drawCursor(painter);
}

// Drawn on whole device pixels, so it stays sharp at any screen ratio.
void BoardSurface::drawCursor(QPainter& painter) const {
    const qreal ratio = devicePixelRatioF();
    const QRectF drawn = cellOnSurface(cursor_.cell());
    QRect ring(QPoint(qRound(drawn.left() * ratio), qRound(drawn.top() * ratio)),
               QPoint(qRound((drawn.left() + drawn.width()) * ratio) - 1,
                      qRound((drawn.top() + drawn.height()) * ratio) - 1));
    const int unit = std::max(1, qRound(ratio));
    painter.save();
    painter.resetTransform();
    painter.scale(1 / ratio, 1 / ratio);
    for (auto [width, colour] : {std::pair(kOutlineDark, kOutlineDarkColour),
                                 std::pair(kOutlineLight, kOutlineLightColour),
                                 std::pair(kOutlineDark, kOutlineDarkColour)}) {
        fillRing(painter, ring, width * unit, colour);
        ring.adjust(width * unit, width * unit, -width * unit, -width * unit);
    }
    painter.restore();
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (keyboardInUse_) {
        keyboardInUse_ = false;  // a press puts the outline away
        update();
    }
    const QPointF at = event->position();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()),
                 static_cast<float>(twips::fromPixelsF(at.x())),
                 static_cast<float>(twips::fromPixelsF(at.y())));
    event->accept();
}

void BoardSurface::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void BoardSurface::keyPressEvent(QKeyEvent* event) {
    // Keys with Ctrl or Alt are the window's and the menus'.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const Cell before = cursor_.cell();
    const bool outlineWasShown = keyboardInUse_;
    keyboardInUse_ = true;
    if (activatesCell(event->key())) {
        // A held key presses once, as a held button does.
        if (!event->isAutoRepeat()) pressCursorCell();
    } else if (!cursor_.move(event->key())) {
        keyboardInUse_ = outlineWasShown;
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!outlineWasShown || cursor_.cell() != before) update();
    if (cursor_.cell() != before && QAccessible::isActive()) BoardAccessible::announceCursor(this);
}

// A left press at the middle of the cursor's cell, with no key held.
void BoardSurface::pressCursorCell() {
    const QPointF at = cursor_.centreTwips();
    emit pressed(1, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void BoardSurface::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (keyboardInUse_) update();
    // After the window system has announced the surface itself.
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, [this] {
            if (hasFocus()) BoardAccessible::announceCursor(this);
        }, Qt::QueuedConnection);
}

void BoardSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (QAccessible::isActive()) BoardAccessible::forgetNews(this);
    if (keyboardInUse_) update();
}

}  // namespace pelmora
