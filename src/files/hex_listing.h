// The image as a hex listing for the debug view: two heading lines, then one line per 16
// bytes with the address, every byte as two upper-case hex digits under its column.
#pragma once

#include <string>
#include <vector>

#include "model/radio_image.h"

namespace kol {

// "      00 01 ... 0F", " ---- -- ...", then " 0000: FF FF ..." up to the image's last line.
std::vector<std::string> HexListing(const RadioImage& image);

}  // namespace kol
