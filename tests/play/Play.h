// The play test: a random player on the real window, offscreen, with every
// event checked at once; and a short scripted game that ends with Quit.
//   play_tests [--seed N] [--events N]     random play
//   play_tests --scripted [--real-sound]   the scripted game
// PELMORA_PLAY_EVENT_PERCENT scales --events down; PELMORA_PLAY_STALL_SECONDS
// (default 60) is how long one event may take before the run is called hung.
#pragma once

#include <QLabel>
#include <QTimer>
#include <atomic>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "program/GameProgram.h"
#include "tests/support/Generators.h"
#include "ui/sound/SoundPlayer.h"

class QAction;

namespace pelmora::play {

struct Options {
    long long seed = 1, events = 100000;
    bool scripted = false, realSound = false;
    std::string program;
};

// The event under way. The watchdog ends the run, saying how to replay it,
// once one event has not finished in PELMORA_PLAY_STALL_SECONDS; with
// `countsEvents`, the number of events to make goes at the end of `replay`.
inline std::atomic<long> currentEvent{-1};
void startWatchdog(const std::string& replay, bool countsEvents);

enum class Event { Press, Tick, Reset, LevelUp, About };

struct Snapshot {
    Board board;
    std::int64_t points, resets;
};

// The labels checkInvariants reads, in its order.
inline constexpr const char* kCheckedLabels[] = {"Pts",    "Label4",  "Label6",
                                                 "Label8", "Label10", "Label12"};

// Empty if `game`, taken by `event` from `before`, holds every invariant;
// else what broke. `refused`: LEVEL UP brought up its refusal. `labels`: the
// window's kCheckedLabels.
std::string checkInvariants(const Game& game, const Snapshot& before, Event event, bool refused,
                            const std::vector<QLabel*>& labels);

// The whole program, offscreen, dealt from a fixed seed with its clock
// stopped and its timer held, so that a seed always replays the same game;
// and a player making events on it. Each event returns the fault it
// revealed, or nothing.
class Player {
public:
    Player(long long seed, SoundPlayer& sound);

    const Game& game() { return program_->window().game(); }
    std::string randomEvent();
    std::string checkNow();
    // Real mouse events at a pixel of `dest`.
    std::string click(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers keys);
    std::string tick();         // Timer1's timeout, emitted
    std::string reset();        // File, Reset
    std::string levelUp();      // a click on it; a refusal is answered at once
    std::string toggleAbout();  // Help when the About window is closed, else its closing
    // The next board dealt is all one colour: one press selects it all and
    // the next removes it, for points enough to reach the top level.
    void dealOneColourNext();
    // Closes this game's program and opens a new one on the same generator.
    void startAgain();
    void quit();
    // After Quit: empty, or what is still open or running.
    std::string leftAfterQuit();

    std::string last = "the window opening";  // the latest event, described
    long removals = 0, levelUps = 0, refusals = 0;

private:
    template <typename Action>
    std::string judged(Event event, Action action);
    int below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
    // A point of `dest` in twips: on a box (the selection most of all), a
    // grid line, or anywhere; with `wild`, also where no mouse could be.
    std::pair<float, float> pickPoint(bool wild);

    void open();

    test_support::ScriptedGenerator generator_;
    test_support::FixedClock clock_;
    SoundPlayer& sound_;
    std::unique_ptr<GameProgram> program_;
    std::mt19937_64 random_;
    QTimer* timer1_;
    QAction *resetAction_, *helpAction_, *quitAction_;
    QLabel* levelUpLabel_;
    std::vector<QLabel*> labels_;
    QTimer answerer_;
    QString boxSeen_;
};

int runRandomPlay(const Options& options);
int runScriptedGame(const Options& options);

}  // namespace pelmora::play
