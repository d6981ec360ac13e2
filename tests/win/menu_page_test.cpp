// The menu page with the real main window: the tree of sections, checks that
// change the live popup menu at once, Reset to the design-time visibility
// (not to what the settings file said), the hint, Test and the page's menu
// from the keyboard, Close, and the layout at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "commands/main_menus.h"
#include "custom/menu_page.h"
#include "commands/menu_table.h"
#include "custom_page_support.h"
#include "kit/owner_list.h"
#include "kit_support.h"
#include "platform/win_text.h"

namespace zorvik {
namespace {

using Host = pagetest::PageHost<TForm_Custom_Menu>;

std::wstring TreeText(HWND tree, HTREEITEM item) {
  wchar_t text[128] = L"";
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = 128;
  TreeView_GetItem(tree, &tv);
  return text;
}

int NodeNamed(const TForm_Custom_Menu& page, const char* name) {
  for (int i = 0; i < page.NodeCount(); ++i)
    if (page.NodeItem(i)->name == name) return i;
  return -1;
}

int RowNamed(const TForm_Custom_Menu& page, const char* name) {
  for (int row = 0; page.RowItem(row); ++row)
    if (page.RowItem(row)->name == name) return row;
  return -1;
}

// The captions of a built Win32 menu's items (depth first, "-" separators).
void Captions(HMENU menu, std::vector<std::wstring>& out) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    out.push_back(text);
    if (HMENU sub = GetSubMenu(menu, i)) Captions(sub, out);
  }
}

// Whether the main popup menu, as it would open now, offers `caption`.
bool LiveMenuOffers(Host& host, const wchar_t* caption) {
  HMENU menu = host.app.Menus().Main().Build([&](const kit::Action& a) { return host.app.MenuCommandOf(a); });
  std::vector<std::wstring> all;
  Captions(menu, all);
  DestroyMenu(menu);
  for (const std::wstring& c : all)
    if (c == caption) return true;
  return false;
}

void ClickCheckBox(kit::OwnerList& list, int row) {
  RECT box = list.CheckBoxRect(row);
  const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
}

TEST(MenuPage, TreeHoldsTheRootAndTheNineSectionsByCommandCaption) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  HWND tree = host["TreeView_Menu"];
  ASSERT_EQ(page.NodeCount(), 10);
  HTREEITEM root = TreeView_GetRoot(tree);
  EXPECT_EQ(TreeText(tree, root), L"ルート");
  EXPECT_EQ(TreeView_GetSelection(tree), root);
  EXPECT_TRUE(TreeView_GetItemState(tree, root, TVIS_EXPANDED) & TVIS_EXPANDED);
  // One level only: the sections, in menu order, with no children of their own.
  const struct {
    const char* item;
    const wchar_t* text;
  } sections[] = {
      {"MenuItem_Zoom", L"拡大倍率"},        {"MenuItem_Grid", L"グリッド"},
      {"MenuItem_Color", L"カラー情報"},      {"MenuItem_Pos", L"カーソル位置情報"},  // own caption: no command
      {"MenuItem_WinInfo", L"ウィンドウ情報"}, {"MenuItem_Copy", L"コピー"},
      {"MenuItem_Write", L"テキスト書き換え"}, {"MenuItem_Capture", L"キャプチャ"},
      {"MenuItem_Customize", L"オプション"},  // Action_Menu_Setting's caption
  };
  HTREEITEM node = TreeView_GetChild(tree, root);
  for (size_t i = 0; i < std::size(sections); ++i) {
    ASSERT_NE(node, nullptr) << i;
    EXPECT_EQ(TreeText(tree, node), sections[i].text);
    EXPECT_EQ(page.NodeItem(static_cast<int>(i) + 1)->name, sections[i].item);
    EXPECT_EQ(TreeView_GetChild(tree, node), nullptr) << "nested submenus have no node";
    node = TreeView_GetNextSibling(tree, node);
  }
  EXPECT_EQ(node, nullptr);

  // The root's rows are the menu's top-level items; separators are drawn as lines.
  kit::OwnerList& list = *page.ItemList();
  EXPECT_EQ(list.Count(), static_cast<int>(host.app.Menus().Main().Root().children.size()));
  const int line = RowNamed(page, "MenuItem_Main_Line1");
  ASSERT_GE(line, 0);
  EXPECT_TRUE(list.Item(line).separator);
  EXPECT_EQ(list.Item(RowNamed(page, "MenuItem_Help")).text, L"バージョン情報");

  // The page menu's category items choose a node, which refills the list.
  ASSERT_NE(page.PageMenu().Find("mniMenu_Category_6"), nullptr);
  page.PageMenu().Find("mniMenu_Category_6")->action->Trigger();
  EXPECT_EQ(page.SelectedNode(), 6);
  EXPECT_EQ(page.RowItem(0)->name, "MenuItem_Copy_Picture");
}

