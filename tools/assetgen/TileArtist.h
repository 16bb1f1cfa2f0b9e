// Draws the box pictures: the board's tiles and the small legend boxes.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "Colour.h"
#include "PixelCanvas.h"

namespace pelmora::assetgen {

struct TileDesign {
    QString name;       // file name without ".png"
    Rgb colour;
    QSize size;         // in design pixels
    DesignRect box;     // the coloured box inside the picture
    bool highlighted;   // bevelled frame instead of a black margin
};

QImage drawTile(const TileDesign& design, int scale);

}  // namespace pelmora::assetgen
