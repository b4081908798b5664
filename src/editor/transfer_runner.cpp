#include "editor/transfer_runner.h"

#include <QWidget>

#include "editor/dialogs/compare_dialog.h"
#include "editor/dialogs/transfer_dialog.h"
#include "editor/document_controller.h"
#include "editor/navigator.h"
#include "editor/page.h"
#include "editor/setting_places.h"
#include "files/programming_check.h"
#include "files/settings_diff.h"

namespace kol::editor {
namespace {

// The findings a message lists; the rest are behind its details.
constexpr std::size_t kShownFindings = 8;

}  // namespace

TransferRunner::TransferRunner(const WindowDeps& deps, DocumentController& controller,
                               Navigator& navigator,
                               std::function<void(int context, const std::string& title)> help,
                               QWidget& window)
    : deps_(deps), controller_(controller), navigator_(navigator), help_(std::move(help)), window_(window) {}

void TransferRunner::ReadStoredOptions() {
  const SettingsStore& store = deps_.host.store;
  port_ = ReadPortChoice(store);
  verify_ = ReadFlagSetting(store, kVerifyAfterProgrammingSetting).value_or(true);
}

void TransferRunner::ChoosePort(const PortChoice& choice) {
  port_ = choice;
  SavePortChoice(deps_.host.store, port_);
}

void TransferRunner::SetVerify(bool verify) {
  verify_ = verify;
  deps_.host.store.Write(kVerifyAfterProgrammingSetting.section, kVerifyAfterProgrammingSetting.key,
                         verify ? "1" : "0");
}

bool TransferRunner::Run(Operation operation) {
  if (!controller_.MayLeavePage()) return false;
  // A read replaces the document: unsaved edits are offered a save first.
  if (operation == Operation::kRead && !controller_.AskToSaveChanges()) return false;
  if (operation == Operation::kProgram && !ConfirmProgramming()) return false;
  TransferRequest request{operation, port_, operation == Operation::kProgram && verify_,
                          deps_.userDataFolder};
  std::string backup;
  const bool completed = controller_.Transfer(
      operation, [&](Document& document) { return RunDialog(document, std::move(request), &backup); });
  if (completed && operation == Operation::kRead) emit ReadFromRadio(QString::fromStdString(backup));
  return completed;
}

bool TransferRunner::RunDialog(Document& document, TransferRequest request, std::string* backup) {
  std::unique_ptr<SerialPort> port =
      deps_.makeSerialPort ? deps_.makeSerialPort() : std::make_unique<QtSerialPort>();
  TransferDialog dialog(document, deps_.host, std::move(port), std::move(request),
                        [this](const std::string& caption) { help_(kTransferHelpContext, caption); },
                        &window_);
  dialog.exec();
  if (backup != nullptr) *backup = dialog.BackupPath();
  return dialog.Completed();
}

bool TransferRunner::Compare() {
  if (!controller_.MayLeavePage()) return false;
  // The radio is read into a copy: the document stays as it is, edits and all.
  Document radio = controller_.Doc();
  if (!RunDialog(radio, {Operation::kRead, port_, false, deps_.userDataFolder}, nullptr)) {
    return false;
  }
  const DocumentDifferences differences = CompareDocuments(controller_.Doc(), radio);
  CompareDialog dialog(differences, DeviceOfPort(port_.number, port_.devicePath), &window_);
  dialog.exec();
  if (const std::optional<std::size_t> chosen = dialog.Chosen()) {
    const SettingDifference& difference = differences.settings[*chosen];
    if (const std::optional<SettingPlace> place = PlaceOfSetting(difference.section, difference.key)) {
      navigator_.ShowSetting(*place);
    }
  }
  return true;
}

bool TransferRunner::ConfirmProgramming() {
  const Document& document = controller_.Doc();
  const std::vector<CheckFinding> findings = CheckForProgramming(document);
  if (findings.empty()) return true;
  // Each finding by the page that shows it, as the tree names it.
  std::vector<std::string> lines;
  for (const CheckFinding& finding : findings) {
    const std::optional<SettingPlace> place = PlaceOfSetting(finding.place.section, finding.place.key);
    const std::string node = place ? navigator_.NodeText(place->node) : std::string();
    const std::string where = node.empty() ? "[" + finding.place.section + "]" : node;
    std::string line = where + ", " + finding.place.key + ": " + finding.message;
    // Values come from a single-byte settings file.
    if (finding.radioValue) {
      const QString value = QString::fromLatin1(*finding.radioValue);
      line += "; the radio gets \"" + value.toStdString() + "\"";
    }
    lines.push_back(std::move(line));
  }
  std::string shown;
  std::string all;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < kShownFindings) shown += "- " + lines[i] + "\n";
    all += lines[i] + "\n";
  }
  if (lines.size() > kShownFindings) {
    shown += "... and " + std::to_string(lines.size() - kShownFindings) + " more (Show Details)\n";
  }
  const bool errors = HasErrors(findings);
  const std::string text =
      errors ? "The radio would not get what this document says:\n\n" + shown +
                   "\nProgram the radio anyway?"
             : "Please check before programming:\n\n" + shown + "\nProgram the radio?";
  const MessageButton answer = deps_.prompts.Show(
      {document.profile.WindowTitle(), text,
       errors ? MessageIcon::kExclamation : MessageIcon::kQuestion,
       errors ? MessageButtons::kYesNo : MessageButtons::kOkCancel,
       errors ? MessageButton::kNo : MessageButton::kOk,
       lines.size() > kShownFindings ? all : std::string()});
  if (answer == MessageButton::kYes || answer == MessageButton::kOk) return true;
  // Where the first finding can be put right.
  const CheckPlace& first = findings.front().place;
  if (const std::optional<SettingPlace> place = PlaceOfSetting(first.section, first.key)) {
    navigator_.ShowSetting(*place);
  }
  return false;
}

}  // namespace kol::editor
