#include "editor/page_table.h"

#include "editor/pages/general_page.h"

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
  };
  return kRows;
}

}  // namespace kol::editor
