// The main window's background: from the top, a band of orange tiles behind
// the points, a thin navy line, a blue band behind the colour legend, a navy
// shadow and then black down to the bottom where the board lies.
#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::assetgen {

inline const QSize kBackgroundSize(640, 480);

QImage drawBackground(int scale);

}  // namespace pelmora::assetgen
