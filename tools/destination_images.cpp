// Build-time tool: writes the destination default images (USA_0CE4.ini, INTL_0CE4.ini,
// CAN_0CE4.ini) into the folder named on its command line.
#include <filesystem>
#include <iostream>
#include <string>

#include "files/atomic_file.h"
#include "files/destinations.h"
#include "model/destination_image.h"
#include "model/model_profile.h"
#include "model/settings_model.h"

namespace {

struct Destination {
  const char* name;
  int group;
};
constexpr Destination kDestinations[] = {
    {"USA", kol::kGroup1}, {"INTL", kol::kGroup2}, {"CAN", kol::kGroup3}};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: destination_images FOLDER\n";
    return 2;
  }
  const kol::ModelProfile profile;
  for (const Destination& destination : kDestinations) {
    const kol::RadioImage image = kol::MakeDestinationImage(destination.group);
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