TEST(MenuPage, CheckingTheWriteSectionOnTheRootShowsItInTheLiveMenu) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  kit::OwnerList& list = *page.ItemList();
  const int row = RowNamed(page, "MenuItem_Write");
  ASSERT_GE(row, 0);
  EXPECT_FALSE(list.Checked(row));
  EXPECT_FALSE(LiveMenuOffers(host, L"テキスト書き換え(&T)"));
  // Space on the focused row.
  SetFocus(list.Handle());
  list.Select(row);
  SendMessageW(list.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(list.Checked(row));
  EXPECT_TRUE(page.RowItem(row)->visible);
  EXPECT_TRUE(LiveMenuOffers(host, L"テキスト書き換え(&T)"));
  // And off again.
  SendMessageW(list.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(LiveMenuOffers(host, L"テキスト書き換え(&T)"));
}

TEST(MenuPage, ACheckBoxClickChangesTheItemAndWhatIsStored) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  page.SelectNode(NodeNamed(page, "MenuItem_Copy"));
  kit::OwnerList& list = *page.ItemList();
  const int row = RowNamed(page, "MenuItem_Copy_Picture");
  ASSERT_GE(row, 0);
  EXPECT_EQ(list.Count(), static_cast<int>(page.RowItem(0)->parent->children.size()));
  ASSERT_TRUE(list.Checked(row));
  const std::wstring caption = W(page.RowItem(row)->action->caption);
  ASSERT_TRUE(LiveMenuOffers(host, caption.c_str()));

  ClickCheckBox(list, row);
  EXPECT_FALSE(list.Checked(row));
  EXPECT_FALSE(page.RowItem(row)->visible);
  EXPECT_FALSE(LiveMenuOffers(host, caption.c_str()));
  const std::vector<uint16_t> hidden = host.app.Menus().CollectHiddenMenuItems();
  EXPECT_NE(std::find(hidden.begin(), hidden.end(), 6001), hidden.end());
  // The toolbar's copy of the section was taken at start and keeps its item.
  kit::PopupMenu* copies = host.app.Menus().ByName("PopupMenu_Copy");
  ASSERT_NE(copies, nullptr);
  ASSERT_NE(copies->Find("MenuItem_Copy_Picture_Tool_0"), nullptr);
  EXPECT_TRUE(copies->Find("MenuItem_Copy_Picture_Tool_0")->visible);

  // A click on the text selects the row without changing its check.
  RECT item{};
  SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 10, (item.top + item.bottom) / 2));
  SendMessageW(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(item.right - 10, (item.top + item.bottom) / 2));
  EXPECT_FALSE(list.Checked(row));
  EXPECT_EQ(list.Selected(), row);
}

TEST(MenuPage, ItemsInsideTheTestSubmenuHaveNoRowsButTheSubmenuHasOne) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  page.SelectNode(NodeNamed(page, "MenuItem_Customize"));
  EXPECT_GE(RowNamed(page, "MenuItem_Test"), 0);
  EXPECT_EQ(RowNamed(page, "MenuItem_Test_DispAPITest"), -1);
  EXPECT_EQ(RowNamed(page, "MenuItem_Test_Rop_SRCCOPY"), -1);
}

