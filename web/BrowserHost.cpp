#include "web/BrowserHost.h"

#include <emscripten.h>

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

}  // namespace

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
