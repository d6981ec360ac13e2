// The settings page "一覧設定" on a live main window: the binding rule on
// every bound control, the check lists, the zoom track bar, the spin edits
// and when they may be used, the API entry list, Reset, and a layout with
// nothing clipped or overlapping at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "commands/command_text.h"
#include "kit/control_table.h"
#include "kit/owner_list.h"
#include "kit_support.h"
#include "magnifier/main_window.h"
#include "platform/message_dialog.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"
#include "custom/setting_page.h"
#include "custom/setting_page_design.h"
#include "win_support.h"

namespace zorvik {
namespace {

class SettingPageTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(500, 400);
    app_.settingsFile.clear();
    ASSERT_TRUE(app_.CreateMainWindow());
    wintest::Pump(200);
    ASSERT_TRUE(app_.ActionByName("Action_Custom_Setting")->Trigger());
    page_ = dynamic_cast<TForm_Setting*>(app_.CustomWindow().PageOf("TabSheet_Option"));
    ASSERT_NE(page_, nullptr);
    wintest::Pump(100);
  }
  kit::Action& A(const char* name) { return *app_.ActionByName(name); }
  HWND C(const char* name) { return page_->Control(name); }
  kit::OwnerList& List(const char* name) { return *page_->Controls().List(name); }
  void Click(const char* name) {
    SendMessageW(C(name), BM_CLICK, 0, 0);
    wintest::Pump(50);
  }
  // Space on a row of a check list, as the user toggles it.
  void ToggleRow(const char* list, int row) {
    List(list).Select(row);
    SendMessageW(C(list), WM_KEYDOWN, VK_SPACE, 0);
    wintest::Pump(30);
  }
  std::vector<std::wstring> Rows(const char* list) {
    std::vector<std::wstring> rows;
    for (int i = 0; i < List(list).Count(); ++i) rows.push_back(List(list).Item(i).text);
    return rows;
  }
  void Type(const char* edit, const wchar_t* text) {
    SetWindowTextW(C(edit), text);
    wintest::Pump(30);
  }

  TApp_Zorvik app_;
  TForm_Setting* page_ = nullptr;
};

TEST_F(SettingPageTest, StartsOnOptionsWithTheTreeFullyExpanded) {
  EXPECT_EQ(page_->SelectedNode(), "オプション");
  EXPECT_EQ(page_->VisiblePanel(), "Panel_Setting_Opt");
  HWND tree = C("TreeView_Category");
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 9);
  int visible = 0;
  for (auto i = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); i;
       i = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(i))))
    ++visible;
  EXPECT_EQ(visible, 9);  // the three information nodes are shown under their parent
}

TEST_F(SettingPageTest, EachNodeBringsItsPanelToTheFront) {
  const struct {
    const char* node;
    const char* panel;
    bool lengthOrigin;
  } cases[] = {
      {"拡大倍率", "Panel_Setting_Zoom", false},       {"グリッド", "Panel_Setting_Grid", false},
      {"表示情報", "Panel_Setting_InfoOpt", false},    {"カラー情報", "Panel_Setting_Info", false},
      {"カーソル位置情報", "Panel_Setting_Info", true}, {"ウィンドウ情報", "Panel_Setting_Info", false},
      {"キャプチャ", "Panel_Setting_Capture", false},  {"オプション", "Panel_Setting_Opt", false},
      {"API テスト", "Panel_Setting_APITest", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node);
    ASSERT_TRUE(page_->SelectNode(c.node));
    EXPECT_EQ(page_->VisiblePanel(), c.panel);
    if (std::string(c.panel) == "Panel_Setting_Info")
      EXPECT_EQ(IsWindowVisible(C("Panel_Length")) != FALSE, c.lengthOrigin);
  }
}

