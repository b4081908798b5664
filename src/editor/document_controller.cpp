#include "editor/document_controller.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <utility>

#include "editor/busy_scope.h"
#include "editor/list_places.h"
#include "files/app_settings.h"
#include "files/dat_file.h"
#include "files/destinations.h"
#include "files/hex_file.h"
#include "files/list_file.h"
#include "files/qt_settings_store.h"
#include "files/text_lines.h"

namespace kol::editor {
namespace {

constexpr int kNewDelayMs = 100;

bool HasExtension(const std::string& path, std::string_view extension) {
  return EqualsIgnoringCase(std::filesystem::path(path).extension().string(), extension);
}

// The name the caption shows: the text after the last path separator, in lower case.
std::string CaptionFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

DocumentController::DocumentController(Document& document, FileHost& host, WindowPrompts& prompts,
                                       QWidget& window, std::string documentsFolder)
    : document_(document),
      host_(host),
      prompts_(prompts),
      window_(window),
      documentsFolder_(std::move(documentsFolder)) {
  newTimer_.setSingleShot(true);
  connect(&newTimer_, &QTimer::timeout, this, &DocumentController::RunNew);
}

bool DocumentController::Edit(const EditStep& step, const std::function<void(SettingsModel&)>& change) {
  if (Locked()) return false;
  change(document_.model);
  SetDataChanged(true);
  if (history_.Record(step, document_.model)) emit HistoryChanged();
  emit Edited(step);
  return true;
}

void DocumentController::Typed() {
  if (!Locked()) SetDataChanged(true);
}

bool DocumentController::EditAndShow(const EditStep& step,
                                     const std::function<void(SettingsModel&)>& change) {
  if (!Edit(step, change)) return false;
  emit Applied(step);
  return true;
}

// ---------------------------------------------------------------------------------------
// Undo and redo
// ---------------------------------------------------------------------------------------

bool DocumentController::Undo() {
  // The page check may commit a typed text: that is then the step taken back.
  if (Locked() || !history_.CanUndo() || !MayLeavePage() || !history_.CanUndo()) return false;
  Restore(history_.Undo());
  return true;
}

bool DocumentController::Redo() {
  if (Locked() || !history_.CanRedo() || !MayLeavePage() || !history_.CanRedo()) return false;
  Restore(history_.Redo());
  return true;
}

void DocumentController::Restore(const SettingsModel& model) {
  document_.model = model;
  SetDataChanged(!history_.AtSaved());
  emit HistoryChanged();
  emit Applied(history_.LastMoved());
}

void DocumentController::StartHistory(bool saved) {
  history_.Reset(document_.model, saved);
  emit HistoryChanged();
}

void DocumentController::ForgetChanges() {
  SetDataChanged(false);
  StartHistory(true);
}

void DocumentController::SetDataChanged(bool changed) {
  if (changed == dataChanged_) return;
  dataChanged_ = changed;
  emit DataChangedChanged(changed);
}

void DocumentController::Reloads(Reload how) {
  emit PathChanged();
  emit Reloaded(how);
}

StartUpResult DocumentController::Start() {
  // The pause after a file shows the wait pointer of a command the user chose; at start-up
  // nobody waits for one, and the window should be there at once.
  const int pauseMs = std::exchange(host_.pauseMs, 0);
  StartUpResult started = StartUp(document_, host_);
  host_.pauseMs = pauseMs;
  if (started.offeredModels.empty()) return started;
  ForgetChanges();
  Reloads(Reload::kStartPage);
  return started;
}

QString DocumentController::CaptionText() const {
  std::string caption = std::string(kApplicationTitle) + "  " + document_.profile.WindowTitle();
  if (!document_.path.empty()) caption += " - " + CaptionFileName(document_.path);
  return QString::fromStdString(caption);
}

std::string DocumentController::DialogFolder() const {
  const std::string& path = document_.path;
  if (!path.empty()) return std::filesystem::path(path).parent_path().string();
  const std::vector<std::string> recent = RecentFiles();
  std::error_code ec;
  if (!recent.empty()) {
    const std::filesystem::path folder = std::filesystem::path(recent.front()).parent_path();
    if (std::filesystem::is_directory(folder, ec)) return folder.string();
  }
  return documentsFolder_;
}

std::string DocumentController::ProposedFileName(std::string_view extension) const {
  std::filesystem::path name;
  if (!document_.path.empty()) {
    name = std::filesystem::path(document_.path).filename();
  } else if (!document_.model.dscBasic.userMmsi.empty()) {
    name = document_.model.dscBasic.userMmsi;
  } else {
    name = "untitled";
  }
  return name.replace_extension(extension).string();
}

bool DocumentController::AskToSaveChanges() {
  if (!dataChanged_) return true;
  const MessageButton answer = prompts_.Show(
      {document_.profile.WindowTitle(), "KOL data has changed.\r\nDo you want to save changes?",
       MessageIcon::kQuestion, MessageButtons::kYesNoCancel, MessageButton::kYes});
  if (answer == MessageButton::kCancel) return false;
  if (answer == MessageButton::kNo) return true;
  if (!MayLeavePage()) return false;
  SaveDocument(true);
  return !document_.flags.errorFlag && !document_.flags.cancelFlag;
}

// ---------------------------------------------------------------------------------------
// New, Open, Save
// ---------------------------------------------------------------------------------------

void DocumentController::New() {
  if (!MayLeavePage() || !AskToSaveChanges()) return;
  newTimer_.start(kNewDelayMs);
}

void DocumentController::RunNew() {
  newTimer_.stop();
  BusyScope busy(&window_);
  emit Reloading();
  host_.Pause();
  ResetDocument(document_, host_, true);
  ForgetChanges();
  Reloads(Reload::kStartPage);
}

void DocumentController::Open() {
  if (!MayLeavePage() || !AskToSaveChanges()) return;
  document_.flags.cancelFlag = true;
  const std::string path =
      prompts_.AskOpenPath({kSettingsFileFilter, DialogFolder(), {}, "Open"}, false);
  if (path.empty()) return;
  OpenPath(path);
}

bool DocumentController::OpenFile(const std::string& path) {
  return MayLeavePage() && AskToSaveChanges() && OpenPath(path);
}

bool DocumentController::OpenPath(const std::string& path) {
  BusyScope busy(&window_);
  document_.flags.cancelFlag = true;
  // The file is read into a new document, so a refused file leaves this one as it was.
  Document read = document_;
  const bool opened = ReadSettingsFile(path, read, host_);
  document_.flags.errorFlag = read.flags.errorFlag;
  if (!opened) return false;
  document_.model = std::move(read.model);
  document_.image = std::move(read.image);
  document_.destination = std::move(read.destination);
  document_.path = path;
  document_.flags.cancelFlag = false;
  // The file as it is on disk: the edits it replaced were offered a save first.
  ForgetChanges();
  RememberRecentFile(path);
  Reloads(Reload::kSamePage);
  return true;
}

bool DocumentController::Save() { return MayLeavePage() && SaveDocument(true); }

bool DocumentController::SaveAs() { return MayLeavePage() && SaveDocument(false); }

bool DocumentController::SaveDocument(bool keepPath) {
  // A raw image opened as the document is never overwritten by the settings text.
  const bool reuse = keepPath && !document_.path.empty() && !HasExtension(document_.path, ".hex");
  std::string path = document_.path;
  if (!reuse) {
    path = prompts_.AskSavePath(
        {kSettingsFileFilter, DialogFolder(), ProposedFileName(".dat"), "Save As"});
  }
  document_.flags.cancelFlag = true;
  if (path.empty()) return false;
  BusyScope busy(&window_);
  if (WriteSettingsFile(path, document_, host_) && !document_.flags.errorFlag) {
    document_.path = path;
    document_.flags.cancelFlag = false;
    SetDataChanged(false);
    history_.MarkSaved();
    emit PathChanged();
    RememberRecentFile(path);
  }
  return !document_.flags.cancelFlag;
}

// ---------------------------------------------------------------------------------------
// Recent files
// ---------------------------------------------------------------------------------------

std::vector<std::string> DocumentController::RecentFiles() const { return ReadRecentFiles(host_.store); }

void DocumentController::RememberRecentFile(const std::string& path) {
  const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
  SaveRecentFiles(host_.store, WithRecentFile(ReadRecentFiles(host_.store), absolute));
  emit RecentFilesChanged();
}

void DocumentController::OpenRecent(const std::string& path) {
  if (!std::filesystem::exists(path)) {
    std::vector<std::string> files = ReadRecentFiles(host_.store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    SaveRecentFiles(host_.store, files);
    emit RecentFilesChanged();
    prompts_.Show({document_.profile.WindowTitle(),
                   "'" + path + "' no longer exists and was removed from the list.",
                   MessageIcon::kExclamation});
    return;
  }
  OpenFile(path);
}

// ---------------------------------------------------------------------------------------
// Model, destination, image files
// ---------------------------------------------------------------------------------------

bool DocumentController::ChangeModel(int modelCode) {
  if (modelCode == document_.profile.modelCode || !MayLeavePage() || !AskToSaveChanges() ||
      !ChangeModelType(modelCode, document_, host_)) {
    return false;
  }
  BusyScope busy(&window_);
  ForgetChanges();
  Reloads(Reload::kStartPage);
  return true;
}

bool DocumentController::ChangeDestination(const std::string& name) {
  if (!MayLeavePage() || !AskToSaveChanges() || !kol::ChangeDestination(name, document_, host_)) {
    return false;
  }
  BusyScope busy(&window_);
  ForgetChanges();
  Reloads(Reload::kStartPage);
  return true;
}

void DocumentController::OpenImage() {
  if (!document_.flags.debugMode || !MayLeavePage() || !AskToSaveChanges()) return;
  const std::string path =
      prompts_.AskOpenPath({kImageFileFilter, DialogFolder(), {}, "Open Image"}, true);
  if (path.empty()) {
    document_.flags.cancelFlag = true;
    return;
  }
  BusyScope busy(&window_);
  if (!ReadHexFileAs(path, document_, host_)) {
    document_.flags.cancelFlag = true;
    return;
  }
  document_.path = path;
  ForgetChanges();
  Reloads(Reload::kStartPage);
}

void DocumentController::SaveImage() {
  if (!document_.flags.debugMode || !MayLeavePage()) return;
  const std::string path = prompts_.AskSavePath(
      {kImageFileFilter, DialogFolder(), ProposedFileName(".hex"), "Save Image"});
  if (path.empty()) {
    document_.flags.cancelFlag = true;
    return;
  }
  BusyScope busy(&window_);
  SaveImageFile(path, document_, host_);
}

// ---------------------------------------------------------------------------------------
// Lists as CSV files
// ---------------------------------------------------------------------------------------

bool DocumentController::ImportList(ListId list) {
  if (Locked() || !MayLeavePage()) return false;
  const std::string title = "Import " + ListName(list);
  const std::string path = prompts_.AskOpenPath({kListFileFilter, DialogFolder(), {}, title}, true);
  if (path.empty()) return false;
  std::optional<std::string> text;
  {
    BusyScope busy(&window_);
    text = ReadListFile(path, document_, host_);
  }
  if (!text) return false;
  const ListEditResult read = ListFromCsv(document_.model, list, *text);
  if (!read.edit) {
    std::set<int> lines;
    for (const ListProblem& problem : read.problems) lines.insert(problem.line);
    const std::string refused = std::to_string(lines.size()) + (lines.size() == 1 ? " line refused" : " lines refused");
    const std::string name = std::filesystem::path(path).filename().string();
    prompts_.Show(RefusalMessage(title, "Nothing was imported from '" + name + "' (" + refused + "):",
                                 read.problems, document_.model, list, false));
    return false;
  }
  const EditStep step = RowsStep("Import of " + ListName(list), list, read.edit->rows);
  // A file that holds what the list holds changes nothing: the list is only shown.
  if (read.edit->rows.empty()) {
    emit Applied(step);
    return true;
  }
  return EditAndShow(step, [&read](SettingsModel& model) { read.edit->ApplyTo(model); });
}

bool DocumentController::ExportList(ListId list) {
  if (!MayLeavePage()) return false;
  const std::string path = prompts_.AskSavePath(
      {kListFileFilter, DialogFolder(), ListFileName(list), "Export " + ListName(list)});
  if (path.empty()) return false;
  BusyScope busy(&window_);
  return WriteListFile(path, list, document_, host_);
}

// ---------------------------------------------------------------------------------------
// The radio
// ---------------------------------------------------------------------------------------

bool DocumentController::Transfer(Operation operation, const std::function<bool(Document&)>& run) {
  if (!run(document_)) return false;
  switch (operation) {
    case Operation::kRead:
      document_.path.clear();
      ForgetChanges();
      Reloads(Reload::kStartPage);
      break;
    case Operation::kProgram:
      break;
    case Operation::kClearMmsi:
      // The radio's MMSI is gone, and so is the document's: no step may bring it back.
      StartHistory(false);
      [[fallthrough]];
    case Operation::kClearDscLog:
    case Operation::kClearDistressLog:
    case Operation::kClearCallLog:
      SetDataChanged(true);
      emit Reloaded(Reload::kShownPage);
      break;
  }
  return true;
}

}  // namespace kol::editor
