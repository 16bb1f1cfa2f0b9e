#include "web/BrowserHost.h"

#include <emscripten.h>

#include <vector>

#include "game/Rules.h"

// The page object `Module.page` (web/page/host.js) does the work; these are
// the only calls into it from the game.
EM_JS(void, pageDrawBoard, (const char* codes, int rows, int columns), {
    Module.page.drawBoard(UTF8ToString(codes, rows * columns), rows, columns);
});

EM_ASYNC_JS(void, pagePlaySound, (const char* url), {
    await Module.page.playSound(UTF8ToString(url));
});

EM_ASYNC_JS(void, pageShowMessage, (const char* text, const char* title), {
    await Module.page.showMessage(UTF8ToString(text), UTF8ToString(title));
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

void BrowserHost::paintBoard(const Board& board) {
    const auto cells = board.cells();
    const std::string codes(cells.begin(), cells.end());
    pageDrawBoard(codes.data(), kRows, kColumns);
}

void BrowserHost::playSoundAndWait(const std::string& path) { pagePlaySound(path.c_str()); }

void BrowserHost::showMessage(const std::string& text, const std::string& title) {
    pageShowMessage(text.c_str(), title.c_str());
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
