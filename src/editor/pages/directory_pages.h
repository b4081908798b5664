// The two MMSI directories: the list of a directory's entries, and the editor of one
// entry with its Add and Delete buttons. Entries 1..n are in use and later ones empty;
// the editor keeps it so.
#pragma once

#include "editor/page.h"

class QLabel;
class QPushButton;

namespace kol::editor {

class CommitField;
class ListGrid;

class DirectoryListPage final : public Page {
  Q_OBJECT
 public:
  DirectoryListPage(EditorServices& services, QWidget* parent);
  void ShowFor(const NodeTarget& target) override;

 private:
  ListGrid* grid_;
  DirectoryKind kind_ = DirectoryKind::kIndividual;
};

class DirectoryEntryPage final : public Page {
  Q_OBJECT
 public:
  DirectoryEntryPage(EditorServices& services, QWidget* parent);
  void ShowFor(const NodeTarget& target) override;
  bool Validate() override;

 private:
  DirectoryEntry& Entry();
  // Shows the entry and opens what its state allows.
  void Fill();
  void OnAdd(bool ticked);
  void OnDelete();
  // Removes the shown entry and shows the one that moved into its place.
  void DeleteShownEntry();

  QLabel* nameLabel_;
  CommitField* name_;
  QLabel* mmsiLabel_;
  QLabel* groupMark_;
  CommitField* mmsi_;
  QPushButton* add_;
  QPushButton* delete_;
  DirectoryKind kind_ = DirectoryKind::kIndividual;
  int number_ = 1;
};

}  // namespace kol::editor
