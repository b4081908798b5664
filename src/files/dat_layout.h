// The layout of the settings text file as data: every section in file order with its keys,
// each bound to the settings-model field it holds and the form of its value. The writer
// and the reader walk the same table, so what one writes the other reads back.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/model_profile.h"
#include "model/settings_model.h"

namespace kol {

enum class DatValue {
  kFlag,         // "1"/"0"; reads a truth word or a number, keeps the field otherwise
  kLeadingFlag,  // "1"/"0"; reads the leading number of the text (none: clear)
  kTruthWord,    // "True"/"False"; reads like kFlag
  kInteger,      // decimal; reads a number rounded to the field's width, keeps otherwise
  kAbsInteger,   // written as its absolute value; reads like kInteger
  kText,         // as stored; read unchanged, absent or empty gives empty
  kHashText,     // "#" + text; reads like kText
  kFrequency,    // MHz, shortest decimal that reads back the same; keeps the field otherwise
};

using DatTarget = std::variant<bool*, std::int16_t*, std::int32_t*, std::string*, double*>;

struct DatField {
  std::string key;
  DatValue form;
  DatTarget target;
};

struct DatSection {
  std::string name;
  std::vector<DatField> fields;
};

// Channel plans are written one section per record: the prefix and the model's plan.
struct DatPlan {
  const char* prefix;  // "CHUSA", "CHINT", "CHCAN"
  int group;           // kGroup1..kGroup3
};
inline constexpr DatPlan kDatPlans[] = {{"CHUSA", kGroup1}, {"CHINT", kGroup2}, {"CHCAN", kGroup3}};

// The section of record `index` of a plan: "CHUSA0", "CHCAN239".
std::string PlanSectionName(const DatPlan& plan, std::size_t index);

// The sections before the channel plans: Usable CH Group Setup to ATIS Setup (ATIS only
// when the model has it).
std::vector<DatSection> SettingsSections(SettingsModel& model, const ModelProfile& profile);
// The keys of one channel record after its Position key.
std::vector<DatField> ChannelFields(ChannelRecord& record);
// The sections after the channel plans: weather (when the model has weather channels),
// individual directory, group directory and EXP channels.
std::vector<DatSection> TrailingSections(SettingsModel& model, const ModelProfile& profile);

}  // namespace kol
