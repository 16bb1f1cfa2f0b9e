#include "IconArtist.h"

#include <array>
#include <iterator>
#include <stdexcept>

#include "BoxShading.h"
#include "Palette.h"
#include "PixelCanvas.h"

namespace pelmora::assetgen {

namespace {
constexpr int kGridCells = 4;

// Hand-picked so every colour appears four times and some touch, as on a board.
enum Box { V, Y, G, R };
constexpr std::array<std::array<Box, kGridCells>, kGridCells> kArrangement{{
    {V, Y, Y, G},
    {R, V, G, G},
    {R, V, Y, R},
    {G, R, Y, V},
}};

Rgb colourOf(Box box) {
    switch (box) {
    case V: return palette::kViolet;
    case Y: return palette::kYellow;
    case G: return palette::kGreen;
    case R: return palette::kRed;
    }
    return palette::kBlack;
}

// Whole-pixel layout at one size: lead + 4 boxes + 3 lines + trail = size.
// At 16 pixels there is room for the outer line on only two sides.
struct Layout {
    int size;
    int leadMargin;
    int trailMargin;
    int line;
    int box;
};
constexpr Layout kLayouts[] = {
    {16, 1, 0, 1, 3},
    {32, 1, 1, 2, 6},
    {48, 3, 3, 2, 9},
    {256, 8, 8, 8, 54},
    // The web page's, for a phone's home screen and its splash screen.
    {192, 7, 7, 6, 40},
    {512, 16, 16, 16, 108},
};
constexpr int kWebIconSizes[] = {192, 512};

bool isWebIconSize(int size) {
    for (int web : kWebIconSizes)
        if (web == size) return true;
    return false;
}

const Layout& layoutFor(int size) {
    for (const Layout& layout : kLayouts) {
        if (layout.size == size)
            return layout;
    }
    throw std::invalid_argument("no icon layout for this size");
}

DesignRect boxRect(const Layout& layout, int row, int column) {
    const int pitch = layout.box + layout.line;
    return {static_cast<double>(layout.leadMargin + column * pitch),
            static_cast<double>(layout.leadMargin + row * pitch),
            static_cast<double>(layout.box), static_cast<double>(layout.box)};
}

QString svgColour(const Rgb& c) {
    const QRgb rgb = toQRgb(c);
    return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb));
}
}  // namespace

std::vector<int> iconSizes() {
    std::vector<int> sizes;
    for (const Layout& layout : kLayouts)
        if (!isWebIconSize(layout.size)) sizes.push_back(layout.size);
    return sizes;
}

std::vector<int> webIconSizes() { return {std::begin(kWebIconSizes), std::end(kWebIconSizes)}; }

QImage drawIcon(int size) {
    const Layout& layout = layoutFor(size);
    return renderOpaque(QSize(size, size), 1, [&](double u, double v) {
        for (int row = 0; row < kGridCells; ++row) {
            for (int column = 0; column < kGridCells; ++column) {
                const DesignRect rect = boxRect(layout, row, column);
                if (rect.contains(u, v))
                    return shadeBox(colourOf(kArrangement[row][column]), rect, u, v);
            }
        }
        return palette::kIconGrid;
    });
}

QString iconSvg() {
    const Layout& layout = layoutFor(256);
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n  <defs>\n");
    const char* ids[] = {"violet", "yellow", "green", "red"};
    for (Box box : {V, Y, G, R}) {
        const Rgb base = colourOf(box);
        svg += QStringLiteral(
                   "    <radialGradient id=\"%1\" cx=\"0.5\" cy=\"-0.05\" r=\"1.25\">\n"
                   "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                   "      <stop offset=\"0.5\" stop-color=\"%3\"/>\n"
                   "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                   "    </radialGradient>\n")
                   .arg(QLatin1String(ids[box]), svgColour(mix(base, palette::kWhite, 0.4)),
                        svgColour(base), svgColour(scaled(base, 0.6)));
    }
    svg += QStringLiteral("  </defs>\n  <rect width=\"256\" height=\"256\" fill=\"%1\"/>\n")
               .arg(svgColour(palette::kIconGrid));
    for (int row = 0; row < kGridCells; ++row) {
        for (int column = 0; column < kGridCells; ++column) {
            const DesignRect rect = boxRect(layout, row, column);
            svg += QStringLiteral(
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"url(#%4)\"/>\n")
                       .arg(rect.x)
                       .arg(rect.y)
                       .arg(rect.width)
                       .arg(QLatin1String(ids[kArrangement[row][column]]));
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

}  // namespace pelmora::assetgen
