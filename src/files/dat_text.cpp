#include "files/dat_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "files/dat_layout.h"
#include "files/value_text.h"
#include "model/number_text.h"

namespace kol {
namespace {

constexpr char kLineEnd[] = "\r\n";

// Shortest positional text that reads back to the same double: "156.05", "157.1", "0".
std::string FrequencyText(double mhz) {
  char text[512];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, mhz, std::chars_format::fixed);
  return ec == std::errc() ? std::string(text, end) : "0";
}

template <typename Int>
long long Magnitude(Int value) {
  return std::llabs(static_cast<long long>(value));
}

struct ValueWriter {
  DatValue form;
  std::string operator()(bool* value) const {
    if (form == DatValue::kTruthWord) return *value ? "True" : "False";
    return *value ? "1" : "0";
  }
  template <typename Int>
  std::string operator()(Int* value) const {
    return std::to_string(form == DatValue::kAbsInteger ? Magnitude(*value)
                                                        : static_cast<long long>(*value));
  }
  std::string operator()(std::string* value) const {
    return form == DatValue::kHashText ? "#" + *value : *value;
  }
  std::string operator()(double* value) const { return FrequencyText(*value); }
};

struct ValueReader {
  DatValue form;
  std::string_view text;
  void operator()(bool* value) const {
    if (form == DatValue::kLeadingFlag) {
      *value = LeadingNumber(text) != 0.0;
    } else if (const std::optional<bool> flag = ParseFlag(text)) {
      *value = *flag;
    }
  }
  template <typename Int>
  void operator()(Int* value) const {
    if (const std::optional<Int> number = ParseInteger<Int>(text)) *value = *number;
  }
  void operator()(std::string* value) const { *value = std::string(text); }
  void operator()(double* value) const {
    if (const std::optional<double> number = ParseNumber(text)) *value = *number;
  }
};

void WriteSection(std::string& out, std::string_view name, const std::vector<DatField>& fields) {
  out.append("[").append(name).append("]").append(kLineEnd);
  for (const DatField& field : fields) {
    out.append(field.key)
        .append("=")
        .append(std::visit(ValueWriter{field.form}, field.target))
        .append(kLineEnd);
  }
}

void ApplySection(const SectionTable& table, std::string_view name,
                  const std::vector<DatField>& fields) {
  for (const DatField& field : fields) {
    std::visit(ValueReader{field.form, table.LookupValue(name, field.key)}, field.target);
  }
}

void WritePlan(std::string& out, const DatPlan& plan, ChannelPlan& records) {
  for (std::size_t k = 0; k < records.size(); ++k) {
    const std::string name = PlanSectionName(plan, k);
    std::vector<DatField> fields = ChannelFields(records[k]);
    std::int16_t position = static_cast<std::int16_t>(k);
    fields.insert(fields.begin(), DatField{"Position", DatValue::kInteger, &position});
    WriteSection(out, name, fields);
  }
}

// Sections CHUSA0, CHUSA1, ... until one has no Position; each names the record it fills.
void ApplyPlan(const SectionTable& table, const DatPlan& plan, ChannelPlan& records) {
  for (std::size_t k = 0;; ++k) {
    const std::string name = PlanSectionName(plan, k);
    const std::string_view position = table.LookupValue(name, "Position");
    if (position.empty()) return;
    const double index = std::round(LeadingNumber(position));
    if (!(index >= 0 && index < static_cast<double>(records.size()))) continue;
    ChannelRecord& record = records[static_cast<std::size_t>(index)];
    record.position = static_cast<std::int16_t>(index);
    ApplySection(table, name, ChannelFields(record));
    if (!record.duplexAllowed) record.duplex = false;
  }
}

}  // namespace

std::string DatFieldText(const DatField& field) {
  const DatValue form = field.form == DatValue::kHashText ? DatValue::kText : field.form;
  return std::visit(ValueWriter{form}, field.target);
}

std::string FormatSettingsText(const SettingsModel& source, const ModelProfile& profile) {
  // The layout binds to mutable fields; the writer works on a copy and only reads it.
  SettingsModel model = source;
  std::string out;
  out.reserve(128 * 1024);
  std::string modelName = profile.modelName;
  std::string type = "KOL";
  std::string version = "1.00";
  std::int16_t modelType = profile.modelCode;
  WriteSection(out, "MAIN",
               {{"MODEL", DatValue::kHashText, &modelName},
                {"TYPE", DatValue::kHashText, &type},
                {"VERSION", DatValue::kHashText, &version},
                {"MODELTYPE", DatValue::kInteger, &modelType}});
  for (const DatSection& section : SettingsSections(model, profile)) {
    WriteSection(out, section.name, section.fields);
  }
  for (const DatPlan& plan : kDatPlans) WritePlan(out, plan, model.group[plan.group]);
  for (const DatSection& section : TrailingSections(model, profile)) {
    WriteSection(out, section.name, section.fields);
  }
  return out;
}

void ApplySettingsTable(const SectionTable& table, const ModelProfile& profile,
                        SettingsModel& model) {
  for (const DatSection& section : SettingsSections(model, profile)) {
    ApplySection(table, section.name, section.fields);
  }
  for (const DatPlan& plan : kDatPlans) ApplyPlan(table, plan, model.group[plan.group]);
  for (const DatSection& section : TrailingSections(model, profile)) {
    ApplySection(table, section.name, section.fields);
  }
}

}  // namespace kol
