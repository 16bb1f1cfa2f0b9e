#include "ui/BoardSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/Geometry.h"
#include "ui/TileHolder.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

std::int16_t buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

}  // namespace

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("dest");
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void BoardSurface::drawBoard(const Board& board, const TileHolder& tiles) {
    const qreal ratio = devicePixelRatioF();
    const QSize bufferSize = size() * ratio;
    // The same board gives the same picture: nothing to redo.
    if (hasDrawing_ && board == drawn_ && buffer_.size() == bufferSize) return;
    if (buffer_.size() != bufferSize) {
        buffer_ = QPixmap(bufferSize);
        buffer_.setDevicePixelRatio(ratio);
    }
    buffer_.fill(Qt::black);
    QPainter painter(&buffer_);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const char code = board.at(row, column);
            const QPixmap* tile = tiles.tileFor(code, ratio);
            if (!tile) continue;
            const QRectF cell =
                TwipsRect{cellLeft(column), cellTop(row), kCellWidth, kCellHeight}.toPixelsF();
            painter.drawPixmap(cell.topLeft(), tileAtCellSize(code, *tile, cell.size(), ratio));
        }
    }
    drawn_ = board;
    hasDrawing_ = true;
    update();
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

void BoardSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (buffer_.isNull())
        painter.fillRect(event->rect(), Qt::black);
    else
        painter.drawPixmap(0, 0, buffer_);  // clipped to the exposed part
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()),
                 static_cast<float>(twips::fromPixelsF(at.x())),
                 static_cast<float>(twips::fromPixelsF(at.y())));
    event->accept();
}

void BoardSurface::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace pelmora
