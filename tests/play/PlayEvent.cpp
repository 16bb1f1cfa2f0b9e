#include "PlayEvent.h"

#include <cstdio>

namespace pelmora::play {
namespace {

std::string point(QPoint at) {
    char text[48];
    std::snprintf(text, sizeof text, "(%d, %d)", at.x(), at.y());
    return text;
}

std::string mouse(const PlayEvent& event) {
    char text[64];
    std::snprintf(text, sizeof text, " button 0x%x keys 0x%x", static_cast<unsigned>(event.button),
                  static_cast<unsigned>(event.keys.toInt()));
    return text;
}

}  // namespace

std::string describe(const PlayEvent& event) {
    switch (event.move) {
        case Move::DirectPress: {
            char text[160];
            std::snprintf(text, sizeof text,
                          "direct press at (%.9g, %.9g) twips, button %d keys %d",
                          static_cast<double>(event.x), static_cast<double>(event.y),
                          event.buttonCode, event.keyCode);
            return text;
        }
        case Move::DestPress:
            return "press on dest at pixel " + point(event.at) + ", release at " +
                   point(event.releaseAt) + mouse(event);
        case Move::DestClick: return "click on dest at pixel " + point(event.at) + mouse(event);
        case Move::DestDoubleClick:
            return "double click on dest at pixel " + point(event.at) + mouse(event);
        case Move::WindowClick:
            return "click on the window at pixel " + point(event.at) + mouse(event);
        case Move::Tick: return "tick";
        case Move::Reset: return "Reset";
        case Move::LevelUp: {
            std::string setup = event.setup == LevelUpSetup::AsItIs ? "as it is"
                                : event.setup == LevelUpSetup::AnyLevel
                                    ? "at level " + std::to_string(event.level)
                                    : "with threshold " +
                                          std::string(event.pointsOverThreshold < 0 ? "" : "+") +
                                          std::to_string(event.pointsOverThreshold) + " points";
            return "LEVEL UP " + setup + (event.throughWindow ? " through the window" : "") +
                   " at label pixel " + point(event.at) + mouse(event) +
                   (event.answerWithEnter ? ", Enter" : ", OK");
        }
        case Move::LevelUpSlip:
            return "press on LEVEL UP at " + point(event.at) + ", release at " +
                   point(event.releaseAt);
        case Move::Help: return "Help, How to Play / About";
        case Move::AboutOk: return "About window: OK";
        case Move::AboutCloseBox: return "About window: close box";
        case Move::AboutLink: return "About window: link " + std::to_string(event.link);
        case Move::Repaint: return "repaint";
    }
    return "?";
}

}  // namespace pelmora::play
