// The check before programming: what the radio would get, set against what the document
// says, with the place of each finding in the settings file and in the window.
#include "files/programming_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/channel_rules.h"
#include "model/codec_fixtures.h"
#include "model/default_document.h"
#include "model/destination_image.h"
#include "model/field_limits.h"
#include "model/image_codec.h"
#include "model/setup_rules.h"
#include "model/value_tables.h"

namespace kol {
namespace {

ModelProfile FullProfile() {
  ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  return profile;
}

// A new document started from the destination image of `group`, as start-up builds it.
Document DestinationDocument(int group) {
  Document document;
  document.profile = FullProfile();
  BuildNewDocument(document.model, document.image, document.profile);
  document.image = MakeDestinationImage(group);
  DecodeImage(document.image, document.profile, document.model);
  return document;
}

std::string Describe(const CheckFinding& f) {
  return std::string(f.severity == CheckSeverity::kError ? "error" : "warning") + " [" +
         f.place.section + "] " + f.place.key + "=" + f.documentValue + ": " + f.message +
         (f.radioValue ? "; radio \"" + *f.radioValue + "\"" : "");
}

std::string DescribeAll(const std::vector<CheckFinding>& findings) {
  std::string all;
  for (const CheckFinding& f : findings) all += Describe(f) + "\n";
  return all;
}

TEST(ProgrammingCheck, DestinationDocumentsHaveNoFindings) {
  for (int group = kGroup1; group <= kGroup3; ++group) {
    SCOPED_TRACE(group);
    EXPECT_EQ(DescribeAll(CheckForProgramming(DestinationDocument(group))), "");
  }
}

// Whatever the encoder writes, read back, is a document the radio takes as it stands.
TEST(ProgrammingCheck, DocumentsFromImagesTheProgramWroteHaveNoErrors) {
  std::mt19937 random(20240612);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("image " + std::to_string(round));
    Document document;
    document.profile = FullProfile();
    document.model = test::BuiltModel();
    document.image = test::RandomImage(random);
    DecodeImage(document.image, document.profile, document.model);
    EncodeImage(document.model, document.profile, document.image);
    DecodeImage(document.image, document.profile, document.model);
    const std::vector<CheckFinding> findings = CheckForProgramming(document);
    ASSERT_FALSE(HasErrors(findings)) << DescribeAll(findings);
  }
}

DirectoryEntry Entry(std::string name, std::string mmsi, bool enable = true) {
  DirectoryEntry entry;
  entry.enable = enable;
  entry.tagName = std::move(name);
  entry.mmsi = std::move(mmsi);
  return entry;
}

void EnableExp3(SettingsModel& m, double rx) {
  m.exp[2].enable = true;
  m.exp[2].rxFreq = rx;
}

struct Case {
  const char* name;
  std::function<void(SettingsModel&)> edit;
  CheckSeverity severity;
  CheckPlace place;
  std::string documentValue;
  std::optional<std::string> radioValue;
};

constexpr CheckSeverity kError = CheckSeverity::kError;
constexpr CheckSeverity kWarning = CheckSeverity::kWarning;
const CheckPlace kUserMmsi{"DSC Setup (Basic Setup)", "User MMSI"};
const int kChannel00 = ChannelPosition("00");  // in no plan

const Case kCases[] = {
    {"an MMSI with a letter", [](SettingsModel& m) { m.dscBasic.userMmsi = "36612345X"; },
     kError, kUserMmsi, "36612345X", "36612345"},
    {"an MMSI with a tenth digit", [](SettingsModel& m) { m.dscBasic.userMmsi = "3661234567"; },
     kError, kUserMmsi, "3661234567", "3661234560"},
    {"an MMSI of eleven digits", [](SettingsModel& m) { m.dscBasic.userMmsi = "36612345678"; },
     kError, kUserMmsi, "36612345678", "3661234560"},
    {"an ATIS code of eleven digits", [](SettingsModel& m) { m.atis.atisCode = "92345678901"; },
     kError, {"ATIS Setup", "Atis Code"}, "92345678901", "9234567890"},
    {"a station name with a letter the radio lacks",
     [](SettingsModel& m) { m.individualDirectory[0] = Entry("S\xD8REN", "2111111110"); }, kError,
     {"CHMMSID1", "TagName"}, "S\xD8REN", "S"},
    {"a station name of twelve characters",
     [](SettingsModel& m) { m.individualDirectory[0] = Entry("ABCDEFGHIJKL", "2111111110"); },
     kError, {"CHMMSID1", "TagName"}, "ABCDEFGHIJKL", "ABCDEFGHIJK"},
    {"a group MMSI with a letter",
     [](SettingsModel& m) { m.groupDirectory[0] = Entry("FLEET", "0211X"); }, kError,
     {"CHGRPID1", "Mmsid"}, "0211X", "0211"},
    {"a status name of four characters",
     [](SettingsModel& m) { m.usable.group[0].statusName = "ABCD"; }, kError,
     {"Usable CH Group Setup", "Status name 0"}, "ABCD", "ABC"},
    {"an offset beyond twelve hours", [](SettingsModel& m) { m.common.offsetTime = 30; }, kError,
     {"Common Setup", "Offset Time"}, "30", "24"},
    {"a starting mode beyond its byte",
     [](SettingsModel& m) { m.common.startingChannelMode = 300; }, kError,
     {"Common Setup", "Starting Channel Mode"}, "300", "44"},
    {"a starting mode of no option", [](SettingsModel& m) { m.common.startingChannelMode = 7; },
     kWarning, {"Common Setup", "Starting Channel Mode"}, "7",
     std::nullopt},
    {"an auto-position channel that is no number",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "CH16"; }, kError,
     {"DSC Setup (AutoPos Setup)", "CHANNEL1"}, "CH16", "0"},
    {"an auto-position interval with a fraction",
     [](SettingsModel& m) { m.autoPos.slot[1].interval = "2.4"; }, kError,
     {"DSC Setup (AutoPos Setup)", "INTERVAL1"}, "2.4", "2"},
    {"a last address beyond its byte", [](SettingsModel& m) { m.autoPos.slot[1].lastAddress = 300; },
     kError, {"DSC Setup (AutoPos Setup)", "LASTADDRESS1"}, "300", "44"},
    {"an EXP frequency between the radio's steps",
     [](SettingsModel& m) { EnableExp3(m, 156.12345); }, kError,
     {"CHEXP3", "Rxfreq"}, "156.12345", "156.1235"},
    {"an EXP frequency above the band", [](SettingsModel& m) { EnableExp3(m, 250); }, kError,
     {"CHEXP3", "Rxfreq"}, "250", "0"},
    {"an EXP name of three characters",
     [](SettingsModel& m) {
       EnableExp3(m, 156.025);
       m.exp[2].chDisplayL = "ABC";
     },
     kError, {"CHEXP3", "CHDisplayL"}, "ABC", "BC"},
    {"an enabled EXP channel without a receive frequency",
     [](SettingsModel& m) { m.exp[2].enable = true; }, kWarning,
     {"CHEXP3", "Rxfreq"}, "0", std::nullopt},
    {"a directory with a hole",
     [](SettingsModel& m) {
       m.individualDirectory[0] = Entry("ONE", "2111111110");
       m.individualDirectory[2] = Entry("THREE", "2333333330");
     },
     kWarning, {"CHMMSID3", "Mmsid"}, "2333333330", std::nullopt},
    {"an entry with an MMSI that is not enabled",
     [](SettingsModel& m) { m.individualDirectory[0] = Entry("ONE", "2111111110", false); },
     kError, {"CHMMSID1", "Enable"}, "0", "1"},
    {"an enabled entry without an MMSI",
     [](SettingsModel& m) { m.groupDirectory[0] = Entry("FLEET", ""); }, kWarning,
     {"CHGRPID1", "Enable"}, "1", std::nullopt},
    {"a duplex mark on a channel without a duplex pair",
     [](SettingsModel& m) { m.group[kGroup1][ChannelPosition("01A")].duplex = true; }, kWarning,
     {"CHUSA3", "Duplex"}, "1", "0"},
    {"transmit on a receive-only channel",
     [](SettingsModel& m) { m.group[kGroup1][ChannelPosition("70")].txEnable = true; }, kWarning,
     {"CHUSA140", "TxEnable"}, "1", std::nullopt},
    {"a fixed starting channel that is not enabled",
     [](SettingsModel& m) {
       m.common.startingChannelMode = 1;
       m.common.channelNo = kChannel00;
     },
     kWarning, {"Common Setup", "Channel No"}, "0",
     std::nullopt},
    {"a priority channel that is not enabled",
     [](SettingsModel& m) { m.usable.group[kGroup1].priorityCh = kChannel00; }, kWarning,
     {"Usable CH Group Setup", "Priority CH 0"}, "0", std::nullopt},
    {"a usable group without an enabled channel",
     [](SettingsModel& m) { m.usable.group[kExpGroup].usable = true; }, kWarning,
     {"Usable CH Group Setup", "Exp CH"}, "1", "0"},
    {"EXP use of a group that is not usable",
     [](SettingsModel& m) { m.usable.expChGroup[kGroup2] = true; }, kWarning,
     {"Usable CH Group Setup", "Exp Ch Group 1"}, "True", std::nullopt},
    // Values the radio holds as they stand, but the editor would refuse.
    {"an EXP frequency off the 25 kHz raster",
     [](SettingsModel& m) { EnableExp3(m, 156.0251); }, kWarning,
     {"CHEXP3", "Rxfreq"}, "156.0251", std::nullopt},
    {"an EXP transmit frequency below the marine band",
     [](SettingsModel& m) {
       EnableExp3(m, 156.025);
       m.exp[2].txFreq = 136.975;
     },
     kWarning, {"CHEXP3", "Txfreq"}, "136.975", std::nullopt},
    {"a user MMSI of eight digits", [](SettingsModel& m) { m.dscBasic.userMmsi = "36612345"; },
     kWarning, kUserMmsi, "36612345", std::nullopt},
    {"an ATIS code of nine digits", [](SettingsModel& m) { m.atis.atisCode = "923456789"; },
     kWarning, {"ATIS Setup", "Atis Code"}, "923456789", std::nullopt},
    {"a station MMSI of five digits",
     [](SettingsModel& m) { m.individualDirectory[0] = Entry("HOME", "21111"); }, kWarning,
     {"CHMMSID1", "Mmsid"}, "21111", std::nullopt},
    {"a group MMSI of seven digits after its 0",
     [](SettingsModel& m) { m.groupDirectory[0] = Entry("FLEET", "02111111"); }, kWarning,
     {"CHGRPID1", "Mmsid"}, "02111111", std::nullopt},
};

