// The selected radio model: its code, name, capability flags and image geometry, as the
// model list and the built-in model give them.
#pragma once

#include <cstdint>
#include <string>

#include "model/radio_image.h"

namespace kol {

inline constexpr int kBuiltInModelCode = 1;
inline constexpr int kBuiltInModelIdentifier = 3300;  // 0x0CE4, at both ends of the image
inline constexpr const char* kBuiltInModelName = "LZ3300T";

struct ModelProfile {
  std::int16_t modelCode = kBuiltInModelCode;
  std::string modelName = kBuiltInModelName;
  bool atis = false;          // "atis" of global.ini
  bool weather = false;       // "wx": weather channels
  bool weatherAlert = false;  // "wa": weather alert setting
  std::int32_t imageUpperBound = kDefaultImageUpperBound;
  std::int16_t modelIdentifier = kBuiltInModelIdentifier;
  std::string programFolder;  // where global.ini and the destination images are looked up

  bool IsBuiltIn() const { return modelCode == kBuiltInModelCode; }
  // "PC Program for " + model name: the main window's title and every message box's.
  std::string WindowTitle() const { return "PC Program for " + modelName; }
};

// Model name for a model code: "LZ3300T" for 1, "Unknown model" otherwise.
std::string ModelNameFor(int modelCode);

}  // namespace kol
