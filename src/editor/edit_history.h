// The steps of the document that can be taken back (undo) and made again (redo). Each step
// keeps the settings as it left them, a value-type snapshot: a step is one copy of the
// settings, whatever it changed, and taking it back is one assignment.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/window_place.h"
#include "model/settings_model.h"

namespace kol::editor {

// One change to the document as the user made it, named as a menu would name it, and
// where the window shows it.
struct EditStep {
  std::string name;    // "Rx Frequency of EXP 7"
  SettingPlace place;  // the node and the control
  std::vector<int> rows = {};  // a list's 0-based rows the step changed (a paste, a toggle)
  // A keystroke of a field stored at every key: the keystrokes typed one after the other
  // into one field are one step, the text typed.
  bool typing = false;

  bool operator==(const EditStep&) const = default;
};

class EditHistory {
 public:
  // The steps kept; older ones are let go.
  static constexpr std::size_t kDefaultLimit = 100;
  explicit EditHistory(std::size_t limit = kDefaultLimit);

  // A new document (or one the history cannot reach back over): no steps. `saved`: it is
  // the document as its file holds it.
  void Reset(const SettingsModel& current, bool saved);
  // The document as it now stands is the one its file holds.
  void MarkSaved();
  // The document became `after` through `step`. A step that changed nothing is no step:
  // false. Steps taken back before are gone. A typing step right after the same field's
  // typing joins it (unless the state between them is the saved one); typed back to the
  // text before, the joined step is gone.
  bool Record(const EditStep& step, const SettingsModel& after);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ + 1 < states_.size(); }
  // The step Undo takes back and the one Redo makes again; null when there is none.
  const EditStep* UndoStep() const;
  const EditStep* RedoStep() const;
  // Takes the last step back (makes the next one again) and returns the settings as they
  // are then. Only while CanUndo (CanRedo).
  const SettingsModel& Undo();
  const SettingsModel& Redo();
  // The step Undo or Redo went over last.
  const EditStep& LastMoved() const { return steps_[moved_]; }

  // The document is as its file holds it (false when that state has been let go).
  bool AtSaved() const { return saved_ == position_; }
  std::size_t Steps() const { return steps_.size(); }

 private:
  std::size_t limit_;
  // states_[i + 1] is what steps_[i] made of states_[i]; the document is states_[position_].
  std::deque<SettingsModel> states_;
  std::deque<EditStep> steps_;
  std::size_t position_ = 0;
  std::optional<std::size_t> saved_;
  std::size_t moved_ = 0;
};

}  // namespace kol::editor
