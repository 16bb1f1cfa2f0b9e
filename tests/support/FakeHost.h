// The one stand-in for the window that the rules talk to. It logs what the
// game asks of it, in order ("paint", "sound <path>", "<text>|<title>"),
// keeps the board as it was when a sound played, and every set of status
// texts and every outcome reported.
#pragma once

#include <string>
#include <vector>

#include "game/Host.h"

namespace pelmora::test_support {

struct FakeHost final : Host {
    void paintBoard(const Board&) override {
        if (logging) log.push_back("paint");
    }
    void playSoundAndWait(const std::string& path) override {
        if (logging) log.push_back("sound " + path);
        if (board) boardAtSound = *board;
    }
    void showMessage(const std::string& text, const std::string& title) override {
        if (logging) log.push_back(text + "|" + title);
    }
    std::string programFolder() const override { return "/opt/pelmora"; }
    void textsChanged(const StatusTexts& texts) override {
        if (logging) reported.push_back(texts);
    }
    void handled(const Outcome& outcome) override {
        if (logging) outcomes.push_back(outcome);
    }

    bool logging = true;              // off for benchmarks
    const Board* board = nullptr;     // the game's board, read when a sound plays
    std::vector<std::string> log;
    std::vector<StatusTexts> reported;
    std::vector<Outcome> outcomes;
    Board boardAtSound;
};

}  // namespace pelmora::test_support
