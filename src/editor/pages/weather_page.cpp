#include "editor/pages/weather_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/widgets/key_help.h"
#include "model/value_tables.h"

namespace kol::editor {
namespace {

// The focused row is marked by its box's caption.
constexpr char kFocusMark[] = ">";
constexpr char kNoMark[] = " ";

// "WX01" of "WX01[162.550MHz]".
QString WeatherName(const WeatherTableEntry& entry) {
  return QString::fromStdString(entry.displayText.substr(0, entry.displayText.find('[')));
}

QCheckBox* MarkedBox(const QString& name, const char* help, QWidget* parent) {
  auto* box = new QCheckBox(kNoMark, parent);
  box->setObjectName(name);
  SetKeyHelp(*box, help);
  return box;
}

}  // namespace

WeatherPage::WeatherPage(EditorServices& services, QWidget* parent) : Page(services, parent) {
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(24);
  table->addWidget(new QLabel("Enable", this), 0, 1);
  table->addWidget(new QLabel("Scan", this), 0, 2);
  for (int i = 0; i < kWeatherChannelCount; ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    const QString index = QString::number(i);
    row.name = new QLabel(WeatherName(WeatherTable()[static_cast<std::size_t>(i)]), this);
    row.name->setObjectName("lblWX_" + index);
    row.enable = MarkedBox("chkDEnable_" + index, key_help::kWeatherEnable, this);
    row.scan = MarkedBox("chkDScan_" + index, key_help::kCheckBox, this);
    for (QCheckBox* box : {row.enable, row.scan}) box->installEventFilter(this);
    table->addWidget(row.name, i + 1, 0);
    table->addWidget(row.enable, i + 1, 1);
    table->addWidget(row.scan, i + 1, 2);

    const auto w = static_cast<std::size_t>(i);
    const std::string name = row.name->text().toStdString();
    // A row without a weather channel is hidden, and its boxes are never clicked.
    BindBox(
        *row.enable, name + " Enable", [w](const SettingsModel& m) { return w < m.weather.size() && m.weather[w].enable; },
        [w](SettingsModel& m, bool ticked) { m.weather.at(w).enable = ticked; });
    BindBox(
        *row.scan, name + " Scan", [w](const SettingsModel& m) { return w < m.weather.size() && m.weather[w].scanMemory; },
        [w](SettingsModel& m, bool ticked) { m.weather.at(w).scanMemory = ticked; });
  }
  for (int i = 1; i < kWeatherChannelCount; ++i) {
    setTabOrder(rows_[static_cast<std::size_t>(i - 1)].scan, rows_[static_cast<std::size_t>(i)].enable);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table);
  layout->addStretch(1);
  table->setColumnStretch(3, 1);
}

void WeatherPage::ShowState() {
  const ChannelPlan& weather = Model().weather;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    const bool present = i < weather.size();
    for (QWidget* control : std::initializer_list<QWidget*>{row.name, row.enable, row.scan}) {
      control->setVisible(present);
    }
    // A disabled channel keeps its scan setting for when it is enabled again.
    row.scan->setEnabled(present && weather[i].enable);
  }
}

bool WeatherPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    static_cast<QCheckBox*>(watched)->setText(event->type() == QEvent::FocusIn ? kFocusMark : kNoMark);
  }
  return Page::eventFilter(watched, event);
}

}  // namespace kol::editor
