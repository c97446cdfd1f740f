// A minimal PNG writer with no library behind it: stored (uncompressed)
// deflate blocks, which every reader takes. For icons and test output.
#pragma once

#include <cstdint>
#include <vector>

namespace png {

// 8-bit RGB from 0x00RRGGBB pixels.
std::vector<std::uint8_t> EncodeRgb(int width, int height, const std::uint32_t* pixels);
// 8-bit RGBA from 0xAARRGGBB pixels.
std::vector<std::uint8_t> EncodeRgba(int width, int height, const std::uint32_t* pixels);
// Palette image of bit depth 4 or 8: one palette index a pixel, palette as 0x00RRGGBB.
std::vector<std::uint8_t> EncodeIndexed(int width, int height, const std::vector<std::uint8_t>& indices,
                                        const std::vector<std::uint32_t>& palette, int bitDepth);

}  // namespace png
