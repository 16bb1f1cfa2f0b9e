// `pic`: the never-shown window that holds the eight tile pictures. Each sits
// in a box with a 2-pixel sunken frame; the blue box's outer size is the
// board's cell size.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include "ui/Pictures.h"

class QLabel;

namespace pelmora {

class TileHolder : public QWidget {
    Q_OBJECT
public:
    explicit TileHolder(QWidget* parent = nullptr);

    // The picture drawn for a cell code on a screen of this device pixel
    // ratio, or null for an empty cell or any other code.
    const QPixmap* tileFor(char cellCode, qreal devicePixelRatio) const;
    // Outer size in twips of the picture box `name` ("b", "rh", ...), frame
    // included.
    QSize outerSizeTwips(const QString& name) const;
    // The blue box's outer size in twips: the board's cell size.
    QSize cellSizeTwips() const;

    static constexpr int kFrameWidth = 2;

private:
    QHash<char, Picture> picturesByCode_;
    QHash<QString, QLabel*> boxesByName_;
    QLabel* blueBox_ = nullptr;  // its outer size is the cell size, read at every cell drawn
};

}  // namespace pelmora
