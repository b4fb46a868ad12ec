#include "core/exchange_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vensa {
namespace {

struct Item {
  int key;
  int id;  // where the item started, to see the order of equal keys
  friend bool operator==(const Item&, const Item&) = default;
};

bool KeyBefore(const Item& a, const Item& b) {
  return a.key < b.key;
}

// The exchanges done one comparison at a time: what the fast sort must reproduce.
std::vector<Item> Literally(std::vector<Item> items) {
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    for (std::size_t j = i + 1; j < items.size(); ++j) {
      if (KeyBefore(items[j], items[i])) std::swap(items[i], items[j]);
    }
  }
  return items;
}

std::vector<Item> Of(const std::vector<int>& keys) {
  std::vector<Item> items;
  for (int k : keys) items.push_back(Item{k, static_cast<int>(items.size())});
  return items;
}

TEST(ExchangeSort, EqualKeysEndAsTheExchangesLeaveThem) {
  std::vector<Item> items = Of({1, 1, 0});
  ExchangeSort(items, KeyBefore);
  EXPECT_EQ(items, (std::vector<Item>{{0, 2}, {1, 1}, {1, 0}}));
}

// Random lists with many ties, sorted and reversed runs, and lists long enough to spend
// the step budget and finish with plain passes.
TEST(ExchangeSort, SameOrderAsTheLiteralExchanges) {
  std::mt19937 random(42);
  for (int round = 0; round < 400; ++round) {
    const int n = static_cast<int>(random() % 200);
    const int range = 1 + static_cast<int>(random() % 12);
    std::vector<int> keys(static_cast<std::size_t>(n));
    for (int& k : keys) k = static_cast<int>(random() % static_cast<unsigned>(range));
    if (round % 5 == 1) std::sort(keys.begin(), keys.end());
    if (round % 5 == 2) std::sort(keys.rbegin(), keys.rend());
    std::vector<Item> items = Of(keys);
    ExchangeSort(items, KeyBefore);
    const std::vector<Item> literal = Literally(Of(keys));
    ASSERT_EQ(items, literal) << "round " << round;
    // Numbers as keys take a way of their own to the same order.
    const std::vector<std::size_t> order = ExchangeSortOrder(keys, std::less<int>());
    for (std::size_t i = 0; i < order.size(); ++i)
      ASSERT_EQ(order[i], static_cast<std::size_t>(literal[i].id)) << "round " << round;
  }
  for (int n : {1500, 1501}) {
    std::vector<int> keys;
    for (int i = 0; i < n; ++i) keys.push_back((n - i) / 3 + (i % 7 == 0 ? 50 : 0));
    std::vector<Item> items = Of(keys);
    ExchangeSort(items, KeyBefore);
    ASSERT_EQ(items, Literally(Of(keys))) << n;
  }
}

}  // namespace
}  // namespace vensa
