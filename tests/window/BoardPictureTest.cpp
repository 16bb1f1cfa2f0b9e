// The pixels of `dest` after a redraw: where tiles land, which picture each
// code shows, black where there is no box. CTest runs it again at two
// device pixels to the pixel, and on two screens of different resolutions.
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

#include "WindowFixture.h"
#include "ui/TileHolder.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// A normal tile's stretched black margin stays within a few steps of black.
constexpr int kDarkest = 24;
// Largest channel difference between a drawn tile and its picture stretched
// the same way: rounding only. The picture of the other resolution misses
// by far more at the box's sharp edges.
constexpr int kSamePicture = 2;
constexpr int kOtherPicture = 12;

bool isBlack(QRgb pixel) {
    return qRed(pixel) <= kDarkest && qGreen(pixel) <= kDarkest && qBlue(pixel) <= kDarkest;
}

struct Drawing {
    QImage image;
    qreal ratio;
    QRect device(QRect logical) const {
        return QRect(logical.topLeft() * ratio, logical.size() * ratio);
    }
    QRgb centreOf(int row, int column) const {
        return image.pixel(device(cellRect(row, column)).center());
    }
    // The device pixels of a cell's outermost pixel ring.
    QList<QRgb> edgeOf(int row, int column) const {
        const QRect outer = device(cellRect(row, column));
        const QRect inner = device(cellRect(row, column).adjusted(1, 1, -1, -1));
        QList<QRgb> ring;
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y)) ring << image.pixel(x, y);
        return ring;
    }
};

Drawing drawingOf(ProgramUnderTest& run) {
    const QPixmap& picture = run.window().dest().picture();
    return {picture.toImage().convertToFormat(QImage::Format_RGB32), picture.devicePixelRatio()};
}

// An empty board but for one cell, or two side by side.
Board withCodes(int row, int column, char code, char rightNeighbour = 'X') {
    Board board = filledWith('X');
    board.at(row, column) = code;
    if (column + 1 < kColumns) board.at(row, column + 1) = rightNeighbour;
    return board;
}

int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

