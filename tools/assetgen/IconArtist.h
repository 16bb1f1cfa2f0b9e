// The program's icon: a four by four grid of the game's boxes on grey lines,
// drawn natively at each size so the lines stay whole pixels, plus a
// scalable version of the same design.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace pelmora::assetgen {

std::vector<int> iconSizes();
// The sizes of the web page's icons, not compiled into the program.
std::vector<int> webIconSizes();

QImage drawIcon(int size);

// SVG text of the icon, laid out like the 256-pixel picture.
QString iconSvg();

}  // namespace pelmora::assetgen
