#include "files/dat_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "files/dat_text.h"
#include "files/file_read.h"
#include "files/startup.h"
#include "host_fixture.h"
#include "support/file_size_limit.h"

namespace kol {
namespace {

void Flip(bool& flag) { flag = !flag; }

// Sets every field the settings file holds away from what a new document has.
void ChangeEveryField(SettingsModel& m) {
  for (int i = 0; i < 4; ++i) {
    UsableGroup& g = m.usable.group[i];
    Flip(g.usable);
    g.priorityCh = 100 + i;
    g.statusName = "S" + std::to_string(i);
  }
  for (bool& flag : m.usable.expChGroup) Flip(flag);
  CommonSetup& c = m.common;
  c.startingChannelMode = 1;
  c.channelNo = 250;
  c.txPoDisplay = 2;
  Flip(c.scan);
  c.resumeTime = 5;
  Flip(c.pttScanClear);
  c.offsetTime = -7;
  Flip(c.timeDisplay);
  c.weatherAlertMode = 3;
  for (bool& flag : m.dscBasic.usableGroup) Flip(flag);
  Flip(m.dscBasic.distressCancelCall);
  m.dscBasic.userMmsi = "#  123";
  for (bool& flag : m.dscBasic.beepOut) Flip(flag);
  for (CallTypeFlags& call : m.dscAdvanced.call) {
    for (bool& flag : call.receive) Flip(flag);
    for (bool& flag : call.tx) Flip(flag);
  }
  Flip(m.dscDisplay.individualAckMenu);
  Flip(m.dscDisplay.individualAckMessageMenu);
  Flip(m.dscDisplay.posRequestAckMenu);
  Flip(m.autoPos.menuDisplay);
  for (int n = 0; n < 2; ++n) {
    AutoPosSlot& slot = m.autoPos.slot[n];
    slot = {"98765432" + std::to_string(n),
            !slot.enable,
            !slot.rcEnable,
            "EXP" + std::to_string(n),
            "IV" + std::to_string(n),
            static_cast<std::int16_t>(n + 1),
            40 + n};
  }
  for (bool& flag : m.atis.usableGroup) Flip(flag);
  m.atis.atisCode = " 0211234567";
  for (ChannelPlan& plan : m.group) {
    for (ChannelRecord& r : plan) {
      for (bool* flag : {&r.enable, &r.lowPower, &r.powerUp, &r.txEnable, &r.displayA, &r.scanMemory}) {
        Flip(*flag);
      }
      r.duplex = r.duplexAllowed && !r.duplex;
    }
  }
  for (ChannelRecord& wx : m.weather) {
    Flip(wx.enable);
    Flip(wx.scanMemory);
  }
  int n = 0;
  auto fill = [&n](DirectoryEntry& entry) {
    entry.enable = true;
    entry.tagName = "  TAG" + std::to_string(++n);
    entry.mmsi = std::to_string(200000000 + n);
  };
  std::for_each(m.individualDirectory.begin(), m.individualDirectory.end(), fill);
  std::for_each(m.groupDirectory.begin(), m.groupDirectory.end(), fill);
  for (ExpChannelRecord& exp : m.exp) {
    exp = {true,
           true,
           true,
           true,
           exp.txEnable,
           std::to_string(++n % 100),
           "B",
           156.0 + n * 0.0125,
           160.6 + n * 0.0125};
  }
}

class DatFileTest : public test::HostFixture {
 protected:
  DatFileTest() {
    WriteFile("global.ini", test::kFullModelList);
    WriteDestination("USA_0CE4.ini", kGroup1);
    StartUp(document, host);
  }
  void ExpectUntouchedAfterReset(const Document& fresh) { EXPECT_EQ(document.model, fresh.model); }
  Document FreshDocument() {
    Document fresh;
    fresh.profile = document.profile;
    ResetDocument(fresh, host, true);
    return fresh;
  }
};

TEST_F(DatFileTest, SaveThenOpenGivesBackEveryField) {
  ChangeEveryField(document.model);
  const std::string path = dir.File("every.dat");
  ASSERT_TRUE(WriteSettingsFile(path, document, host));

  Document opened;
  opened.profile = document.profile;
  ASSERT_TRUE(ReadSettingsFile(path, opened, host));
  EXPECT_EQ(opened.model, document.model);
  EXPECT_FALSE(opened.flags.errorFlag);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DatFileTest, AFileWrittenWithoutTheDscExpAndDistressCancelKeysKeepsTheirNewValues) {
  const Document fresh = FreshDocument();
  ChangeEveryField(document.model);
  std::string text = FormatSettingsText(document.model, document.profile);
  for (const char* key : {"\r\nEXP=", "\r\nDistress Cancel Call="}) {
    const std::size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    text.erase(at, text.find("\r\n", at + 2) - at);
  }
  WriteFile("older.dat", text);
  SettingsModel expected = document.model;
  expected.dscBasic.usableGroup[kExpGroup] = fresh.model.dscBasic.usableGroup[kExpGroup];
  expected.dscBasic.distressCancelCall = fresh.model.dscBasic.distressCancelCall;
  ASSERT_TRUE(ReadSettingsFile(dir.File("older.dat"), document, host));
  EXPECT_EQ(document.model, expected);
}

TEST_F(DatFileTest, TextsWithoutTheHashPrefixLoseBlanksAndALeadingHash) {
  document.model.usable.group[0].statusName = " #AB ";
  document.model.individualDirectory[0].tagName = "  AB ";
  document.model.individualDirectory[0].mmsi = " 12 ";
  document.model.exp[0].chDisplayL = "# 6";
  const std::string path = dir.File("blanks.dat");
  ASSERT_TRUE(WriteSettingsFile(path, document, host));
  ASSERT_TRUE(ReadSettingsFile(path, document, host));
  EXPECT_EQ(document.model.usable.group[0].statusName, "AB");
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "  AB");
  EXPECT_EQ(document.model.individualDirectory[0].mmsi, "12");
  EXPECT_EQ(document.model.exp[0].chDisplayL, " 6");
}

TEST_F(DatFileTest, LinesEndingInLfAloneAreReadToo) {
  WriteFile("lf.dat",
            "[MAIN]\nMODELTYPE=1\n[Common Setup]\nChannel No=12\n[CHMMSID1]\nTagName=#HOME\n");
  ASSERT_TRUE(ReadSettingsFile(dir.File("lf.dat"), document, host));
  EXPECT_EQ(document.model.common.channelNo, 12);
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "HOME");
}

