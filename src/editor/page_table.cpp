#include "editor/page_table.h"

#include "editor/pages/channel_editor_page.h"
#include "editor/pages/channel_list_page.h"
#include "editor/pages/general_page.h"
#include "editor/pages/weather_page.h"

namespace kol::editor {
namespace {

template <typename P>
Page* Make(EditorServices& services, QWidget* parent) {
  return new P(services, parent);
}

}  // namespace

std::span<const PageRow> PageTable() {
  static const std::vector<PageRow> kRows = {
      {"pictGeneral", {PageKind::kGeneral}, Make<GeneralPage>},
      {"pictGrey", {PageKind::kGrey}, Make<GreyPage>},
      {"pictB", {PageKind::kPlanList, PageKind::kExpList}, Make<ChannelListPage>},
      {"pictD", {PageKind::kWeather}, Make<WeatherPage>},
      {"pictC", {PageKind::kPlanChannel, PageKind::kExpChannel}, Make<ChannelEditorPage>},
  };
  return kRows;
}

}  // namespace kol::editor
