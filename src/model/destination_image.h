// The default images shipped beside the program, one per destination: a new document of
// the built-in model set up as a ready radio whose own channel group is the one in use.
#pragma once

#include "model/radio_image.h"

namespace kol {

// The image of a destination whose channel group is `group` (kGroup1 USA, kGroup2
// International, kGroup3 Canada): every setting the editor shows holds one of its offered
// values, that group alone is usable and is the radio's operating group, and the radio's
// product code stands where the radio keeps it.
RadioImage MakeDestinationImage(int group);

}  // namespace kol
