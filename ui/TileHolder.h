// `pic`: the never-shown window that holds the eight tile pictures. Each sits
// in a box sized to it plus a 2-pixel sunken frame. The blue box's outer size
// is the board's cell size (game/Geometry.h), which the board surface draws
// by; a test keeps the two in step.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "ui/Pictures.h"

namespace pelmora {

class TileHolder : public QWidget {
    Q_OBJECT
public:
    explicit TileHolder(QWidget* parent = nullptr);

    // The picture drawn for a cell code on a screen of this device pixel
    // ratio, or null for an empty cell or any other code.
    const QPixmap* tileFor(char cellCode, qreal devicePixelRatio) const;
    static constexpr int kFrameWidth = 2;

private:
    QHash<char, Picture> picturesByCode_;
};

}  // namespace pelmora
