#include "model/setup_rules.h"

#include <utility>

#include "model/field_limits.h"
#include "model/image_map.h"

namespace kol {
namespace {

constexpr int kPlanGroupCount = 3;
constexpr int kSlotsPerCall = 8;
constexpr int kTxSlots = 4;

}  // namespace

void SetGroupUsable(UsableSetup& usable, int group, bool on) {
  usable.group.at(static_cast<std::size_t>(group)).usable = on;
  if (!on && group < kPlanGroupCount) usable.expChGroup.at(static_cast<std::size_t>(group)) = false;
}

std::string CommittedStatusName(std::string_view trimmed) {
  return std::string(trimmed.substr(0, field_limits::kStatusName));
}

std::string BracketedStatusName(std::string_view statusName) {
  return statusName.empty() ? std::string() : "[" + std::string(statusName) + "]";
}

std::string GroupBoxCaption(int group, std::string_view statusName) {
  const std::string base = group == kExpGroup ? "EXP CH Group" : "Group" + std::to_string(group + 1);
  return base + BracketedStatusName(statusName);
}

std::vector<options::Item> ChannelNoItems(const SettingsModel& model, const RadioImage& image) {
  const int group = image[image_map::kOperatingGroup];
  if (group >= kPlanGroupCount || !image.ReadBool8(image_map::kUsableFlags + group)) return {};
  return options::EnabledChannelItems(model.group[static_cast<std::size_t>(group)]);
}

int AdvancedSlot(CallType call, bool tx, CallCategory category) {
  return kSlotsPerCall * call + (tx ? kTxSlots : 0) + category;
}

const bool& AdvancedFlag(const DscAdvancedSetup& advanced, int slot) {
  const CallTypeFlags& call = advanced.call.at(static_cast<std::size_t>(slot / kSlotsPerCall));
  const int within = slot % kSlotsPerCall;
  return within < kTxSlots ? call.receive.at(static_cast<std::size_t>(within))
                           : call.tx.at(static_cast<std::size_t>(within - kTxSlots));
}

bool& AdvancedFlag(DscAdvancedSetup& advanced, int slot) {
  return const_cast<bool&>(AdvancedFlag(std::as_const(advanced), slot));
}

bool HasRequiredLength(std::string_view trimmed, std::size_t length) {
  return trimmed.empty() || trimmed.size() == length;
}

}  // namespace kol