// The state found in a settings file differs from the design: Reset goes back
// to the design, and only on Yes.
TEST(MenuPage, ResetRestoresTheDesignVisibilityNotTheLoadedOneAndOnlyOnYes) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  MainMenus& menus = host.app.Menus();
  menus.ApplyHiddenMenuItems({6001, 1002});  // as read from a file: everything else shown
  page.Sync();
  const struct {
    const char* item;
    bool loaded, design;
  } cases[] = {
      {"MenuItem_Copy_Picture", false, true}, {"MenuItem_Zoom_2", false, true},
      {"MenuItem_Write", true, false},        {"MenuItem_Grid_Black", true, false},
      {"MenuItem_File_Minimize", true, false}, {"MenuItem_Grid_Disp", true, true},
  };
  auto expectAll = [&](bool design, const char* when) {
    for (const auto& c : cases)
      EXPECT_EQ(menus.Main().Find(c.item)->visible, design ? c.design : c.loaded) << c.item << " " << when;
  };
  const int write = RowNamed(page, "MenuItem_Write");
  ASSERT_GE(write, 0);
  EXPECT_TRUE(page.ItemList()->Checked(write));
  {
    wintest::DialogProbe no(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
    page.Reset();
    no.Join();
    EXPECT_TRUE(no.Answered());
    EXPECT_EQ(no.Text(), L"メニュー表示の設定をリセットします\r\nよろしいですか");
  }
  expectAll(false, "after No");
  {
    wintest::DialogProbe yes(L"Zorvik", wintest::DialogProbe::Action::Press, L"はい(&Y)");
    page.Reset();
    yes.Join();
    EXPECT_TRUE(yes.Answered());
  }
  expectAll(true, "after Yes");
  // The rows show it, and the page is usable again.
  EXPECT_FALSE(page.ItemList()->Checked(write));
  EXPECT_TRUE(IsWindowEnabled(page.Handle()));
  EXPECT_EQ(menus.CollectHiddenMenuItems().size(), [&] {
    size_t hidden = 0;
    for (size_t i = 0; i < MenuItemCount(); ++i) hidden += MenuTable()[i].visible ? 0 : 1;
    return hidden;
  }());
}

TEST(MenuPage, TheHintFollowsTheClickedRowAndANewNodeClearsIt) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  page.SelectNode(NodeNamed(page, "MenuItem_Grid"));
  kit::OwnerList& list = *page.ItemList();
  auto click = [&](int row) {
    RECT item{};
    SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.right - 10, (item.top + item.bottom) / 2);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
  };
  click(RowNamed(page, "MenuItem_Grid_Disp"));
  EXPECT_EQ(page.HintText(), L"グリッドとルーラを表示");
  click(RowNamed(page, "MenuItem_Grid_LineGrid"));  // a separator: no command
  EXPECT_EQ(page.HintText(), L"");
  click(RowNamed(page, "MenuItem_Grid_UseSubElseColor"));
  EXPECT_EQ(page.HintText(), L"グリッドの5ますと10ますごとに違う色を使ってサブグリッドを引く");
  page.SelectNode(0);
  EXPECT_EQ(page.HintText(), L"");
}

// F5 pops up the live main menu at the page's client origin; F10 the page's
// own menu.
TEST(MenuPage, KeysOpenTheLiveMenuAndThePageMenuAtThePageCorner) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  POINT origin{0, 0};
  ClientToScreen(page.Handle(), &origin);
  HWND list = page.ItemList()->Handle();
  {
    pagetest::MenuProbe probe;
    SendMessageW(list, WM_KEYDOWN, VK_F5, 0);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Rect().left, origin.x);
    EXPECT_EQ(probe.Rect().top, origin.y);
    ASSERT_FALSE(probe.Items().empty());
    EXPECT_EQ(probe.Items().front(), L"拡大倍率(&Z)");
  }
  {
    pagetest::MenuProbe probe;
    SendMessageW(list, WM_KEYDOWN, VK_F10, 0);
    SendMessageW(list, WM_KEYUP, VK_F10, 0);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Rect().left, origin.x);
    EXPECT_EQ(probe.Rect().top, origin.y);
    EXPECT_EQ(probe.Items(), (std::vector<std::wstring>{L"カテゴリ移動(&M)", L"-", L"テスト", L"リセット", L"-",
                                                        L"閉じる"}));
  }
}

TEST(MenuPage, CloseHidesTheHostingWindowAndLeavesTheMainWindow) {
  Host host;
  ASSERT_TRUE(host.created);
  ASSERT_TRUE(IsWindowVisible(host.window->Handle()));
  SendMessageW(host["Button_Close"], BM_CLICK, 0, 0);
  wintest::Pump(100);
  EXPECT_FALSE(IsWindowVisible(host.window->Handle()));
  EXPECT_TRUE(IsWindowVisible(host.app.Handle()));
}

