// The channel editor (pictC): one plan channel (number and frequencies fixed by the channel
// table, only shown) or one EXP channel (number and frequencies typed by the user). Every
// change goes straight into the channel's record.
#pragma once

#include "editor/page.h"
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
  void ShowFor(const NodeTarget& target) override;
  // An enabled channel needs a receive frequency and a channel number.
  bool Validate() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The flags both kinds of channel have, in the record being edited.
  struct RecordFlags {
    bool* enable;
    bool* txEnable;
    bool* lowPower;
    bool* powerUp;
    bool* scanMemory;
  };

  void BuildControls();
  void BuildLayout();
  void ConnectHandlers();

  void ShowPlanChannel();
  void ShowExpChannel();
  // The layout of the channel kind shown: fixed or typed number and frequencies, duplex.
  void LayOutFor(bool exp);

  // The enabling cascade CH Enable -> Tx Enable -> Low Power Only -> Power Up. It sets
  // which controls take input; a user's click also stores the boxes into the record and
  // counts as an edit, while a fill (`filling`) stores nothing.
  void ApplyChannelEnable(bool filling);
  void ApplyTxEnable(bool filling);
  void ApplyLowPower(bool filling);

  // The record of the shown node; null when the node shows the other kind of channel.
  ChannelRecord* PlanRecord() const;
  ExpChannelRecord* ExpRecord() const;
  RecordFlags Flags();
  bool IsExp() const { return shown_.kind == PageKind::kExpChannel; }
  // Handlers act on the user's edits only: not while a fill or a long operation holds the
  // update lock, and not while the page is not shown.
  bool Acting() const;
  // The frequency texts the fields show for the record.
  std::string RxText();
  std::string TxText();

  NodeTarget shown_;

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
