// The Windows icon file of the program: the four-squares picture at 16, 24, 32
// and 48 px in 4, 8 and 32 bits per pixel, and at 256 px stored as PNG in the
// same three depths: fifteen images.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> MakeIconFile();
