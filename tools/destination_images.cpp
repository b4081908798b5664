// Build-time tool: writes the destination default images (USA_0CE4.ini, INTL_0CE4.ini,
// CAN_0CE4.ini) into the folder named on its command line.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>

#include "files/atomic_file.h"
#include "files/destinations.h"
#include "link/memory_plan.h"
#include "model/destination_image.h"
#include "model/image_map.h"
#include "model/model_profile.h"
#include "model/settings_model.h"

namespace {

struct Destination {
  const char* name;
  int group;
};
constexpr Destination kDestinations[] = {
    {"USA", kol::kGroup1}, {"INTL", kol::kGroup2}, {"CAN", kol::kGroup3}};

// Programming sends the product code's bytes with the block around them, so an image
// that starts a new document must hold the radio's own there, not the factory's 0xFF.
kol::RadioImage ShippedImage(int group) {
  kol::RadioImage image = kol::MakeDestinationImage(group);
  std::copy(kol::memory_plan::kProductCode.begin(), kol::memory_plan::kProductCode.end(),
            image.Bytes().begin() + kol::image_map::kProductCode);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: destination_images FOLDER\n";
    return 2;
  }
  const kol::ModelProfile profile;
  for (const Destination& destination : kDestinations) {
    const kol::RadioImage image = ShippedImage(destination.group);
    const auto bytes = image.Bytes();
    const std::filesystem::path file =
        std::filesystem::path(argv[1]) / kol::DestinationFileName(destination.name, profile);
    std::string error;
    if (!kol::WriteFileAtomically(
            file.string(),
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &error)) {
      std::cerr << file.string() << ": " << error << '\n';
      return 1;
    }
  }
  return 0;
}
