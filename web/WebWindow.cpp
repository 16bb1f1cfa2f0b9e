#include "web/WebWindow.h"

#include <emscripten.h>

#include <cstdint>
#include <string>

namespace pelmora::web {
namespace {

EM_JS(void, pageSetText, (const char* label, const char* text), {
    Module.page.setText(UTF8ToString(label), UTF8ToString(text));
});

// The labels that show a status text, by their control names.
struct ShownText {
    const char* label;
    std::string StatusTexts::*text;
};

constexpr ShownText kShownTexts[] = {
    {"lvl", &StatusTexts::lvl},           {"Pts", &StatusTexts::Pts},
    {"SelPts", &StatusTexts::SelPts},     {"Nmmc", &StatusTexts::Nmmc},
    {"NEXTLEVEL", &StatusTexts::NEXTLEVEL}, {"Label4", &StatusTexts::Label4},
    {"Label6", &StatusTexts::Label6},     {"Label8", &StatusTexts::Label8},
    {"Label10", &StatusTexts::Label10},   {"Label12", &StatusTexts::Label12},
};

}  // namespace

WebWindow::WebWindow() : random_(generator_, clock_), game_(host_, random_) {}

void WebWindow::load() {
    game_.Form_Load();
    showTexts();
}

void WebWindow::press(int button, int shift, float x, float y) {
    game_.dest_MouseDown(static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
    showTexts();
}

void WebWindow::tick() {
    game_.Timer1_Timer();
    showTexts();
}

void WebWindow::levelUp() {
    game_.Label3_Click();
    showTexts();
}

void WebWindow::reset() {
    game_.mnuFileNew_Click();
    showTexts();
}

void WebWindow::showTexts() {
    const StatusTexts& texts = game_.texts();
    for (const ShownText& shown : kShownTexts) {
        const std::string& text = texts.*shown.text;
        if (shownAny_ && shown_.*shown.text == text) continue;
        pageSetText(shown.label, text.c_str());
    }
    shown_ = texts;
    shownAny_ = true;
}

}  // namespace pelmora::web
