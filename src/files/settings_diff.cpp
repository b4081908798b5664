#include "files/settings_diff.h"

#include <algorithm>
#include <cstdio>

#include "files/dat_layout.h"
#include "files/dat_text.h"
#include "link/memory_plan.h"
#include "model/field_limits.h"
#include "model/image_codec.h"
#include "model/setting_captions.h"

namespace kol {
namespace {

const void* Address(const DatTarget& target) {
  return std::visit([](auto* field) -> const void* { return field; }, target);
}

// One key of the settings file: its section and the field it holds in a model.
struct Slot {
  std::string section;
  DatField field;
};

// Every key of the settings file, bound to `model`, in file order.
std::vector<Slot> Slots(SettingsModel& model, const ModelProfile& profile) {
  std::vector<Slot> slots;
  const auto add = [&](const std::vector<DatSection>& sections) {
    for (const DatSection& section : sections) {
      for (const DatField& field : section.fields) slots.push_back({section.name, field});
    }
  };
  add(SettingsSections(model, profile));
  for (const DatPlan& plan : kDatPlans) {
    ChannelPlan& records = model.group[plan.group];
    for (std::size_t i = 0; i < records.size(); ++i) {
      for (const DatField& field : ChannelFields(records[i])) {
        slots.push_back({PlanSectionName(plan, i), field});
      }
    }
  }
  add(TrailingSections(model, profile));
  return slots;
}

// The settings of `model` encoded and prepared over `image`, as programming sends them.
RadioImage Prepared(SettingsModel model, const ModelProfile& profile, RadioImage image) {
  EncodeImage(model, profile, image);
  PrepareForProgramming(model, image);
  return image;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One value written two ways that the radio holds alike: with or without trailing blanks
// (a name), nine digits or the same with the radio's pad digit after them (an MMSI typed
// in the window and one read from the radio).
bool SameValue(std::string_view a, std::string_view b) {
  a = a.substr(0, a.find_last_not_of(' ') + 1);
  b = b.substr(0, b.find_last_not_of(' ') + 1);
  if (a == b) return true;
  constexpr std::size_t kTyped = field_limits::kUserMmsiTyped;
  if (a.size() > b.size()) std::swap(a, b);
  return a.size() == kTyped && b.size() == kTyped + 1 && b.back() == '0' && b.starts_with(a) &&
         AllDigits(b);
}

// The settings whose values differ, each named by its section and key.
std::vector<SettingDifference> DifferentSettings(const Document& a, const Document& b) {
  SettingsModel modelA = a.model;
  SettingsModel modelB = b.model;
  const std::map<const void*, std::string> captions = SettingCaptions(modelA);
  const std::vector<Slot> slotsA = Slots(modelA, a.profile);
  const std::vector<Slot> slotsB = Slots(modelB, a.profile);
  std::vector<SettingDifference> differences;
  for (std::size_t i = 0; i < slotsA.size() && i < slotsB.size(); ++i) {
    std::string left = DatFieldText(slotsA[i].field);
    std::string right = DatFieldText(slotsB[i].field);
    if (SameValue(left, right)) continue;
    const auto caption = captions.find(Address(slotsA[i].field.target));
    differences.push_back({slotsA[i].section, slotsA[i].field.key,
                           caption == captions.end() ? std::string() : caption->second,
                           std::move(left), std::move(right)});
  }
  return differences;
}

}  // namespace

DocumentDifferences CompareDocuments(const Document& a, const Document& b) {
  DocumentDifferences differences;
  differences.settings = DifferentSettings(a, b);
  // The same settings over either image: what differs then is what the images hold beyond
  // the settings.
  const RadioImage overA = Prepared(a.model, a.profile, a.image);
  const RadioImage overB = Prepared(a.model, a.profile, b.image);
  int from = 0;
  while (const std::optional<int> at =
             memory_plan::FirstProgrammedDifference(overA.Bytes(), overB.Bytes(), from)) {
    if (!differences.firstOtherByte) differences.firstOtherByte = *at;
    ++differences.otherBytes;
    from = *at + 1;
  }
  return differences;
}

}  // namespace kol

namespace kol {

std::string OtherBytesText(const DocumentDifferences& differences) {
  const int count = differences.otherBytes;
  if (count == 0 || !differences.firstOtherByte) return {};
  char first[8];
  std::snprintf(first, sizeof first, "%04X", *differences.firstOtherByte);
  return std::to_string(count) + (count == 1 ? " byte" : " bytes") +
         " that programming writes and no setting holds " + (count == 1 ? "differs" : "differ") +
         ", the first at 0x" + first;
}

}  // namespace kol
