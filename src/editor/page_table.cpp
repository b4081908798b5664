#include "editor/page_table.h"

#include "editor/pages/atis_page.h"
#include "editor/pages/channel_editor_page.h"
#include "editor/pages/channel_list_page.h"
#include "editor/pages/common_page.h"
#include "editor/pages/directory_pages.h"
#include "editor/pages/dsc_page.h"
#include "editor/pages/general_page.h"
#include "editor/pages/usable_page.h"
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
      {"pictUsable", {PageKind::kUsable}, Make<UsablePage>},
      {"pictCommon", {PageKind::kCommon}, Make<CommonPage>},
      {"pictDSC", {PageKind::kDsc}, Make<DscPage>},
      {"pictATIS", {PageKind::kAtis}, Make<AtisPage>},
      {"pictB", {PageKind::kPlanList, PageKind::kExpList}, Make<ChannelListPage>},
      {"pictD", {PageKind::kWeather}, Make<WeatherPage>},
      {"pictC", {PageKind::kPlanChannel, PageKind::kExpChannel}, Make<ChannelEditorPage>},
      {"pictE", {PageKind::kDirectoryList}, Make<DirectoryListPage>},
      {"pictG", {PageKind::kDirectoryEntry}, Make<DirectoryEntryPage>},
  };
  return kRows;
}

}  // namespace kol::editor
