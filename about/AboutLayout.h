// Where the About window's controls sit, in twips from the top-left corner of
// its client area (left, top, width, height), and how they look.
#pragma once

#include <QColor>

#include "widgets/Fonts.h"
#include "widgets/Twips.h"

namespace pelmora::about::layout {

inline constexpr int kClientWidth = 5505;
inline constexpr int kClientHeight = 8475;

inline constexpr TwipsRect kTitleLabel{840, 240, 4575, 495};        // Label5
inline constexpr TwipsRect kNameLabel{840, 960, 3495, 255};         // Label2
inline constexpr TwipsRect kVersionLabel{840, 1200, 1335, 255};     // Label3
inline constexpr TwipsRect kWebPageLabel{840, 1440, 4215, 255};     // Label4
inline constexpr TwipsRect kHowToPlayBox{480, 2280, 4575, 2895};    // Text1
inline constexpr TwipsRect kQuestionLabel{600, 5280, 3135, 255};    // Label1
inline constexpr TwipsRect kContactLabel{3720, 5280, 1215, 255};    // Label7
inline constexpr TwipsRect kOkButton{2040, 6480, 1380, 345};        // cmdOK
inline constexpr TwipsRect kCopyrightLabel{1440, 7200, 1935, 495};  // Label8

// Line1: a one-pixel rule that starts left of the window, so the window's
// edge clips it.
inline constexpr int kRuleLeft = -600;
inline constexpr int kRuleRight = 5520;
inline constexpr int kRuleTop = 6240;
inline constexpr int kRuleThickness = 15;
inline constexpr TwipsRect kRule{kRuleLeft, kRuleTop, kRuleRight - kRuleLeft, kRuleThickness};

inline constexpr QColor kBackground{0, 0, 0};
inline constexpr QColor kText{255, 255, 255};
inline constexpr QColor kContactText{0, 0, 255};
inline constexpr QColor kRuleColour{255, 255, 255};

// Fonts by their design names (widgets/Fonts.h finds the free substitutes).
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.25};
inline constexpr FontSpec kTitleFont{"Arial", 9.75, QFont::Bold};
inline constexpr FontSpec kContactFont{"MS Sans Serif", 9.75, QFont::Bold};
inline constexpr FontSpec kHowToPlayFont{"Small Fonts", 6.75};

}  // namespace pelmora::about::layout
