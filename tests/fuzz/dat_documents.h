// The documents the settings-file fuzz target opens files onto: a new document of a
// destination, for a model with and without the weather channels, ATIS and weather alert
// (a file holds sections for them only when the model has them). The input's length picks
// the model, so that each input is tried on one.
#pragma once

#include <cstddef>

#include "model/default_document.h"
#include "model/destination_image.h"
#include "model/document.h"
#include "model/image_codec.h"

namespace kol::fuzz {

inline Document DestinationDocument(int group, bool everything) {
  Document document;
  document.profile.atis = everything;
  document.profile.weather = everything;
  document.profile.weatherAlert = everything;
  BuildNewDocument(document.model, document.image, document.profile);
  document.image = MakeDestinationImage(group);
  DecodeImage(document.image, document.profile, document.model);
  return document;
}

// Whether an input of `size` bytes is tried on the model with everything.
inline bool ForEverything(std::size_t size) { return size % 2 == 0; }

}  // namespace kol::fuzz
