// The copy-format page with the real main window: typed pieces reach the
// copy commands with every "%" literal, the specifier choice, stored formats
// that do not fit (one notice, then the default), the preview's error text,
// the length origin kept while switched off, the chooser with Page Up/Down
// and the wheel, Reset, Shift+copy opening the page on its item, and the
// layout at 96 and 144 dpi (screenshots kept when ZORVIK_SCREENSHOT_DIR is set).
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "copy/clipboard.h"
#include "custom/copy_page.h"
#include "custom/copy_page_layout.h"
#include "format/format_engine.h"
#include "kit/tool_window.h"
#include "kit_support.h"
#include "magnifier/main_window.h"
#include "platform/general.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/message_dialog.h"
#include "platform/win_text.h"
#include "win_support.h"

namespace zorvik {
namespace {

const CopyPanelDef& P(const char* name) { return *CopyPanelByName(name); }

// The main window (no settings file) and the page in a tool window of its
// own; `prepare` runs before the page is made (stored formats, answers).
struct CopyHost {
  explicit CopyHost(int dpi = 96, std::function<void(CopyHost&)> prepare = nullptr) {
    LoadOptionalFunctions();
    SetCursorPos(5, 5);
    app.settingsFile.clear();
    created = app.CreateMainWindow();
    if (!created) return;
    wintest::Pump(100);
    page = std::make_unique<TForm_Custom_Copy>(app, app);
    page->notify = [this](const std::wstring& m) { notices.push_back(m); };
    page->ask = [this](const std::wstring& m, const std::wstring& t) {
      questions.push_back(t + L"|" + m);
      return answer;
    };
    if (prepare) prepare(*this);
    window = std::make_unique<kit::ToolWindow>(L"ZorvikCopyPageTestHost", "カスタマイズ",
                                               TForm_Custom_Copy::kDesignWidth, TForm_Custom_Copy::kDesignHeight);
    window->Ensure(app.Handle(), dpi);
    window->SetPage(page.get());
    RECT w{};
    GetWindowRect(window->Handle(), &w);
    SetWindowPos(window->Handle(), HWND_TOPMOST, 300, 40, w.right - w.left, w.bottom - w.top, 0);
    window->Show();
    wintest::Pump(100);
  }
  ~CopyHost() {
    if (window) window->SetPage(nullptr);
    page.reset();
    window.reset();
  }
  HWND operator[](const std::string& name) const { return page->Control(name); }
  std::u16string Slot(int slot) { return app.Formats().CopyFormat(slot); }
  void Type(const std::string& box, const std::wstring& text) {
    SetWindowTextW((*this)[box], text.c_str());
    wintest::Pump(10);
  }
  void Click(const std::string& name) {
    SendMessageW((*this)[name], BM_CLICK, 0, 0);
    wintest::Pump(10);
  }

