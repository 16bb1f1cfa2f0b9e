#include "web/BrowserHost.h"

#include <emscripten.h>

#include <string>
#include <vector>

#include "game/Rules.h"

// The page object `Module.page` (filled in by web/page/main.js) does the
// work; these are the only calls into it from the game.
EM_JS(void, pageDrawBoard, (const char* codes, int rows, int columns), {
    Module.page.drawBoard(UTF8ToString(codes, rows * columns), rows, columns);
});

EM_ASYNC_JS(void, pagePlaySound, (const char* url), {
    await Module.page.playSound(UTF8ToString(url));
});

EM_ASYNC_JS(void, pageShowMessage, (const char* text, const char* title), {
    await Module.page.showMessage(UTF8ToString(text), UTF8ToString(title));
});

EM_JS(void, pageTell, (const char* outcome), {
    Module.page.tell(JSON.parse(UTF8ToString(outcome)));
});

EM_JS(void, pageSetText, (const char* label, const char* text), {
    Module.page.setText(UTF8ToString(label), UTF8ToString(text));
});

// Writes the folder into `out` when it fits in `capacity` bytes with its
// terminating zero; returns its length in bytes either way.
EM_JS(int, pageProgramFolder, (char* out, int capacity), {
    const folder = Module.page.programFolder();
    const length = lengthBytesUTF8(folder);
    if (length < capacity) stringToUTF8(folder, out, capacity);
    return length;
});

namespace pelmora::web {
namespace {

// The labels that show a status text, by their control names.
struct ShownText {
    const char* label;
    std::string StatusTexts::*text;
};

constexpr ShownText kShownTexts[] = {
    {"lvl", &StatusTexts::lvl},             {"Pts", &StatusTexts::Pts},
    {"SelPts", &StatusTexts::SelPts},       {"Nmmc", &StatusTexts::Nmmc},
    {"NEXTLEVEL", &StatusTexts::NEXTLEVEL}, {"Label4", &StatusTexts::Label4},
    {"Label6", &StatusTexts::Label6},       {"Label8", &StatusTexts::Label8},
    {"Label10", &StatusTexts::Label10},     {"Label12", &StatusTexts::Label12},
};

// The names the page knows each kind of outcome by.
const char* whatName(Outcome::What what) {
    switch (what) {
        case Outcome::What::Dealt: return "dealt";
        case Outcome::What::Pressed: return "pressed";
        case Outcome::What::LevelUp: return "levelUp";
        case Outcome::What::NewGame: return "newGame";
        case Outcome::What::AtTopLevel: return "atTopLevel";
        case Outcome::What::Reshuffled: return "reshuffled";
    }
    return "";
}

std::string json(const Standing& standing) {
    const ColourCounts& left = standing.boxesLeft;
    return "{\"points\":" + std::to_string(standing.points) + ",\"level\":" + std::to_string(standing.level) +
           ",\"nextLevelAt\":" + (standing.nextLevelAt ? std::to_string(*standing.nextLevelAt) : "null") +
           ",\"nextResetCost\":" + std::to_string(standing.nextResetCost) +
           ",\"selectedBoxes\":" + std::to_string(standing.selectedBoxes) +
           ",\"selectionValue\":" + std::to_string(standing.selectionValue) +
           ",\"boxesLeft\":{\"red\":" + std::to_string(left.red) + ",\"blue\":" + std::to_string(left.blue) +
           ",\"green\":" + std::to_string(left.green) + ",\"yellow\":" + std::to_string(left.yellow) + "}}";
}

}  // namespace

void BrowserHost::handled(const Outcome& outcome) {
    const std::string told = std::string("{\"what\":\"") + whatName(outcome.what) +
                             "\",\"removedBoxes\":" + std::to_string(outcome.removedBoxes) +
                             ",\"removedValue\":" + std::to_string(outcome.removedValue) +
                             ",\"selected\":" + (outcome.selected ? "true" : "false") +
                             ",\"loneBox\":" + (outcome.loneBox ? "true" : "false") +
                             ",\"after\":" + json(outcome.after) + "}";
    pageTell(told.c_str());
}

void BrowserHost::paintBoard(const Board& board) {
    const auto cells = board.cells();
    const std::string codes(cells.begin(), cells.end());
    pageDrawBoard(codes.data(), kRows, kColumns);
}

void BrowserHost::playSoundAndWait(const std::string& path) { pagePlaySound(path.c_str()); }

void BrowserHost::showMessage(const std::string& text, const std::string& title) {
    pageShowMessage(text.c_str(), title.c_str());
}

void BrowserHost::textsChanged(const StatusTexts& texts) {
    for (const ShownText& shown : kShownTexts) {
        const std::string& text = texts.*shown.text;
        if (shownAny_ && shown_.*shown.text == text) continue;
        pageSetText(shown.label, text.c_str());
    }
    shown_ = texts;
    shownAny_ = true;
}

std::string BrowserHost::programFolder() const {
    std::vector<char> buffer(256);
    int length = pageProgramFolder(buffer.data(), static_cast<int>(buffer.size()));
    if (length >= static_cast<int>(buffer.size())) {
        buffer.resize(static_cast<std::size_t>(length) + 1);
        length = pageProgramFolder(buffer.data(), static_cast<int>(buffer.size()));
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace pelmora::web
