// The main window's background: from the top, a band of orange tiles behind
// the points, a thin navy line, a blue band behind the colour legend, a navy
// shadow and then black down to the bottom where the board lies.
#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::assetgen {

inline const QSize kBackgroundSize(640, 480);
// Everything below the bands is plain black, and the window fills its client
// area black anyway: only the bands are stored, so the game decodes a fifth
// of the pixels when it starts.
inline const QSize kBackgroundBandsSize(640, 112);

QImage drawBackground(int scale);

}  // namespace pelmora::assetgen
