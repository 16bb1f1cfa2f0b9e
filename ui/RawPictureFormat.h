// The raw form in which the build compiles in the pictures shown at start
// (assets/rawpicture.cpp writes it, ui/Pictures reads it): a header of four
// native-endian 32-bit words (kRawMagic, width, height, 0), then the pixels
// as QImage::Format_RGB32, row after row with no padding. The program
// paints straight from its own read-only data: no decoding, no copy.
#pragma once

#include <cstdint>

namespace pelmora::raw {

inline constexpr std::uint32_t kMagic = 0x57524c50;  // "PLRW"
inline constexpr int kHeaderWords = 4;
inline constexpr int kHeaderBytes = kHeaderWords * 4;
inline constexpr int kBytesPerPixel = 4;
inline constexpr std::uint32_t kLargestSide = 4096;

}  // namespace pelmora::raw
