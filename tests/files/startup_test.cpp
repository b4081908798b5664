#include "files/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/destinations.h"
#include "host_fixture.h"
#include "model/default_document.h"
#include "model/image_map.h"

namespace kol {
namespace {

TEST(DebugModeRequested, WholeTrimmedSwitchInAnyCase) {
  const std::pair<const char*, bool> cases[] = {{" /de ", true}, {"/D", true},  {"/ed", true},
                                                {"/E", false},   {"/X", false}, {"/D /E", false},
                                                {"", false},     {"D", false}};
  for (const auto& [line, debug] : cases) EXPECT_EQ(DebugModeRequested(line), debug) << line;
}

TEST(OfferedModels, ScanStopsAtTheFirstModelWithoutUse) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"[model1]\nuse=1", {1}},
      {"[model1]\nuse=0\n[model2]\nuse=1", {2}},
      {"[model1]\nuse=1\n[model2]\nuse=1", {1, 2}},
      {"[model1]\nuse=1\n[model3]\nuse=1", {1}},
      {"[model1]\nuse=\n[model2]\nuse=1", {}},
      {"", {}}};
  for (const auto& [text, offered] : cases) {
    EXPECT_EQ(OfferedModels(IniFile::Parse(text)), offered) << text;
  }
}

TEST(SelectModel, FlagsComeFromTheModelsSectionAndBadOnesStay) {
  ModelProfile profile;
  profile.weatherAlert = true;
  SelectModel(2, IniFile::Parse("[model2]\nuse=1\natis=True\nwx=0\nwa=maybe"), profile);
  EXPECT_EQ(profile.modelCode, 2);
  EXPECT_EQ(profile.modelName, "Unknown model");
  EXPECT_EQ(profile.WindowTitle(), "PC Program for Unknown model");
  EXPECT_TRUE(profile.atis);
  EXPECT_FALSE(profile.weather);
  EXPECT_TRUE(profile.weatherAlert);
}

using StartUpTest = test::HostFixture;

TEST_F(StartUpTest, NoModelOfferedEndsWithUnknownModel) {
  EXPECT_TRUE(StartUp(document, host).offeredModels.empty());
  ASSERT_EQ(prompts.Texts(), std::vector<std::string>{"Unknown model!!"});
  EXPECT_EQ(prompts.shown[0].icon, MessageIcon::kCritical);
}

TEST_F(StartUpTest, LastModelChosenOnlyWhenOffered) {
  WriteFile("global.ini", "[model1]\nuse=1\n[model2]\nuse=1\n");
  store.Write("Settings", "lastmodel", "1");
  EXPECT_EQ(StartUp(document, host).offeredModels, (std::vector<int>{1, 2}));
  EXPECT_EQ(document.profile.modelCode, 1);
  store.Write("Settings", "lastmodel", "5");
  StartUp(document, host);
  EXPECT_EQ(document.profile.modelCode, 2);  // the last offered model
}

TEST_F(StartUpTest, FirstStartLoadsTheUsaDestinationAndRemembersIt) {
  WriteFile("global.ini", test::kFullModelList);
  WriteDestination("USA_0CE4.ini", kGroup1);
  WriteDestination("CAN_0CE4.ini", kGroup3);
  document.path = "old.dat";
  EXPECT_EQ(StartUp(document, host).offeredModels, std::vector<int>{1});
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(document.profile.atis && document.profile.weather && document.profile.weatherAlert);
  EXPECT_EQ(document.destination, "USA");
  EXPECT_EQ((store.values[{"IniFilePath", "IniFileName_1"}]), "USA");
  EXPECT_EQ(document.image, MakeDestinationImage(kGroup1));
  EXPECT_TRUE(document.model.usable.group[kGroup1].usable);
  EXPECT_TRUE(document.path.empty());
  EXPECT_FALSE(document.flags.updateLock);
  EXPECT_EQ(clock.slept(), 500);  // the pause after reading the destination file
}

