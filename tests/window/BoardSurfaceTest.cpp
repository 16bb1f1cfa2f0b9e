// The board surface `dest` and the tile holder `pic` on their own: where the
// tiles are drawn, what they look like, and that a press on a drawn tile
// reaches that tile's cell. CTest runs this again at two device pixels to
// the pixel, and on two screens of different resolutions.
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <optional>

#include "game/Geometry.h"
#include "tests/support/Boards.h"
#include "ui/BoardSurface.h"
#include "ui/MainLayout.h"
#include "ui/TileHolder.h"

using namespace pelmora;

namespace {

// An empty board but for the given cells.
Board withCodes(std::initializer_list<std::tuple<int, int, char>> cells) {
    Board board;
    board.clear(code::kEmpty);
    for (auto [row, column, code] : cells) board.at(row, column) = code;
    return board;
}

// A normal tile's stretched black margin stays within a few steps of black.
bool isBlack(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) <= 24; }

struct Drawing {
    explicit Drawing(const QPixmap& picture)
        : image(picture.toImage().convertToFormat(QImage::Format_RGB32)), ratio(picture.devicePixelRatio()) {}
    QRect device(QRect logical) const { return QRect(logical.topLeft() * ratio, logical.size() * ratio); }
    // The logical pixels holding anything but black.
    QRect lit() const {
        QRect lit;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!isBlack(image.pixel(x, y))) lit |= QRect(x, y, 1, 1);
        return QRect(QPoint(lit.left() / ratio, lit.top() / ratio), QPoint(lit.right() / ratio, lit.bottom() / ratio));
    }
    // The device pixels of a logical rectangle's outermost ring.
    QList<QRgb> edgeOf(QRect logical) const {
        const QRect outer = device(logical), inner = device(logical.adjusted(1, 1, -1, -1));
        QList<QRgb> ring;
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y)) ring << image.pixel(x, y);
        return ring;
    }
    // Largest channel difference between a drawn rectangle and a picture
    // stretched to it: rounding only (at most 2) when it is that picture;
    // the picture of the other resolution misses by far more.
    int missBy(QRect logical, const QString& picture) const {
        const QRect cell = device(logical);
        const QImage drawn = image.copy(cell), wanted = QImage(picture).convertToFormat(QImage::Format_RGB32)
            .scaled(cell.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int largest = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                for (int shift : {0, 8, 16})  // blue, green, red
                    largest = std::max(largest, std::abs(int(drawn.pixel(x, y) >> shift & 255) -
                                                         int(wanted.pixel(x, y) >> shift & 255)));
        return largest;
    }
    const QImage image;
    const qreal ratio;
};

// The surface at its place's size, shown as a window of its own.
struct Surface {
    Surface() {
        dest.resize(layout::kDest.toPixels().size());
        QObject::connect(&dest, &BoardSurface::pressed, [this](std::int16_t, std::int16_t, float x, float y) {
            reached = cellAtPress(x, y);
        });
        dest.show();
        if (!QTest::qWaitForWindowExposed(&dest)) qFatal("the board surface never showed");
    }
    Drawing draw(const Board& board) {
        dest.drawBoard(board, tiles);
        return Drawing(dest.picture());
    }
    // The cell a real click at `pixel` reaches by the rules' press grid.
    std::optional<Cell> pressAt(QPoint pixel) {
        reached.reset();
        QTest::mouseClick(&dest, Qt::LeftButton, {}, pixel);
        return reached;
    }
    BoardSurface dest;
    TileHolder tiles;
    std::optional<Cell> reached;
};

}  // namespace

class BoardSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    // Each tile is found where it lies in the drawing; a press at its centre
    // and at each of its four corner pixels reaches its own cell.
    void aPressOnEveryDrawnTileReachesThatTile() {
        Surface surface;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                // A selected tile: its bevel lights its very edge.
                const QRect tile = surface.draw(withCodes({{row, column, 'B'}})).lit();
                QVERIFY(tile.width() > 40 && tile.height() > 40);
                for (QPoint at : {tile.center(), tile.topLeft(), tile.topRight(), tile.bottomLeft(), tile.bottomRight()})
                    QVERIFY2(surface.pressAt(at) == (Cell{row, column}),
                             qPrintable(QString("cell %1,%2 pressed at %3,%4").arg(row).arg(column).arg(at.x()).arg(at.y())));
            }
        }
    }

    // Tiles at (2, 5) and (566, 293), 47 x 48, drawn over a wiped surface.
    // Each is its whole picture stretched to the cell, from the double-size
    // pictures where a pixel is two device pixels; a normal tile's edge is
    // its black margin, a highlighted one's a lavender bevel. Again on each
    // further screen, as the surface moves there.
    void tilesAreTheirPicturesStretchedToTheirCells() {
        Surface surface;
        const std::pair<char, const char*> tiles[] = {{'B', "bh"}, {'G', "gh"}, {'R', "rh"}, {'Y', "yh"},
                                                      {'b', "b"},  {'g', "g"},  {'r', "r"},  {'y', "y"}};
        const QRect first(2, 5, 47, 48), last(566, 293, 47, 48);
        for (QScreen* screen : QGuiApplication::screens()) {
            surface.dest.windowHandle()->setScreen(screen);
            surface.dest.move(screen->geometry().topLeft());
            QTRY_COMPARE(surface.dest.devicePixelRatioF(), screen->devicePixelRatio());
            for (const auto& [code, name] : tiles) {
                const Drawing drawing = surface.draw(withCodes({{0, 0, code}, {6, 12, code}}));
                QCOMPARE(drawing.ratio, screen->devicePixelRatio());
                QCOMPARE(drawing.image.size(), QSize(617, 350) * drawing.ratio);
                const QString plain = QString(":/pelmora/%1.png").arg(name);
                const QString own = drawing.ratio == 1.0 ? plain : QString(":/pelmora/%1@2x.png").arg(name);
                for (QRect cell : {first, last}) {
                    QVERIFY(drawing.missBy(cell, own) <= 2);
                    if (own != plain) QVERIFY(drawing.missBy(cell, plain) > 12);
                    for (QRgb pixel : drawing.edgeOf(cell))
                        QVERIFY(isSelectedBox(code) ? qBlue(pixel) >= 150 && qBlue(pixel) >= qRed(pixel)
                                                    : isBlack(pixel));
                }
                for (int y = 0; y < drawing.image.height(); ++y)
                    for (int x = 0; x < drawing.image.width(); ++x)
                        if (!drawing.device(first).contains(x, y) && !drawing.device(last).contains(x, y) &&
                            !isBlack(drawing.image.pixel(x, y)))
                            QFAIL(qPrintable(QStringLiteral("lit outside the tiles at %1,%2").arg(x).arg(y)));
            }
        }
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") QCOMPARE(surface.dest.devicePixelRatioF(), 2.0);
    }

    // The same board drawn again after a move to a sharper screen is drawn
    // afresh at that screen's resolution, not kept from the last one.
    void theSameBoardIsRedrawnForANewScreen() {
        Surface surface;
        const Board board = withCodes({{2, 3, 'r'}, {4, 5, 'B'}});
        for (QScreen* screen : QGuiApplication::screens()) {
            surface.dest.windowHandle()->setScreen(screen);
            surface.dest.move(screen->geometry().topLeft());
            QTRY_COMPARE(surface.dest.devicePixelRatioF(), screen->devicePixelRatio());
            QCOMPARE(surface.draw(board).ratio, screen->devicePixelRatio());
        }
    }

    void theSurfaceShowsTheLatestDrawing() {
        Surface surface;
        const Drawing drawing = surface.draw(withCodes({{3, 4, 'g'}, {3, 5, 'R'}}));
        QCOMPARE(surface.dest.grab().toImage().convertToFormat(QImage::Format_RGB32), drawing.image);
    }

    // Each box is its picture in a 2-pixel frame, and the blue one's outer
    // size is the board's cell: the art and the grid cannot drift apart.
    void theBlueTilesBoxIsTheBoardsCell() {
        TileHolder tiles;
        const QList<QLabel*> boxes = tiles.findChildren<QLabel*>();
        QCOMPARE(boxes.size(), 8);
        for (const QLabel* box : boxes)
            QCOMPARE(box->pixmap().deviceIndependentSize().toSize() + QSize(4, 4), box->size());
        QCOMPARE(tiles.findChild<QLabel*>("b")->size() * kTwipsPerPixel, QSize(kCellWidth, kCellHeight));
    }
};

QTEST_MAIN(BoardSurfaceTest)
#include "BoardSurfaceTest.moc"