  TApp_Zorvik app;
  bool created = false;
  std::unique_ptr<kit::ToolWindow> window;
  std::unique_ptr<TForm_Custom_Copy> page;
  std::vector<std::wstring> notices, questions;
  int answer = kResultNo;
};

std::wstring Text(HWND h) {
  wchar_t text[512] = L"";
  GetWindowTextW(h, text, 512);
  return text;
}

bool Checked(HWND h) { return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(CopyPage, PercentTypedIntoTheHsvPanelEndsTheCopiedHsvText) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  host.Type("edtCopy_ColorHSV4", L"50%");
  EXPECT_EQ(host.Slot(7), u"%d %d %d50%%");
  EXPECT_EQ(Text(host["lblCopy_ColorHSVDisp"]), L"180 50 5050%");
  ASSERT_TRUE(host.app.ActionByName("Action_Copy_ColorHSV")->Execute());
  const std::wstring copied = ClipboardText(host.app.Handle());
  ASSERT_GE(copied.size(), 3u);
  EXPECT_EQ(copied.substr(copied.size() - 3), L"50%") << U8(copied);
}

// Whatever is typed is literal text: the stored format expands in the strict
// mode to exactly what was typed followed by the values.
TEST(CopyPage, AnyTypedTextIsStoredSoThatItExpands) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  const std::wstring longText(20000, L'%');
  const struct {
    const char* what;
    std::wstring typed, kept;
  } cases[] = {
      {"lone percent", L"%", L"%"},
      {"three percents", L"%%%", L"%%%"},
      {"specifiers", L"%d%s%x%1:s%", L"%d%s%x%1:s%"},
      {"outside the BMP", L"\U0001F600=", L"\U0001F600="},
      {"very long", longText, std::wstring(TForm_Custom_Copy::kMaxPieceLength, L'%')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.Type("edtCopy_ColorRGB1", c.typed);
    const std::u16string stored = host.Slot(1);
    std::u16string expanded;
    EXPECT_NO_THROW(expanded = ExpandFormat(stored, {int32_t{1}, int32_t{2}, int32_t{3}}, FormatMode::kStrict));
    EXPECT_EQ(Wide(expanded), c.kept + L"1 2 3");
    EXPECT_EQ(GetWindowTextLengthW(host["edtCopy_ColorRGB1"]), static_cast<int>(c.kept.size()));
    EXPECT_LE(ToUtf8(stored).size(), 0xFFFFu);  // a stored format's length field holds it
  }
  // Typing also stops at the limit.
  EXPECT_EQ(SendMessageW(host["edtCopy_ColorRGB1"], EM_GETLIMITTEXT, 0, 0), TForm_Custom_Copy::kMaxPieceLength);
}

TEST(CopyPage, HexChoiceTurnsEverySpecifierAndThePreview) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  EXPECT_EQ(Text(host["lblCopy_ColorRGBDisp"]), L"255 255 255");
  host.Click("chkCopy_ColorRGBHex");
  EXPECT_EQ(host.Slot(1), u"%x %x %x");
  EXPECT_EQ(Text(host["lblCopy_ColorRGBDisp"]), L"FF FF FF");
  for (int s = 0; s < 3; ++s) EXPECT_EQ(Text(host[SpecifierLabelName(P("ColorRGB"), s)]), L"%x");
  // The executable's choice passes the file name only.
  host.Click("chkCopy_WinInfoExeNameFileName");
  EXPECT_EQ(host.Slot(36), u"%1:s");
  EXPECT_EQ(Text(host["lblCopy_WinInfoExeNameDisp"]), L"calc.exe");
}

// Stored formats the panels cannot show: one notice each when the page is
// made, in panel order, and the panel and slot back at the default; a
// format that fits stays as it was.
TEST(CopyPage, StoredFormatsThatDoNotFitAreReportedOnceAndComeBackAsDefault) {
  const struct {
    int slot;
    const char16_t* stored;
    bool fits;
  } cases[] = {
      {1, u"%5d", false},          // a width is not allowed
      {7, u"%d %s %d", false},     // a text specifier in a number item
      {19, u"%d", false},          // one value where the panel shows two
      {24, u"h=%x", true},
      {30, u"id %d%", true},       // a trailing lone "%" is literal
      {36, u"%0:s (%1:s)", false}, // one specifier only
  };
  CopyHost host(96, [&](CopyHost& h) {
    for (const auto& c : cases) h.app.Formats().SetCopyFormat(c.slot, c.stored);
  });
  ASSERT_TRUE(host.created);
  std::vector<std::wstring> expected;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot);
    if (c.fits) {
      EXPECT_EQ(host.Slot(c.slot), c.slot == 30 ? u"id %d%%" : c.stored);  // rewritten in the panel's own form
    } else {
      EXPECT_EQ(host.Slot(c.slot), DefaultCopyFormat(c.slot));
      expected.push_back(Wide(MisfitNoticeOf(*CopyPanelOfSlot(c.slot))));
    }
  }
  EXPECT_EQ(host.notices, expected);
  ASSERT_FALSE(host.notices.empty());
  EXPECT_EQ(host.notices.front(), L"コピー/カラー情報/RGB\r/コピー形式文字列にエラーがあります\r初期値に戻します");
  EXPECT_EQ(Text(host["edtCopy_ColorRGB2"]), L" ");
  EXPECT_EQ(Text(host["lblCopy_ColorRGBDisp"]), L"255 255 255");
  EXPECT_EQ(Text(host["edtCopy_WinInfoHandle1"]), L"h=");
  EXPECT_TRUE(Checked(host["chkCopy_WinInfoHandleHex"]));
}

