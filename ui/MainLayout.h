// Where everything sits on the main window, in twips from the top-left
// corner of its client area (labels in Frame1 from the frame's corner), and
// the fonts it is written in.
#pragma once

#include <QColor>

#include "widgets/Fonts.h"
#include "widgets/Twips.h"

namespace pelmora::layout {

inline constexpr int kClientWidth = 9495;
inline constexpr int kClientHeight = 7290;

inline constexpr TwipsRect kFrame1{0, 6840, 9495, 495};
inline constexpr TwipsRect kSelectionCaption{2160, 120, 1770, 240};  // Null: "Selection Value: "
inline constexpr TwipsRect kSelPts{3960, 120, 1755, 240};
inline constexpr TwipsRect kLevelCaption{120, 120, 1770, 300};       // Null2: "Current Level: "
inline constexpr TwipsRect kLvl{1560, 120, 525, 300};
inline constexpr TwipsRect kNmmc{7080, 150, 2115, 240};
inline constexpr TwipsRect kResetCostCaption{5820, 150, 1275, 240};  // Null3: "Reset Cost:"
inline constexpr TwipsRect kDest{120, 1680, 9255, 5250};
inline constexpr TwipsRect kImage5{5640, 960, 465, 450};  // yellow legend
inline constexpr TwipsRect kImage4{3960, 960, 465, 450};  // green legend
inline constexpr TwipsRect kImage3{2160, 960, 435, 450};  // blue legend
inline constexpr TwipsRect kImage2{360, 960, 465, 450};   // red legend
inline constexpr TwipsRect kNextLevel{0, 480, 5055, 255};
inline constexpr TwipsRect kLabel12{6240, 960, 795, 435};  // yellow count
inline constexpr TwipsRect kLabel10{4560, 960, 795, 435};  // green count
inline constexpr TwipsRect kLabel8{2760, 960, 795, 435};   // blue count
inline constexpr TwipsRect kLabel6{960, 960, 795, 435};    // red count
inline constexpr TwipsRect kLabel4{7920, 1680, 1455, 195}; // total, never drawn (screen readers have it)
inline constexpr TwipsRect kLabel3{7080, 120, 2355, 570};  // "LEVEL UP"
inline constexpr TwipsRect kPts{120, 45, 4635, 375};

// The hidden holder of the tile pictures.
inline constexpr int kPicClientWidth = 2895;
inline constexpr int kPicClientHeight = 1440;

// Fonts by their design names (widgets/Fonts.h finds the free substitutes).
inline constexpr FontSpec kStatusFont{"MS Sans Serif", 9.75, QFont::Bold};  // the white strip
inline constexpr FontSpec kCountFont{"MS Sans Serif", 18, QFont::Bold};     // boxes of each colour
inline constexpr FontSpec kNextLevelFont{"Small Fonts", 6.75, QFont::Bold};
inline constexpr FontSpec kLevelUpFont{"Arial Black", 20.25, QFont::Black};
inline constexpr FontSpec kPointsFont{"Verdana", 18, QFont::Bold};

inline constexpr QColor kPointsColour{192, 64, 0};
inline constexpr QColor kLabelText{0, 0, 0};
inline constexpr QColor kFrame1Fill{255, 255, 255};

}  // namespace pelmora::layout
