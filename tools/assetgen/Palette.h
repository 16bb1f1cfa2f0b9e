// Every colour the game's pictures are drawn with, in one place.
#pragma once

#include "Colour.h"

namespace pelmora::assetgen::palette {

// The four box colours; the game calls the violet one "blue".
inline constexpr Rgb kRed{221, 87, 64};
inline constexpr Rgb kYellow{221, 223, 71};
inline constexpr Rgb kGreen{75, 217, 56};
inline constexpr Rgb kViolet{203, 56, 217};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// Rings of the highlight frame around a selected box, outermost first.
inline constexpr Rgb kFrameLavenderGrey{151, 150, 196};
inline constexpr Rgb kFrameWhite{255, 255, 255};
inline constexpr Rgb kFrameLightLavender{184, 184, 219};
inline constexpr Rgb kFrameDarkNavy{32, 32, 93};
inline constexpr Rgb kFrameVeryDarkNavy{6, 6, 43};

// Background bands, top to bottom.
inline constexpr Rgb kTileOrange{255, 185, 40};
inline constexpr Rgb kTileJoint{210, 148, 18};
inline constexpr Rgb kTileLitEdge{255, 220, 120};
inline constexpr Rgb kTileShadedEdge{226, 154, 24};
inline constexpr Rgb kNavyLine{10, 12, 40};
inline constexpr Rgb kLegendBandTop{40, 111, 180};
inline constexpr Rgb kLegendBandBottom{154, 193, 229};
inline constexpr Rgb kLegendBandGlow{238, 245, 253};
inline constexpr Rgb kNavyFadeStart{22, 26, 70};

// Lines between the boxes of the icon.
inline constexpr Rgb kIconGrid{148, 148, 156};

}  // namespace pelmora::assetgen::palette
