// Plays a handful of scripted games and prints, after every event, the board,
// every status text and what the game asked of its host. Built twice, for
// the desktop and for WebAssembly: the two transcripts must be identical.
//
// With "replay STATE SECOND MONTH" it is the browser test's oracle instead:
// a game whose generator starts at STATE and whose clock stands still takes
// the events on its input, one a line ("press X Y", "settle", "level-up",
// "reset"), and prints the same two lines after the first board and after
// each event. It also answers two questions, changing nothing: "cell ROW
// COLUMN" and "biggest" (the cell whose press selects the most) are
// answered "cell ROW COLUMN X Y", with the middle of the cell in twips.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/RandomSource.h"
#include "game/Rules.h"
#include "tests/support/FakeHost.h"

namespace {

using pelmora::Board;

// What the game asked of its host since the last call: every call but the
// paints, which are counted.
std::string takeCalls(pelmora::test_support::FakeHost& host) {
    int paints = 0;
    std::string calls;
    for (const std::string& call : host.log) {
        if (call == "paint") ++paints;
        else calls += " " + call;
    }
    host.log.clear();
    return calls + " paints:" + std::to_string(paints);
}

// A clock whose second moves on every few readings, so the reseeds vary.
class SteppingClock final : public pelmora::LocalClock {
public:
    int second() override { return static_cast<int>(readings_++ / 5 % 60); }
    int month() override { return 12; }

private:
    std::uint64_t readings_ = 0;
};

// The script's own numbers, apart from the game's generator.
class ScriptNumbers {
public:
    explicit ScriptNumbers(std::uint64_t seed) : state_(seed) {}
    std::uint32_t below(std::uint32_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % bound;
    }

private:
    std::uint64_t state_;
};

class StoppedClock final : public pelmora::LocalClock {
public:
    StoppedClock(int second, int month) : second_(second), month_(month) {}
    int second() override { return second_; }
    int month() override { return month_; }

private:
    int second_;
    int month_;
};

std::string boardText(const Board& board) {
    const auto cells = board.cells();
    return std::string(cells.begin(), cells.end());
}

std::string textsLine(const pelmora::StatusTexts& t) {
    return t.lvl + "|" + t.Pts + "|" + t.SelPts + "|" + t.Nmmc + "|" + t.NEXTLEVEL + "|" +
           t.Label4 + "|" + t.Label6 + "|" + t.Label8 + "|" + t.Label10 + "|" + t.Label12;
}

// A press somewhere in a selected group when there is one, else anywhere on
// or around the board, with odd fractions of a twip.
std::string press(pelmora::Game& game, ScriptNumbers& numbers) {
    std::vector<pelmora::Cell> selected;
    for (int row = 0; row < pelmora::kRows; ++row)
        for (int column = 0; column < pelmora::kColumns; ++column)
            if (pelmora::isSelectedBox(game.board().at(row, column))) selected.push_back({row, column});
    float x = 0;
    float y = 0;
    if (!selected.empty() && numbers.below(3) != 0) {
        const pelmora::CellRect box = pelmora::cellRect(selected[numbers.below(static_cast<std::uint32_t>(selected.size()))]);
        x = static_cast<float>(box.left) + static_cast<float>(numbers.below(box.width * 4)) / 4.0f;
        y = static_cast<float>(box.top) + static_cast<float>(numbers.below(box.height * 4)) / 4.0f;
    } else {
        x = static_cast<float>(numbers.below(9400 * 8)) / 8.0f - 60.0f;
        y = static_cast<float>(numbers.below(5300 * 8)) / 8.0f - 60.0f;
    }
    const auto button = static_cast<std::int16_t>(1 << numbers.below(3));
    const auto shift = static_cast<std::int16_t>(numbers.below(8));
    game.dest_MouseDown(button, shift, x, y);
    char line[96];
    std::snprintf(line, sizeof line, "press %d %d %.3f %.3f", button, shift, x, y);
    return line;
}

void playGame(std::uint64_t seed, int events) {
    pelmora::test_support::FakeHost host;
    pelmora::MixingGenerator generator(seed);
    SteppingClock clock;
    pelmora::RandomSource random(generator, clock);
    pelmora::Game game(host, random);
    ScriptNumbers numbers(seed ^ 0x5EED);

    std::printf("game %llu\n", static_cast<unsigned long long>(seed));
    game.Form_Load();
    for (int event = 0; event <= events; ++event) {
        std::string what = "load";
        if (event > 0) {
            const std::uint32_t roll = numbers.below(100);
            const auto threshold = pelmora::nextLevelThreshold(game.level());
            const bool enough = threshold && *threshold <= static_cast<double>(game.points());
            if (enough && roll < 50) {
                game.Label3_Click();
                what = "level-up";
            } else if (roll < 70) {
                what = press(game, numbers);
            } else if (roll < 92) {
                const std::uint32_t ticks = 1 + numbers.below(8);
                for (std::uint32_t i = 0; i < ticks; ++i) game.Timer1_Timer();
                what = "ticks " + std::to_string(ticks);
            } else if (roll == 92 && numbers.below(3) == 0) {
                game.Label3_Click();
                what = "level-up";
            } else if (numbers.below(6) == 0) {
                game.mnuFileNew_Click();
                what = "reset";
            } else {
                game.Timer1_Timer();
                what = "ticks 1";
            }
        }
        std::printf("%d %s |%s\n  %s\n  %s\n", event, what.c_str(), takeCalls(host).c_str(),
                    boardText(game.board()).c_str(), textsLine(game.texts()).c_str());
    }
}

void printState(const pelmora::Game& game) {
    std::printf("  %s\n  %s\n", boardText(game.board()).c_str(), textsLine(game.texts()).c_str());
    std::fflush(stdout);
}

// "cell ROW COLUMN X Y": a cell and the middle of its box, where a press on
// it lands.
void printCell(pelmora::Cell cell) {
    const pelmora::SurfacePoint centre = pelmora::cellCentre(cell);
    std::printf("cell %d %d %g %g\n", cell.row, cell.column, centre.x, centre.y);
    std::fflush(stdout);
}

// The cell whose press selects the most boxes, or "none".
void printBiggestGroup(const pelmora::Game& game) {
    int best = 0;
    pelmora::Cell at{-1, -1};
    for (int row = 0; row < pelmora::kRows; ++row) {
        for (int column = 0; column < pelmora::kColumns; ++column) {
            if (!pelmora::isNormalBox(game.board().at(row, column))) continue;
            pelmora::Game trial = game;  // the same host; a press draws no numbers
            const pelmora::SurfacePoint centre = pelmora::cellCentre({row, column});
            trial.dest_MouseDown(1, 0, static_cast<float>(centre.x), static_cast<float>(centre.y));
            int selected = 0;
            for (char cell : trial.board().cells()) selected += pelmora::isSelectedBox(cell) ? 1 : 0;
            if (selected > best) {
                best = selected;
                at = {row, column};
            }
        }
    }
    if (best > 0) return printCell(at);
    std::printf("none\n");
    std::fflush(stdout);
}

int replay(std::uint64_t state, int second, int month) {
    pelmora::test_support::FakeHost host;
    pelmora::MixingGenerator generator(state);
    StoppedClock clock(second, month);
    pelmora::RandomSource random(generator, clock);
    pelmora::Game game(host, random);
    game.Form_Load();
    printState(game);
    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        float x = 0;
        float y = 0;
        pelmora::Cell cell{};
        if (std::sscanf(line, "press %f %f", &x, &y) == 2) {
            game.dest_MouseDown(1, 0, x, y);
        } else if (std::strncmp(line, "settle", 6) == 0) {
            // As the ticks do in the page, until nothing moves any more.
            Board before;
            do {
                before = game.board();
                game.Timer1_Timer();
            } while (!(game.board() == before));
        } else if (std::sscanf(line, "cell %d %d", &cell.row, &cell.column) == 2) {
            printCell(cell);  // asks, changing nothing
            continue;
        } else if (std::strncmp(line, "biggest", 7) == 0) {
            // Asks, changing nothing: the cell whose press selects most.
            printBiggestGroup(game);
            continue;
        } else if (std::strncmp(line, "level-up", 8) == 0) {
            game.Label3_Click();
        } else if (std::strncmp(line, "reset", 5) == 0) {
            game.mnuFileNew_Click();
        } else {
            std::fprintf(stderr, "unknown event: %s", line);
            return 2;
        }
        printState(game);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 5 && std::strcmp(argv[1], "replay") == 0)
        return replay(std::strtoull(argv[2], nullptr, 0), std::atoi(argv[3]), std::atoi(argv[4]));
    for (std::uint64_t seed : {1ULL, 20261206ULL, 0xC0FFEEULL, 987654321987ULL, 42ULL})
        playGame(seed, 700);
    return 0;
}