// The real notice: shown once, with OK, and the page comes up afterwards.
TEST(CopyPage, MisfitNoticeIsTheProgramsMessageDialog) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  app.Formats().SetCopyFormat(1, u"%5d");
  TForm_Custom_Copy page(app, app);
  kit::ToolWindow window(L"ZorvikCopyPageTestHost2", "カスタマイズ", TForm_Custom_Copy::kDesignWidth,
                         TForm_Custom_Copy::kDesignHeight);
  window.Ensure(app.Handle(), 96);
  {
    wintest::DialogProbe ok(ProductNameOf(), wintest::DialogProbe::Action::Press, L"OK");
    window.SetPage(&page);
    ok.Join();
    EXPECT_TRUE(ok.Answered());
    EXPECT_EQ(ok.Text(), L"コピー/カラー情報/RGB\r\n/コピー形式文字列にエラーがあります\r\n初期値に戻します");
  }
  EXPECT_EQ(app.Formats().CopyFormat(1), u"%d %d %d");
  window.SetPage(nullptr);
}

TEST(CopyPage, PreviewShowsTheErrorOfAFormatThatCannotBeExpanded) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  const struct {
    const char* panel;
    const char16_t* format;
  } cases[] = {{"ColorHTML", u"%s"}, {"WinInfoClassName", u"%d"}, {"PosScreen", u"%d %d %d"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.panel);
    const CopyPanelDef& p = P(c.panel);
    host.app.Formats().SetCopyFormat(p.slot, c.format);
    host.page->UpdatePreview(p);
    std::u16string message;
    try {
      ExpandFormat(c.format, CopyPanelSampleArgs(p), FormatMode::kStrict);
    } catch (const EFormatError& e) {
      message = e.Message();
    }
    ASSERT_FALSE(message.empty());
    std::wstring oneLine;
    for (char16_t ch : message) oneLine += ch == u'\r' ? L' ' : static_cast<wchar_t>(ch);
    EXPECT_EQ(host.page->PreviewText(p), oneLine);
    EXPECT_EQ(host.page->PreviewText(p).rfind(L"コピーの形式指定子にエラーがあります ", 0), 0u);
  }
  // Looked at by eye: an error preview among the others.
  host.page->SelectEntry(1, false);
  host.app.Formats().SetCopyFormat(1, u"%s");
  host.page->UpdatePreview(P("ColorRGB"));
  wintest::Pump(100);
  RECT w{};
  GetWindowRect(host.window->Handle(), &w);
  kittest::Keep(kittest::Capture(w), "copy-page-error-96");
}

