// Press to screen: how long after a player's mouse press the X server shows
// its result, for a press that selects a group and one that removes it. The
// real program runs under an X server (Xvfb), with its real sound files and
// whatever SDL audio driver the environment names (make bench uses "dummy",
// which takes samples in real time like a sound card). Each press is
// synthesised with XTest; the time ends when the pressed cell's pixels, read
// back from the server, change. A removal waits for the clearing sound to
// end before the board is redrawn, so its time includes the whole sound.
//
// Usage: press_latency GAMES PROGRAM
// Prints "key value" lines: games, presses, selection_ms, removal_ms (removals after a
// game's first), first_removal_ms, peak_mib_after_play, presses.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ScreenBoard.h"

extern char** environ;

namespace {

using namespace pelmora;
using namespace pelmora::bench;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kPairsPerGame = 4;  // select and remove, this many times per game
constexpr auto kWindowTimeout = 10s;
constexpr auto kSettleTimeout = 5s;
constexpr auto kChangeTimeout = 5s;
constexpr auto kLookAgain = 200us;
// Longer than any double-click interval, so the removing press is a press.
constexpr auto kBetweenPresses = 600ms;
constexpr auto kPointerRest = 50ms;
constexpr auto kQuitGrace = 1s;
constexpr double kKibPerMib = 1024.0;

struct Figures {
    std::vector<double> selection, removal, firstRemoval, peakMib;
};

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Presses and times until the cell looks different; nothing on timeout.
std::optional<double> pressUntilChanged(const ScreenBoard& screen, int row, int column) {
    const std::vector<char> before = screen.cellPixels(row, column);
    const auto start = Clock::now();
    screen.pressButton();
    std::optional<double> elapsed;
    while (Clock::now() - start < kChangeTimeout) {
        if (screen.cellPixels(row, column) != before) {
            elapsed = millisecondsSince(start);
            break;
        }
        std::this_thread::sleep_for(kLookAgain);
    }
    screen.releaseButton();
    return elapsed;
}

bool same(const CellLook& a, const CellLook& b) { return !a.empty && !b.empty && a.colour == b.colour; }

// A box with a same-coloured neighbour and nothing above it: once its group
// is removed, the pressed cell is sure to show something else, since no box
// can fall into it and its column keeps a box (checked by the caller).
std::optional<int> pressableTopBox(const BoardLook& look) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const CellLook& cell = look[row * kColumns + column];
            if (cell.empty || (row > 0 && !look[(row - 1) * kColumns + column].empty)) continue;
            const bool right = column + 1 < kColumns && same(cell, look[row * kColumns + column + 1]);
            const bool left = column > 0 && same(cell, look[row * kColumns + column - 1]);
            const bool below = row + 1 < kRows && same(cell, look[(row + 1) * kColumns + column]);
            if (right || left || below) return row * kColumns + column;
        }
    }
    return std::nullopt;
}

bool columnKeepsABox(const BoardLook& look, int column) {
    for (int row = 0; row < kRows; ++row) {
        const CellLook& cell = look[row * kColumns + column];
        if (!cell.empty && !cell.highlighted) return true;
    }
    return false;
}

double peakMib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / kKibPerMib;
    return 0;
}

pid_t start(const char* program) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program, &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed) {
        std::fprintf(stderr, "press_latency: cannot start %s\n", program);
        std::exit(1);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + kQuitGrace;
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// One game: select and remove a group, again and again, timing each press.
void playOneGame(const ScreenBoard& screen, Figures& figures, pid_t pid) {
    for (int pair = 0; pair < kPairsPerGame; ++pair) {
        const BoardLook look = screen.readSettled(kSettleTimeout);
        const std::optional<int> target = pressableTopBox(look);
        if (!target) return;
        const int row = *target / kColumns, column = *target % kColumns;
        screen.pointAt(row, column);
        std::this_thread::sleep_for(kPointerRest);
        const std::optional<double> selection = pressUntilChanged(screen, row, column);
        if (!selection) return;
        figures.selection.push_back(*selection);
        std::this_thread::sleep_for(kBetweenPresses);
        if (!columnKeepsABox(screen.read(), column)) return;
        const std::optional<double> removal = pressUntilChanged(screen, row, column);
        if (!removal) return;
        (pair == 0 ? figures.firstRemoval : figures.removal).push_back(*removal);
    }
    figures.peakMib.push_back(peakMib(pid));
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int games = argc == 3 ? std::atoi(argv[1]) : 0;
    if (games < 1) {
        std::fprintf(stderr, "usage: press_latency GAMES PROGRAM\n");
        return 2;
    }
    ScreenBoard screen;
    Figures figures;
    for (int game = 0; game < games; ++game) {
        const pid_t pid = start(argv[2]);
        if (!screen.attach(pid, kWindowTimeout)) {
            std::fprintf(stderr, "press_latency: no window from %s\n", argv[2]);
            stop(pid);
            return 1;
        }
        playOneGame(screen, figures, pid);
        stop(pid);
    }
    if (figures.selection.empty() || figures.removal.empty() || figures.firstRemoval.empty()) {
        std::fprintf(stderr, "press_latency: too few presses reached the screen\n");
        return 1;
    }
    std::printf("games %d\n", games);
    std::printf("presses %zu\n", figures.selection.size() + figures.removal.size() +
                                     figures.firstRemoval.size());
    std::printf("selection_ms %.1f\n", median(figures.selection));
    std::printf("removal_ms %.1f\n", median(figures.removal));
    std::printf("first_removal_ms %.1f\n", median(figures.firstRemoval));
    std::printf("peak_mib_after_play %.1f\n", median(figures.peakMib));
    return 0;
}
