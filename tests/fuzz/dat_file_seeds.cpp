// Writes whole settings files into a folder, as seeds for the settings-file fuzz target:
// the file of every destination for both models, and for both a file in which every value
// the file holds is changed. Each file gets the length that picks its model.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "files/dat_layout.h"
#include "files/dat_text.h"
#include "fuzz/dat_documents.h"

namespace {

namespace fs = std::filesystem;

// Moves a value away from what it was: a flag flips, a number goes one up, a text becomes
// digits (as MMSIs, channel numbers and status names take them), a frequency a channel's.
struct Change {
  void operator()(bool* value) const { *value = !*value; }
  void operator()(std::int16_t* value) const { ++*value; }
  void operator()(std::int32_t* value) const { ++*value; }
  void operator()(std::string* value) const { *value = value->empty() ? "211234567" : "12"; }
  void operator()(double* value) const { *value = *value == 0 ? 156.025 : *value + 0.025; }
};

void ChangeFields(const std::vector<kol::DatField>& fields) {
  for (const kol::DatField& field : fields) std::visit(Change{}, field.target);
}

void ChangeEverything(kol::Document& document) {
  kol::SettingsModel& model = document.model;
  for (const kol::DatSection& section : kol::SettingsSections(model, document.profile)) {
    ChangeFields(section.fields);
  }
  for (const kol::DatPlan& plan : kol::kDatPlans) {
    for (kol::ChannelRecord& record : model.group[plan.group]) {
      ChangeFields(kol::ChannelFields(record));
    }
  }
  for (const kol::DatSection& section : kol::TrailingSections(model, document.profile)) {
    ChangeFields(section.fields);
  }
}

bool Write(const fs::path& folder, const std::string& name, const kol::Document& document,
           bool everything) {
  std::string text = kol::FormatSettingsText(document.model, document.profile);
  if (kol::fuzz::ForEverything(text.size()) != everything) text += "\r";  // one more line end
  std::ofstream out(folder / name, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1];
  fs::create_directories(folder);
  constexpr const char* kDestinations[] = {"usa", "intl", "can"};
  bool written = true;
  for (const bool everything : {false, true}) {
    const std::string model = everything ? "-everything" : "-plain";
    for (int group = kol::kGroup1; group <= kol::kGroup3; ++group) {
      const kol::Document document = kol::fuzz::DestinationDocument(group, everything);
      written = Write(folder, kDestinations[group] + model + ".dat", document, everything) && written;
    }
    kol::Document changed = kol::fuzz::DestinationDocument(kol::kGroup1, everything);
    ChangeEverything(changed);
    written = Write(folder, "every-value-changed" + model + ".dat", changed, everything) && written;
  }
  return written ? 0 : 1;
}
