#include "editor/pages/weather_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/widgets/key_help.h"
#include "files/file_host.h"
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

    connect(row.enable, &QCheckBox::toggled, this, [this, i](bool ticked) {
      ChannelRecord* channel = Channel(i);
      if (services_.Locked() || !channel) return;
      // A disabled channel keeps its scan setting for when it is enabled again.
      rows_[static_cast<std::size_t>(i)].scan->setEnabled(ticked);
      channel->enable = ticked;
      services_.MarkChanged();
    });
    connect(row.scan, &QCheckBox::toggled, this, [this, i](bool ticked) {
      ChannelRecord* channel = Channel(i);
      if (services_.Locked() || !channel) return;
      channel->scanMemory = ticked;
      services_.MarkChanged();
    });
  }
  for (int i = 1; i < kWeatherChannelCount; ++i) {
    setTabOrder(rows_[static_cast<std::size_t>(i - 1)].scan, rows_[static_cast<std::size_t>(i)].enable);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table);
  layout->addStretch(1);
  table->setColumnStretch(3, 1);
}

ChannelRecord* WeatherPage::Channel(int row) {
  ChannelPlan& weather = services_.document.model.weather;
  return row >= 0 && row < static_cast<int>(weather.size()) ? &weather[static_cast<std::size_t>(row)]
                                                           : nullptr;
}

void WeatherPage::ShowFor(const NodeTarget&) {
  UpdateLockScope lock(services_.document.flags);
  for (int i = 0; i < kWeatherChannelCount; ++i) {
    const Row& row = rows_[static_cast<std::size_t>(i)];
    const ChannelRecord* channel = Channel(i);
    for (QWidget* control : std::initializer_list<QWidget*>{row.name, row.enable, row.scan}) {
      control->setVisible(channel != nullptr);
    }
    if (!channel) continue;
    row.enable->setChecked(channel->enable);
    row.scan->setChecked(channel->scanMemory);
    row.scan->setEnabled(channel->enable);
  }
}

bool WeatherPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    static_cast<QCheckBox*>(watched)->setText(event->type() == QEvent::FocusIn ? kFocusMark : kNoMark);
  }
  return Page::eventFilter(watched, event);
}

}  // namespace kol::editor
