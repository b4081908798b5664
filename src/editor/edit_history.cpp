#include "editor/edit_history.h"

namespace kol::editor {

EditHistory::EditHistory(std::size_t limit) : limit_(limit > 0 ? limit : 1) { Reset({}, true); }

void EditHistory::Reset(const SettingsModel& current, bool saved) {
  states_.assign(1, current);
  steps_.clear();
  position_ = 0;
  saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
}

void EditHistory::MarkSaved() { saved_ = position_; }

bool EditHistory::Record(const EditStep& step, const SettingsModel& after) {
  if (after == states_[position_]) return false;
  if (step.typing && CanUndo() && !CanRedo() && steps_.back() == step && saved_ != position_) {
    states_.back() = after;
    if (after == states_[position_ - 1]) {
      states_.pop_back();
      steps_.pop_back();
      --position_;
    }
    return true;
  }
  states_.resize(position_ + 1);
  steps_.resize(position_);
  if (saved_ && *saved_ > position_) saved_.reset();  // the saved state was taken back
  states_.push_back(after);
  steps_.push_back(step);
  ++position_;
  if (steps_.size() > limit_) {
    states_.pop_front();
    steps_.pop_front();
    --position_;
    if (saved_) saved_ = *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
  }
  return true;
}

const EditStep* EditHistory::UndoStep() const { return CanUndo() ? &steps_[position_ - 1] : nullptr; }

const EditStep* EditHistory::RedoStep() const { return CanRedo() ? &steps_[position_] : nullptr; }

const SettingsModel& EditHistory::Undo() {
  moved_ = --position_;
  return states_[position_];
}

const SettingsModel& EditHistory::Redo() {
  moved_ = position_++;
  return states_[position_];
}

}  // namespace kol::editor
