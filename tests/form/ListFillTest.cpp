// Filling a list many entries at a time ends exactly as adding them one by one does: the
// same entries in the same order with their numbers, the same entry selected, the same
// handlers run.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/Ascii.h"
#include "form/ComboBox.h"
#include "form/Form.h"

namespace aloftra {
namespace {

class ListForm : public Form {
 public:
  ListForm() : Form("frmList") {
    Names.onClick = [this] { seen.push_back("click " + Names.Text()); };
  }
  ComboBox Names{*this, "Names"};
  std::vector<std::string> seen;
};

// What a list shows and what its handlers heard.
struct ListState {
  std::vector<ListItem> items;
  int listIndex;
  std::string text;
  std::vector<std::string> seen;
  bool operator==(const ListState&) const = default;
};

ListState StateOf(const ListForm& form) {
  ListState state{{}, form.Names.ListIndex(), form.Names.Text(), form.seen};
  for (int i = 0; i < form.Names.ListCount(); ++i)
    state.items.push_back({form.Names.List(i), form.Names.ItemData(i)});
  return state;
}

// Short names from few letters in both cases, so that entries equal but for case, and
// entries exactly equal, come up often; each carries a number that tells it apart.
std::vector<ListItem> RandomEntries(std::mt19937& random, int count, long firstData) {
  static const std::string kLetters = "aAbB c";
  std::uniform_int_distribution<int> length(0, 3);
  std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
  std::vector<ListItem> entries;
  for (int i = 0; i < count; ++i) {
    std::string text;
    for (int n = length(random); n > 0; --n)
      text += kLetters[letter(random)];
    entries.push_back({text, firstData + i});
  }
  return entries;
}

// A list as a page may leave it: entries added while sorted or before sorting was asked
// for, one of them perhaps selected.
void Prepare(ListForm& form, std::mt19937& random) {
  std::uniform_int_distribution<int> coin(0, 1);
  bool sortedFirst = coin(random) == 1;
  form.Names.SetSorted(sortedFirst);
  for (const ListItem& item :
       RandomEntries(random, std::uniform_int_distribution<int>(0, 8)(random), 100))
    form.Names.AddItem(item.text, item.data);
  form.Names.SetSorted(sortedFirst || coin(random) == 1);
  if (form.Names.ListCount() > 0 && coin(random) == 1) {
    form.Names.SetListIndex(
        std::uniform_int_distribution<int>(0, form.Names.ListCount() - 1)(random));
  }
}

TEST(ListFillTest, FillingAtOnceEndsAsAddingOneByOne) {
  for (unsigned seed = 1; seed <= 500; ++seed) {
    SCOPED_TRACE(seed);
    for (bool emptyFirst : {false, true}) {
      ListForm bulk;
      ListForm single;
      std::mt19937 random(seed);
      std::mt19937 sameRandom(seed);
      Prepare(bulk, random);
      Prepare(single, sameRandom);
      std::vector<ListItem> entries =
          RandomEntries(random, std::uniform_int_distribution<int>(0, 40)(random), 1);

      if (emptyFirst) {
        bulk.Names.SetItems(entries);
        single.Names.Clear();
      } else {
        bulk.Names.AddItems(entries);
      }
      for (const ListItem& item : entries)
        single.Names.AddItem(item.text, item.data);
      ASSERT_EQ(StateOf(bulk), StateOf(single)) << (emptyFirst ? "SetItems" : "AddItems");
    }
  }
}

// The order of list entries spelt out: ASCII letters folded to lower case, then byte by byte,
// a shorter entry before a longer one it begins.
int ReferenceCompare(const std::string& a, const std::string& b) {
  auto fold = [](std::string text) {
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
  };
  int order = fold(a).compare(fold(b));
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

TEST(ListOrderTest, EntriesCompareWithAsciiLettersFoldedAndOtherBytesAsTheyAre) {
  // Long shared beginnings, case differences on either side of a word's width, and bytes
  // of accented letters, which do not fold.
  static const std::string kPieces[] = {
      "Torrey Pines ", "torrey pines ", "TORREY", "1", "12", "a", "B", "\xC3\x89", "\xC3\xA9", ""};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  for (int round = 0; round < 20000; ++round) {
    std::string a;
    std::string b;
    for (int n = 0; n < 3; ++n) {
      a += kPieces[piece(random)];
      b += kPieces[piece(random)];
    }
    ASSERT_EQ(CompareIgnoringCase(a, b), ReferenceCompare(a, b)) << a << " | " << b;
  }
}

TEST(ListFillTest, ASortedListPutsAccentedNamesBesideTheirPlainLetters) {
  ListForm form;
  form.Names.SetSorted(true);
  form.Names.AddItem("Zeta");
  form.Names.AddItem("Edward");
  form.Names.AddItems({{"Édouard"}, {"eagle"}, {"Ötztal"}, {"Oxford"}});
  std::vector<std::string> shown;
  for (int i = 0; i < form.Names.ListCount(); ++i)
    shown.push_back(form.Names.List(i));
  EXPECT_EQ(shown,
            (std::vector<std::string>{"eagle", "Édouard", "Edward", "Ötztal", "Oxford", "Zeta"}));
}

TEST(ListFillTest, ASortedFillOrdersCaseInsensitivelyAndKeepsEqualEntriesInTheOrderGiven) {
  ListForm form;
  form.Names.SetSorted(true);
  form.Names.AddItem("bravo", 1);
  form.Names.SetListIndex(0);
  form.Names.AddItems({{"Bravo", 2}, {"alpha", 3}, {"BRAVO", 4}, {"Alpha", 5}});
  std::vector<ListItem> expected = {
      {"alpha", 3}, {"Alpha", 5}, {"bravo", 1}, {"Bravo", 2}, {"BRAVO", 4}};
  EXPECT_EQ(StateOf(form).items, expected);
  // The entry selected before stays selected, without a click.
  EXPECT_EQ(form.Names.ListIndex(), 2);
  EXPECT_EQ(form.Names.Text(), "bravo");
  EXPECT_EQ(form.seen, std::vector<std::string>{"click bravo"});
}

}  // namespace
}  // namespace aloftra
