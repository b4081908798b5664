#include "files/image_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "support/temp_dir.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

// An image of the built-in model: 3300 at both ends, something recognisable between.
RadioImage GoodImage() {
  RadioImage image;
  image.WriteCh15(0x0000, 3300);
  image.WriteCh15(0x1FFE, 3300);
  image[0x1234] = 0x42;
  return image;
}

void WriteRaw(const std::string& path, const RadioImage& image, std::size_t size) {
  std::ofstream out(path, std::ios::binary);
  for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>(i < image.Size() ? image[i] : 0));
}

struct LoadCase {
  const char* name;
  std::function<void(RadioImage&)> change;
  std::size_t size;
  ImageFileStatus status;
};

const LoadCase kLoadCases[] = {
    {"good", [](RadioImage&) {}, 8192, ImageFileStatus::kOk},
    {"top bit of the first byte is ignored", [](RadioImage& i) { i[0x0000] |= 0x80; }, 8192, ImageFileStatus::kOk},
    {"one byte short", [](RadioImage&) {}, 8191, ImageFileStatus::kBadLength},
    {"one byte long", [](RadioImage&) {}, 8193, ImageFileStatus::kBadLength},
    {"empty", [](RadioImage&) {}, 0, ImageFileStatus::kBadLength},
    {"blank identifier at the end", [](RadioImage& i) { i.WriteCh15(0x1FFE, -1); }, 8192,
     ImageFileStatus::kWrongModel},
    {"another model at both ends",
     [](RadioImage& i) {
       i.WriteCh15(0x0000, 3301);
       i.WriteCh15(0x1FFE, 3301);
     },
     8192, ImageFileStatus::kWrongModel},
};

TEST(ImageFile, LoadChecksLengthThenIdentifierAndKeepsTheImageOnRefusal) {
  test::TempDir dir;
  const ModelProfile profile;
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.name);
    RadioImage written = GoodImage();
    c.change(written);
    WriteRaw(dir.File("in.hex"), written, c.size);
    RadioImage image(100);
    const ImageFileResult result = LoadImageBytes(dir.File("in.hex"), profile, image);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(image == written, c.status == ImageFileStatus::kOk);
    if (c.status != ImageFileStatus::kOk) {
      EXPECT_EQ(image, RadioImage(100));
    }
  }
}

TEST(ImageFile, OnlyTheBuiltInModelHasAnIdentifier) {
  ModelProfile other;
  other.modelCode = 2;
  EXPECT_TRUE(ImageIdentifierAccepted(GoodImage(), ModelProfile{}));
  EXPECT_FALSE(ImageIdentifierAccepted(GoodImage(), other));
}

TEST(ImageFile, ReportsTheSystemErrorOfFilesThatCannotBeRead) {
  test::TempDir dir;
  RadioImage image;
  EXPECT_EQ(LoadImageBytes(dir.File("missing.hex"), ModelProfile{}, image).errorNumber, ENOENT);
  const ImageFileResult folder = LoadImageBytes(dir.path().string(), ModelProfile{}, image);
  EXPECT_EQ(folder.status, ImageFileStatus::kIoError);
  EXPECT_EQ(folder.errorNumber, EISDIR);
}

TEST(ImageFile, SaveWritesTheBytesOrNothing) {
  test::TempDir dir;
  const RadioImage image = GoodImage();
  ASSERT_TRUE(SaveImageBytes(dir.File("out.hex"), image).Ok());
  RadioImage loaded;
  ASSERT_TRUE(LoadImageBytes(dir.File("out.hex"), ModelProfile{}, loaded).Ok());
  EXPECT_EQ(loaded, image);

  const ImageFileResult failed = SaveImageBytes(dir.File("no/such/folder/out.hex"), image);
  EXPECT_EQ(failed.status, ImageFileStatus::kIoError);
  EXPECT_EQ(failed.errorNumber, ENOENT);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace kol
