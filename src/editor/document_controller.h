// The document controller: the one writer of the open document and of its data-changed
// flag. Every change a page or dialog makes is one Edit; New, Open, Save, Save As, the
// model and destination changes, image files, recent files and the document a read from
// the radio brings live here. The window follows through the signals.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/dialogs/window_prompts.h"
#include "editor/edit_history.h"
#include "files/file_host.h"
#include "files/list_tables.h"
#include "files/startup.h"
#include "link/transfer_context.h"
#include "model/document.h"

class QWidget;

namespace kol::editor {

// How the window shows the document after it was replaced or changed as a whole.
enum class Reload {
  kStartPage,  // nodes rebuilt, General shown (New, a read, an image, a model or destination change)
  kSamePage,   // nodes rebuilt, the shown node's page again where the node is left (Open)
  kShownPage,  // the shown page again (the radio changed what it shows)
};

class DocumentController final : public QObject {
  Q_OBJECT
 public:
  // `window` shows the wait pointer and takes no input while files are read or written; the
  // file dialogs start in `documentsFolder` until the user has used a folder.
  DocumentController(Document& document, FileHost& host, WindowPrompts& prompts, QWidget& window,
                     std::string documentsFolder = {});

  const Document& Doc() const { return document_; }
  // The application-wide flags: update lock, error and cancel flags, debug mode.
  AppFlags& Flags() { return document_.flags; }
  bool Locked() const { return document_.flags.updateLock; }
  // The document holds edits that were not saved.
  bool DataChanged() const { return dataChanged_; }

  // The check made before the shown page is left (the navigator's); commands run it first.
  void SetPageCheck(std::function<bool()> check) { pageCheck_ = std::move(check); }
  bool MayLeavePage() const { return !pageCheck_ || pageCheck_(); }

  // The one road of a change: `change` writes the model, the document is marked changed
  // and the window told. Under the update lock (a page being filled, a long operation)
  // nothing happens: false.
  bool Edit(const EditStep& step, const std::function<void(SettingsModel&)>& change);
  // Text was typed into a field and is not committed yet: the document counts as changed
  // (the closing question asks), though nothing is written until the field commits.
  void Typed();
  // An edit made away from the page that shows it (a paste on a tree node, an import): made
  // as Edit makes it, then the window shows the step's page and control.
  bool EditAndShow(const EditStep& step, const std::function<void(SettingsModel&)>& change);

  // Edit > Undo and Redo: the page check first, then the step before (after) the document's
  // state is taken back (made again) and the window shows its page and control. Back at the
  // state last saved, the document holds no unsaved edits. False when nothing was done.
  bool Undo();
  bool Redo();
  // The steps Undo and Redo would take; null when there is none.
  const EditStep* UndoStep() const { return history_.UndoStep(); }
  const EditStep* RedoStep() const { return history_.RedoStep(); }

  // The program's start-up: the model list, the model, a new document with the
  // destination's defaults. No model offered: "Unknown model!!" has been shown.
  StartUpResult Start();

  // File menu. New runs a moment after it is chosen, as the window has to settle first.
  void New();
  void Open();
  bool Save();
  bool SaveAs();
  // Opens `path` as a command does: the page check and the closing question first.
  bool OpenFile(const std::string& path);
  // Opens `path` without asking (the command line); false when the file was refused.
  bool OpenPath(const std::string& path);
  // A file of the recent list; one that has gone is taken off the list.
  void OpenRecent(const std::string& path);
  std::vector<std::string> RecentFiles() const;
  // The closing question when there are unsaved edits; false when the user cancelled or
  // the save did not happen. True at once when nothing changed.
  bool AskToSaveChanges();
  // The document as it stands is the saved state, with no history: after New, Open, a
  // read and a model change, and where unsaved edits are let go without a question.
  void ForgetChanges();

  // File > Import and Export: a list as a CSV file. An import is taken whole or not at all
  // (the message names every refused line) and is one step; the window then shows the list.
  bool ImportList(ListId list);
  bool ExportList(ListId list);

  // Edit > Model and the Destination menu: false when the document stayed as it was.
  bool ChangeModel(int modelCode);
  bool ChangeDestination(const std::string& name);
  // The image files of debug mode.
  void OpenImage();
  void SaveImage();

  // An operation on the radio: `run` works on the document and says whether the operation
  // completed; a completed read replaces the document, a clearing changes it.
  bool Transfer(Operation operation, const std::function<bool(Document&)>& run);

  // "KOL Programmer  PC Program for LZ3300T - radio.dat"
  QString CaptionText() const;
  // Where the file dialogs start, where the user's files are: beside the document, else
  // where the last document was opened or saved, else the user's documents folder.
  std::string DialogFolder() const;
  // The name Save As proposes, with `extension` (".dat"): the document's own, else the
  // radio's MMSI, else "untitled".
  std::string ProposedFileName(std::string_view extension) const;

 signals:
  void Edited(const EditStep& step);
  // The document changed away from the page that shows it (undo, redo, an import): the
  // window shows the step's page and control.
  void Applied(const EditStep& step);
  // What Undo and Redo would do changed.
  void HistoryChanged();
  // A new document is about to be made: the window shows its start page meanwhile.
  void Reloading();
  void Reloaded(Reload how);
  void PathChanged();
  void RecentFilesChanged();
  // The document came to hold unsaved edits, or lost them (saved, replaced).
  void DataChangedChanged(bool changed);

 private:
  void RunNew();
  void SetDataChanged(bool changed);
  bool SaveDocument(bool keepPath);
  void RememberRecentFile(const std::string& path);
  void Reloads(Reload how);
  // A new document: no steps to take back; `saved` when it holds no unsaved edits.
  void StartHistory(bool saved);
  // The document after Undo or Redo.
  void Restore(const SettingsModel& model);

  Document& document_;
  FileHost& host_;
  WindowPrompts& prompts_;
  QWidget& window_;
  std::string documentsFolder_;
  std::function<bool()> pageCheck_;
  bool dataChanged_ = false;
  EditHistory history_;
  QTimer newTimer_;
};

}  // namespace kol::editor
