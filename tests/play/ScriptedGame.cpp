#include "ScriptedGame.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "BoardModel.h"
#include "EventPicker.h"
#include "GameUnderTest.h"
#include "PlayRunner.h"
#include "Watchdog.h"
#include "ui/BoardSurface.h"
#include "ui/sound/SdlSoundPlayer.h"

namespace pelmora::play {
namespace {

constexpr long kRandomMoves = 300;
constexpr int kSettlingTicks = 25;
// Long enough for the window's own timer to tick a few times.
constexpr int kLiveTimerMilliseconds = 450;

PlayEvent make(Move move) {
    PlayEvent event;
    event.move = move;
    return event;
}

PlayEvent clickOnCell(int row, int column) {
    PlayEvent event = make(Move::DestClick);
    event.at = QPoint(2 + 47 * column + 23, 5 + 48 * row + 24);
    return event;
}

PlayEvent levelUp(std::int64_t pointsOverThreshold) {
    PlayEvent event = make(Move::LevelUp);
    event.setup = LevelUpSetup::PointsAroundThreshold;
    event.pointsOverThreshold = pointsOverThreshold;
    event.at = QPoint(10, 10);
    return event;
}

class Script {
public:
    Script(GameUnderTest& game, PlayRunner& runner, Watchdog& watchdog, std::uint64_t seed)
        : game_(game),
          runner_(runner),
          watchdog_(watchdog),
          picker_(seed, ClickTargets{game.dest().size(), game.levelUp().size(), game.clientSize(),
                                     game.menuBarHeight()}) {}

    // Every step stops at the first fault.
    bool play() {
        return removeOneGroup() && ticks() && move(make(Move::Reset)) && ticks() &&
               move(levelUp(-1)) && move(levelUp(0)) && aboutWindow() && randomMoves() &&
               liveTimer() && move(make(Move::Help));
    }
    const std::string& lastMove() const { return lastMove_; }

private:
    bool move(const PlayEvent& event) {
        lastMove_ = describe(event);
        watchdog_.reached(++moves_);
        return runner_.play(event);
    }

    bool ticks() {
        for (int i = 0; i < kSettlingTicks; ++i)
            if (!move(make(Move::Tick))) return false;
        return true;
    }

    // Press a box with a same-coloured neighbour, then press it again.
    bool removeOneGroup() {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const Board& board = game_.game().board();
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    if (isNormalBox(board.at(row, column)) && model::hasPartner(board, row, column))
                        return move(clickOnCell(row, column)) && move(clickOnCell(row, column)) &&
                               removed();
            if (!move(make(Move::Reset)) || !ticks()) return false;
        }
        runner_.referee().fail("no board offered a group to remove");
        return false;
    }

    bool removed() {
        if (runner_.referee().happenings().removals == 0)
            runner_.referee().fail("the second press removed nothing");
        return !runner_.referee().failed();
    }

    bool aboutWindow() {
        PlayEvent link = make(Move::AboutLink);
        return move(make(Move::Help)) && move(make(Move::Help)) && move(link) &&
               move(make(Move::AboutOk)) && move(make(Move::Help)) &&
               move(make(Move::AboutCloseBox));
    }

    bool randomMoves() {
        for (long i = 0; i < kRandomMoves; ++i)
            if (!move(picker_.next(game_.game().board()))) return false;
        return true;
    }

    bool liveTimer() {
        game_.startLiveTimer();
        QTest::qWait(kLiveTimerMilliseconds);
        runner_.referee().checkAlways(false);
        return !runner_.referee().failed();
    }

    GameUnderTest& game_;
    PlayRunner& runner_;
    Watchdog& watchdog_;
    long moves_ = 0;
    std::string lastMove_;
    EventPicker picker_;
};

}  // namespace

int runScriptedGame(const PlayOptions& options) {
    std::unique_ptr<SdlSoundPlayer> speaker;
    if (options.realSound) speaker = std::make_unique<SdlSoundPlayer>([] { QApplication::beep(); });
    Watchdog watchdog(options.stallSeconds, options.program + " --scripted");
    GameUnderTest game(options.seed, /*liveTimer=*/false, speaker.get());
    PlayRunner runner(game);
    Script script(game, runner, watchdog, options.seed);
    bool played = false;
    QTimer::singleShot(0, [&] {
        played = script.play();
        // Quit leaves the event loop; if it does not, the watchdog says so.
        watchdog.reached(-2);
        game.quit();
    });
    const int exitCode = QApplication::exec();
    watchdog.reached(-3);
    if (!played) {
        std::fprintf(stderr, "FAIL: scripted game, seed %llu, at %s:\n%s\n",
                     static_cast<unsigned long long>(options.seed), script.lastMove().c_str(),
                     runner.fault().c_str());
        return 1;
    }
    const std::string left = game.leftAfterQuit();
    if (exitCode != 0 || !left.empty()) {
        std::fprintf(stderr, "FAIL: after Quit (exit code %d):%s\n", exitCode, left.c_str());
        return 1;
    }
    const Happenings& seen = runner.referee().happenings();
    std::printf(
        "scripted game passed: %ld presses, %ld removals, %ld Resets, %ld level-ups, %ld refusals, "
        "Quit\n",
        seen.presses, seen.removals, seen.resets, seen.levelUps, seen.refusals);
    return 0;
}

}  // namespace pelmora::play
