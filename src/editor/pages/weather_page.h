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

 protected:
  // The rows of the weather channels the model has; "Scan" only while the channel is enabled.
  void ShowState() override;
  std::string Subject() const override { return "Weather"; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QLabel* name;
    QCheckBox* enable;
    QCheckBox* scan;
  };

  std::array<Row, kWeatherChannelCount> rows_{};
};

}  // namespace kol::editor
