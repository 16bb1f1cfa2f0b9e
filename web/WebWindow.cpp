#include "web/WebWindow.h"

#include <cstdint>

namespace pelmora::web {

WebWindow::WebWindow() : random_(generator_, clock_), game_(host_, random_) {}

void WebWindow::press(int button, int shift, float x, float y) {
    game_.dest_MouseDown(static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
}

}  // namespace pelmora::web
