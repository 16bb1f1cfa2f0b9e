// Opens the game window, selects the largest group on the board and saves a
// picture of the window: the picture in the README.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdint>

#include "game/Geometry.h"
#include "game/RandomSource.h"
#include "game/Selection.h"
#include "ui/BoardSurface.h"
#include "ui/MainWindow.h"
#include "ui/sound/SilentSoundPlayer.h"
#include "widgets/Catalogues.h"
#include "widgets/Twips.h"

namespace {

// A clock that stands still: the board depends on nothing but the seed.
class StoppedClock final : public pelmora::LocalClock {
public:
    int second() override { return 0; }
    int month() override { return 12; }
};

// The web page's screenshot deals the same board (tests/web/scenes.cjs).
constexpr std::uint64_t kSeed = (26ULL << 32) ^ 26ULL;

// The cell whose press selects the most boxes.
pelmora::Cell biggestGroup(const pelmora::Board& board) {
    pelmora::Cell best{0, 0};
    int bestCount = 0;
    for (int row = 0; row < pelmora::kRows; ++row) {
        for (int column = 0; column < pelmora::kColumns; ++column) {
            pelmora::Board trial = board;
            trial.at(row, column) = pelmora::selectedFormOf(trial.at(row, column));
            pelmora::growSelection(trial);
            const int count = pelmora::countSelected(trial);
            if (count > bestCount) {
                bestCount = count;
                best = {row, column};
            }
        }
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");

    // In the player's language, as the game itself (LANG=de_DE.UTF-8 ...).
    const pelmora::Catalogues catalogues(QLocale::system());
    pelmora::SilentSoundPlayer sound;
    pelmora::MixingGenerator generator(kSeed);  // the same board every time
    StoppedClock clock;
    pelmora::RandomSource random(generator, clock);
    pelmora::MainWindow window(sound, random);
    window.show();

    QTimer::singleShot(500, [&] {
        const pelmora::Cell cell = biggestGroup(window.game().board());
        // A click in the middle of that cell's tile.
        const pelmora::SurfacePoint centre = pelmora::cellCentre(cell);
        const QPointF at(pelmora::twips::toPixelsF(centre.x), pelmora::twips::toPixelsF(centre.y));
        QMouseEvent press(QEvent::MouseButtonPress, at, window.dest().mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window.dest(), &press);
        QTimer::singleShot(300, [&] {
            const bool saved = window.grab().save(out);
            QApplication::exit(saved ? 0 : 1);
        });
    });
    return QApplication::exec();
}