TEST(CopyPage, LengthOriginKeepsItsPiecesWhileSwitchedOff) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  EXPECT_FALSE(Checked(host["chkCopy_PosUserOrigin"]));
  EXPECT_FALSE(IsWindowEnabled(host["edtCopy_PosUser3"]));
  EXPECT_FALSE(IsWindowEnabled(host["lblCopy_PosUserSample4"]));
  host.Click("chkCopy_PosUserOrigin");
  EXPECT_EQ(host.Slot(22), u"%d,%d,%d,%d");
  EXPECT_TRUE(IsWindowEnabled(host["edtCopy_PosUser4"]));
  host.Type("edtCopy_PosUser3", L" @");
  host.Type("edtCopy_PosUser5", L"px");
  EXPECT_EQ(host.Slot(22), u"%d,%d @%d,%dpx");
  EXPECT_EQ(Text(host["lblCopy_PosUserDisp"]), L"100,100 @100,100px");
  host.Click("chkCopy_PosUserOrigin");
  EXPECT_EQ(host.Slot(22), u"%d,%dpx");
  EXPECT_EQ(host.Slot(23), u" @%d,%d");
  EXPECT_FALSE(IsWindowEnabled(host["edtCopy_PosUser3"]));
  host.Click("chkCopy_PosUserOrigin");
  EXPECT_EQ(host.Slot(22), u"%d,%d @%d,%dpx");
}

TEST(CopyPage, ZoomOptionsAreStoredGridFirst) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  EXPECT_TRUE(Checked(host[kZoomGridCheckName]));
  EXPECT_TRUE(Checked(host[kZoomInfoCheckName]));
  host.Click(kZoomInfoCheckName);
  EXPECT_EQ(host.Slot(0), u"10");
  EXPECT_FALSE(host.app.Formats().InfoAreaOption());
  host.Click(kZoomGridCheckName);
  host.Click(kZoomInfoCheckName);
  EXPECT_EQ(host.Slot(0), u"01");
}

TEST(CopyPage, ResetAsksAndOnYesBringsEveryFormatBack) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  host.Type("edtCopy_ColorRGB1", L"rgb(");
  host.Click("chkCopy_ColorRGBHex");
  host.Click(kZoomGridCheckName);
  host.Click("chkCopy_PosUserOrigin");
  host.Type("edtCopy_PosUser3", L";");
  host.Type("edtCopy_WinInfoFileVersion2", L" v");
  // One panel's own reset.
  host.Click("btnCopy_WinInfoFileVersionReset");
  EXPECT_EQ(host.Slot(37), u"%s");
  EXPECT_EQ(Text(host["edtCopy_WinInfoFileVersion2"]), L"");
  EXPECT_EQ(host.page->Controls().HintOf(host["btnCopy_ColorRGBReset"]),
            L"カラー情報/RGBのコピー形式をデフォルトの設定に戻す");

  host.answer = kResultNo;
  host.Click("Button_Reset");
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], L"Zorvik|コピー形式の設定をすべてリセットします\rよろしいですか");
  EXPECT_EQ(host.Slot(1), u"rgb(%x %x %x");
  host.answer = kResultYes;
  host.Click("Button_Reset");
  for (int slot = 0; slot < kCopySlotCount; ++slot)
    EXPECT_EQ(host.Slot(slot), DefaultCopyFormat(slot)) << slot;
  EXPECT_EQ(Text(host["edtCopy_ColorRGB1"]), L"");
  EXPECT_FALSE(Checked(host["chkCopy_ColorRGBHex"]));
  EXPECT_TRUE(Checked(host[kZoomGridCheckName]));
  EXPECT_FALSE(Checked(host["chkCopy_PosUserOrigin"]));
  EXPECT_EQ(Text(host["edtCopy_PosUser3"]), L",");
  EXPECT_TRUE(host.notices.empty());
}

int EntryOf(const TForm_Custom_Copy& page, const wchar_t* caption) {
  for (int i = 0; i < page.EntryCount(); ++i)
    if (page.EntryText(i) == caption) return i;
  return -1;
}

