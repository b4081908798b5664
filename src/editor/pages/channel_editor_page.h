// The channel editor (pictC): one plan channel (number and frequencies fixed by the channel
// table, only shown) or one EXP channel (number and frequencies typed by the user). Each
// change the user makes goes into the channel's record as one step.
#pragma once

#include "editor/page.h"
#include "model/channel_rules.h"
#include "model/settings_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kol::editor {

class CommitField;
class RuleLine;

class ChannelEditorPage final : public Page {
  Q_OBJECT
 public:
  ChannelEditorPage(EditorServices& services, QWidget* parent);
  // An enabled channel needs a receive frequency and a channel number.
  bool Validate() override;

 protected:
  // The layout of the channel kind shown: fixed or typed number and frequencies, duplex.
  void ShowFor(const NodeTarget& target) override;
  // Which controls take input: CH Enable -> Tx Enable -> Low Power Only -> Power Up, and
  // the fixed restrictions of a plan channel (receive only, duplex pair, the DSC channel).
  void ShowState() override;
  std::string Subject() const override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Bind();

  bool IsExp() const { return Shown().kind == PageKind::kExpChannel; }
  // The record of the shown node in `model`, of the kind it shows.
  template <typename Model>
  auto& PlanRecord(Model& model) const {
    return model.group[static_cast<std::size_t>(Shown().group)][static_cast<std::size_t>(Shown().index)];
  }
  template <typename Model>
  auto& ExpRecord(Model& model) const {
    return model.exp[static_cast<std::size_t>(Shown().index - 1)];
  }
  // A switch both kinds of channel have, in the shown record.
  template <typename Model>
  auto& Switch(Model& model, bool ChannelRecord::*plan, bool ExpChannelRecord::*exp) const {
    return IsExp() ? ExpRecord(model).*exp : PlanRecord(model).*plan;
  }
  // The texts the fields show for the record.
  ChannelNumberParts NumberText(const SettingsModel& model) const;
  std::string RxText(const SettingsModel& model) const;
  std::string TxText(const SettingsModel& model) const;

  QLabel* positionLabel_ = nullptr;
  QLineEdit* number_ = nullptr;
  QLineEdit* suffix_ = nullptr;
  QLabel* rxLabel_ = nullptr;
  CommitField* rx_ = nullptr;
  QLabel* rxUnit_ = nullptr;
  QLabel* txLabel_ = nullptr;
  CommitField* tx_ = nullptr;
  QLabel* txUnit_ = nullptr;
  QCheckBox* enable_ = nullptr;
  QCheckBox* txEnable_ = nullptr;
  QCheckBox* lowPower_ = nullptr;
  RuleLine* lowPowerLine_ = nullptr;
  QCheckBox* powerUp_ = nullptr;
  RuleLine* powerUpLine_ = nullptr;
  QCheckBox* duplex_ = nullptr;
  QCheckBox* scan_ = nullptr;
  QWidget* duplexPanel_ = nullptr;
};

}  // namespace kol::editor