// The main window's command shows the page on its tab of the customisation
// window, which it fills without clipping anything; Close hides only that window.
TEST(MenuPage, FillsItsTabOfTheCustomisationWindow) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  wintest::Pump(150);
  app.ActionByName("Action_Custom_Menu")->Trigger();
  wintest::Pump(200);
  auto* page = dynamic_cast<TForm_Custom_Menu*>(app.CustomWindow().PageOf("tabMenu"));
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(IsWindowVisible(page->Handle()));
  EXPECT_EQ(pagetest::LayoutFaults(*page), std::vector<std::string>{});
  SetForegroundWindow(app.CustomWindow().Handle());
  wintest::Pump(200);
  kittest::Keep(kittest::Capture(pagetest::ScreenRect(app.CustomWindow().Handle())), "menu-page-tab");
  SendMessageW(page->Control("Button_Close"), BM_CLICK, 0, 0);
  wintest::Pump(100);
  EXPECT_FALSE(IsWindowVisible(app.CustomWindow().Handle()));
  EXPECT_TRUE(IsWindowVisible(app.Handle()));
}

// Nothing clipped or overlapping, heights from the font; kept as a picture.
class MenuPageAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(MenuPageAtDpi, FitsItsControlsAndDrawsTheChecks) {
  const int dpi = GetParam();
  Host host(dpi);
  ASSERT_TRUE(host.created);
  TForm_Custom_Menu& page = *host.page;
  EXPECT_EQ(pagetest::LayoutFaults(page), std::vector<std::string>{});
  EXPECT_EQ(pagetest::GroupFaults(page), std::vector<std::string>{});
  const int font = MulDiv(12, dpi, 96);
  EXPECT_EQ(page.ItemList()->ItemHeight(), font * 13 / 10);
  EXPECT_EQ(kittest::Height(host["Button_Reset"]), font * 18 / 10);
  EXPECT_EQ(kittest::Height(host["Label_MenuText"]), kittest::FittedLabelHeight(host["Label_MenuText"], font + 4));

  page.SelectNode(NodeNamed(page, "MenuItem_Grid"));
  kit::OwnerList& list = *page.ItemList();
  list.Select(0);
  SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.Handle()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.Handle()));
  SetForegroundWindow(host.window->Handle());
  SetFocus(list.Handle());
  wintest::Pump(200);
  RedrawWindow(host.window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::Pump(200);
  const RECT window = pagetest::ScreenRect(host.window->Handle());
  const kittest::Picture pic = kittest::Capture(window);
  kittest::Keep(pic, "menu-page-" + std::to_string(dpi) + "dpi");
  auto local = [&](HWND w, RECT r) {
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  };
  // A tick in the box of a shown item, none in the box of a hidden one, and
  // the separator row drawn as a line across its middle.
  RECT shown = local(list.Handle(), list.CheckBoxRect(RowNamed(page, "MenuItem_Grid_Gray")));
  RECT hidden = local(list.Handle(), list.CheckBoxRect(RowNamed(page, "MenuItem_Grid_Black")));
  InflateRect(&shown, -2, -2);
  InflateRect(&hidden, -2, -2);
  EXPECT_GT(kittest::CountNear(pic, shown, GetSysColor(COLOR_WINDOWTEXT), 60), 3);
  EXPECT_EQ(kittest::CountNear(pic, hidden, GetSysColor(COLOR_WINDOWTEXT), 60), 0);
  RECT line{};
  SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(RowNamed(page, "MenuItem_Grid_LineGrid")),
               reinterpret_cast<LPARAM>(&line));
  const int middle = (line.top + line.bottom) / 2;
  RECT stroke = local(list.Handle(), RECT{line.left + 4, middle, line.right - 4, middle + 1});
  EXPECT_GT(kittest::CountNear(pic, stroke, GetSysColor(COLOR_BTNSHADOW), 16), (stroke.right - stroke.left) * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(MenuPage, MenuPageAtDpi, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "dpi"; });

}  // namespace
}  // namespace zorvik
