#include "model/option_lists.h"

#include <algorithm>

#include "model/formatters.h"
#include "model/value_tables.h"

namespace kol::options {
namespace {

constexpr int kOffsetLimit = 24;  // half hours either side of UTC

}  // namespace

const std::vector<Item>& OffsetItems() {
  static const std::vector<Item> kItems = [] {
    std::vector<Item> items;
    for (int halfHours = -kOffsetLimit; halfHours <= kOffsetLimit; ++halfHours) {
      items.push_back({OffsetTimeText(halfHours), halfHours});
    }
    return items;
  }();
  return kItems;
}

std::vector<Item> EnabledChannelItems(const ChannelPlan& plan) {
  std::vector<Item> items;
  for (const ChannelRecord& channel : plan) {
    if (!channel.enable) continue;
    items.push_back({ChannelCodeText(channel.position), channel.position});
  }
  return items;
}

int IndexOfData(std::span<const Item> items, int data) {
  const auto found =
      std::find_if(items.begin(), items.end(), [data](const Item& item) { return item.data == data; });
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace kol::options
