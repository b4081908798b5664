// Decoding an 8 KiB radio image into the settings model, and encoding the model back with
// the pre-programming fix-up: what every read, program and file operation costs; and the
// check that runs before every programming.
#include <benchmark/benchmark.h>

#include "files/programming_check.h"
#include "model/image_codec.h"
#include "model/value_tables.h"

namespace {

struct Fixture {
  kol::SettingsModel model;
  kol::RadioImage image;
  kol::ModelProfile profile;

  Fixture() {
    profile.weather = true;
    for (int group = 0; group < 3; ++group) kol::BuildChannelPlan(group, model.group[group]);
    kol::BuildWeatherPlan(model.weather);
    model.dscBasic.userMmsi = "211234560";
    for (int n = 0; n < 20; ++n) {
      model.individualDirectory[n].enable = true;
      model.individualDirectory[n].tagName = "STATION";
      model.individualDirectory[n].mmsi = "211000001";
    }
    for (int k = 0; k < 10; ++k) {
      kol::ExpChannelRecord& exp = model.exp[k];
      exp.enable = true;
      exp.chDisplayL.assign(1, '9');
      exp.chDisplayR.assign(1, 'A');
      exp.rxFreq = exp.txFreq = 156.0375;
    }
    kol::EncodeImage(model, profile, image);
  }
};

void BM_DecodeImage(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    kol::DecodeImage(f.image, f.profile, f.model);
    benchmark::DoNotOptimize(f.model);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.image.Size()));
}
BENCHMARK(BM_DecodeImage);

void BM_EncodeAndPrepare(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    kol::EncodeImage(f.model, f.profile, f.image);
    kol::PrepareForProgramming(f.model, f.image);
    benchmark::DoNotOptimize(f.image);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.image.Size()));
}
BENCHMARK(BM_EncodeAndPrepare);

void BM_CheckForProgramming(benchmark::State& state) {
  Fixture f;
  kol::Document document;
  document.model = f.model;
  document.image = f.image;
  document.profile = f.profile;
  for (auto _ : state) benchmark::DoNotOptimize(kol::CheckForProgramming(document));
}
BENCHMARK(BM_CheckForProgramming);

}  // namespace

BENCHMARK_MAIN();