TEST_F(DatFileTest, AFileOfAnotherModelTypeIsRefusedAfterTheReset) {
  const Document fresh = FreshDocument();
  const char* refused[] = {"[MAIN]\r\nMODELTYPE=2\r\n",
                           "[Common Setup]\r\nMODELTYPE=1\r\n",
                           "[MAIN]\r\nMODEL=#LZ3300T\r\n[MAIN]\r\nMODELTYPE=1\r\n",
                           "[MAIN]\r\n[broken\r\nMODELTYPE=1\r\n",
                           "[MAIN]\r\nMODELTYPE=one\r\n",
                           "[MAIN]\nMODELTYPE=1.5\n"};
  for (const char* text : refused) {
    prompts.shown.clear();
    document.model.common.channelNo = 99;
    document.path = "kept.dat";
    WriteFile("other.dat", std::string(text) + "[Common Setup]\r\nChannel No=12\r\n");
    EXPECT_FALSE(ReadSettingsFile(dir.File("other.dat"), document, host)) << text;
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{"ModelType Error !!"}) << text;
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::kCritical);
    EXPECT_EQ(prompts.shown[0].title, "PC Program for LZ3300T");
    EXPECT_TRUE(document.flags.errorFlag);
    EXPECT_EQ(document.path, "kept.dat");
    ExpectUntouchedAfterReset(fresh);
  }
  for (const char* text : {"[MAIN]\r\nMODELTYPE = #1.0 \r\n", "[main]\r\nmodeltype=1\r\n"}) {
    WriteFile("same.dat", text);
    EXPECT_TRUE(ReadSettingsFile(dir.File("same.dat"), document, host)) << text;
  }
}

TEST_F(DatFileTest, AnUnreadableFileIsAReadErrorInTheLog) {
  std::filesystem::create_directory(dir.path() / "folder.dat");
  for (const std::string& path : {dir.File("missing.dat"), dir.File("folder.dat")}) {
    prompts.shown.clear();
    log.lines.clear();
    document.flags.cancelFlag = false;
    EXPECT_FALSE(ReadSettingsFile(path, document, host));
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{"FileRead Error!!"});
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::kExclamation);
    EXPECT_TRUE(document.flags.errorFlag);
    EXPECT_TRUE(document.flags.cancelFlag);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].procedure, "frmMain.FileRead2");
  }
  EXPECT_EQ(log.lines[0].message, "21Is a directory");
}

