#include "util/ordered_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jovi {
namespace {

// Elements carry a key and a tag, so that equal keys can be told apart.
struct Item {
  int key;
  char tag;
};

struct ItemOrder {
  static bool Equal(const Item& a, const Item& b) { return a.key == b.key; }
  static bool Greater(const Item& a, const Item& b) { return a.key > b.key; }
};

using List = OrderedList<Item, ItemOrder>;

// "1a 2b 2c 3d": the list walked as the program walks it (Reset, Next to AtEnd).
std::string Walk(List& list) {
  std::string out;
  list.Reset();
  while (const Item* it = list.Next()) {
    if (!out.empty()) out += ' ';
    out += std::to_string(it->key) + it->tag;
    if (list.AtEnd()) break;
  }
  return out;
}

List Make(const std::vector<Item>& items) {
  List list;
  for (const Item& i : items) list.InsertAfterCursor(i);
  return list;
}

TEST(OrderedList, EqualKeysLandAfterFromBelowAndBeforeFromAbove) {
  struct Case {
    const char* name;
    int cursor;  // index of the cursor before the insertion; -1 for none
    const char* expected;
    int new_index;
  };
  const Case cases[] = {
      {"cursor on 3: search comes from above", 3, "1a 2n 2b 2c 3d", 1},
      {"cursor on 1: search comes from below", 0, "1a 2b 2c 2n 3d", 3},
      {"no cursor: starts at the head, from below", -1, "1a 2b 2c 2n 3d", 3},
      {"cursor on the first 2: goes back before it", 1, "1a 2n 2b 2c 3d", 1},
  };
  for (const Case& c : cases) {
    List list = Make({{1, 'a'}, {2, 'b'}, {2, 'c'}, {3, 'd'}});
    ASSERT_EQ(Walk(list), "1a 2b 2c 3d");
    list.Reset();
    if (c.cursor >= 0) list.ItemAt(c.cursor);
    list.InsertOrdered({2, 'n'});
    EXPECT_EQ(list.CurrentIndex(), c.new_index) << c.name;
    ASSERT_NE(list.Current(), nullptr) << c.name;
    EXPECT_EQ(list.Current()->tag, 'n') << c.name;
    EXPECT_EQ(Walk(list), c.expected) << c.name;
  }
}

TEST(OrderedList, OrderedInsertionAtBothEndsAndIntoEmpty) {
  List list;
  list.InsertOrdered({5, 'a'});
  EXPECT_EQ(list.CurrentIndex(), 0);
  list.InsertOrdered({1, 'b'});  // before the head
  EXPECT_EQ(list.CurrentIndex(), 0);
  list.InsertOrdered({9, 'c'});  // after the tail
  EXPECT_EQ(list.CurrentIndex(), 2);
  EXPECT_TRUE(list.AtEnd());
  // Equal to the head, coming from above: the backward search stops on the head, which is not
  // greater, so the new element goes after it.
  list.InsertOrdered({1, 'd'});
  EXPECT_EQ(list.CurrentIndex(), 1);
  list.InsertOrdered({7, 'e'});
  EXPECT_EQ(Walk(list), "1b 1d 5a 7e 9c");
  EXPECT_EQ(list.LastIndex(), 4);
}

TEST(OrderedList, DeletionMovesTheCursorBack) {
  List list = Make({{1, 'a'}, {2, 'b'}, {3, 'c'}});
  list.ItemAt(1);
  list.DeleteAtCursor();
  EXPECT_EQ(list.CurrentIndex(), 0);
  EXPECT_EQ(list.Current()->tag, 'a');
  EXPECT_EQ(Walk(list), "1a 3c");

  // Deleting the head leaves no cursor; Next then goes to the new head.
  list.ItemAt(0);
  list.DeleteAtCursor();
  EXPECT_EQ(list.CurrentIndex(), -1);
  EXPECT_EQ(list.Current(), nullptr);
  const Item* next = list.Next();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->tag, 'c');

  // Deleting the last element empties the list; the tail and head are both gone.
  list.DeleteAtCursor();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.LastIndex(), -1);
  EXPECT_TRUE(list.AtEnd());  // an empty list with no cursor
  list.InsertOrdered({4, 'd'});
  EXPECT_EQ(Walk(list), "4d");
}

TEST(OrderedList, CursorWalkAndItemAt) {
  List list = Make({{1, 'a'}, {2, 'b'}, {3, 'c'}});
  list.ItemAt(1);
  EXPECT_EQ(list.ItemAt(3), nullptr);  // LastIndex + 1
  EXPECT_EQ(list.ItemAt(-1), nullptr);
  EXPECT_EQ(list.CurrentIndex(), 1);  // unmoved
  EXPECT_EQ(list.ItemAt(2)->tag, 'c');
  EXPECT_EQ(list.ItemAt(0)->tag, 'a');
  EXPECT_TRUE(list.AtHead());

  // Next past the tail returns nothing and drops the cursor; the next Next restarts at the head.
  list.ItemAt(2);
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.CurrentIndex(), -1);
  EXPECT_EQ(list.Next()->tag, 'a');
  EXPECT_EQ(list.CurrentIndex(), 0);
  // Prev before the head likewise.
  EXPECT_EQ(list.Prev(), nullptr);
  EXPECT_EQ(list.CurrentIndex(), -1);
  EXPECT_EQ(list.Prev(), nullptr);  // no cursor: nothing happens
  EXPECT_EQ(list.CurrentIndex(), -1);

  // InsertAfterCursor without a cursor inserts at the front.
  list.InsertAfterCursor({0, 'z'});
  EXPECT_EQ(list.CurrentIndex(), 0);
  EXPECT_EQ(Walk(list), "0z 1a 2b 3c");
}

TEST(OrderedList, CopiesAreIndependentAndClearEmpties) {
  List list = Make({{1, 'a'}, {2, 'b'}});
  list.ItemAt(1);
  List copy = list;
  EXPECT_EQ(copy.CurrentIndex(), 1);
  EXPECT_EQ(copy.Current()->tag, 'b');
  copy.InsertOrdered({3, 'c'});
  EXPECT_EQ(Walk(list), "1a 2b");
  EXPECT_EQ(Walk(copy), "1a 2b 3c");

  List moved = std::move(copy);
  EXPECT_EQ(Walk(moved), "1a 2b 3c");
  moved.Clear();
  EXPECT_TRUE(moved.IsEmpty());
  EXPECT_EQ(moved.CurrentIndex(), -1);
  EXPECT_EQ(moved.LastIndex(), -1);
  EXPECT_EQ(moved.Next(), nullptr);
}

}  // namespace
}  // namespace jovi
