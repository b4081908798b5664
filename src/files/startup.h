// Start-up of the program: the debug switches, the model list of "global.ini", the
// selected model's profile, and the new document built from the destination's defaults.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/file_host.h"
#include "files/ini_file.h"
#include "model/document.h"

namespace kol {

inline constexpr char kModelListFile[] = "global.ini";

// True when the whole command line, trimmed and in any case, is "/D", "/DE" or "/ED".
bool DebugModeRequested(std::string_view commandLine);

// The model types the list offers: n for every section "model<n>" whose "use" is 1; the
// scan ends at the first n without a "use" value.
std::vector<int> OfferedModels(const IniFile& modelList);

// Makes `modelCode` the profile's model: its name and the "atis", "wx" and "wa" flags of
// its section (a flag that is not a truth value or number stays as it was).
void SelectModel(int modelCode, const IniFile& modelList, ModelProfile& profile);

// The model list the program reads: global.ini in the first data folder that holds one.
std::string ModelListPath(const ModelProfile& profile);

// Selects the model start-up selects, the one chosen last if the model list offers it,
// else the last one offered. Returns the models offered; none leaves the profile as it was.
std::vector<int> SelectStartUpModel(ModelProfile& profile, SettingsStore& store);

// The destination among `names` that a new document starts from: the document's own, else
// the one remembered for the model, matched without regard to case; empty when none does.
std::string TickedDestination(const Document& document, const std::vector<std::string>& names,
                              SettingsStore& store);

struct StartUpResult {
  std::vector<int> offeredModels;  // none after "Unknown model!!": the program ends
  bool destinationLoaded = false;  // false after "IniFileRead Error!!": the built-in image stands
};

// Reads the model list and the last model, selects the model and builds a new document
// with the destination's defaults.
StartUpResult StartUp(Document& document, FileHost& host);

// A new document of the selected model: plans, empty directories, the built-in default
// image, no document path; with `loadDestination`, the current destination's image (the
// document's destination, or the one remembered for the model). Returns false when that
// image could not be loaded: the message has been shown and the built-in image stands.
bool ResetDocument(Document& document, FileHost& host, bool loadDestination);

// The model-type menu: asks, then selects the model, remembers it and starts a new
// document. False when the model stays as it was.
bool ChangeModelType(int modelCode, Document& document, FileHost& host);

}  // namespace kol