TEST(ProgrammingCheck, EachFindingNamesItsPlaceAndWhatTheRadioGets) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Document document = DestinationDocument(kGroup1);
    c.edit(document.model);
    const SettingsModel before = document.model;
    const std::vector<CheckFinding> findings = CheckForProgramming(document);
    EXPECT_EQ(document.model, before);
    ASSERT_EQ(findings.size(), 1u) << DescribeAll(findings);
    const CheckFinding& f = findings[0];
    EXPECT_EQ(f.severity, c.severity) << Describe(f);
    EXPECT_EQ(f.place, c.place) << Describe(f);
    EXPECT_EQ(f.documentValue, c.documentValue);
    EXPECT_EQ(f.radioValue, c.radioValue);
    EXPECT_FALSE(f.message.empty());
  }
}

// Whatever the editor refuses to store, the check reports: frequencies on 100 Hz steps
// across the band and beyond it, and MMSIs and codes of every length.
TEST(ProgrammingCheck, AgreesWithTheEditorOnEveryValueItRefuses) {
  // The band's edges and the raster's neighbours first, then random 100 Hz steps; forty
  // EXP channels take one transmit frequency each.
  std::vector<int> steps = {1369750, 1370000, 1370001, 1370125, 1370250, 1560249, 1560250,
                            1560251, 1560375, 1739750, 1740000, 1740001, 1740250};
  std::mt19937 random(20240613);
  while (steps.size() < 10 * kExpChannelCount) steps.push_back(1300000 + static_cast<int>(random() % 500000));
  for (std::size_t first = 0; first < steps.size(); first += kExpChannelCount) {
    Document document = DestinationDocument(kGroup1);
    for (int i = 0; i < kExpChannelCount && first + i < steps.size(); ++i) {
      document.model.exp[i] = {.enable = true, .rxFreq = 156.025, .txFreq = steps[first + i] / 10000.0};
    }
    std::set<std::string> found;
    for (const CheckFinding& f : CheckForProgramming(document)) found.insert(f.place.section + "/" + f.place.key);
    for (int i = 0; i < kExpChannelCount && first + i < steps.size(); ++i) {
      const double mhz = document.model.exp[i].txFreq;
      const bool refused = !ExpFrequencyFromText(std::to_string(mhz)).has_value();
      EXPECT_EQ(found.count("CHEXP" + std::to_string(i + 1) + "/Txfreq") == 1, refused) << mhz;
    }
  }
  for (std::size_t digits = 0; digits <= 10; ++digits) {
    const std::string typed = std::string("9211234567").substr(0, digits);
    Document document = DestinationDocument(kGroup1);
    document.model.dscBasic.userMmsi = typed.substr(0, std::min<std::size_t>(digits, 9));
    document.model.atis.atisCode = typed;
    const std::vector<CheckFinding> findings = CheckForProgramming(document);
    int expected = 0;
    expected += !HasRequiredLength(document.model.dscBasic.userMmsi, field_limits::kUserMmsiTyped);
    expected += !HasRequiredLength(typed, field_limits::kAtisCode);
    EXPECT_EQ(findings.size(), static_cast<std::size_t>(expected)) << typed << "\n" << DescribeAll(findings);
  }
}