TEST_F(StartUpTest, WithoutDestinationFilesTheBuiltInImageStands) {
  WriteFile("global.ini", test::kFullModelList);
  StartUp(document, host);
  EXPECT_TRUE(prompts.shown.empty());
  RadioImage builtIn;
  WriteBuiltInDefaultImage(builtIn);
  EXPECT_EQ(document.image.ReadCh15(image_map::kModelIdentifier), 3300);
  EXPECT_EQ(document.image[image_map::kResumeTime], builtIn[image_map::kResumeTime]);
  EXPECT_EQ(document.destination, "");
}

TEST_F(StartUpTest, FindsTheDataFilesOfAnInstalledProgram) {
  std::filesystem::create_directories(dir.path() / "bin");
  std::filesystem::create_directories(dir.path() / "share/kolprog");
  WriteFile("share/kolprog/global.ini", test::kFullModelList);
  WriteDestination("share/kolprog/INTL_0CE4.ini", kGroup2);
  store.Write("IniFilePath", "IniFileName_1", "intl");
  document.profile.programFolder = dir.File("bin");
  EXPECT_EQ(StartUp(document, host).offeredModels, std::vector<int>{1});
  EXPECT_EQ(document.destination, "INTL");
  EXPECT_EQ(document.image, MakeDestinationImage(kGroup2));
}

TEST_F(StartUpTest, ARememberedDestinationThatIsNotOfferedFailsAndKeepsTheBuiltInImage) {
  WriteFile("global.ini", test::kFullModelList);
  WriteDestination("USA_0CE4.ini", kGroup1);
  store.Write("IniFilePath", "IniFileName_1", "mars");
  EXPECT_FALSE(StartUp(document, host).destinationLoaded);
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"IniFileRead Error!!"});
  EXPECT_EQ(prompts.shown[0].title, "PC Program for LZ3300T");
  EXPECT_EQ(document.destination, "");
  EXPECT_NE(document.image, MakeDestinationImage(kGroup1));
}

TEST_F(StartUpTest, ChangingTheModelAsksRemembersAndStartsANewDocument) {
  WriteFile("global.ini", "[model1]\nuse=1\n[model2]\nuse=1\natis=1\n");
  store.Write("Settings", "lastmodel", "2");
  StartUp(document, host);
  ASSERT_EQ(document.profile.modelCode, 2);
  prompts.shown.clear();
  EXPECT_FALSE(ChangeModelType(document.profile.modelCode, document, host));
  EXPECT_TRUE(prompts.shown.empty());

  prompts.answers = {MessageButton::kCancel};
  EXPECT_FALSE(ChangeModelType(1, document, host));
  EXPECT_EQ(document.profile.modelCode, 2);
  EXPECT_EQ(prompts.Texts().back(), "Do you want to program the LZ3300T series?");

  document.path = "old.dat";
  EXPECT_TRUE(ChangeModelType(1, document, host));
  EXPECT_EQ(document.profile.modelCode, 1);
  EXPECT_EQ(document.profile.WindowTitle(), "PC Program for LZ3300T");
  EXPECT_EQ((store.values[{"Settings", "lastmodel"}]), "1");
  EXPECT_EQ(document.image.ReadCh15(image_map::kModelIdentifier), 3300);  // a new document
  EXPECT_TRUE(document.path.empty());
}

using DestinationTest = test::HostFixture;

TEST_F(DestinationTest, NamesComeFromTheFilesOfTheModel) {
  for (const char* name : {"USA_0CE4.ini", "intl_0CE4.ini", "CAN-M_0CE4.ini", "global.ini",
                           "EU_0CE5.ini", "_0CE4.ini"}) {
    WriteFile(name, "x");
  }
  std::filesystem::create_directory(dir.path() / "DIR_0CE4.ini");
  EXPECT_EQ(ListDestinations(document.profile), (std::vector<std::string>{"CAN-M", "INTL", "USA"}));
  EXPECT_EQ(DestinationFileName("CAN-M", document.profile), "CAN_0CE4.ini");
  EXPECT_EQ(DestinationFileName("usa", document.profile), "USA_0CE4.ini");
  EXPECT_EQ(DestinationFileName("-M", document.profile), "-M_0CE4.ini");
}