TEST_F(DatFileTest, BadInputEndsInAMessageOrAValidDocument) {
  std::mt19937 random(7);
  std::string noise(1 << 16, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  WriteFile("noise.dat", noise);
  EXPECT_FALSE(ReadSettingsFile(dir.File("noise.dat"), document, host));
  EXPECT_EQ(prompts.Texts().back(), "ModelType Error !!");

  const std::string head = "[MAIN]\r\nMODELTYPE=1\r\n";
  using namespace std::string_literals;
  WriteFile("long.dat", head + "[CHMMSID1]\r\nX=" + std::string(1'000'000, 'a') + "\r\nTagName=#" +
                            std::string(1000, 'N') +
                            "\r\n[Common Setup]\r\nChannel No=" + std::string(400, '9') +
                            "\r\nSCAN=1\0\r\nOffset Time=-32769\r\nWeater=2\r\n[CHUSA0]"s);
  ASSERT_TRUE(ReadSettingsFile(dir.File("long.dat"), document, host));
  const Document fresh = FreshDocument();
  EXPECT_EQ(document.model.individualDirectory[0].tagName, std::string(1000, 'N'));
  EXPECT_EQ(document.model.common.channelNo, fresh.model.common.channelNo);
  EXPECT_EQ(document.model.common.scan, fresh.model.common.scan);
  EXPECT_EQ(document.model.common.offsetTime, fresh.model.common.offsetTime);
  EXPECT_EQ(document.model.common.weatherAlertMode, 2);
}

// No settings file comes near 1 MiB: a larger one is refused before it is read, however
// large it is, and the message says which file and how large.
TEST_F(DatFileTest, AFileAboveOneMebibyteIsRefusedBeforeItIsRead) {
  const std::string valid = "[MAIN]\r\nMODELTYPE=1\r\n[Common Setup]\r\nSCAN=0\r\n[Notes]\r\n";
  struct Case {
    const char* name;
    std::uintmax_t size;  // the valid text, then zero bytes up to this size
    const char* reason;   // empty when the file opens
  };
  const Case cases[] = {
      {"largest.dat", kLargestSettingsFile, ""},
      {"one-more.dat", kLargestSettingsFile + 1, "1048577 bytes: a settings file has at most 1048576"},
      {"huge.dat", std::uintmax_t{8} << 30, "8589934592 bytes: a settings file has at most 1048576"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.name, valid);
    std::filesystem::resize_file(dir.File(c.name), c.size);  // sparse: no disk used
    prompts.shown.clear();
    log.lines.clear();
    document.model.common.scan = true;
    const bool opened = ReadSettingsFile(dir.File(c.name), document, host);
    EXPECT_EQ(opened, *c.reason == '\0');
    if (opened) {
      EXPECT_FALSE(document.model.common.scan);
      EXPECT_TRUE(prompts.shown.empty());
      continue;
    }
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{"FileRead Error!!"});
    EXPECT_EQ(prompts.shown[0].file, dir.File(c.name));
    EXPECT_EQ(prompts.shown[0].details, c.reason);
    EXPECT_TRUE(document.flags.errorFlag);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].message, "27File too large");
  }
  // A device that never ends is read only up to the limit.
  prompts.shown.clear();
  EXPECT_FALSE(ReadSettingsFile("/dev/zero", document, host));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].details, "more than 1048576 bytes: a settings file has at most 1048576");
}

TEST_F(DatFileTest, AFailedSaveLeavesThePreviousFileAndReports) {
  const std::string path = dir.File("kept.dat");
  WriteFile("kept.dat", "previous contents");
  {
    test::FileSizeLimit full(4096);
    EXPECT_FALSE(WriteSettingsFile(path, document, host));
  }
  EXPECT_EQ(ReadWholeFile(path), "previous contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // no temporary
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"FileSave Error!!"});
  EXPECT_TRUE(document.flags.errorFlag);
  EXPECT_TRUE(document.flags.cancelFlag);
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0].procedure, "frmMain.SaveFileAs");
  EXPECT_EQ(log.lines[0].message.substr(0, 2), "27");  // EFBIG: the file may grow no further

  EXPECT_FALSE(WriteSettingsFile(dir.File("no/such/folder.dat"), document, host));
  EXPECT_EQ(log.lines.back().message, "2No such file or directory");
}

TEST_F(DatFileTest, TheWindowPausesAfterEachFileAndTheCommandLineDoesNot) {
  const std::int64_t before = clock.slept();
  ASSERT_TRUE(WriteSettingsFile(dir.File("a.dat"), document, host));
  EXPECT_EQ(clock.slept() - before, 500);
  host.pauseMs = 0;
  ASSERT_TRUE(WriteSettingsFile(dir.File("a.dat"), document, host));
  ASSERT_TRUE(ReadSettingsFile(dir.File("a.dat"), document, host));
  EXPECT_EQ(clock.slept() - before, 500);
}

}  // namespace
}  // namespace kol
