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

 protected:
  void ShowFor(const NodeTarget& target) override;

 private:
  ListGrid* grid_;
};

class DirectoryEntryPage final : public Page {
  Q_OBJECT
 public:
  DirectoryEntryPage(EditorServices& services, QWidget* parent);
  bool Validate() override;

 protected:
  // The captions of the directory shown; "Data Error!!" on the first free entry that
  // cannot be added yet.
  void ShowFor(const NodeTarget& target) override;
  // What the entry's state allows: Add, Delete, the fields.
  void ShowState() override;
  std::string Subject() const override;

 private:
  DirectoryKind Kind() const { return Shown().directory; }
  int Number() const { return Shown().index; }
  // The shown entry of the model.
  template <typename Model>
  auto& Entry(Model& model) const {
    return DirectoryEntries(model, Kind())[static_cast<std::size_t>(Number() - 1)];
  }
  void OnAdd(bool ticked);
  void OnDelete();

  QLabel* nameLabel_;
  CommitField* name_;
  QLabel* mmsiLabel_;
  QLabel* groupMark_;
  CommitField* mmsi_;
  QPushButton* add_;
  QPushButton* delete_;
};

}  // namespace kol::editor