TEST_F(SettingPageTest, EveryButtonAndBoxIsBoundToTheCommandOfItsName) {
  const kit::ControlTableDesc& design = SettingPageDesign();
  int bound = 0;
  for (const kit::ControlDesc& d : design) {
    if (!kit::IsBindable(d.kind) || d.name == "Button_Close" || d.name == "Button_Reset") continue;
    SCOPED_TRACE(d.name);
    const kit::Action* a = page_->Bindings().ActionOf(C(d.name.c_str()));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->name, kit::BoundActionName(d.name));
    // The command's caption without its accelerator marker.
    wchar_t text[128] = L"";
    GetWindowTextW(C(d.name.c_str()), text, 128);
    EXPECT_EQ(std::wstring(text), W(CaptionWithoutAccelerator(a->caption)));
    EXPECT_EQ(std::wstring(text).find(L"&"), std::wstring::npos);
    ++bound;
  }
  EXPECT_EQ(bound, 20);
  // A click runs the command and the box shows its new check.
  page_->SelectNode("グリッド");
  ASSERT_TRUE(A("Action_Grid_Disp").Checked());
  Click("CheckBox_Grid_Disp");
  EXPECT_FALSE(A("Action_Grid_Disp").Checked());
  EXPECT_EQ(SendMessageW(C("CheckBox_Grid_Disp"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  Click("RadioButton_Grid_Black");
  EXPECT_TRUE(A("Action_Grid_Black").Checked());
  EXPECT_FALSE(A("Action_Grid_Gray").Checked());
  // A change made elsewhere shows on the page.
  A("Action_Grid_Disp").Trigger();
  page_->Sync();
  EXPECT_EQ(SendMessageW(C("CheckBox_Grid_Disp"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(SettingPageTest, CheckListsListTheTogglesOfTheirCategoryAndActAtOnce) {
  const struct {
    const char* node;
    const char* list;
    const char* category;
  } cases[] = {{"カラー情報", "CheckListBox_Info", "カラー情報"},
               {"カーソル位置情報", "CheckListBox_Info", "カーソル位置情報"},
               {"ウィンドウ情報", "CheckListBox_Info", "ウィンドウ情報"},
               {"オプション", "CheckListBox_Opt", "オプション"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node);
    page_->SelectNode(c.node);
    std::vector<std::wstring> expected;
    std::vector<kit::Action*> commands;
    for (size_t i = 0; i < app_.Actions().Count(); ++i) {
      kit::Action& a = app_.Actions().At(i);
      if (a.category == c.category && a.autoCheck) {
        expected.push_back(W(CaptionWithoutAccelerator(a.caption)));
        commands.push_back(&a);
      }
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Rows(c.list), expected);
    for (size_t i = 0; i < commands.size(); ++i) EXPECT_EQ(List(c.list).Checked(static_cast<int>(i)), commands[i]->Checked());
  }
  EXPECT_EQ(Rows("CheckListBox_Opt").size(), 6u);

  // "RGB" off: the command is unchecked and the information area loses a line.
  page_->SelectNode("カラー情報");
  ASSERT_EQ(Rows("CheckListBox_Info").front(), L"RGB");
  ASSERT_TRUE(A("Action_Color_RGB").Checked());
  RECT before{};
  GetClientRect(app_.Handle(), &before);
  ToggleRow("CheckListBox_Info", 0);
  EXPECT_FALSE(A("Action_Color_RGB").Checked());
  RECT after{};
  GetClientRect(app_.Handle(), &after);
  EXPECT_LT(after.bottom, before.bottom);
  ToggleRow("CheckListBox_Info", 0);
  EXPECT_TRUE(A("Action_Color_RGB").Checked());
}

TEST_F(SettingPageTest, TheTrackBarSetsAndFollowsTheZoom) {
  page_->SelectNode("拡大倍率");
  HWND bar = C("TrackBar_Zoom");
  EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), 9);
  EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), app_.ZoomIndex());
  // Moved by the user: the zoom follows, the label names it.
  SendMessageW(bar, TBM_SETPOS, TRUE, 8);
  SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 8), reinterpret_cast<LPARAM>(bar));
  wintest::Pump(30);
  EXPECT_EQ(app_.ZoomIndex(), 8);
  EXPECT_EQ(app_.ZoomFactor(), 16);
  wchar_t label[32] = L"";
  GetWindowTextW(C("Label_Zoom"), label, 32);
  EXPECT_STREQ(label, L"16倍");
  // Changed elsewhere: the bar follows.
  app_.StepZoom(-1);
  wintest::Pump(200);
  EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 7);
  // The wheel over the bar goes to the main window's wheel handling.
  SendMessageW(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(10, 10));
  wintest::Pump(100);
  EXPECT_EQ(app_.ZoomIndex(), 8);
  EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 8);
  // Over another part of the window, while the bar has the focus, likewise;
  // without the focus the page leaves the wheel alone.
  HWND custom = app_.CustomWindow().Handle();
  SetFocus(bar);
  SendMessageW(custom, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  wintest::Pump(100);
  EXPECT_EQ(app_.ZoomIndex(), 7);
  EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 7);
  SetFocus(C("TreeView_Category"));
  SendMessageW(custom, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  wintest::Pump(100);
  EXPECT_EQ(app_.ZoomIndex(), 7);
}

