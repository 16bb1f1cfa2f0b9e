// The texts of the main window's status labels. Some of them are read back
// by the rules, so the game owns them and the window only shows them.
#pragma once

#include <cstdint>
#include <string>

namespace pelmora {

struct StatusTexts {
    std::string lvl = "1";                 // current level
    std::string Pts = "0";                 // points
    std::string SelPts;                    // value of the latest selection
    std::string Nmmc;                      // cost of the next Reset
    std::string NEXTLEVEL = "NEXT LEVEL:"; // points needed for the next level
    std::string Label4;                    // boxes left: never drawn, but named for screen readers
    std::string Label6 = "25";             // red boxes left
    std::string Label8 = "25";             // blue boxes left
    std::string Label10 = "25";            // green boxes left
    std::string Label12 = "25";            // yellow boxes left
    bool operator==(const StatusTexts&) const = default;
};

// Whole decimal text: leading minus sign when negative, no grouping.
std::string wholeNumberText(std::int64_t value);

}  // namespace pelmora
