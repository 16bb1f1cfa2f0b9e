#include <QApplication>
#include <cstdio>

#include "Play.h"
#include "tests/support/CellAim.h"
#include "tests/support/SilentSound.h"
#include "ui/sound/SdlSoundPlayer.h"
#include "widgets/Twips.h"

namespace pelmora::play {
namespace {

// A removal, ticks, Reset, LEVEL UP refused and granted, the About window
// opened and closed, some random events. Returns the first fault.
std::string playScript(Player& player) {
    const Game& game = player.game();
    std::string fault;
    // Each cell clicked twice, until one click selected a group and the next removed it.
    for (int cell = 0; cell < 2 * kCells && game.points() == 0 && fault.empty(); ++cell) {
        const test_support::TwipsPoint middle = test_support::middleOfCell(cell / 2 / kColumns, cell / 2 % kColumns);
        const QPoint at(static_cast<int>(middle.x) / kTwipsPerPixel, static_cast<int>(middle.y) / kTwipsPerPixel);
        fault = player.click(at, Qt::LeftButton, Qt::NoModifier);
    }
    if (fault.empty() && game.points() == 0) fault = "no two clicks on a box removed anything";
    for (int i = 0; i < 7 + 13 && fault.empty(); ++i) fault = player.tick();
    if (fault.empty()) fault = player.reset();
    for (int i = 0; i < 7 + 13 && fault.empty(); ++i) fault = player.tick();
    if (!fault.empty()) return fault;
    // Refused, and the new game's board is one colour: two clicks clear it
    // all, for points enough to go up.
    player.dealOneColourNext();
    if (!(fault = player.levelUp()).empty()) return fault;
    if (player.refusals != 1) return "LEVEL UP with too few points was not refused";
    for (int i = 0; i < 2 && fault.empty(); ++i) fault = player.click(QPoint(300, 170), Qt::LeftButton, Qt::NoModifier);
    if (!(fault = player.levelUp()).empty()) return fault;
    if (game.level() != 2) return "LEVEL UP with enough points did not go up a level";
    if (!(fault = player.toggleAbout()).empty() || !(fault = player.toggleAbout()).empty())
        return fault;
    for (int i = 0; i < 300 && fault.empty(); ++i) fault = player.randomEvent();
    return fault;
}

}  // namespace

int runScriptedGame(const Options& options) {
    startWatchdog(options.program + " --scripted", false);
    test_support::SilentSound silent;
    std::unique_ptr<SdlSoundPlayer> speaker;
    if (options.realSound) speaker = std::make_unique<SdlSoundPlayer>([] { QApplication::beep(); });
    Player player(options.seed, speaker ? static_cast<SoundPlayer&>(*speaker) : silent);
    std::string fault = player.checkNow();
    QTimer::singleShot(0, [&] {
        if (fault.empty()) fault = playScript(player);
        ++currentEvent;  // Quit must leave the event loop, or the watchdog says so
        player.quit();
    });
    const int exitCode = QApplication::exec();
    ++currentEvent;
    const std::string left = player.leftAfterQuit();
    if (!fault.empty() || exitCode != 0 || !left.empty()) {
        std::fprintf(stderr, "FAIL: scripted game, at %s: %s\nafter Quit (exit code %d):%s\n",
                     player.last.c_str(), fault.c_str(), exitCode, left.c_str());
        return 1;
    }
    std::printf("scripted game passed: %ld removals, %ld level-ups, %ld refusals, Quit\n",
                player.removals, player.levelUps, player.refusals);
    return 0;
}

}  // namespace pelmora::play
