// Random images through decode -> encode -> decode: the model survives, and the encoder
// writes nothing the address map does not give it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "model/codec_fixtures.h"
#include "model/codec_invariants.h"
#include "model/image_codec.h"

namespace kol {
namespace {

constexpr int kImages = 1000;

template <std::size_t N>
void ExpectBlankAfterEnd(const std::array<DirectoryEntry, N>& entries, int base,
                         const RadioImage& image) {
  for (std::size_t n = 0; n < N; ++n) {
    if (entries[n].enable) continue;
    const auto entry = image.Bytes().subspan(base + 16 * n, 16);
    ASSERT_TRUE(std::all_of(entry.begin(), entry.end(), [](auto b) { return b == 0xFF; }))
        << "entry " << n + 1;
  }
}

TEST(CodecProperty, RandomImagesRoundTripAndKeepEveryByteTheMapDoesNotName) {
  std::mt19937 random(20240611);
  for (int round = 0; round < kImages; ++round) {
    SCOPED_TRACE("image " + std::to_string(round));
    const bool weather = round % 2 == 0;
    const ModelProfile profile = test::Profile(weather);
    const RadioImage original = test::RandomImage(random);

    SettingsModel model = test::BuiltModel();
    DecodeImage(original, profile, model);
    RadioImage encoded = original;
    EncodeImage(model, profile, encoded);

    const auto bits = test::EncoderBits(model, weather);
    ASSERT_EQ(test::FirstChangeOutside(original, encoded, bits), -1);
    ExpectBlankAfterEnd(model.individualDirectory, 0x800, encoded);
    ExpectBlankAfterEnd(model.groupDirectory, 0xB00, encoded);

    SettingsModel decoded = test::BuiltModel();
    DecodeImage(encoded, profile, decoded);
    ASSERT_EQ(decoded, test::AsStored(model));

    RadioImage again = encoded;
    EncodeImage(decoded, profile, again);
    ASSERT_TRUE(again == encoded);

    RadioImage prepared = encoded;
    PrepareForProgramming(model, prepared);
    ASSERT_EQ(test::FirstChangeOutside(encoded, prepared, test::OperatingBits()), -1);
  }
}

}  // namespace
}  // namespace kol
