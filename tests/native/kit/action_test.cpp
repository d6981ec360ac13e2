#include "kit/action.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zorvik::kit {
namespace {

TEST(Action, ExclusiveGroupKeepsOneChecked) {
  ActionList list;
  Action& a = list.Add("A");
  Action& b = list.Add("B");
  Action& other = list.Add("C");
  a.groupIndex = b.groupIndex = 1;
  other.groupIndex = 2;
  other.SetChecked(true);
  int changes = 0;
  list.onChange = [&](Action&) { ++changes; };
  a.SetChecked(true);
  b.SetChecked(true);
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_TRUE(other.Checked());
  EXPECT_EQ(changes, 3);  // a on, a off, b on
}

TEST(Action, TriggerTogglesAutoCheckThenRunsHandler) {
  ActionList list;
  Action& a = list.Add("Toggle");
  a.autoCheck = true;
  bool seen = false;
  a.onExecute = [&](Action& self) { seen = self.Checked(); };
  EXPECT_TRUE(a.Trigger());
  EXPECT_TRUE(seen);
  EXPECT_TRUE(a.Trigger());
  EXPECT_FALSE(seen);
  a.SetEnabled(false);
  EXPECT_FALSE(a.Trigger());
  EXPECT_FALSE(a.Checked());
  Action& none = list.Add("NoHandler");
  EXPECT_FALSE(none.Execute());
}

TEST(Action, LookupsAreExact) {
  ActionList list;
  list.Add("Action_Zoom_1").id = 1001;
  list.Add("Action_Zoom_10").id = 1010;
  EXPECT_EQ(list.Find("Action_Zoom_1")->id, 1001);
  EXPECT_EQ(list.Find("Action_Zoom"), nullptr);
  EXPECT_EQ(list.FindById(1010)->name, "Action_Zoom_10");
  EXPECT_EQ(list.FindById(0), nullptr);
  EXPECT_EQ(list.FindById(1005), nullptr);
}

TEST(Action, CategoriesComeInTheOrderTheyFirstAppearWithTheirFirstRow) {
  ActionList list;
  std::vector<Action*> actions;
  for (const char* category : {"拡大倍率", "拡大倍率", "グリッド", "拡大倍率", "", "コピー", "グリッド"}) {
    actions.push_back(&list.Add("Action_" + std::to_string(actions.size())));
    actions.back()->category = category;
  }
  struct Case {
    int firstRow;
    std::vector<std::pair<std::string, int>> want;
  } cases[] = {
      {0, {{"拡大倍率", 0}, {"グリッド", 2}, {"", 4}, {"コピー", 5}}},
      {1, {{"拡大倍率", 1}, {"グリッド", 3}, {"", 5}, {"コピー", 6}}},  // rows under a header row
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, int>> got;
    for (const ActionCategory& category : CategoriesOf(actions, c.firstRow))
      got.emplace_back(category.name, category.firstRow);
    EXPECT_EQ(got, c.want) << "first row " << c.firstRow;
  }
  EXPECT_TRUE(CategoriesOf({}).empty());
}

}  // namespace
}  // namespace zorvik::kit
