// Building the report text and the printed layout of a full document: every plan at its
// defaults, all weather and EXP channels in use, both directories full.
#include <benchmark/benchmark.h>

#include <string>

#include "model/model_profile.h"
#include "model/settings_model.h"
#include "model/value_tables.h"
#include "report/printed_report.h"
#include "report/report_text.h"

namespace {

kol::ModelProfile FullProfile() {
  kol::ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  return profile;
}

kol::SettingsModel FullDocument() {
  kol::SettingsModel model;
  for (int group = kol::kGroup1; group <= kol::kGroup3; ++group) {
    kol::BuildChannelPlan(group, model.group[group]);
  }
  kol::BuildWeatherPlan(model.weather);
  for (int n = 0; n < kol::kExpChannelCount; ++n) {
    kol::ExpChannelRecord& exp = model.exp[n];
    exp.enable = true;
    exp.chDisplayL = std::to_string(n % 100);
    exp.chDisplayR = "X";
    exp.rxFreq = 156.0 + 0.0125 * n;
    exp.txFreq = 156.0312 + 0.0125 * n;  // off the raster: corrected on every row
  }
  for (auto& entry : model.individualDirectory) entry = {true, "STATION NAME", "0123456789", {}};
  for (auto& entry : model.groupDirectory) entry = {true, "GROUP", "012345678", {}};
  for (int i = 0; i < 4; ++i) model.usable.group[i] = {true, 32, "ABC"};
  model.autoPos.slot[1].channel = "32";
  return model;
}

void BM_ReportText(benchmark::State& state) {
  const kol::SettingsModel model = FullDocument();
  const kol::ModelProfile profile = FullProfile();
  for (auto _ : state) benchmark::DoNotOptimize(kol::BuildReportText(model, profile));
}
BENCHMARK(BM_ReportText)->Unit(benchmark::kMicrosecond);

void BM_PrintedLayout(benchmark::State& state) {
  const kol::SettingsModel model = FullDocument();
  const kol::ModelProfile profile = FullProfile();
  for (auto _ : state) benchmark::DoNotOptimize(kol::BuildPrintedReport(model, profile));
}
BENCHMARK(BM_PrintedLayout)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
