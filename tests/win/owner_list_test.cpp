// Owner-drawn lists and check lists: checks toggled by the box and Space,
// separators, item heights from the font and the icons.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "kit/owner_list.h"
#include "kit/tool_window.h"
#include "win_support.h"

namespace zorvik::kit {
namespace {

// A tool window that passes its list's WM_DRAWITEM and WM_COMMAND on.
class ListHost : public ToolWindow {
public:
  ListHost() : ToolWindow(L"ZorvikKitListHost", "リスト", 240, 200) {}
  OwnerList list;

protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    LRESULT r = 0;
    if ((msg == WM_DRAWITEM || msg == WM_COMMAND) && list.Handle() && list.Reflect(msg, wp, lp, &r)) return r;
    return ToolWindow::HandleMessage(msg, wp, lp);
  }
};

class OwnerListTest : public ::testing::Test {
protected:
  void Make(int dpi, bool checks) {
    ASSERT_TRUE(host_.Ensure(nullptr, dpi));
    HWND h = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | OwnerList::kStyle,
                             0, 0, host_.Scale(200), host_.Scale(150), host_.Handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font()), FALSE);
    host_.list.Attach(h, checks);
    host_.list.FitToFont(0);
    host_.list.onCheck = [this](int i) { checks_.push_back(i); };
    host_.list.Add({L"RGB"});
    host_.list.Add({L"HTML", -1, true});
    host_.list.Add({L"", -1, false, true});  // separator
    host_.list.Add({L"HSV"});
    SetWindowPos(host_.Handle(), HWND_TOPMOST, 80, 80, 0, 0, SWP_NOSIZE);
    host_.Show();
    wintest::Pump(50);
  }
  LPARAM Centre(const RECT& r) const { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  void Click(LPARAM at) {
    SendMessageW(host_.list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(host_.list.Handle(), WM_LBUTTONUP, 0, at);
  }
  ListHost host_;
  std::vector<int> checks_;
};

TEST_F(OwnerListTest, TheBoxAndSpaceToggleAChecksButTheTextOnlySelects) {
  Make(96, true);
  OwnerList& list = host_.list;
  EXPECT_TRUE(list.Checked(1));
  Click(Centre(list.CheckBoxRect(1)));
  EXPECT_FALSE(list.Checked(1));
  EXPECT_EQ(list.Selected(), 1);
  RECT item;
  SendMessageW(list.Handle(), LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
  Click(MAKELPARAM(150, (item.top + item.bottom) / 2));  // on the text of HSV
  EXPECT_FALSE(list.Checked(3));
  EXPECT_EQ(list.Selected(), 3);
  SendMessageW(list.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(list.Checked(3));
  Click(Centre(list.CheckBoxRect(2)));  // a separator has no check
  EXPECT_FALSE(list.Checked(2));
  EXPECT_EQ(checks_, (std::vector<int>{1, 3}));
  list.SetChecked(0, true);  // by code: no callback
  EXPECT_TRUE(list.Checked(0));
  EXPECT_EQ(checks_.size(), 2u);
  // The list box keeps the texts for LB_GETTEXT.
  wchar_t text[16] = L"";
  SendMessageW(list.Handle(), LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"HSV");
}

TEST_F(OwnerListTest, WithoutCheckBoxesAClickNeverChecks) {
  Make(96, false);
  Click(MAKELPARAM(4, 4));
  EXPECT_EQ(host_.list.Selected(), 0);
  EXPECT_FALSE(host_.list.Checked(0));
  EXPECT_TRUE(checks_.empty());
  EXPECT_EQ(host_.list.CheckBoxRect(0).right, 0);
}

TEST_F(OwnerListTest, ItemsAreAsHighAsTheFontAndTheIconsNeed) {
  Make(144, true);
  EXPECT_EQ(host_.list.ItemHeight(), 23);  // 18-pixel font
  HIMAGELIST icons = ImageList_Create(32, 32, ILC_COLOR32, 1, 1);
  host_.list.SetImages(icons);
  EXPECT_EQ(host_.list.ItemHeight(), 32);
  host_.list.SetImages(nullptr);
  ImageList_Destroy(icons);
  EXPECT_EQ(host_.list.ItemHeight(), 23);
  const RECT box = host_.list.CheckBoxRect(0);
  EXPECT_EQ(box.bottom - box.top, 20);  // 13 pixels at 12, scaled to the 18-pixel font
  EXPECT_LE(box.bottom - box.top, host_.list.ItemHeight() - 2);
}

}  // namespace
}  // namespace zorvik::kit
