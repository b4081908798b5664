// The image file loader and the codec on any bytes. The loader takes exactly an image of the
// model with its identifier at both ends, or changes nothing. The codec, on the same bytes
// as an image: encoding the decoded model writes only the bits the address map gives it,
// decoding that again gives what the image can hold of the model, a second encoding changes
// nothing, and the fix-up before programming touches only the operating bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/image_file.h"
#include "fuzz/fuzz_check.h"
#include "model/codec_fixtures.h"
#include "model/codec_invariants.h"
#include "model/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The top bit of the first byte is not part of the identifier: it picks the model's
  // weather channels, so that both layouts are tried.
  const bool weather = size > 0 && (data[0] & 0x80) != 0;
  const kol::ModelProfile profile = kol::test::Profile(weather);

  kol::RadioImage loaded;
  const kol::RadioImage untouched = loaded;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (kol::ImageFromBytes(bytes, profile, loaded).Ok()) {
    FUZZ_CHECK(std::equal(loaded.Bytes().begin(), loaded.Bytes().end(), data, data + size));
  } else {
    FUZZ_CHECK(loaded == untouched);
  }

  kol::RadioImage original;
  std::copy_n(data, std::min(size, original.Size()), original.Bytes().begin());
  kol::SettingsModel model = kol::test::BuiltModel();
  kol::DecodeImage(original, profile, model);
  kol::RadioImage encoded = original;
  kol::EncodeImage(model, profile, encoded);
  FUZZ_CHECK(kol::test::FirstChangeOutside(original, encoded,
                                           kol::test::EncoderBits(model, weather)) == -1);

  kol::SettingsModel decoded = kol::test::BuiltModel();
  kol::DecodeImage(encoded, profile, decoded);
  FUZZ_CHECK(decoded == kol::test::AsStored(model));
  kol::RadioImage again = encoded;
  kol::EncodeImage(decoded, profile, again);
  FUZZ_CHECK(again == encoded);

  kol::RadioImage prepared = encoded;
  kol::PrepareForProgramming(model, prepared);
  FUZZ_CHECK(kol::test::FirstChangeOutside(encoded, prepared, kol::test::OperatingBits()) == -1);
  return 0;
}