TEST(CopyPage, ChooserListsTheCopyItemsAndScrollsToTheirPanels) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Copy& page = *host.page;
  ASSERT_GT(page.EntryCount(), 26);
  EXPECT_EQ(page.EntryText(0), L"ズーム画像");
  EXPECT_EQ(page.SelectedEntry(), 0);
  EXPECT_EQ(EntryOf(page, L"すべてのテキスト情報をコピー"), -1);
  EXPECT_EQ(page.ScrollPos(), 0);

  // A component item has no panel: nothing scrolls.
  page.SelectEntry(EntryOf(page, L"カラー情報/HSV - 色相"), false);
  EXPECT_EQ(page.ScrollPos(), 0);
  // From a key the panel comes to the top and its first box takes the focus.
  page.SelectEntry(EntryOf(page, L"カラー情報/HTML"), true);
  wintest::Pump(20);
  EXPECT_EQ(page.ScrollPos(), page.PanelTop(P("ColorHTML")));
  EXPECT_GT(page.ScrollPos(), 0);
  EXPECT_EQ(GetFocus(), host["edtCopy_ColorHTML1"]);

  // Page Down and Page Up from any control step through the chooser.
  const int html = page.SelectedEntry();
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_NEXT, 0);
  SendMessageW(GetFocus(), WM_KEYUP, VK_NEXT, 0xC0000001);
  EXPECT_EQ(page.SelectedEntry(), html + 1);
  EXPECT_EQ(GetFocus(), host["edtCopy_ColorCOLORREF1"]);
  SendMessageW(GetFocus(), WM_KEYUP, VK_PRIOR, 0xC0000001);
  EXPECT_EQ(page.SelectedEntry(), html);
  // The last entry stays the last; the content's end stays in view.
  page.SelectEntry(page.EntryCount() - 1, true);
  SendMessageW(GetFocus(), WM_KEYUP, VK_NEXT, 0xC0000001);
  EXPECT_EQ(page.SelectedEntry(), page.EntryCount() - 1);
  EXPECT_EQ(page.ScrollPos(), page.ScrollMax());
}

TEST(CopyPage, WheelScrollsTheFocusedAreaTenPixelsAHundredWithShift) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Copy& page = *host.page;
  SetFocus(host["edtCopy_ColorRGB1"]);
  page.ScrollTo(300);
  SendMessageW(page.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(page.ScrollPos(), 310);
  SendMessageW(page.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(WHEEL_DELTA)), 0);
  EXPECT_EQ(page.ScrollPos(), 210);
  EXPECT_TRUE(page.HostWheel(2 * WHEEL_DELTA, 0));
  EXPECT_EQ(page.ScrollPos(), 190);
  // Outside the area the wheel is not the page's.
  SetFocus(host["ComboBox_Copy_FmtSel"]);
  EXPECT_FALSE(page.HostWheel(-WHEEL_DELTA, 0));
  EXPECT_EQ(page.ScrollPos(), 190);
  // Clicking a group label puts the focus on the area.
  SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(host["lblCopy_Pos"]), STN_CLICKED),
               reinterpret_cast<LPARAM>(host["lblCopy_Pos"]));
  EXPECT_EQ(GetFocus(), page.ScrollBox());
}

// Tab goes from one panel into the next and scrolls the box it lands on
// into view.
TEST(CopyPage, TabbingIntoAHiddenPanelScrollsItIntoView) {
  CopyHost host;
  ASSERT_TRUE(host.created);
  TForm_Custom_Copy& page = *host.page;
  SetFocus(host["btnCopy_WinInfoClientSizeReset"]);
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  wintest::Pump(30);
  HWND box = host["edtCopy_WinInfoRect1"];
  ASSERT_EQ(GetFocus(), box);
  RECT area{}, r{};
  GetWindowRect(page.ScrollBox(), &area);
  GetWindowRect(box, &r);
  EXPECT_GT(page.ScrollPos(), 0);
  EXPECT_GE(r.top, area.top);
  EXPECT_LE(r.bottom, area.bottom);
}

