// `pic`: the never-shown window that holds the eight tile pictures. Each sits
// in a box with a 2-pixel sunken frame; the blue box's outer size is the
// board's cell size.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QWidget>

class QLabel;

namespace pelmora {

class TileHolder : public QWidget {
    Q_OBJECT
public:
    // `devicePixelRatio` picks the pictures' resolution.
    explicit TileHolder(qreal devicePixelRatio, QWidget* parent = nullptr);

    // The picture drawn for a cell code, or null for an empty cell or any
    // other code.
    const QPixmap* tileFor(char cellCode) const;
    // Outer size in twips of the picture box `name` ("b", "rh", ...), frame
    // included.
    QSize outerSizeTwips(const QString& name) const;
    // The blue box's outer size in twips: the board's cell size.
    QSize cellSizeTwips() const;

    static constexpr int kFrameWidth = 2;

private:
    QHash<char, QPixmap> picturesByCode_;
    QHash<QString, QLabel*> boxesByName_;
};

}  // namespace pelmora
