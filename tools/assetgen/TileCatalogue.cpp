#include "TileCatalogue.h"

#include "Palette.h"

namespace pelmora::assetgen {

namespace {
// Board tiles: a 32 x 31 box, 6 pixels in from the top and, except in the
// narrower violet tiles, 6 from the left.
constexpr double kTileBoxWidth = 32;
constexpr double kTileBoxHeight = 31;
constexpr double kTileBoxTop = 6;
constexpr double kTileBoxLeft = 6;
constexpr double kVioletTileBoxLeft = 5;

// Legend boxes: the same frame with every ring one pixel wide, so the box
// sits 5 pixels in on every side. The violet one is 2 pixels narrower.
constexpr double kLegendInset = 5;

struct Shape {
    const char* name;
    Rgb colour;
    QSize size;
    double boxLeft;
};

TileDesign tileDesign(const Shape& shape, bool highlighted) {
    const QString name = QString::fromLatin1(shape.name) + (highlighted ? "h" : "");
    return {name, shape.colour, shape.size,
            {shape.boxLeft, kTileBoxTop, kTileBoxWidth, kTileBoxHeight}, highlighted};
}

TileDesign legendDesign(const char* colourName, const Rgb& colour, QSize size) {
    const DesignRect box{kLegendInset, kLegendInset, size.width() - 2 * kLegendInset,
                         size.height() - 2 * kLegendInset};
    return {QStringLiteral("legend_") + QLatin1String(colourName), colour, size, box, true};
}
}  // namespace

std::vector<TileDesign> boardTiles() {
    const Shape shapes[] = {
        {"r", palette::kRed, QSize(45, 43), kTileBoxLeft},
        {"y", palette::kYellow, QSize(45, 43), kTileBoxLeft},
        {"g", palette::kGreen, QSize(45, 44), kTileBoxLeft},
        {"b", palette::kViolet, QSize(43, 44), kVioletTileBoxLeft},
    };
    std::vector<TileDesign> tiles;
    for (const Shape& shape : shapes) {
        tiles.push_back(tileDesign(shape, false));
        tiles.push_back(tileDesign(shape, true));
    }
    return tiles;
}

std::vector<TileDesign> legendBoxes() {
    return {
        legendDesign("r", palette::kRed, QSize(31, 30)),
        legendDesign("b", palette::kViolet, QSize(29, 30)),
        legendDesign("g", palette::kGreen, QSize(31, 30)),
        legendDesign("y", palette::kYellow, QSize(31, 30)),
    };
}

}  // namespace pelmora::assetgen