// Every panel's controls inside it and apart, the panels in the content and
// the content beside the scroll bar; the fixed rows inside the page.
std::vector<std::string> LayoutFaults(const TForm_Custom_Copy& page) {
  std::vector<std::string> faults;
  const kit::ControlTable& t = page.Controls();
  auto screen = [](HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
  };
  for (size_t i = 0; i < t.Count(); ++i) {
    const kit::ControlDesc& d = t.DescAt(i);
    if (!t.At(i) || d.parent.empty() || d.parent == "ScrollBox_Copy") continue;
    RECT inside{};
    GetClientRect(page.Control(d.parent), &inside);
    MapWindowPoints(page.Control(d.parent), nullptr, reinterpret_cast<POINT*>(&inside), 2);
    RECT r = screen(t.At(i)), both{};
    if (d.kind == kit::ControlKind::ComboBox) continue;
    if (r.left < inside.left || r.top < inside.top || r.right > inside.right || r.bottom > inside.bottom)
      faults.push_back(d.name + " sticks out of " + d.parent);
    for (size_t j = i + 1; j < t.Count(); ++j)
      if (RECT s = screen(t.At(j)); t.DescAt(j).parent == d.parent && IntersectRect(&both, &r, &s))
        faults.push_back(d.name + " overlaps " + t.DescAt(j).name);
  }
  RECT client{}, area{};
  GetClientRect(page.ScrollBox(), &area);
  RECT body = screen(page.Control("pnlCopy_Body"));
  if (body.right - body.left > area.right) faults.push_back("the content is wider than the scrolling area");
  GetClientRect(page.Handle(), &client);
  MapWindowPoints(page.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  for (const char* fixed : {"Label_Copy_Title", "ComboBox_Copy_FmtSel", "ScrollBox_Copy", "Button_Reset", "Button_Close"}) {
    RECT r = page.Control(fixed) ? screen(page.Control(fixed)) : RECT{};
    if (r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom)
      faults.push_back(std::string(fixed) + " is clipped by the page");
  }
  return faults;
}

TEST(CopyPage, LayoutAt96And144Dpi) {
  for (int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    CopyHost host(dpi);
    ASSERT_TRUE(host.created);
    TForm_Custom_Copy& page = *host.page;
    EXPECT_EQ(page.Dpi(), dpi);
    EXPECT_EQ(LayoutFaults(page), std::vector<std::string>());
    const int font = dpi == 96 ? 12 : 18;
    EXPECT_EQ(kittest::Height(host["Button_Reset"]), font * 18 / 10);
    EXPECT_EQ(kittest::Height(host["btnCopy_ColorRGBReset"]), font * 18 / 10);
    // The last panel can be scrolled fully into view.
    page.ScrollTo(1 << 20);
    RECT area{}, last{};
    GetWindowRect(page.ScrollBox(), &area);
    GetWindowRect(page.PanelWindow(P("WinInfoFileVersion")), &last);
    EXPECT_LE(last.bottom, area.bottom);
    EXPECT_GT(last.top, area.top);
    // Screenshots: the top, and the colour panels with a choice made.
    page.ScrollTo(0);
    host.Click("chkCopy_ColorRGBHex");
    SetFocus(host["edtCopy_ColorRGB2"]);
    wintest::Pump(150);
    RECT w{};
    GetWindowRect(host.window->Handle(), &w);
    kittest::Keep(kittest::Capture(w), "copy-page-" + std::to_string(dpi));
    page.SelectEntry(EntryOf(page, L"カーソル位置/長さ"), false);
    wintest::Pump(150);
    kittest::Keep(kittest::Capture(w), "copy-page-length-" + std::to_string(dpi));
    // The captions of the buttons and check boxes in view are drawn inside
    // the rectangles the layout gives them, the Reset button's among them.
    const kittest::Picture pic = kittest::Capture(w);
    RECT view{};
    GetWindowRect(page.ScrollBox(), &view);
    std::vector<HWND> buttons = kittest::CaptionedButtons(host.window->Handle(), view);
    buttons.push_back(host["Button_Reset"]);
    EXPECT_GE(buttons.size(), 4u);
    for (HWND b : buttons) EXPECT_GT(kittest::CaptionPixels(pic, w, b), 8) << kittest::Caption(b);
  }
}

// The page in the customisation window: the copy command opens its tab,
// the page fills the tab area, Page Down reaching the window steps the
// chooser, and Ctrl+Page Down (the next tab) does not.
TEST(CopyPage, LivesInTheCustomisationWindowsCopyTab) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  wintest::Pump(100);
  ASSERT_TRUE(app.ActionByName("Action_Custom_Copy")->Execute());
  wintest::Pump(100);
  auto* page = dynamic_cast<TForm_Custom_Copy*>(app.CustomWindow().PageOf("tabCopy"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(app.CustomWindow().ActivePage(), page);
  const RECT area = app.CustomWindow().PageArea();
  RECT client{};
  GetClientRect(page->Handle(), &client);
  EXPECT_EQ(client.right, area.right - area.left);
  EXPECT_EQ(client.bottom, area.bottom - area.top);
  EXPECT_EQ(page->SelectedEntry(), 0);
  // Looked at by eye: the page in its tab, over the magnifier.
  SetWindowPos(app.CustomWindow().Handle(), HWND_TOPMOST, 200, 40, 0, 0, SWP_NOSIZE);
  page->SelectCaption("カラー情報/RGB", true);
  wintest::Pump(200);
  RECT w{};
  GetWindowRect(app.CustomWindow().Handle(), &w);
  kittest::Keep(kittest::Capture(w), "copy-page-in-window-96");
  page->SelectEntry(0, false);
  EXPECT_TRUE(page->HostKeyUp(VK_NEXT, 0));
  EXPECT_EQ(page->SelectedEntry(), 1);
  INPUT ctrl{};
  ctrl.type = INPUT_KEYBOARD;
  ctrl.ki.wVk = VK_CONTROL;
  SendInput(1, &ctrl, sizeof ctrl);
  wintest::Pump(50);
  const bool held = GetKeyState(VK_CONTROL) < 0;
  SendMessageW(page->Control("edtCopy_ColorRGB1"), WM_KEYUP, VK_NEXT, 0xC0000001);
  const bool stepped = page->HostKeyUp(VK_NEXT, 0);
  ctrl.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &ctrl, sizeof ctrl);
  wintest::Pump(50);
  if (held) {
    EXPECT_FALSE(stepped);
    EXPECT_EQ(page->SelectedEntry(), 1);
  }
  app.CustomWindow().Hide();
}

// Shift held while a copy command runs: the customisation window opens on
// the copy page with that command's item chosen, and nothing is copied.
TEST(CopyPage, ShiftCopyOpensThePageOnTheCommandsItem) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  wintest::Pump(100);
  PutClipboardText(app.Handle(), L"before");
  INPUT shift{};
  shift.type = INPUT_KEYBOARD;
  shift.ki.wVk = VK_SHIFT;
  SendInput(1, &shift, sizeof shift);
  wintest::Pump(50);
  const bool held = IsKeyDown(VK_SHIFT);
  app.ActionByName("Action_Copy_ColorHTML")->Execute();
  shift.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &shift, sizeof shift);
  wintest::Pump(100);
  if (!held) GTEST_SKIP() << "the Shift key state cannot be set here";
  auto* page = dynamic_cast<TForm_Custom_Copy*>(app.CustomWindow().PageOf("tabCopy"));
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(IsWindowVisible(app.CustomWindow().Handle()));
  EXPECT_EQ(app.CustomWindow().ActivePage(), page);
  EXPECT_EQ(page->EntryText(page->SelectedEntry()), L"カラー情報/HTML");
  EXPECT_EQ(page->ScrollPos(), page->PanelTop(P("ColorHTML")));
  EXPECT_EQ(ClipboardText(app.Handle()), L"before");
  // Without Shift the command copies again.
  app.ActionByName("Action_Copy_ColorHTML")->Execute();
  EXPECT_NE(ClipboardText(app.Handle()), L"before");
  app.CustomWindow().Hide();
}

}  // namespace
}  // namespace zorvik
