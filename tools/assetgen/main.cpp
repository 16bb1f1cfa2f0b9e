// pelmora-assetgen: draws the game's pictures and synthesises its sounds into
// the folder given on the command line. Everything is drawn from fixed
// numbers and a fixed seed, so running it again reproduces identical files.
#include <QRect>
#include <QString>

#include <cstdio>
#include <exception>

#include "AssetFolder.h"
#include "BackgroundArtist.h"
#include "IconArtist.h"
#include "SoundSynth.h"
#include "TileCatalogue.h"

using namespace pelmora::assetgen;

namespace {
// Pictures come at normal size and at double size for 200 % screens.
constexpr int kScales[] = {1, 2};

void writeBoxPictures(AssetFolder& folder, const std::vector<TileDesign>& designs) {
    for (const TileDesign& design : designs) {
        for (int scale : kScales)
            folder.writePicture(design.name, drawTile(design, scale), design.size, scale);
    }
}

void writeEverything(AssetFolder& folder) {
    for (int scale : kScales) {
        const QImage whole = drawBackground(scale);
        const QImage bands = whole.copy(QRect(QPoint(0, 0), kBackgroundBandsSize * scale));
        folder.writePicture("background", bands, kBackgroundBandsSize, scale);
    }
    writeBoxPictures(folder, boardTiles());
    writeBoxPictures(folder, legendBoxes());
    for (int size : iconSizes())
        folder.writePicture(QStringLiteral("icon-%1").arg(size), drawIcon(size), QSize(size, size), 1);
    folder.writeText("icon.svg", iconSvg(), true);
    folder.writeResourceList("pelmora.qrc", "/pelmora");
    // After the list: the program never shows these.
    for (int size : webIconSizes())
        folder.writePicture(QStringLiteral("icon-%1").arg(size), drawIcon(size), QSize(size, size), 1);

    folder.writeSound("clearbox.wav", clearBoxPop());
    folder.writeSound("win.wav", levelUpChime());
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        AssetFolder folder(QString::fromLocal8Bit(argv[1]));
        writeEverything(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pelmora-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
