// Transfer > Compare with Radio: the radio is read into a copy, the document stays as it
// is, and a list shows each setting in which the two differ: what programming would change.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <variant>

#include "editor/dialogs/compare_dialog.h"
#include "editor/dialogs/transfer_dialog.h"
#include "editor/setting_places.h"
#include "editor_rig.h"
#include "files/dat_layout.h"
#include "model/default_document.h"
#include "model/image_map.h"
#include "model/setting_captions.h"

namespace kol::test {
namespace {

constexpr char kRadioMmsi[] = "366123450";

// A USA radio with its own MMSI: the fresh document differs from it in that alone.
std::vector<std::uint8_t> RadioMemory() {
  RadioImage image = MakeDestinationImage(kGroup1);
  image.WriteBcd10(image_map::kUserMmsi, kRadioMmsi, true);
  image[image_map::kUserMmsiPresent] = 1;
  return {image.Bytes().begin(), image.Bytes().end()};
}

class CompareWithRadioTest : public EditorRig {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    radio = RadioSimulator({}, RadioMemory());
    ASSERT_TRUE(StartWindow());
  }

  // Runs `act` on the modal dialog of type T as soon as one is open (the transfer dialog
  // lets events run while it reads, so the list opens some turns later).
  template <typename T>
  void WhenOpen(std::function<void(T&)> act) {
    auto* poll = new QTimer(window.get());
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, window.get(), [poll, act] {
      auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll->deleteLater();
      poll->stop();
      act(*dialog);
    });
    poll->start();
  }

  // Compare with Radio, as a user runs it: OK in the transfer dialog, then `onList` on the
  // list of differences (closed afterwards unless it closed itself).
  void Compare(const std::function<void(editor::CompareDialog&)>& onList) {
    WhenOpen<editor::TransferDialog>([this, onList](editor::TransferDialog& transfer) {
      WhenOpen<editor::CompareDialog>([onList](editor::CompareDialog& list) {
        onList(list);
        if (list.isVisible()) list.reject();
      });
      QTest::mouseClick(transfer.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Command("mnuTransferCompare");
  }

  static std::vector<std::vector<std::string>> Rows(const editor::CompareDialog& list) {
    std::vector<std::vector<std::string>> rows;
    const auto* tree = list.findChild<QTreeWidget*>("lvwCompare");
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
      std::vector<std::string> row;
      for (int c = 0; c < tree->columnCount(); ++c) row.push_back(tree->topLevelItem(r)->text(c).toStdString());
      rows.push_back(row);
    }
    return rows;
  }
};

TEST_F(CompareWithRadioTest, ListsWhatProgrammingWouldChangeAndLeavesTheDocumentAsItIs) {
  EditDocument([](SettingsModel& m) { m.dscBasic.userMmsi = "366999999"; });
  const SettingsModel edited = document.model;
  std::vector<std::vector<std::string>> rows;
  std::string heading;
  Compare([&](editor::CompareDialog& list) {
    rows = Rows(list);
    heading = list.findChild<QLabel*>("lblCompare")->text().toStdString();
  });
  EXPECT_EQ(heading, "1 setting differs between this document and the radio on /dev/ttyS0; "
                     "programming would change it.");
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                      {JoinCaption({"DSC Setup", "Basic Setup", "UserMMSI"}), "366999999",
                       std::string(kRadioMmsi) + "0", "[DSC Setup (Basic Setup)] User MMSI"}}));
  EXPECT_EQ(document.model, edited);
  EXPECT_TRUE(Changed());
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Complete!!"}));
  // The bytes read are kept, as every read keeps them.
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("user-data/backups")));
}

// A double click on a difference, or Return on it, shows the setting's page with its
// control in focus, as the window's table of places has it.
TEST_F(CompareWithRadioTest, ADoubleClickOrReturnShowsTheSettingsPageAndField) {
  EditDocument([](SettingsModel& m) {
    m.dscBasic.userMmsi = "366999999";
    m.common.scan = !m.common.scan;
  });
  using Choose = std::function<void(QTreeWidget&, QTreeWidgetItem&)>;
  const std::pair<const char*, Choose> ways[] = {
      {"double click",
       [](QTreeWidget& tree, QTreeWidgetItem& row) {
         const QPoint at = tree.visualItemRect(&row).center();
         QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
         QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
       }},
      {"keys",
       [](QTreeWidget& tree, QTreeWidgetItem&) {
         tree.setFocus();
         QTest::keyClick(&tree, Qt::Key_Down);
         QTest::keyClick(&tree, Qt::Key_Return);
       }},
  };
  for (const auto& [way, choose] : ways) {
    SCOPED_TRACE(way);
    ClickNode("General");
    Compare([&choose](editor::CompareDialog& list) {
      auto* tree = list.findChild<QTreeWidget*>("lvwCompare");
      ASSERT_EQ(tree->topLevelItemCount(), 2);
      QTreeWidgetItem* mmsi = tree->topLevelItem(1);  // in settings-file order: Common first
      ASSERT_EQ(mmsi->text(3).toStdString(), "[DSC Setup (Basic Setup)] User MMSI");
      choose(*tree, *mmsi);
    });
    EXPECT_EQ(SelectedKey(), "DSC");
    // The window's focus, which it has again once the list has closed.
    EXPECT_EQ(window->focusWidget(), Find<QWidget>("txtUserMMSI"));
  }
}

TEST_F(CompareWithRadioTest, ARadioThatHoldsTheDocumentHasNothingToList) {
  // The page takes the MMSI's nine digits; the radio reports ten, the pad digit last.
  EditDocument([](SettingsModel& m) { m.dscBasic.userMmsi = kRadioMmsi; });
  std::string heading;
  bool listShown = true;
  Compare([&](editor::CompareDialog& list) {
    heading = list.findChild<QLabel*>("lblCompare")->text().toStdString();
    listShown = list.findChild<QTreeWidget*>("lvwCompare")->isVisibleTo(&list);
    EXPECT_FALSE(list.findChild<QPushButton*>("cmdShow")->isEnabled());
  });
  EXPECT_EQ(heading, "The radio on /dev/ttyS0 holds every setting as this document says.");
  EXPECT_FALSE(listShown);
}

// The core's captions (the command line's names) and the window's table of places name the
// same settings: a setting has a caption exactly when the window has a control for it.
TEST(SettingCaptionsTest, NameExactlyTheSettingsTheWindowShows) {
  Document document;
  document.profile.atis = document.profile.weather = document.profile.weatherAlert = true;
  BuildNewDocument(document.model, document.image, document.profile);
  SettingsModel& model = document.model;
  const std::map<const void*, std::string> captions = SettingCaptions(model);
  std::vector<DatSection> sections = SettingsSections(model, document.profile);
  for (const DatPlan& plan : kDatPlans) {
    for (std::size_t i = 0; i < model.group[plan.group].size(); ++i) {
      sections.push_back({PlanSectionName(plan, i), ChannelFields(model.group[plan.group][i])});
    }
  }
  for (DatSection& section : TrailingSections(model, document.profile)) sections.push_back(section);
  int shown = 0;
  for (const DatSection& section : sections) {
    for (const DatField& field : section.fields) {
      const void* address = std::visit([](auto* f) -> const void* { return f; }, field.target);
      const bool captioned = captions.count(address) > 0;
      EXPECT_EQ(captioned, editor::PlaceOfSetting(section.name, field.key).has_value())
          << section.name << " " << field.key;
      shown += captioned;
    }
  }
  EXPECT_GT(shown, 1000);
}

}  // namespace
}  // namespace kol::test
