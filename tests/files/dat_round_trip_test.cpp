// A radio read into a document, saved as a settings file and opened into a fresh document
// gives a second radio the same setting bytes as the first: every byte the codec writes is
// equal, but for the normalisations named below, each with its reason.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "files/dat_file.h"
#include "files/startup.h"
#include "host_fixture.h"
#include "model/codec_fixtures.h"
#include "model/codec_invariants.h"
#include "model/formatters.h"
#include "model/image_codec.h"
#include "model/image_map.h"

namespace kol {
namespace {

constexpr int kRandomImages = 40;
constexpr int kAtisCodeBytes = 5;  // ten BCD digits

struct ModelList {
  const char* name;
  const char* text;
};
constexpr ModelList kModelLists[] = {
    {"as shipped", test::kFullModelList},
    {"without ATIS and weather", "[model1]\r\nuse=1\r\natis=0\r\nwx=0\r\nwa=0\r\n"},
};

// What the settings file cannot carry of a radio, applied to the document that was read.
SettingsModel AsTheFileCarriesIt(SettingsModel model) {
  // A value without the file's "#" prefix is trimmed on reading, so a status name loses
  // its leading blanks (the radio's blank is a character it shows).
  for (UsableGroup& group : model.usable.group) {
    group.statusName = std::string(TrimBlanks(group.statusName));
  }
  return model;
}

// The bytes the encoder owns, less those a model's file does not hold: a model without
// ATIS writes no ATIS section, so its ATIS bytes come from the destination's image.
std::array<std::uint8_t, 8192> ComparedBits(const SettingsModel& model, const ModelProfile& profile) {
  std::array<std::uint8_t, 8192> bits = test::EncoderBits(model, profile.weather);
  if (!profile.atis) {
    for (int offset = image_map::kAtisUsableFlags; offset < image_map::kAtisCode + kAtisCodeBytes; ++offset) {
      bits[offset] = 0;
    }
  }
  return bits;
}

RadioImage Encoded(const Document& document, SettingsModel model) {
  RadioImage image = document.image;
  EncodeImage(model, document.profile, image);
  return image;
}

std::string Hex(int offset) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", offset);
  return text;
}

class DatRoundTripTest : public test::HostFixture {
 protected:
  void StartModel(const ModelList& list) {
    WriteFile("global.ini", list.text);
    WriteDestination("USA_0CE4.ini", kGroup1);
    document = Document();
    document.profile.programFolder = dir.path().string();
    StartUp(document, host);
    host.pauseMs = 0;
  }

  // Reads `image` as a read from the radio does, saves the document, opens the file into a
  // fresh document and compares what both would program.
  void ExpectSameSettingBytes(const RadioImage& image) {
    Document read = document;
    read.image = image;
    DecodeImage(read.image, read.profile, read.model);
    const std::string path = dir.File("radio.dat");
    ASSERT_TRUE(WriteSettingsFile(path, read, host));
    Document opened;
    opened.profile = document.profile;
    ASSERT_TRUE(ReadSettingsFile(path, opened, host));

    const SettingsModel expected = AsTheFileCarriesIt(read.model);
    const RadioImage first = Encoded(read, expected);
    const RadioImage second = Encoded(opened, opened.model);
    const std::array<std::uint8_t, 8192> compared = ComparedBits(expected, read.profile);
    for (std::size_t i = 0; i < first.Size(); ++i) {
      ASSERT_EQ(first[i] & compared[i], second[i] & compared[i])
          << "setting byte " << Hex(static_cast<int>(i));
    }
  }
};

TEST_F(DatRoundTripTest, EveryRadioSettingSurvivesTheSettingsFile) {
  std::vector<std::pair<std::string, RadioImage>> structured;
  for (std::uint8_t fill : {0x00, 0xFF, 0x55, 0xAA, 0x99}) {
    structured.emplace_back("every byte " + Hex(fill), test::FilledImage(fill));
  }
  for (int group : {kGroup1, kGroup2, kGroup3}) {
    structured.emplace_back("destination image of group " + std::to_string(group + 1),
                            MakeDestinationImage(group));
  }
  // Names that start with blanks: a status name loses them, a station name keeps them.
  RadioImage blanks = MakeDestinationImage(kGroup1);
  blanks.WriteChars(image_map::kStatusName, 3, " AB");
  blanks.WriteBcd10(image_map::kIndividualDirectory + image_map::kDirectoryMmsi, "211111111", true);
  blanks.WriteChars(image_map::kIndividualDirectory + image_map::kDirectoryTagName, 11, "  HOME");
  structured.emplace_back("names with leading blanks", blanks);
  for (const ModelList& list : kModelLists) {
    SCOPED_TRACE(list.name);
    StartModel(list);
    for (const auto& [name, image] : structured) {
      SCOPED_TRACE(name);
      ExpectSameSettingBytes(image);
      if (HasFatalFailure()) return;
    }
    std::mt19937 random(20240612);
    for (int round = 0; round < kRandomImages; ++round) {
      SCOPED_TRACE("random image " + std::to_string(round));
      ExpectSameSettingBytes(test::RandomImage(random));
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace kol
