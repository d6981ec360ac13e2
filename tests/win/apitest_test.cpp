// The API catalogue run against known windows of this process: a top-level
// window, an edit, a list box, a combo box, a trackbar, a layered window and
// a window whose thread stops answering.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>

#include "apitest/api_lists.h"
#include "apitest/my_apivalue.h"
#include "inspection/window_info.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

const wchar_t* const kTitle = L"既知の窓 known";

class ApiCatalogueTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    LoadOptionalFunctions();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
  }
  void SetUp() override {
    top_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", kTitle, WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ = Child(L"EDIT", 0, L"hello", 10, 10, 120, 24);
    list_ = Child(L"LISTBOX", 0, L"", 10, 40, 120, 60);
    for (const wchar_t* item : {L"alpha", L"beta", L"γάμμα"})
      SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(list_, LB_SETCURSEL, 1, 0);
    combo_ = Child(L"COMBOBOX", CBS_DROPDOWNLIST, L"", 150, 10, 120, 100);
    for (const wchar_t* item : {L"one", L"two"}) SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    emptyCombo_ = Child(L"COMBOBOX", CBS_DROPDOWNLIST, L"", 150, 40, 120, 100);
    trackbar_ = Child(TRACKBAR_CLASSW, TBS_AUTOTICKS, L"", 150, 70, 130, 30);
    SendMessageW(trackbar_, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(trackbar_, TBM_SETPOS, TRUE, 4);
    layered_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_LAYERED, L"STATIC", L"layered", WS_POPUP | WS_VISIBLE, 450, 100,
                               120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (Optional().SetLayeredWindowAttributes) Optional().SetLayeredWindowAttributes(layered_, 0, 128, LWA_ALPHA);
    wintest::Pump(50);
  }
  void TearDown() override {
    DestroyWindow(layered_);
    DestroyWindow(top_);
  }
  HWND Child(const wchar_t* cls, DWORD style, const wchar_t* text, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, top_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  // The value of the first row labelled `label`; "<none>" when there is no
  // such row.
  static std::wstring ValueOf(const T_MyAPIValue& api, const std::wstring& label) {
    for (size_t i = 0; i < api.ParamCount(); ++i)
      if (api.ParamName(i) == label) return i < api.ResultCount() ? api.Result(i) : L"<no value>";
    return L"<none>";
  }
  HWND top_ = nullptr, edit_ = nullptr, list_ = nullptr, combo_ = nullptr, emptyCombo_ = nullptr, trackbar_ = nullptr,
       layered_ = nullptr;
  const POINT point_{120, 120};
};

std::string Name(const std::wstring& w) { return std::string(w.begin(), w.end()); }

TEST_F(ApiCatalogueTest, EveryEntryRunsOnEveryFixtureAndKeepsItsRowsInStep) {
  T_MyAPIValue api;
  ASSERT_EQ(api.SortedEntries().size(), 72u);
  EXPECT_EQ(api.SortedEntries().front()->Name, "ChildWindowFromPoint");
  EXPECT_EQ(api.SortedEntries().back()->Name, "WM_GETTEXTLENGTH");
  for (const T_Execute* e : api.SortedEntries()) {
    SCOPED_TRACE(e->Name);
    ASSERT_NE(e->Handler, nullptr);
    for (HWND w : {top_, edit_, list_, combo_, trackbar_, layered_}) {
      const DWORD start = GetTickCount();
      ASSERT_EQ(api.RunAPI(e->Name, w, point_), 0);
      EXPECT_LT(GetTickCount() - start, 400u) << "answering windows cost no time-out";
      EXPECT_FALSE(api.Declaration().empty());
      EXPECT_FALSE(api.Description().empty());
      EXPECT_GT(api.ResultCount(), 0u);
      EXPECT_GE(api.ParamCount(), api.ResultCount() > 0 ? 1u : 0u);
      // Every value of a labelled row sits in a row of the reference text,
      // and a label never lacks its description column.
      for (size_t i = 0; i < api.ParamCount(); ++i)
        if (!api.ParamName(i).empty()) {
          EXPECT_FALSE(api.ParamDescription(i).empty()) << Name(api.ParamName(i));
        }
    }
  }
  EXPECT_EQ(api.RunAPI("getwindowrect", top_, point_), -1);
}

TEST_F(ApiCatalogueTest, DeterministicRows) {
  T_MyAPIValue api;
  const struct {
    const char* entry;
    HWND* window;
    const wchar_t* label;
    const wchar_t* value;
  } cases[] = {
      {"GetWindowRect", &top_, L"lpRect", L"(100, 100, 400, 300)"},
      {"GetWindowRect", &top_, L"戻り値", L"True"},
      {"GetClientRect", &edit_, L"lpRect", L"(0, 0, 120, 24)"},
      {"IsWindowEnabled", &top_, L"戻り値", L"True"},
      {"IsWindowUnicode", &top_, L"戻り値", L"True"},
      {"IsZoomed", &top_, L"戻り値", L"False"},
      {"GetClassName", &list_, L"lpClassName", L"ListBox"},
      {"GetClassName", &list_, L"戻り値", L"7"},
      {"RealGetWindowClass", &edit_, L"pszType", L"Edit"},
      {"GetWindowInfo", &top_, L"pwi.rcWindow", L"(100, 100, 400, 300)"},
      {"GetWindowPlacement", &top_, L"rcNormalPosition", L"(100, 100, 400, 300)"},
      {"LB_GETCOUNT", &list_, L"戻り値", L"3"},
      {"LB_GETCURSEL", &list_, L"戻り値", L"1"},
      {"LB_GETTEXT", &list_, L"wParam", L"1"},
      {"LB_GETTEXT", &list_, L"lParam", L"beta"},
      {"LB_GETTEXT", &list_, L"戻り値", L"4"},
      {"LB_GETTEXTLEN", &list_, L"戻り値", L"4"},
      {"GetListBoxInfo", &list_, L"戻り値", L"3"},
      {"LB_GETCURSEL", &top_, L"戻り値", L"0"},  // a static answers 0 to any message it does not know
      {"CB_GETCOUNT", &combo_, L"戻り値", L"2"},
      {"CB_GETCURSEL", &combo_, L"戻り値", L"CB_ERR(-1)"},
      {"CB_GETLBTEXT", &combo_, L"wParam", L"0"},  // no selection: item 0
      {"CB_GETLBTEXT", &combo_, L"lParam", L"one"},
      {"CB_GETLBTEXT", &combo_, L"戻り値", L"3"},
      {"CB_GETLBTEXT", &emptyCombo_, L"lParam", L""},
      {"CB_GETLBTEXT", &emptyCombo_, L"戻り値", L"CB_ERR(-1)"},
      {"CB_GETLBTEXTLEN", &combo_, L"戻り値", L"3"},
      {"GetComboBoxInfo", &combo_, L"戻り値", L"True"},
      {"TBM_GETPOS", &trackbar_, L"戻り値", L"4"},
      {"TBM_GETRANGEMAX", &trackbar_, L"戻り値", L"10"},
      {"TBM_GETRANGEMIN", &trackbar_, L"戻り値", L"0"},
      {"TBM_GETTIC", &trackbar_, L"戻り値", L"4"},  // the tick below position 4
      {"TBM_GETPOS", &top_, L"戻り値", L"0"},
      {"WM_GETTEXT", &edit_, L"wParam", L"5"},
      {"WM_GETTEXT", &edit_, L"戻り値", L"hello"},
      {"WM_GETTEXTLENGTH", &edit_, L"戻り値", L"5"},
      {"GetWindowTextLength", &edit_, L"Unicode版", L""},
      {"GetLayeredWindowAttributes", &layered_, L"pbAlpha", L"128"},
      {"GetLayeredWindowAttributes", &layered_, L"pcrKey", L"指定無し"},
      {"GetLayeredWindowAttributes", &layered_, L"pdwFlags", L"LWA_ALPHA 0x00000002 2"},
      {"GetLayeredWindowAttributes", &layered_, L"戻り値", L"True"},
      {"GetLayeredWindowAttributes", &top_, L"pbAlpha", L"レイヤードウィンドウではありません"},
      {"GetLayeredWindowAttributes", &top_, L"戻り値", L"False"},
      {"GetScrollPos", &top_, L"nBar: SB_CTL", L"0"},
      {"GetWindowModuleFileName", &top_, L"cchFileNameMax", L"256"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(api.RunAPI(c.entry, *c.window, point_), 0);
    EXPECT_TRUE(ValueOf(api, c.label) == c.value)
        << c.entry << " " << Name(c.label) << ": " << Name(ValueOf(api, c.label));
  }
}

TEST_F(ApiCatalogueTest, TextsAndDescriptionsOfWindows) {
  T_MyAPIValue api;
  ASSERT_EQ(api.RunAPI("GetWindowText", top_, point_), 0);
  ASSERT_EQ(api.ParamCount(), 9u);
  EXPECT_EQ(api.Result(7), std::to_wstring(wcslen(kTitle)));  // Unicode nMaxCount
  EXPECT_EQ(api.Result(6), kTitle);
  EXPECT_EQ(api.Result(8), std::to_wstring(wcslen(kTitle)));

  wchar_t head[64];
  swprintf(head, 64, L"0x%08X %d ", static_cast<unsigned>(reinterpret_cast<uintptr_t>(top_)),
           static_cast<int>(reinterpret_cast<uintptr_t>(top_)));
  EXPECT_EQ(WindowDescription(top_), std::wstring(head) + L"Static \"" + kTitle + L"\"");
  const std::wstring longText(70, L'x');
  SetWindowTextW(top_, longText.c_str());
  EXPECT_EQ(WindowDescription(top_), std::wstring(head) + L"Static \"" + std::wstring(64, L'x') + L"…\"");
  EXPECT_EQ(WindowDescription(list_).substr(WindowDescription(list_).size() - 15), L" ListBox \"beta\"");
  EXPECT_EQ(WindowDescription(nullptr), L"0x00000000 0 ウィンドウハンドルが無効です");

  // Our own executable, and what the file entries read from it.
  std::wstring exe = CatalogueExeFileName(top_);
  ASSERT_FALSE(exe.empty());
  EXPECT_NE(exe.find(L"win_tests.exe"), std::wstring::npos);
  ASSERT_EQ(api.RunAPI("GetFileAttributes", top_, point_), 0);
  EXPECT_EQ(ValueOf(api, L"lpFileName"), exe);
  ASSERT_EQ(api.RunAPI("GetBinaryType", top_, point_), 0);
  EXPECT_EQ(api.Result(3), L"SCS_64BIT_BINARY 6 Win64ベースのアプリケーション。");
}

TEST_F(ApiCatalogueTest, InvalidTargetShowsTheHandleRowAndKeepsTheParameterRows) {
  T_MyAPIValue api;
  for (const char* entry : {"GetWindowRect", "GetDeviceCaps", "CB_GETLBTEXT", "TBM_GETTIC", "VerQueryValue"}) {
    SCOPED_TRACE(entry);
    ASSERT_EQ(api.RunAPI(entry, nullptr, POINT{0, 0}), 0);
    ASSERT_EQ(api.ResultCount(), 1u);
    EXPECT_EQ(api.Result(0), L"0x00000000 0 ウィンドウハンドルが無効です");
    EXPECT_GE(api.ParamCount(), 1u);
  }
  ASSERT_EQ(api.RunAPI("GetWindowRect", nullptr, POINT{0, 0}), 0);
  EXPECT_EQ(api.ParamCount(), 3u);
  // Entries without a target still run.
  ASSERT_EQ(api.RunAPI("GetSystemMetrics", nullptr, POINT{0, 0}), 0);
  EXPECT_EQ(api.RowCount(), 82u);
  EXPECT_EQ(api.ResultCount(), 82u);
  EXPECT_EQ(api.Result(45), std::to_wstring(GetSystemMetrics(SM_CXSCREEN)));
}

TEST_F(ApiCatalogueTest, SameDeclarationKeepsTheReferenceTextAcrossRuns) {
  T_MyAPIValue api;
  ASSERT_EQ(api.RunAPI("GetWindowRect", top_, point_), 0);
  const std::wstring declaration = api.Declaration();
  EXPECT_EQ(declaration, L"BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);");
  EXPECT_TRUE(api.SameDeclaration(declaration));  // what the window asks after each run
  const std::wstring* labels = &api.ParamName(0);
  ASSERT_EQ(api.RunAPI("GetWindowRect", edit_, point_), 0);
  EXPECT_EQ(&api.ParamName(0), labels) << "the parameter rows are not rebuilt";
  EXPECT_EQ(api.ResultCount(), 3u);
  EXPECT_EQ(api.Result(2), L"True");
  EXPECT_TRUE(api.SameDeclaration(declaration));

  ASSERT_EQ(api.RunAPI("GetClientRect", top_, point_), 0);
  EXPECT_FALSE(api.SameDeclaration(declaration));
  ASSERT_EQ(api.RunAPI("GetWindowRect", top_, point_), 0);
  EXPECT_EQ(api.ResultCount(), 3u);
  EXPECT_EQ(api.ParamCount(), 3u);

  // An unknown name changes nothing.
  EXPECT_EQ(api.RunAPI("NoSuchEntry", edit_, point_), -1);
  EXPECT_EQ(api.Declaration(), declaration);
  EXPECT_EQ(api.Result(1), L"(100, 100, 400, 300)");

  // VerQueryValue asks the window to refill every time.
  ASSERT_EQ(api.RunAPI("VerQueryValue", top_, point_), 0);
  EXPECT_FALSE(api.SameDeclaration(api.Declaration()));
  ASSERT_EQ(api.RunAPI("VerQueryValue", top_, point_), 0);
  EXPECT_FALSE(api.SameDeclaration(api.Declaration()));

  // An entry library lives while its entry is current.
  ASSERT_EQ(api.RunAPI("GetWindowModuleFileName", top_, point_), 0);
  EXPECT_NE(api.EntryLibrary(), nullptr);
  ASSERT_EQ(api.RunAPI("GetWindowModuleFileName", top_, point_), 0);
  EXPECT_NE(api.EntryFunction(), nullptr);
  api.ResetEntry();
  EXPECT_EQ(api.EntryLibrary(), nullptr);
  EXPECT_TRUE(api.Declaration().empty());
  EXPECT_EQ(api.RowCount(), 0u);
}

TEST_F(ApiCatalogueTest, ClassMenuNameThatIsAResourceIdIsShownAsANumber) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZorvikApiMenuIdClass";
  wc.lpszMenuName = MAKEINTRESOURCEW(101);
  ASSERT_NE(RegisterClassExW(&wc), 0);
  HWND w = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(w, nullptr);
  T_MyAPIValue api;
  ASSERT_EQ(api.RunAPI("GetClassInfoEx", w, point_), 0);
  EXPECT_EQ(ValueOf(api, L"lpwcx.lpszMenuName"), L"0x00000065 101");
  EXPECT_EQ(ValueOf(api, L"lpszClass"), L"ZorvikApiMenuIdClass");
  EXPECT_EQ(ValueOf(api, L"戻り値"), L"True");
  // The dump: one row per 16 bytes of the structure, the first one labelled.
  const size_t dumpRow = api.ParamCount() - 1;
  EXPECT_EQ(api.ParamName(dumpRow), L"lpwcxダンプ");
  EXPECT_EQ(api.ResultCount(), dumpRow + (sizeof(WNDCLASSEXW) + 15) / 16);
  EXPECT_EQ(api.Result(dumpRow).substr(0, 12), L"50 00 00 00 ");  // cbSize = 80
  DestroyWindow(w);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST_F(ApiCatalogueTest, DeviceCapabilityGroupsSitBesideTheirFlags) {
  T_MyAPIValue api;
  ASSERT_EQ(api.RunAPI("GetDeviceCaps", top_, point_), 0);
  EXPECT_TRUE(api.SameDeclaration(api.Declaration()));
  EXPECT_EQ(ValueOf(api, L"nIndex: TECHNOLOGY"), L"ラスタディスプレイ");
  EXPECT_EQ(ValueOf(api, L"nIndex: LOGPIXELSX"), std::to_wstring(GetDeviceCaps(GetDC(nullptr), LOGPIXELSX)));
  size_t groups = 0;
  for (size_t i = 0; i < api.ParamCount(); ++i) {
    const std::wstring& label = api.ParamName(i);
    if (label.find(L"CAPS") == std::wstring::npos || label == L"nIndex: CLIPCAPS") continue;
    ++groups;
    // The group's first flag (or its "not supported" row) is on its own row.
    const std::wstring& value = api.Result(i);
    if (label == L"nIndex: RASTERCAPS") {
      EXPECT_EQ(value.substr(0, 3), L"RC_");
    }
    if (label == L"nIndex: CURVECAPS") {
      EXPECT_TRUE(value.substr(0, 3) == L"CC_" || value.find(L"曲線") != std::wstring::npos);
    }
  }
  EXPECT_EQ(groups, 7u);
  const size_t params = api.ParamCount();
  ASSERT_EQ(api.RunAPI("GetDeviceCaps", top_, point_), 0);
  EXPECT_EQ(api.ParamCount(), params);
  EXPECT_TRUE(api.SameDeclaration(api.Declaration())) << "the same device gives the same rows";
}

// The value lists carry the system's numbers.
TEST(ApiLists, ValuesAreTheSystemsConstants) {
  size_t n = 0;
  const ApiIndex* metrics = SystemMetricList(n);
#define M(x) {#x, x}
  const std::pair<const char*, int> known[] = {
      M(SM_ARRANGE), M(SM_CLEANBOOT), M(SM_CMONITORS), M(SM_CMOUSEBUTTONS), M(SM_CXBORDER), M(SM_CYBORDER),
      M(SM_CXCURSOR), M(SM_CYCURSOR), M(SM_CXDLGFRAME), M(SM_CYDLGFRAME), M(SM_CXDOUBLECLK), M(SM_CYDOUBLECLK),
      M(SM_CXDRAG), M(SM_CYDRAG), M(SM_CXEDGE), M(SM_CYEDGE), M(SM_CXFIXEDFRAME), M(SM_CYFIXEDFRAME), M(SM_CXFRAME),
      M(SM_CYFRAME), M(SM_CXFULLSCREEN), M(SM_CYFULLSCREEN), M(SM_CXHSCROLL), M(SM_CYHSCROLL), M(SM_CXHTHUMB),
      M(SM_CXICON), M(SM_CYICON), M(SM_CXICONSPACING), M(SM_CYICONSPACING), M(SM_CXMAXIMIZED), M(SM_CYMAXIMIZED),
      M(SM_CXMAXTRACK), M(SM_CYMAXTRACK), M(SM_CXMENUCHECK), M(SM_CYMENUCHECK), M(SM_CXMENUSIZE), M(SM_CYMENUSIZE),
      M(SM_CXMIN), M(SM_CYMIN), M(SM_CXMINIMIZED), M(SM_CYMINIMIZED), M(SM_CXMINSPACING), M(SM_CYMINSPACING),
      M(SM_CXMINTRACK), M(SM_CYMINTRACK), M(SM_CXSCREEN), M(SM_CYSCREEN), M(SM_CXSIZE), M(SM_CYSIZE),
      M(SM_CXSIZEFRAME), M(SM_CYSIZEFRAME), M(SM_CXSMICON), M(SM_CYSMICON), M(SM_CXSMSIZE), M(SM_CYSMSIZE),
      M(SM_CXVIRTUALSCREEN), M(SM_CYVIRTUALSCREEN), M(SM_CXVSCROLL), M(SM_CYVSCROLL), M(SM_CYCAPTION),
      M(SM_CYKANJIWINDOW), M(SM_CYMENU), M(SM_CYSMCAPTION), M(SM_CYVTHUMB), M(SM_DBCSENABLED), M(SM_DEBUG),
      M(SM_IMMENABLED), M(SM_MENUDROPALIGNMENT), M(SM_MIDEASTENABLED), M(SM_MOUSEPRESENT), M(SM_MOUSEWHEELPRESENT),
      M(SM_NETWORK), M(SM_PENWINDOWS), M(SM_REMOTESESSION), M(SM_SECURE), M(SM_SAMEDISPLAYFORMAT), M(SM_SHOWSOUNDS),
      M(SM_SLOWMACHINE), M(SM_SWAPBUTTON), M(SM_XVIRTUALSCREEN), M(SM_YVIRTUALSCREEN),
      // GetDeviceCaps
      M(DRIVERVERSION), M(TECHNOLOGY), M(HORZSIZE), M(VERTSIZE), M(HORZRES), M(VERTRES), M(LOGPIXELSX), M(LOGPIXELSY),
      M(BITSPIXEL), M(PLANES), M(NUMBRUSHES), M(NUMPENS), M(NUMFONTS), M(NUMCOLORS), M(ASPECTX), M(ASPECTY),
      M(ASPECTXY), M(PDEVICESIZE), M(CLIPCAPS), M(SIZEPALETTE), M(NUMRESERVED), M(COLORRES), M(PHYSICALWIDTH),
      M(PHYSICALHEIGHT), M(PHYSICALOFFSETX), M(PHYSICALOFFSETY), M(VREFRESH), M(SCALINGFACTORX), M(SCALINGFACTORY),
      M(BLTALIGNMENT), M(SHADEBLENDCAPS), M(RASTERCAPS), M(CURVECAPS), M(LINECAPS), M(POLYGONALCAPS), M(TEXTCAPS),
      M(COLORMGMTCAPS),
      // flags
      M(SB_CONST_ALPHA), M(SB_GRAD_RECT), M(SB_GRAD_TRI), M(SB_PIXEL_ALPHA), M(SB_PREMULT_ALPHA), M(RC_BANDING),
      M(RC_BITBLT), M(RC_BITMAP64), M(RC_DI_BITMAP), M(RC_DIBTODEV), M(RC_FLOODFILL), M(RC_GDI20_OUTPUT),
      M(RC_PALETTE), M(RC_SCALING), M(RC_STRETCHBLT), M(RC_STRETCHDIB), M(CC_CHORD), M(CC_CIRCLES), M(CC_ELLIPSES),
      M(CC_INTERIORS), M(CC_PIE), M(CC_ROUNDRECT), M(CC_STYLED), M(CC_WIDE), M(CC_WIDESTYLED), M(LC_INTERIORS),
      M(LC_MARKER), M(LC_POLYLINE), M(LC_POLYMARKER), M(LC_STYLED), M(LC_WIDE), M(LC_WIDESTYLED), M(PC_INTERIORS),
      M(PC_POLYGON), M(PC_RECTANGLE), M(PC_SCANLINE), M(PC_STYLED), M(PC_WIDE), M(PC_WIDESTYLED), M(PC_WINDPOLYGON),
      M(TC_OP_CHARACTER), M(TC_OP_STROKE), M(TC_CP_STROKE), M(TC_CR_90), M(TC_CR_ANY), M(TC_SF_X_YINDEP),
      M(TC_SA_DOUBLE), M(TC_SA_INTEGER), M(TC_SA_CONTIN), M(TC_EA_DOUBLE), M(TC_IA_ABLE), M(TC_UA_ABLE), M(TC_SO_ABLE),
      M(TC_RA_ABLE), M(TC_VA_ABLE), M(TC_SCROLLBLT), M(CM_CMYK_COLOR), M(CM_DEVICE_ICM), M(CM_GAMMA_RAMP),
  };
#undef M
  auto lookup = [&](const char* name) {
    for (const auto& k : known)
      if (std::string(k.first) == name) return k.second;
    ADD_FAILURE() << "unknown " << name;
    return -12345;
  };
  for (size_t i = 0; i < n; ++i) EXPECT_EQ(metrics[i].value, lookup(metrics[i].name)) << metrics[i].name;
  const ApiIndex* caps = DeviceCapIndices(n);
  for (size_t i = 0; i < n; ++i) EXPECT_EQ(caps[i].value, lookup(caps[i].name)) << caps[i].name;
  const ApiCapGroup* groups = DeviceCapGroups(n);
  for (size_t g = 0; g < n; ++g) {
    EXPECT_EQ(groups[g].index, lookup(groups[g].name)) << groups[g].name;
    for (size_t f = 0; f < groups[g].flagCount; ++f)
      EXPECT_EQ(static_cast<int>(groups[g].flags[f].value), lookup(groups[g].flags[f].name)) << groups[g].flags[f].name;
  }
}

// A window whose thread stops answering: every entry ends within about one
// time-out, and the message entries show their failure rows.
TEST_F(ApiCatalogueTest, AHungWindowCostsAtMostOneTimeOutPerRun) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND hung = nullptr, hungList = nullptr;
  std::thread busy([&] {
    hung = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"hung", WS_POPUP | WS_VISIBLE, 600, 300, 200, 120, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    hungList = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 80, hung, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hungList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    wintest::Pump(100);
    SetEvent(ready);
    WaitForSingleObject(release, 120000);  // answers no message
    wintest::Pump(50);
    DestroyWindow(hung);
  });
  ASSERT_EQ(WaitForSingleObject(ready, 5000), WAIT_OBJECT_0);
  T_MyAPIValue api;
  DWORD slowest = 0;
  std::string slowestName;
  for (const T_Execute* e : api.SortedEntries()) {
    for (HWND w : {hung, hungList}) {
      const DWORD start = GetTickCount();
      ASSERT_EQ(api.RunAPI(e->Name, w, POINT{650, 350}), 0) << e->Name;
      const DWORD ms = GetTickCount() - start;
      if (ms > slowest) slowest = ms, slowestName = e->Name;
      if (e->Group == "msg-ListBox" || e->Group == "msg-ComboBox" || e->Name == "WM_GETTEXTLENGTH") {
        // Only the target row, and the item index of the text entries.
        EXPECT_LE(api.ResultCount(), 2u) << e->Name;
      }
      if (e->Group == "msg-TrackBar" && e->Name != "TBM_GETTIC" && e->Name != "TBM_GETTICPOS") {
        EXPECT_EQ(api.Result(1), L"0") << e->Name;
      }
    }
  }
  SetEvent(release);
  busy.join();
  CloseHandle(ready);
  CloseHandle(release);
  EXPECT_LT(slowest, kMessageTimeoutMs + 400) << slowestName << "; one time-out is " << kMessageTimeoutMs << " ms";
}

}  // namespace
}  // namespace zorvik
