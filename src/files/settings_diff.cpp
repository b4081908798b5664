#include "files/settings_diff.h"

#include <cstdio>

#include "files/dat_layout.h"
#include "files/dat_text.h"
#include "link/memory_plan.h"
#include "model/image_codec.h"
#include "model/setting_captions.h"

namespace kol {
namespace {

const void* Address(const DatTarget& target) {
  return std::visit([](auto* field) -> const void* { return field; }, target);
}

class Comparer {
 public:
  Comparer(const Document& a, const Document& b)
      : profile_(a.profile), a_(a.model), b_(b.model), captions_(SettingCaptions(a_)) {}

  std::vector<SettingDifference> Settings() {
    Sections(SettingsSections(a_, profile_), SettingsSections(b_, profile_));
    for (const DatPlan& plan : kDatPlans) {
      ChannelPlan& a = a_.group[plan.group];
      ChannelPlan& b = b_.group[plan.group];
      for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        Fields(PlanSectionName(plan, i), ChannelFields(a[i]), ChannelFields(b[i]));
      }
    }
    Sections(TrailingSections(a_, profile_), TrailingSections(b_, profile_));
    return std::move(differences_);
  }

 private:
  void Sections(const std::vector<DatSection>& a, const std::vector<DatSection>& b) {
    for (std::size_t s = 0; s < a.size() && s < b.size(); ++s) Fields(a[s].name, a[s].fields, b[s].fields);
  }

  void Fields(const std::string& section, const std::vector<DatField>& a,
              const std::vector<DatField>& b) {
    for (std::size_t f = 0; f < a.size() && f < b.size(); ++f) {
      std::string left = DatFieldText(a[f]);
      std::string right = DatFieldText(b[f]);
      if (left == right) continue;
      const auto caption = captions_.find(Address(a[f].target));
      differences_.push_back({section, a[f].key,
                              caption == captions_.end() ? std::string() : caption->second,
                              std::move(left), std::move(right)});
    }
  }

  const ModelProfile& profile_;
  SettingsModel a_;
  SettingsModel b_;
  std::map<const void*, std::string> captions_;
  std::vector<SettingDifference> differences_;
};

// The settings of `model` encoded and prepared over `image`, as programming sends them.
RadioImage Prepared(SettingsModel model, const ModelProfile& profile, RadioImage image) {
  EncodeImage(model, profile, image);
  PrepareForProgramming(model, image);
  return image;
}

}  // namespace

DocumentDifferences CompareDocuments(const Document& a, const Document& b) {
  DocumentDifferences differences;
  differences.settings = Comparer(a, b).Settings();
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