QImage stretched(const QString& resource, QSize size) {
    return QImage(resource).convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

class BoardPictureTest : public QObject {
    Q_OBJECT

private slots:
    void drawingIsAtTheScreensResolution() {
        ProgramUnderTest run;
        const Drawing drawing = drawingOf(run);
        QCOMPARE(drawing.ratio, run.window().devicePixelRatioF());
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") QCOMPARE(drawing.ratio, 2.0);
        QCOMPARE(drawing.image.size(), QSize(617, 350) * drawing.ratio);
        QCOMPARE(run.window().pic()->cellSizeTwips(), QSize(705, 720));
    }

    // The wipe comes first: an empty board drawn over a dealt one leaves
    // nothing behind. Codes other than the eight tiles draw nothing.
    void boardWithoutBoxesIsAllBlack() {
        ProgramUnderTest run;
        QVERIFY(!isBlack(drawingOf(run).centreOf(3, 3)));
        for (char empty : {'X', 'x', 'q'}) {
            run.setBoard(filledWith(empty));
            const QImage image = drawingOf(run).image;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != qRgb(0, 0, 0))
                        QFAIL(qPrintable(QStringLiteral("lit at %1,%2").arg(x).arg(y)));
        }
    }

    // Highlighted tiles, whose bevel reaches their very edge, at the first
    // and the last cell: (2, 5) and (566, 293), 47 x 48. All else is black.
    void cornerCellsLieOnTheDrawnGrid() {
        ProgramUnderTest run;
        Board board = withCodes(0, 0, 'B');
        board.at(6, 12) = 'B';
        run.setBoard(board);
        const Drawing drawing = drawingOf(run);
        const QRect first = drawing.device(QRect(2, 5, 47, 48));
        const QRect last = drawing.device(QRect(566, 293, 47, 48));

        for (const QList<QRgb>& edge : {drawing.edgeOf(0, 0), drawing.edgeOf(6, 12)})
            QVERIFY(std::none_of(edge.begin(), edge.end(), isBlack));
        for (int y = 0; y < drawing.image.height(); ++y)
            for (int x = 0; x < drawing.image.width(); ++x)
                if (!first.contains(x, y) && !last.contains(x, y) &&
                    !isBlack(drawing.image.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("lit outside the tiles at %1,%2").arg(x).arg(y)));
    }

    // A normal tile has a black margin at its edge, the highlighted one a
    // light lavender frame.
    void highlightedTilesShowTheirBevel_data() {
        QTest::addColumn<char>("normal");
        for (const char* colour : {"b", "g", "r", "y"}) QTest::newRow(colour) << colour[0];
    }
    void highlightedTilesShowTheirBevel() {
        QFETCH(char, normal);
        ProgramUnderTest run;
        run.setBoard(withCodes(2, 4, normal, selectedFormOf(normal)));
        const Drawing drawing = drawingOf(run);

        for (QRgb pixel : drawing.edgeOf(2, 4)) QVERIFY(isBlack(pixel));
        for (QRgb pixel : drawing.edgeOf(2, 5))
            QVERIFY2(qBlue(pixel) >= 150 && qBlue(pixel) >= qRed(pixel), "not lavender");
    }

    // Each tile is its whole picture stretched to the cell, from the
    // double-size drawings where a pixel is two device pixels.
    void tilesAreTheirWholePictureStretchedToTheCell_data() {
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("picture");
        const std::pair<char, const char*> tiles[] = {{'b', "b"},  {'g', "g"},  {'r', "r"},
                                                      {'y', "y"},  {'B', "bh"}, {'G', "gh"},
                                                      {'R', "rh"}, {'Y', "yh"}};
        for (const auto& [code, picture] : tiles) QTest::newRow(picture) << code << QString(picture);
    }
    void tilesAreTheirWholePictureStretchedToTheCell() {
        QFETCH(char, code);
        QFETCH(QString, picture);
        ProgramUnderTest run;
        run.setBoard(withCodes(6, 12, code));
        const Drawing drawing = drawingOf(run);
        const QRect cell = drawing.device(cellRect(6, 12));
        const QImage drawn = drawing.image.copy(cell);

        const QImage plain = stretched(":/pelmora/" + picture + ".png", cell.size());
        if (drawing.ratio == 1.0) {
            QVERIFY(largestDifference(drawn, plain) <= kSamePicture);
        } else {
            const QImage sharp = stretched(":/pelmora/" + picture + "@2x.png", cell.size());
            QVERIFY(largestDifference(drawn, sharp) <= kSamePicture);
            QVERIFY(largestDifference(drawn, plain) > kOtherPicture);
        }
    }

    // Moved to a screen of the other resolution, the board is drawn from
    // that resolution's pictures. Needs CTest's run with two screens.
    void tilesFollowTheWindowToAnotherScreen() {
        ProgramUnderTest run;
        QScreen* other = nullptr;
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->devicePixelRatio() != run.window().devicePixelRatioF()) other = screen;
        if (!other) QSKIP("needs a second screen of another resolution");
        run.window().windowHandle()->setScreen(other);
        run.window().move(other->geometry().topLeft());
        QTRY_COMPARE(run.window().devicePixelRatioF(), other->devicePixelRatio());

        run.setBoard(withCodes(6, 12, 'B'));

        const Drawing drawing = drawingOf(run);
        QCOMPARE(drawing.ratio, other->devicePixelRatio());
        const QRect cell = drawing.device(cellRect(6, 12));
        const QString picture = drawing.ratio > 1 ? ":/pelmora/bh@2x.png" : ":/pelmora/bh.png";
        QVERIFY(largestDifference(drawing.image.copy(cell), stretched(picture, cell.size())) <=
                kSamePicture);
    }

    void surfaceShowsTheLatestDrawing() {
        ProgramUnderTest run;
        run.click(cellCentre(0, 0));
        QCOMPARE(run.window().dest().grab().toImage().convertToFormat(QImage::Format_RGB32),
                 drawingOf(run).image);
    }
};

QTEST_MAIN(BoardPictureTest)
#include "BoardPictureTest.moc"
