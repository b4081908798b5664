// Two documents compared setting by setting, named as the settings file and the window
// name them, and the programmed bytes beyond the settings.
#include "files/settings_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "model/default_document.h"
#include "model/destination_image.h"
#include "model/formatters.h"
#include "model/image_codec.h"
#include "model/setting_captions.h"

namespace kol {
namespace {

Document DestinationDocument(int group) {
  Document document;
  document.profile.atis = document.profile.weather = document.profile.weatherAlert = true;
  BuildNewDocument(document.model, document.image, document.profile);
  document.image = MakeDestinationImage(group);
  DecodeImage(document.image, document.profile, document.model);
  return document;
}

TEST(SettingsDiff, ADocumentEqualsItself) {
  const Document document = DestinationDocument(kGroup1);
  EXPECT_TRUE(CompareDocuments(document, document).None());
}

TEST(SettingsDiff, AnEditIsNamedByFileKeyAndWindowCaption) {
  struct Case {
    std::function<void(SettingsModel&)> edit;
    std::string section, key, caption;
    std::optional<std::string> a, b;  // the values, where they do not depend on the image
  };
  const Case cases[] = {
      {[](SettingsModel& m) { m.dscBasic.userMmsi = "366999999"; }, "DSC Setup (Basic Setup)",
       "User MMSI", JoinCaption({"DSC Setup", "Basic Setup", "UserMMSI"}), "", "366999999"},
      {[](SettingsModel& m) { m.dscAdvanced.call[kGroupCall].receive[kSafety] ^= true; },
       "DSC Setup (Advanced Setup)", "Group Call2",
       JoinCaption({"DSC Setup", "Advanced Setup", "Group Call", "Safety RX"}), {}, {}},
      {[](SettingsModel& m) { m.common.channelNo = 17; }, "Common Setup", "Channel No",
       JoinCaption({"Common Setup", "Channel No.#"}), {}, "17"},
      {[](SettingsModel& m) { m.exp[6].rxFreq = 156.0625; }, "CHEXP7", "Rxfreq",
       JoinCaption({"EXP Channel", "EXP7", "Rx Frequency"}), "0", "156.0625"},
      {[](SettingsModel& m) { m.groupDirectory[2].tagName = "FLEET"; }, "CHGRPID3", "TagName",
       JoinCaption({"Group Directory", "Group ID3", "Group Name"}), "", "FLEET"},
      {[](SettingsModel& m) { m.weather[1].enable ^= true; }, "CHWX1", "Enable",
       JoinCaption({"Weather", "WX02", "Enable"}), {}, {}},
      // The window shows no control for the auto-position settings.
      {[](SettingsModel& m) { m.autoPos.slot[1].interval = "7"; }, "DSC Setup (AutoPos Setup)",
       "INTERVAL1", "", {}, "7"},
      // A plan channel is named by its channel number, as the tree shows it.
      {[](SettingsModel& m) { m.group[kGroup2][10].scanMemory ^= true; }, "CHINT10", "ScanMemory",
       JoinCaption({"Group2", "CH" + ChannelCodeText(DestinationDocument(kGroup1).model.group[kGroup2][10].position),
             "Scan Memory"}),
       {}, {}},
  };
  const Document a = DestinationDocument(kGroup1);
  for (const Case& c : cases) {
    Document b = a;
    c.edit(b.model);
    const DocumentDifferences differences = CompareDocuments(a, b);
    ASSERT_EQ(differences.settings.size(), 1u) << c.section << " " << c.key;
    const SettingDifference& d = differences.settings[0];
    EXPECT_EQ(d.section, c.section);
    EXPECT_EQ(d.key, c.key);
    EXPECT_EQ(d.caption, c.caption) << d.key;
    EXPECT_NE(d.a, d.b) << d.key;
    if (c.a) {
      EXPECT_EQ(d.a, *c.a) << d.key;
    }
    if (c.b) {
      EXPECT_EQ(d.b, *c.b) << d.key;
    }
    EXPECT_EQ(differences.otherBytes, 0) << d.key;
  }
}

// The window takes an MMSI as its nine digits, the radio reports ten with the pad digit; a
// name may carry blanks the radio drops. Written another way, a value is the same.
TEST(SettingsDiff, OneValueWrittenTwoWaysIsNoDifference) {
  const Document a = DestinationDocument(kGroup1);
  Document typed = a;
  typed.model.dscBasic.userMmsi = "366123450";
  typed.model.groupDirectory[0] = {true, "HARBOUR", "0366000000", {}};
  Document read = typed;
  read.model.dscBasic.userMmsi = "3661234500";
  read.model.groupDirectory[0].tagName = "HARBOUR  ";
  EXPECT_TRUE(CompareDocuments(typed, read).None());
  read.model.dscBasic.userMmsi = "3661234510";
  ASSERT_EQ(CompareDocuments(typed, read).settings.size(), 1u);
  EXPECT_EQ(CompareDocuments(typed, read).settings[0].b, "3661234510");
}

// Programming writes image bytes no setting holds; two images that differ only there
// differ all the same. The product code is never written: the radio keeps its own.
TEST(SettingsDiff, ProgrammedBytesBeyondTheSettingsCount) {
  const Document a = DestinationDocument(kGroup3);
  Document b = a;
  b.image[0x0020] = 'X';  // product code
  EXPECT_TRUE(CompareDocuments(a, b).None());
  EXPECT_EQ(OtherBytesText(CompareDocuments(a, b)), "");
  b.image[0x0033] ^= 0x5A;  // the spare byte after the first status name
  b.image[0x001F] ^= 0x01;
  const DocumentDifferences differences = CompareDocuments(a, b);
  EXPECT_TRUE(differences.settings.empty());
  EXPECT_EQ(differences.otherBytes, 2);
  EXPECT_EQ(differences.firstOtherByte, 0x001F);
  EXPECT_EQ(OtherBytesText(differences),
            "2 bytes that programming writes and no setting holds differ, the first at 0x001F");
}

}  // namespace
}  // namespace kol
