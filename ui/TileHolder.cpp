#include "ui/TileHolder.h"

#include <QLabel>

#include "ui/MainLayout.h"
#include "ui/Pictures.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

struct TileBox {
    const char* name;
    char cellCode;
};

// In the order the boxes are created.
constexpr TileBox kTileBoxes[] = {
    {"rh", 'R'}, {"yh", 'Y'}, {"y", 'y'}, {"r", 'r'},
    {"g", 'g'},  {"b", 'b'},  {"bh", 'B'}, {"gh", 'G'},
};

}  // namespace

TileHolder::TileHolder(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("pic");
    setWindowTitle("PICS");
    setFixedSize(twips::size(layout::kPicClientWidth, layout::kPicClientHeight));
    int left = 0;
    for (const TileBox& tile : kTileBoxes) {
        auto* box = new QLabel(this);
        box->setObjectName(tile.name);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(kFrameWidth);
        const Picture picture(tile.name);
        box->setPixmap(picture.at(devicePixelRatioF()));
        box->setFixedSize(picture.size() + QSize(2 * kFrameWidth, 2 * kFrameWidth));
        box->move(left, 0);
        left += box->width();
        picturesByCode_.insert(tile.cellCode, picture);
    }
}

const QPixmap* TileHolder::tileFor(char cellCode, qreal devicePixelRatio) const {
    const auto found = picturesByCode_.constFind(cellCode);
    return found == picturesByCode_.constEnd() ? nullptr : &found.value().at(devicePixelRatio);
}

}  // namespace pelmora
