// The table that finds a setting of the settings file in the window: every setting a page
// shows has a row, and every row names a node of the real tree whose page holds the control.
#include <QStackedWidget>
#include <QTabWidget>

#include <set>

#include "editor/setting_places.h"
#include "editor_rig.h"
#include "files/dat_layout.h"
#include "model/default_document.h"

namespace kol::test {
namespace {

using editor::Numbering;
using editor::PlaceOfSetting;
using editor::SettingPlace;
using editor::SettingRow;
using editor::SettingRows;

// Every section and key the settings file writes for a model with everything.
std::vector<std::pair<std::string, std::string>> FileSettings() {
  ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  SettingsModel model;
  RadioImage image;
  BuildNewDocument(model, image, profile);
  std::vector<std::pair<std::string, std::string>> settings;
  auto add = [&settings](const std::string& section, const std::vector<DatField>& fields) {
    for (const DatField& field : fields) settings.emplace_back(section, field.key);
  };
  for (const DatSection& section : SettingsSections(model, profile)) add(section.name, section.fields);
  for (const DatPlan& plan : kDatPlans) {
    ChannelPlan& records = model.group[plan.group];
    for (std::size_t k = 0; k < records.size(); ++k) add(PlanSectionName(plan, k), ChannelFields(records[k]));
  }
  for (const DatSection& section : TrailingSections(model, profile)) add(section.name, section.fields);
  return settings;
}

// What the window offers no control for: the auto-position settings, the EXP group's
// priority channel, BeepOut7, and the "A" mark of a plan channel's number.
bool ShownByNoPage(const std::string& section, const std::string& key) {
  return section == "DSC Setup (AutoPos Setup)" || key == "Priority CH 3" || key == "BeepOut7" ||
         key == "DispayA";
}

TEST(SettingPlaces, EverySettingAPageShowsHasItsPlace) {
  std::set<std::string> missing;
  std::set<std::string> unexpected;
  for (const auto& [section, key] : FileSettings()) {
    const bool placed = PlaceOfSetting(section, key).has_value();
    if (!placed && !ShownByNoPage(section, key)) missing.insert(section + "/" + key);
    if (placed && ShownByNoPage(section, key)) unexpected.insert(section + "/" + key);
  }
  EXPECT_TRUE(missing.empty()) << *missing.begin();
  EXPECT_TRUE(unexpected.empty()) << *unexpected.begin();

  const std::pair<const char*, std::optional<SettingPlace>> cases[] = {
      {"CHEXP40", SettingPlace{"E 40", "txtCRF"}},
      {"CHWX7", SettingPlace{"PW", "chkDEnable_7"}},
      {"CHEXP41", std::nullopt},
      {"CHEXP", std::nullopt},
      {"CHEXP-1", std::nullopt},
      {"CHEXP1x", std::nullopt},
  };
  for (const auto& [section, place] : cases) {
    const char* key = std::string_view(section).starts_with("CHWX") ? "Enable" : "Rxfreq";
    EXPECT_EQ(PlaceOfSetting(section, key), place) << section;
  }
}

class SettingPlacesWindowTest : public EditorRig {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
  }
};

TEST_F(SettingPlacesWindowTest, EveryRowNamesANodeWhosePageHoldsTheControl) {
  window->Controller().Edit({"Usable", {}}, [](SettingsModel& model) {
    for (UsableGroup& group : model.usable.group) group.usable = true;
  });
  for (const SettingRow& row : SettingRows()) {
    std::vector<std::string> sections = {row.section};
    if (row.numbering != Numbering::kNone) {
      sections = {row.section + std::to_string(row.first), row.section + std::to_string(row.last)};
    }
    for (const std::string& section : sections) {
      SCOPED_TRACE(section + "/" + row.key);
      const std::optional<SettingPlace> place = PlaceOfSetting(section, row.key);
      ASSERT_TRUE(place.has_value());
      ClickNode(place->node);
      ASSERT_EQ(SelectedKey(), place->node);
      auto* page = Find<QStackedWidget>("pageStack")->currentWidget();
      EXPECT_NE(page->findChild<QWidget*>(QString::fromStdString(place->control)), nullptr)
          << place->node << " " << place->control;
    }
  }
}

// A refused programming shows the first finding's control, on its tab of the page.
TEST_F(SettingPlacesWindowTest, TheCheckBeforeProgrammingShowsTheFindingsTabAndControl) {
  ClickNode("DSC");
  Find<QTabWidget>("tbsDSC_USER")->setCurrentIndex(1);
  document.model.dscBasic.userMmsi = "36612345X";
  prompts.messages.answers = {MessageButton::kNo};
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(SelectedKey(), "DSC");
  EXPECT_EQ(Find<QTabWidget>("tbsDSC_USER")->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("txtUserMMSI"));

  // A setting without a place is named by its section, and the page stays.
  document.model.dscBasic.userMmsi.clear();
  document.model.autoPos.slot[1].channel = "CH16";
  prompts.messages.shown.clear();
  prompts.messages.answers = {MessageButton::kNo};
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_NE(prompts.messages.shown[0].text.find("[DSC Setup (AutoPos Setup)], CHANNEL1: "),
            std::string::npos)
      << prompts.messages.shown[0].text;
  EXPECT_EQ(SelectedKey(), "DSC");
}

}  // namespace
}  // namespace kol::test
