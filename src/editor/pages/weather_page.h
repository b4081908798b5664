// The weather channels (pictD), edited in place: one row per weather channel with its
// "Enable" and "Scan" boxes; "Scan" can be changed only while the channel is enabled.
#pragma once

#include <array>

#include "editor/page.h"
#include "model/settings_model.h"

class QCheckBox;
class QLabel;

namespace kol::editor {

class WeatherPage final : public Page {
  Q_OBJECT
 public:
  WeatherPage(EditorServices& services, QWidget* parent);
  void ShowFor(const NodeTarget& target) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QLabel* name;
    QCheckBox* enable;
    QCheckBox* scan;
  };
  ChannelRecord* Channel(int row);

  std::array<Row, kWeatherChannelCount> rows_{};
};

}  // namespace kol::editor
