#include "RandomPlay.h"

#include <QLabel>
#include <chrono>
#include <cstdio>
#include <map>

#include "EventPicker.h"
#include "GameUnderTest.h"
#include "PlayRunner.h"
#include "Watchdog.h"
#include "ui/BoardSurface.h"

namespace pelmora::play {
namespace {

// The moves come from their own stream, not the game's.
constexpr std::uint64_t kMoveStreamSalt = 0x6d6f766573ULL;

ClickTargets clickTargets(GameUnderTest& game) {
    return ClickTargets{game.dest().size(), game.levelUp().size(), game.clientSize(),
                        game.menuBarHeight()};
}

std::string replayCommand(const PlayOptions& options, long lastMove) {
    const long traceFrom = lastMove > 20 ? lastMove - 20 : 0;
    return options.program + " --seed " + std::to_string(options.seed) + " --events " +
           std::to_string(lastMove + 1) + " --trace-from " + std::to_string(traceFrom) +
           (options.eventPercent != 100 ? "   (with PELMORA_PLAY_EVENT_PERCENT unset)" : "");
}

}  // namespace

int runRandomPlay(const PlayOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    GameUnderTest game(options.seed, /*liveTimer=*/false);
    PlayRunner runner(game);
    EventPicker picker(options.seed ^ kMoveStreamSalt, clickTargets(game));
    Watchdog watchdog(options.stallSeconds,
                      options.program + " --seed " + std::to_string(options.seed));
    if (runner.referee().failed()) {
        std::fprintf(stderr, "FAIL: seed %llu, as the window opened:\n%s\n",
                     static_cast<unsigned long long>(options.seed), runner.fault().c_str());
        return 1;
    }
    std::map<Move, long> made;
    for (long index = 0; index < options.events; ++index) {
        watchdog.reached(index);
        const PlayEvent event = picker.next(game.game().board());
        if (index >= options.traceFrom && options.traceFrom >= 0)
            std::printf("%ld: %s\n", index, describe(event).c_str());
        ++made[event.move];
        if (!runner.play(event)) {
            std::fprintf(stderr, "FAIL: seed %llu, move %ld (%s):\n%s\nreplay: %s\n",
                         static_cast<unsigned long long>(options.seed), index,
                         describe(event).c_str(), runner.fault().c_str(),
                         replayCommand(options, index).c_str());
            return 1;
        }
    }
    // The player leaves the way players do, About window open or not.
    game.quit();
    const std::string left = game.leftAfterQuit();
    if (!left.empty()) {
        std::fprintf(stderr, "FAIL: seed %llu, after Quit:%s\n",
                     static_cast<unsigned long long>(options.seed), left.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const Happenings& seen = runner.referee().happenings();
    std::printf(
        "seed %llu: %ld events passed in %.1f s (%ld presses, %ld removals, %ld Resets, %ld ticks, "
        "%ld level-ups, %ld refusals, %ld About windows opened)\n",
        static_cast<unsigned long long>(options.seed), options.events, seconds, seen.presses,
        seen.removals, seen.resets, made[Move::Tick], seen.levelUps, seen.refusals,
        made[Move::Help]);
    return 0;
}

}  // namespace pelmora::play
