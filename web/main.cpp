// The entry points the page calls, one event at a time. Handlers that play
// a sound or show the message box return to the page before they have
// ended: the page waits for them (Asyncify) before it sends the next event.
#include <emscripten.h>

#include <memory>

#include "web/WebWindow.h"

namespace {

std::unique_ptr<pelmora::web::WebWindow> window;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void pelmora_load() {
    window = std::make_unique<pelmora::web::WebWindow>();
    window->load();
}

EMSCRIPTEN_KEEPALIVE void pelmora_press(int button, int shift, float x, float y) {
    if (window) window->press(button, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void pelmora_tick() {
    if (window) window->tick();
}

EMSCRIPTEN_KEEPALIVE void pelmora_level_up() {
    if (window) window->levelUp();
}

EMSCRIPTEN_KEEPALIVE void pelmora_reset() {
    if (window) window->reset();
}

// "Quit" and closing the page: the game ends with the window.
EMSCRIPTEN_KEEPALIVE void pelmora_unload() { window.reset(); }

}  // extern "C"
