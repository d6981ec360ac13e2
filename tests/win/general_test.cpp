#include "platform/general.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/optional_functions.h"
#include "platform/win_dpi.h"
#include "win_support.h"

namespace zorvik {
namespace {

std::wstring ExeDirectory() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

TEST(GeneralFormExists, OnlyLiveTopLevelWindowsOfThisProcess) {
  EXPECT_FALSE(FormExists(nullptr));
  HWND top = wintest::MakeWindow(10, 10, 50, 50);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
  HWND messageOnly = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_TRUE(FormExists(top));
  EXPECT_FALSE(FormExists(child));
  EXPECT_FALSE(FormExists(messageOnly));
  EXPECT_FALSE(FormExists(GetDesktopWindow()));
  DestroyWindow(messageOnly);
  DestroyWindow(top);
  EXPECT_FALSE(FormExists(top));
}

TEST(GeneralComponentNames, UniqueNameTakesTheSmallestFreeNumber) {
  int used = -1;
  EXPECT_EQ(UniqueComponentName(L"mniShortCutKey", &used), L"mniShortCutKey_0");
  EXPECT_EQ(used, 0);

  RegisterComponentName(L"mniGesture_0");
  RegisterComponentName(L"mniGesture_1");
  EXPECT_EQ(UniqueComponentName(L"mniGesture", &used), L"mniGesture_2");
  EXPECT_EQ(used, 2);
  EXPECT_EQ(UniqueComponentName(L"MniGesture"), L"MniGesture_0");  // case-sensitive
  EXPECT_EQ(UniqueComponentName(L"mniGestur"), L"mniGestur_0");    // exact, not a prefix match

  UnregisterComponentName(L"mniGesture_0");
  EXPECT_EQ(UniqueComponentName(L"mniGesture"), L"mniGesture_0");  // a freed number is reused

  RegisterComponentName(L"mniGesture_0");
  RegisterComponentName(L"mniGesture_0");
  UnregisterComponentName(L"mniGesture_0");
  EXPECT_TRUE(ComponentNameRegistered(L"mniGesture_0"));  // still held once
  UnregisterComponentName(L"mniGesture_0");
  UnregisterComponentName(L"mniGesture_1");
  EXPECT_FALSE(ComponentNameRegistered(L"mniGesture_0"));
  UnregisterComponentName(L"never registered");  // harmless
}

TEST(GeneralComponentNames, DerivedNameSwapsThePrefix) {
  struct Case {
    const wchar_t *prefix, *name, *expected;
  } cases[] = {
      {L"Action", L"MenuItem_Copy_RGB", L"Action_Copy_RGB"},
      {L"MenuItem", L"Action_Zoom_6", L"MenuItem_Zoom_6"},
      {L"Action", L"Exit", L"Action_Exit"},
      {L"Action", L"_Lead", L"Action_Lead"},
      {L"Action", L"Tail_", L"Action_"},
  };
  for (const Case& c : cases) EXPECT_EQ(DerivedComponentName(c.prefix, c.name), c.expected) << c.name;
}

TEST(GeneralLists, ContainsTextIgnoresCaseContainsExactDoesNot) {
  const std::vector<std::wstring> list = {L"Alpha", L"straße", L"Ärger"};
  EXPECT_TRUE(ContainsText(L"ALPHA", list));
  EXPECT_TRUE(ContainsText(L"ärger", list));  // beyond ASCII
  EXPECT_FALSE(ContainsText(L"Alph", list));
  EXPECT_FALSE(ContainsText(L"Alpha", {}));
  EXPECT_TRUE(ContainsExact(L"Alpha", list));
  EXPECT_FALSE(ContainsExact(L"alpha", list));
  EXPECT_FALSE(ContainsExact(L"", list));
}

TEST(GeneralLists, CopyWithoutKeepsOrderAndObjects) {
  int a = 1, b = 2, c = 3, d = 4;
  const NamedList<int*> source = {{L"a", &a}, {L"b", &b}, {L"B", &c}, {L"d", &d}};
  NamedList<int*> dest = {{L"old", &a}};
  const std::vector<std::wstring> exclusion = {L"b", L"x"};
  CopyWithout(dest, source, &exclusion);
  const NamedList<int*> expected = {{L"a", &a}, {L"B", &c}, {L"d", &d}};
  EXPECT_EQ(dest, expected);
  CopyWithout(dest, source, nullptr);
  EXPECT_EQ(dest, source);
}

TEST(GeneralText, RepeatChar) {
  EXPECT_EQ(RepeatChar(L'-', 3), L"---");
  EXPECT_EQ(RepeatChar(L'あ', 1), L"あ");
  EXPECT_EQ(RepeatChar(L'-', 0), L"");
  EXPECT_EQ(RepeatChar(L'-', -1), L"");
}

TEST(GeneralText, ToAnsiUsesTheSystemCodePage) {
  EXPECT_EQ(ToAnsi(L"abc 123"), "abc 123");
  EXPECT_EQ(ToAnsi(L""), "");
  if (GetACP() == 932) {
    EXPECT_EQ(ToAnsi(L"あ"), "\x82\xA0");
  } else if (GetACP() == 1252) {
    EXPECT_EQ(ToAnsi(L"\u00E9"), "\xE9");
    EXPECT_EQ(ToAnsi(L"e\u0301"), "\xE9");  // composite checked: e + combining acute -> é
    EXPECT_EQ(ToAnsi(L"あ"), "?");
  }
}

TEST(GeneralText, TextWidthInAddsTheExtraSpacingPerCharacter) {
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HFONT big = CreateFontW(-32, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  const int w = TextWidthIn(font, L"Magnify", 0);
  EXPECT_GT(w, 0);
  EXPECT_EQ(TextWidthIn(font, L"Magnify", 2), w + 7 * 2);
  EXPECT_GT(TextWidthIn(big, L"Magnify", 0), w);
  EXPECT_EQ(TextWidthIn(font, L"", 5), 0);
  // Measured in its system-code-page form: where kana have no code, as "?".
  if (GetACP() == 1252) {
    EXPECT_EQ(TextWidthIn(font, L"あいう", 0), TextWidthIn(font, L"???", 0));
  }
  DeleteObject(font);
  DeleteObject(big);
}

TEST(GeneralGdiCount, FollowsObjectsMadeAndDeleted) {
  HDC screen = GetDC(nullptr);  // held throughout: the system may keep a cached DC
  const unsigned before = CountGdiObjects();
  EXPECT_GT(before, 0u);  // the stock objects at least
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 50; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
  EXPECT_EQ(CountGdiObjects(), before + 50);
  // Every kind counts, not brushes alone.
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 8, 8);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HRGN rgn = CreateRectRgn(0, 0, 5, 5);
  EXPECT_EQ(CountGdiObjects(), before + 55);
  for (HBRUSH b : brushes) DeleteObject(b);
  DeleteObject(rgn);
  DeleteObject(font);
  DeleteObject(pen);
  DeleteObject(bmp);
  DeleteDC(mem);
  EXPECT_EQ(CountGdiObjects(), before);
  ReleaseDC(nullptr, screen);
}

TEST(GeneralProductName, ReadsProductNameFromTheVersionBlock) {
  LoadOptionalFunctions();  // the version functions come from the system directory
  const std::wstring exe = ExeDirectory() + L"zorvik.exe";
  if (GetFileAttributesW(exe.c_str()) != INVALID_FILE_ATTRIBUTES) {
    EXPECT_EQ(ProductNameOfFile(exe), L"Zorvik");
  }
  // No version block, or no file: empty.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring plain = std::wstring(temp) + L"zorvik_plain.txt";
  { std::ofstream(plain.c_str()) << "no version here"; }
  EXPECT_EQ(ProductNameOfFile(plain), L"");
  DeleteFileW(plain.c_str());
  EXPECT_EQ(ProductNameOfFile(ExeDirectory() + L"missing.exe"), L"");
  // This program's own: its executable's.
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(ProductNameOf(), ProductNameOfFile(self));
}

// Controls sized to the height of their own font.
class GeneralDpiFit : public ::testing::Test {
protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                              nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    if (font_) DeleteObject(font_);
  }
  HWND Make(const wchar_t* cls, DWORD style) {
    HWND h = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 100, parent_, nullptr, nullptr,
                             nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return h;
  }
  static int Height(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return r.bottom - r.top;
  }
  HWND parent_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(GeneralDpiFit, SizesFollowTheFontHeight) {
  struct Case {
    int lfHeight, item, control, label;
  } cases[] = {
      {-12, 15, 21, 16},  // 96 dpi
      {-18, 23, 32, 22},  // 144 dpi
      {18, 23, 32, 22},   // a cell height gives the same
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lfHeight);
    if (font_) DeleteObject(font_);
    font_ = CreateFontW(c.lfHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HWND combo = Make(L"COMBOBOX", CBS_DROPDOWNLIST);
    HWND list = Make(L"LISTBOX", 0);
    HWND check = Make(L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    HWND button = Make(L"BUTTON", BS_PUSHBUTTON);
    HWND label = Make(L"STATIC", SS_LEFT);
    HWND status = Make(STATUSCLASSNAMEW, 0);
    EXPECT_EQ(ControlFontHeight(button), c.lfHeight < 0 ? -c.lfHeight : c.lfHeight);

    FitDropDownList(combo, 0);
    FitListBox(list, 0);
    FitCheckListBox(check, 0);
    FitButton(button);
    FitLabel(label);
    FitStatusBar(status);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), c.item);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), c.item);
    EXPECT_EQ(SendMessageW(check, LB_GETITEMHEIGHT, 0, 0), c.item);
    EXPECT_EQ(GridRowHeight(button, 0), c.item);
    EXPECT_EQ(Height(button), c.control);
    // The bar keeps the design height unless its font needs more.
    EXPECT_EQ(Height(status), std::max(c.control, wintest::NaturalStatusBarHeight(parent_, font_)));
    // A label is never lower than a line of its font.
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    EXPECT_EQ(Height(label), std::max<int>(c.label, tm.tmHeight));
    RECT r;
    GetWindowRect(button, &r);
    EXPECT_EQ(r.right - r.left, 120);  // width kept

    // A larger minimum wins (16-pixel icons in a small font).
    FitListBox(list, 40);
    FitDropDownList(combo, 40);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 40);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 40);
    EXPECT_EQ(GridRowHeight(button, 40), 40);
    for (HWND h : {combo, list, check, button, label, status}) DestroyWindow(h);
  }
}

}  // namespace
}  // namespace zorvik