// The same value written another way, or a setting the radio does not need.
TEST(ProgrammingCheck, WhatTheRadioKeepsAsMeantIsNoFinding) {
  const std::function<void(SettingsModel&)> edits[] = {
      [](SettingsModel& m) { m.dscBasic.userMmsi = "366123456"; },  // padded with its tenth 0
      [](SettingsModel& m) { m.dscBasic.userMmsi = "   "; },
      [](SettingsModel& m) { m.individualDirectory[0] = Entry("HARBOUR ", "2111111110"); },
      [](SettingsModel& m) { m.groupDirectory[0] = Entry("FLEET", "0211111110"); },
      [](SettingsModel& m) { m.autoPos.slot[1].channel = "032"; },
      [](SettingsModel& m) { m.autoPos.slot[1].interval = ""; },
      [](SettingsModel& m) { m.usable.group[kGroup1].priorityCh = -1; },
      [](SettingsModel& m) {  // a power level kept for when transmit comes back
        ChannelRecord& record = m.group[kGroup1][ChannelPosition("16")];
        record.txEnable = false;
        record.lowPower = true;
      },
      [](SettingsModel& m) {
        EnableExp3(m, 156.025);
        m.exp[2].chDisplayL = "6";
        m.exp[2].chDisplayR = "A";
        m.exp[2].lowPower = true;  // no transmit frequency: receive only
      },
      [](SettingsModel& m) {  // nothing of a disabled EXP channel reaches the radio
        m.exp[5].rxFreq = 300;
        m.exp[5].chDisplayL = "\xC6\xC6\xC6";
      },
  };
  for (std::size_t i = 0; i < std::size(edits); ++i) {
    SCOPED_TRACE(i);
    Document document = DestinationDocument(kGroup1);
    edits[i](document.model);
    EXPECT_EQ(DescribeAll(CheckForProgramming(document)), "");
  }
}

TEST(ProgrammingCheck, FindingsComeInSettingsFileOrder) {
  Document document = DestinationDocument(kGroup1);
  SettingsModel& m = document.model;
  m.exp[0].enable = true;
  m.individualDirectory[0] = Entry("ONE", "X211111110");
  m.individualDirectory[1] = Entry("TWO", "2222222220");
  m.common.offsetTime = -30;
  const std::vector<CheckFinding> findings = CheckForProgramming(document);
  std::vector<std::string> keys;
  for (const CheckFinding& f : findings) keys.push_back(f.place.section + "/" + f.place.key);
  EXPECT_EQ(keys, (std::vector<std::string>{
                      "Common Setup/Offset Time", "CHMMSID1/Mmsid", "CHMMSID2/Mmsid",
                      "CHEXP1/Rxfreq"}))
      << DescribeAll(findings);
  EXPECT_TRUE(HasErrors(findings));
  EXPECT_EQ(findings[2].severity, CheckSeverity::kWarning);  // dropped after the bad MMSI
}

}  // namespace
}  // namespace kol
