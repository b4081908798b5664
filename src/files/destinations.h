// Destinations: regional variants of a model, each a default image file beside the
// program. Listing them, loading one into the document, and the destination menu's change.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/file_host.h"
#include "model/document.h"

namespace kol {

inline constexpr int kMaxDestinations = 10;

// The plain words of "IniFileRead Error!!".
inline constexpr char kDestinationMissing[] =
    "The default settings of this destination are missing, or the file is not an image of "
    "this radio.";

// "_" + the model identifier in four upper-case hex digits for the built-in model
// ("_0CE4"); empty for any other model.
std::string ModelTag(const ModelProfile& profile);

// The names of the destination files of the model in the first data folder that has any:
// the part of each file name before the first "_", upper-cased; at most ten, by file name.
std::vector<std::string> ListDestinations(const ModelProfile& profile);

// The image file of a destination: its name upper-cased, without a trailing "-M", then the
// model tag and ".ini" ("CAN-M" -> "CAN_0CE4.ini").
std::string DestinationFileName(std::string_view name, const ModelProfile& profile);

// Loads an image file of exactly the image's size whose identifier reads the model's at
// both ends into the document and decodes it. False, with the document untouched, otherwise.
bool LoadImageFile(const std::string& path, Document& document, FileHost& host);

// Loads the destination `name` (one of ListDestinations, in any case). On success it
// becomes the document's destination and the one remembered for the model; on failure
// "IniFileRead Error!!" is shown and the document keeps its image and destination.
bool LoadDestination(std::string_view name, Document& document, FileHost& host);

// The destination menu: asks whether to change to `name`, then loads it.
bool ChangeDestination(std::string_view name, Document& document, FileHost& host);

}  // namespace kol
