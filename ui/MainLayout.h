// Where everything sits on the main window, in twips from the top-left
// corner of its client area (labels in Frame1 from the frame's corner).
#pragma once

namespace pelmora::layout {

struct Place {
    int left, top, width, height;
};

inline constexpr int kClientWidth = 9495;
inline constexpr int kClientHeight = 7290;

inline constexpr Place kFrame1{0, 6840, 9495, 495};
inline constexpr Place kNull{2160, 120, 1770, 240};   // "Selection Value: "
inline constexpr Place kSelPts{3960, 120, 1755, 240};
inline constexpr Place kNull2{120, 120, 1770, 300};   // "Current Level: "
inline constexpr Place kLvl{1560, 120, 525, 300};
inline constexpr Place kNmmc{7080, 150, 2115, 240};
inline constexpr Place kNull3{5820, 150, 1275, 240};  // "Reset Cost:"
inline constexpr Place kDest{120, 1680, 9255, 5250};
inline constexpr Place kImage5{5640, 960, 465, 450};  // yellow legend
inline constexpr Place kImage4{3960, 960, 465, 450};  // green legend
inline constexpr Place kImage3{2160, 960, 435, 450};  // blue legend
inline constexpr Place kImage2{360, 960, 465, 450};   // red legend
inline constexpr Place kNextLevel{0, 480, 5055, 255};
inline constexpr Place kLabel12{6240, 960, 795, 435};  // yellow count
inline constexpr Place kLabel10{4560, 960, 795, 435};  // green count
inline constexpr Place kLabel8{2760, 960, 795, 435};   // blue count
inline constexpr Place kLabel6{960, 960, 795, 435};    // red count
inline constexpr Place kLabel4{7920, 1680, 1455, 195}; // total, never shown
inline constexpr Place kLabel3{7080, 120, 2355, 570};  // "LEVEL UP"
inline constexpr Place kPts{120, 45, 4635, 375};

// The hidden holder of the tile pictures.
inline constexpr int kPicClientWidth = 2895;
inline constexpr int kPicClientHeight = 1440;

}  // namespace pelmora::layout
