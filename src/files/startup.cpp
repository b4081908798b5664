#include "files/startup.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "files/app_settings.h"
#include "files/data_folders.h"
#include "files/destinations.h"
#include "files/text_lines.h"
#include "files/value_text.h"
#include "model/default_document.h"
#include "model/formatters.h"

namespace kol {
namespace {

struct Switch {
  std::string_view text;
  bool debug;
};
// "/E" is accepted and changes nothing.
constexpr Switch kSwitches[] = {{"/D", true}, {"/E", false}, {"/DE", true}, {"/ED", true}};

std::string ModelSection(int modelCode) { return "model" + std::to_string(modelCode); }

IniFile LoadModelList(const ModelProfile& profile) { return IniFile::Load(ModelListPath(profile)); }

void ApplyFlag(const IniFile& modelList, int modelCode, std::string_view key, bool& flag) {
  if (const std::optional<bool> value = ParseFlag(modelList.Value(ModelSection(modelCode), key))) {
    flag = *value;
  }
}

std::string WantedDestination(const Document& document, SettingsStore& store) {
  return document.destination.empty() ? SavedDestination(store, document.profile.modelCode)
                                      : document.destination;
}

bool LoadCurrentDestination(Document& document, FileHost& host) {
  const std::vector<std::string> names = ListDestinations(document.profile);
  if (names.empty()) return true;  // no destination files: the built-in image stands
  const std::string ticked = TickedDestination(document, names, host.store);
  if (ticked.empty()) {
    const std::string wanted = WantedDestination(document, host.store);
    host.Tell(document.profile.WindowTitle(), "IniFileRead Error!!", MessageIcon::kExclamation, {},
              DataFilePath(document.profile.programFolder,
                           DestinationFileName(wanted, document.profile)),
              kDestinationMissing);
    return false;
  }
  return LoadDestination(ticked, document, host);
}

}  // namespace

bool DebugModeRequested(std::string_view commandLine) {
  const std::string text = UpperAscii(TrimBlanks(commandLine));
  return std::any_of(std::begin(kSwitches), std::end(kSwitches),
                     [&](const Switch& s) { return s.debug && s.text == text; });
}

std::vector<int> OfferedModels(const IniFile& modelList) {
  std::vector<int> offered;
  for (int n = 1; n <= std::numeric_limits<std::int16_t>::max(); ++n) {
    const std::string use = modelList.Value(ModelSection(n), "use");
    if (use.empty()) break;
    if (ParseNumber(use) == 1.0) offered.push_back(n);
  }
  return offered;
}

void SelectModel(int modelCode, const IniFile& modelList, ModelProfile& profile) {
  profile.modelCode = static_cast<std::int16_t>(modelCode);
  profile.modelName = ModelNameFor(modelCode);
  ApplyFlag(modelList, modelCode, "atis", profile.atis);
  ApplyFlag(modelList, modelCode, "wx", profile.weather);
  ApplyFlag(modelList, modelCode, "wa", profile.weatherAlert);
}

std::string ModelListPath(const ModelProfile& profile) {
  return DataFilePath(profile.programFolder, kModelListFile);
}

std::vector<int> SelectStartUpModel(ModelProfile& profile, SettingsStore& store) {
  const IniFile modelList = LoadModelList(profile);
  const std::vector<int> offered = OfferedModels(modelList);
  if (offered.empty()) return {};
  int modelCode = offered.back();  // the last offered model, unless the user chose another
  const std::optional<int> last = ReadIntSetting(store, kLastModelSetting);
  if (last && std::find(offered.begin(), offered.end(), *last) != offered.end()) modelCode = *last;
  SelectModel(modelCode, modelList, profile);
  return offered;
}

std::string TickedDestination(const Document& document, const std::vector<std::string>& names,
                              SettingsStore& store) {
  const std::string wanted = WantedDestination(document, store);
  const auto ticked = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
    return EqualsIgnoringCase(name, wanted);
  });
  return ticked == names.end() ? std::string() : *ticked;
}

StartUpResult StartUp(Document& document, FileHost& host) {
  const std::vector<int> offered = SelectStartUpModel(document.profile, host.store);
  if (offered.empty()) {
    host.Tell(document.profile.WindowTitle(), "Unknown model!!", MessageIcon::kCritical, {},
              ModelListPath(document.profile),
              "The model list offers no radio model, so the program cannot start. Installing "
              "the program again puts its data files back.");
    return {};
  }
  const bool loaded = ResetDocument(document, host, true);
  return {offered, loaded};
}

bool ResetDocument(Document& document, FileHost& host, bool loadDestination) {
  UpdateLockScope lock(document.flags);
  BuildNewDocument(document.model, document.image, document.profile);
  document.path.clear();
  return !loadDestination || LoadCurrentDestination(document, host);
}

bool ChangeModelType(int modelCode, Document& document, FileHost& host) {
  if (modelCode == document.profile.modelCode) return false;
  const MessageButton answer =
      host.prompts.Show({document.profile.WindowTitle(),
                         "Do you want to program the " + ModelNameFor(modelCode) + " series?",
                         MessageIcon::kQuestion, MessageButtons::kOkCancel, MessageButton::kOk});
  if (answer != MessageButton::kOk) return false;
  SelectModel(modelCode, LoadModelList(document.profile), document.profile);
  SaveLastModel(host.store, modelCode);
  document.destination.clear();  // the new model starts from its own remembered destination
  ResetDocument(document, host, true);
  return true;
}

}  // namespace kol
