#include "files/hex_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/file_read.h"
#include "files/startup.h"
#include "host_fixture.h"
#include "model/image_codec.h"
#include "support/file_size_limit.h"

namespace kol {
namespace {

class HexFileTest : public test::HostFixture {
 protected:
  HexFileTest() {
    WriteFile("global.ini", test::kFullModelList);
    WriteDestination("USA_0CE4.ini", kGroup1);
    StartUp(document, host);
  }
  std::string ImageBytes() const {
    return std::string(reinterpret_cast<const char*>(document.image.Bytes().data()),
                       document.image.Size());
  }
};

TEST_F(HexFileTest, SavedImageOpensToTheSameImageAndItsDecoding) {
  document.model.common.channelNo = 17;
  document.model.individualDirectory[0] = {true, "HOME", "211234567", {}};
  const std::string path = dir.File("radio.hex");
  ASSERT_TRUE(SaveImageFile(path, document, host));
  const std::string saved = ImageBytes();
  EXPECT_EQ(ReadWholeFile(path), saved);

  // Opening gives what decoding the saved image gives, which may differ from the model where
  // encoding is lossy.
  SettingsModel decoded = document.model;
  DecodeImage(document.image, document.profile, decoded);
  document.model.common.channelNo = 3;
  document.model.individualDirectory[0].Clear();
  document.image[0x0100] ^= 0xFF;
  ASSERT_TRUE(ReadHexFileAs(path, document, host));
  EXPECT_EQ(ImageBytes(), saved);
  EXPECT_EQ(document.model, decoded);
  EXPECT_EQ(document.model.common.channelNo, 17);
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "HOME");
  EXPECT_FALSE(document.flags.errorFlag);
  EXPECT_TRUE(prompts.shown.empty());
}

struct RefusalCase {
  const char* name;
  std::string file;  // written under this name unless empty (then the path is missing)
  std::string bytes;
  const char* message;
  const char* title;
  bool logged;
  const char* details;  // the size of a file of the wrong length, the system's reason
};

class HexRefusalTest : public HexFileTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(HexRefusalTest, ChangesNothingAndSaysWhy) {
  const RefusalCase& c = GetParam();
  std::string path = dir.File("missing.hex");
  if (c.file == "/") {
    path = dir.path().string();
  } else if (!c.file.empty()) {
    WriteFile(c.file, c.bytes);
    path = dir.File(c.file);
  }
  const RadioImage image = document.image;
  const SettingsModel model = document.model;
  EXPECT_FALSE(ReadHexFileAs(path, document, host));
  EXPECT_EQ(document.image, image);
  EXPECT_EQ(document.model, model);
  EXPECT_TRUE(document.flags.errorFlag);
  ASSERT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
  EXPECT_EQ(prompts.shown[0].title, c.title);
  EXPECT_EQ(prompts.shown[0].details, c.details);
  EXPECT_EQ(prompts.shown[0].file, path);
  EXPECT_EQ(log.lines.size(), c.logged ? 1u : 0u);
  EXPECT_EQ(document.flags.cancelFlag, c.logged);
}

std::string Identified(std::size_t size, char lastByte) {
  std::string bytes(size, '\0');
  bytes[0] = '\x0C';
  bytes[1] = '\xE4';
  bytes[size - 2] = '\x0C';
  bytes[size - 1] = lastByte;
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HexRefusalTest,
    ::testing::Values(
        RefusalCase{"Short", "short.hex", Identified(8191, '\xE4'), "bad file!!",
                    "PC Program for LZ3300T", false, "8191 bytes: an image file has exactly 8192"},
        RefusalCase{"Long", "long.hex", Identified(8193, '\xE4'), "bad file!!",
                    "PC Program for LZ3300T", false, "8193 bytes: an image file has exactly 8192"},
        RefusalCase{"OtherModel", "other.hex", Identified(8192, '\xE5'), "ModelType Error !!",
                    "Read from Radio", false, ""},
        RefusalCase{"Missing", "", "", "FileRead Error!!", "PC Program for LZ3300T", true,
                    "No such file or directory"},
        RefusalCase{"Folder", "/", "", "FileRead Error!!", "PC Program for LZ3300T", true,
                    "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HexFileTest, AFailedSaveKeepsThePreviousFileAndReports) {
  WriteFile("kept.hex", "previous");
  {
    test::FileSizeLimit full(1024);
    EXPECT_FALSE(SaveImageFile(dir.File("kept.hex"), document, host));
  }
  EXPECT_EQ(ReadWholeFile(dir.File("kept.hex")), "previous");
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"FileSave Error!!"});
  EXPECT_TRUE(document.flags.cancelFlag);
  EXPECT_FALSE(document.flags.errorFlag);
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0].procedure, "frmMain.SaveHexFileAs");
}

}  // namespace
}  // namespace kol