TEST_F(DestinationTest, AListedFileLoadsWhateverTheCaseOfItsName) {
  WriteDestination("intl_0ce4.INI", kGroup2);
  ASSERT_EQ(ListDestinations(document.profile), std::vector<std::string>{"INTL"});
  EXPECT_TRUE(LoadDestination("INTL", document, host));
  EXPECT_EQ(document.image, MakeDestinationImage(kGroup2));
}

TEST_F(DestinationTest, AtMostTenAreOffered) {
  for (char c = 'A'; c <= 'K'; ++c) WriteFile(std::string(1, c) + "_0CE4.ini", "x");
  const std::vector<std::string> names = ListDestinations(document.profile);
  ASSERT_EQ(names.size(), 10u);
  EXPECT_EQ(names.back(), "J");
}

TEST_F(DestinationTest, OtherModelsHaveNoTagAndNoAcceptedImage) {
  WriteDestination("USA_0CE4.ini", kGroup1);
  document.profile.modelCode = 2;
  EXPECT_EQ(ModelTag(document.profile), "");
  EXPECT_FALSE(LoadImageFile(dir.File("USA_0CE4.ini"), document, host));
}

struct ImageFileCase {
  const char* name;
  int size;
  int first;
  int last;  // CH15 words at both ends
  bool accepted;
};

class LoadImageFileTest : public test::HostFixture,
                          public ::testing::WithParamInterface<ImageFileCase> {};

TEST_P(LoadImageFileTest, AcceptsOnlyTheRightSizeAndIdentifierAtBothEnds) {
  const ImageFileCase& c = GetParam();
  std::string bytes(static_cast<std::size_t>(c.size), '\xFF');
  bytes[0] = static_cast<char>(c.first >> 8);
  bytes[1] = static_cast<char>(c.first & 0xFF);
  bytes[c.size - 2] = static_cast<char>(c.last >> 8);
  bytes[c.size - 1] = static_cast<char>(c.last & 0xFF);
  bytes[0x0017] = 2;  // weather alert "On SCAN"
  WriteFile("image.ini", bytes);
  WriteBuiltInDefaultImage(document.image);
  const RadioImage before = document.image;
  document.model.group[kGroup1].resize(240);

  EXPECT_EQ(LoadImageFile(dir.File("image.ini"), document, host), c.accepted);
  if (c.accepted) {
    EXPECT_EQ(document.image[0x0017], 2);
    EXPECT_EQ(document.model.common.weatherAlertMode, 2);
  } else {
    EXPECT_EQ(document.image, before);
    EXPECT_EQ(document.model.common.weatherAlertMode, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadImageFileTest,
                         ::testing::Values(ImageFileCase{"Good", 8192, 0x8CE4, 0x0CE4, true},
                                           ImageFileCase{"Long", 8193, 0x0CE4, 0x0CE4, false},
                                           ImageFileCase{"BlankEnd", 8192, 0x0CE4, 0xFFFF, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DestinationTest, ChangingTheDestinationAsksAndKeepsTheOldOneOnFailure) {
  WriteDestination("USA_0CE4.ini", kGroup1);
  WriteDestination("CAN_0CE4.ini", kGroup3);
  WriteFile("BAD_0CE4.ini", std::string(8191, '\0'));
  ASSERT_TRUE(LoadDestination("USA", document, host));

  prompts.answers = {MessageButton::kCancel};
  EXPECT_FALSE(ChangeDestination("CAN-M", document, host));
  EXPECT_EQ(prompts.Texts().back(), "Do you want to change to CAN-M?");
  EXPECT_EQ(document.destination, "USA");

  EXPECT_FALSE(ChangeDestination("BAD", document, host));
  EXPECT_EQ(prompts.Texts().back(), "IniFileRead Error!!");
  EXPECT_EQ(document.destination, "USA");
  EXPECT_EQ(document.image, MakeDestinationImage(kGroup1));

  EXPECT_TRUE(ChangeDestination("CAN-M", document, host));
  EXPECT_EQ(document.destination, "CAN-M");
  EXPECT_EQ((store.values[{"IniFilePath", "IniFileName_1"}]), "CAN-M");
  EXPECT_EQ(document.image, MakeDestinationImage(kGroup3));
}

}  // namespace
}  // namespace kol