TEST_F(SettingPageTest, FixedPointSpinEditsWorkOnlyWhilePausedOrFixed) {
  page_->SelectNode("キャプチャ");
  auto enabled = [&] {
    return IsWindowEnabled(C("SpinEdit_Capture_FixedX")) && IsWindowEnabled(C("SpinEdit_Capture_FixedY")) &&
           IsWindowEnabled(page_->Controls().UpDownOf("SpinEdit_Capture_FixedX"));
  };
  EXPECT_FALSE(enabled());
  Click("CheckBox_Capture_Fixed");
  ASSERT_TRUE(app_.Fixed());
  EXPECT_TRUE(enabled());
  // Typing moves the fixed point; what is not a number changes nothing;
  // a number off the screen stays on it.
  SetFocus(C("SpinEdit_Capture_FixedX"));
  Type("SpinEdit_Capture_FixedX", L"123");
  EXPECT_EQ(app_.CapturePoint().x, 123);
  Type("SpinEdit_Capture_FixedX", L"12x");
  EXPECT_EQ(app_.CapturePoint().x, 123);
  Type("SpinEdit_Capture_FixedY", L"999999");
  EXPECT_EQ(app_.CapturePoint().y, GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  Click("CheckBox_Capture_Fixed");
  EXPECT_FALSE(app_.Fixed());
  EXPECT_FALSE(enabled());
  Click("CheckBox_Capture_Pause");
  ASSERT_TRUE(app_.Paused());
  EXPECT_TRUE(enabled());
  Click("CheckBox_Capture_Pause");
  EXPECT_FALSE(enabled());
  // The range is the virtual screen.
  int lo = 0, hi = 0;
  SendMessageW(page_->Controls().UpDownOf("SpinEdit_Capture_FixedX"), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
               reinterpret_cast<LPARAM>(&hi));
  EXPECT_EQ(lo, GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(hi, GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
}

TEST_F(SettingPageTest, LengthOriginSpinEditsSetTheOrigin) {
  page_->SelectNode("カーソル位置情報");
  SetFocus(C("SpinEdit_Pos_LengthOriginX"));
  Type("SpinEdit_Pos_LengthOriginX", L"120");
  Type("SpinEdit_Pos_LengthOriginY", L"-40");
  EXPECT_EQ(app_.Current().LengthOriginX, 120);
  EXPECT_EQ(app_.Current().LengthOriginY, -40);
  Type("SpinEdit_Pos_LengthOriginY", L"");
  EXPECT_EQ(app_.Current().LengthOriginY, -40);
}

TEST_F(SettingPageTest, UncheckingAnApiEntryRemovesItFromTheApiWindow) {
  page_->SelectNode("API テスト");
  TApp_ZorvikAPITest& api = app_.APITestWindow();
  ASSERT_TRUE(api.Exists());
  EXPECT_FALSE(IsWindowVisible(api.Handle()));  // made, not shown
  const std::vector<std::wstring> rows = Rows("CheckListBox_APITest");
  ASSERT_EQ(rows.size(), api.SortedEntries().size());
  ASSERT_GT(rows.size(), 2u);
  const std::string second = api.SortedEntries()[1]->Name;
  EXPECT_EQ(rows[1], W(second));
  api.ChooseEntry(0);
  const std::string selected = api.SelectedName();
  ToggleRow("CheckListBox_APITest", 1);
  std::vector<std::string> offered = api.OfferedNames();
  EXPECT_EQ(offered.size(), rows.size() - 1);
  EXPECT_EQ(std::find(offered.begin(), offered.end(), second), offered.end());
  EXPECT_EQ(api.SelectedName(), selected);
  EXPECT_EQ(api.HiddenListText(), second + "\r\n");
  // Shown again when the page is made to list it once more.
  page_->SelectNode("オプション");
  page_->SelectNode("API テスト");
  EXPECT_FALSE(List("CheckListBox_APITest").Checked(1));
  ToggleRow("CheckListBox_APITest", 1);
  EXPECT_EQ(api.OfferedNames().size(), rows.size());
}

// Everything Reset restores, changed away from the design state first.
void ChangeEverything(TApp_Zorvik& app) {
  auto trigger = [&](const char* name) { app.ActionByName(name)->Trigger(); };
  app.SetZoomIndex(9);
  for (const char* name : {"Action_Grid_Disp", "Action_Grid_Black", "Action_Grid_SubRed",
                           "Action_Grid_UseSubElseColor", "Action_Color_RGB", "Action_Pos_Length",
                           "Action_Opt_TitleBar", "Action_Opt_ToolBar", "Action_Capture_Fixed",
                           "Action_Capture_SmoothCapture", "Action_Opt_LargeIcon"})
    trigger(name);
  app.ActionByName("Action_Grid_SelSubElseColor")->tag = 0x123456;
  app.SetLengthOrigin(POINT{7, 9});
}

TEST_F(SettingPageTest, ResetAnsweredNoChangesNothing) {
  ChangeEverything(app_);
  std::vector<std::pair<std::string, bool>> checks;
  for (size_t i = 0; i < app_.Actions().Count(); ++i)
    checks.emplace_back(app_.Actions().At(i).name, app_.Actions().At(i).Checked());
  std::wstring asked, title;
  page_->ask = [&](const std::wstring& m, const std::wstring& t) {
    asked = m;
    title = t;
    return kResultNo;
  };
  Click("Button_Reset");
  EXPECT_EQ(asked, L"一覧設定の設定値をリセットします\rよろしいですか");
  EXPECT_EQ(title, L"Zorvik");
  for (const auto& [name, checked] : checks) EXPECT_EQ(A(name.c_str()).Checked(), checked) << name;
  EXPECT_EQ(app_.ZoomIndex(), 9);
  EXPECT_EQ(app_.Current().LengthOriginX, 7);
  EXPECT_EQ(A("Action_Grid_SelSubElseColor").tag, 0x123456);
  // Closing the question by its title-bar button is no Yes either.
  page_->ask = [](const std::wstring&, const std::wstring&) { return kResultClosed; };
  page_->Reset();
  EXPECT_TRUE(A("Action_Capture_Fixed").Checked());
}

TEST_F(SettingPageTest, ResetAnsweredYesRestoresTheDesignStateOfThePageOnly) {
  ChangeEverything(app_);
  page_->SelectNode("グリッド");
  page_->ask = [](const std::wstring&, const std::wstring&) { return kResultYes; };
  page_->Reset();
  wintest::Pump(50);
  EXPECT_EQ(app_.ZoomIndex(), 4);
  for (const char* on : {"Action_Grid_Disp", "Action_Grid_Gray", "Action_Grid_SubBlue", "Action_Grid_UseSubElseColor",
                         "Action_Color_RGB", "Action_Opt_TitleBar", "Action_Opt_ToolBar"})
    EXPECT_TRUE(A(on).Checked()) << on;
  for (const char* off : {"Action_Grid_Black", "Action_Grid_SubRed", "Action_Pos_Length", "Action_Capture_Fixed",
                          "Action_Capture_Pause", "Action_Capture_Lupe", "Action_Capture_SmoothCapture"})
    EXPECT_FALSE(A(off).Checked()) << off;
  EXPECT_EQ(A("Action_Grid_SelSubElseColor").tag, 0x008000);
  EXPECT_EQ(app_.Current().LengthOriginX, 0);
  EXPECT_EQ(app_.Current().LengthOriginY, 0);
  EXPECT_FALSE(app_.Fixed());
  // Not the page's to reset.
  EXPECT_TRUE(A("Action_Opt_LargeIcon").Checked());
  // The page shows what was restored.
  EXPECT_EQ(SendMessageW(C("RadioButton_Grid_Gray"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(C("RadioButton_Grid_Black"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(C("TrackBar_Zoom"), TBM_GETPOS, 0, 0), 4);
}

// Every control of every panel lies inside its container, and no two
// controls of one container overlap (a group box holds its controls).
void ExpectTidyLayout(const TForm_Setting& page) {
  const kit::ControlTable& t = page.Controls();
  for (size_t i = 0; i < t.Count(); ++i) {
    const kit::ControlDesc& d = t.DescAt(i);
    HWND h = t.At(i);
    ASSERT_NE(h, nullptr) << d.name;
    RECT r = kittest::RectInParent(h), client{};
    GetClientRect(GetParent(h), &client);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << d.name << " leaves its container at " << page.Dpi() << " dpi";
    if (d.kind == kit::ControlKind::GroupBox || d.kind == kit::ControlKind::Panel) continue;
    for (size_t j = i + 1; j < t.Count(); ++j) {
      const kit::ControlDesc& e = t.DescAt(j);
      if (e.kind == kit::ControlKind::GroupBox || e.kind == kit::ControlKind::Panel) continue;
      if (GetParent(t.At(j)) != GetParent(h)) continue;
      RECT s = kittest::RectInParent(t.At(j)), x{};
      EXPECT_FALSE(IntersectRect(&x, &r, &s)) << d.name << " overlaps " << e.name << " at " << page.Dpi() << " dpi";
    }
  }
  // A caption fits its control: the text's width in the page's font.
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, page.Font());
  for (size_t i = 0; i < t.Count(); ++i) {
    const kit::ControlDesc& d = t.DescAt(i);
    if (d.kind != kit::ControlKind::CheckBox && d.kind != kit::ControlKind::RadioButton &&
        d.kind != kit::ControlKind::Button && d.kind != kit::ControlKind::Label)
      continue;
    wchar_t text[128] = L"";
    const int n = GetWindowTextW(t.At(i), text, 128);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, n, &size);
    RECT r{};
    GetClientRect(t.At(i), &r);
    const int box = d.kind == kit::ControlKind::CheckBox || d.kind == kit::ControlKind::RadioButton ? page.Scale(18) : 0;
    EXPECT_LE(size.cx + box, r.right) << d.name << " is clipped at " << page.Dpi() << " dpi";
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
}

TEST_F(SettingPageTest, NothingIsClippedOrOverlapsAt96And144Dpi) {
  ExpectTidyLayout(*page_);
  TForm_Setting large(app_, app_, app_, app_.APITestWindow(), app_.DesignState());
  kit::ToolWindow host(L"ZorvikSettingHost", "host", kSettingPageWidth, kSettingPageHeight);
  ASSERT_TRUE(host.Ensure(nullptr, 144));
  ASSERT_TRUE(large.Create(host.Handle(), 144));
  RECT r{};
  GetClientRect(large.Handle(), &r);
  EXPECT_EQ(r.right, kSettingPageWidth * 3 / 2);
  ExpectTidyLayout(large);
}

}  // namespace
}  // namespace zorvik
