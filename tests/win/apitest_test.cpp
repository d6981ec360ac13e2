// The API catalogue run against known windows of this process: a top-level
// window, an edit, a list box, a combo box, a trackbar, a layered window,
// windows whose threads stop answering, and controls of another thread that
// the messages of other classes would change.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "apitest/api_lists.h"
#include "apitest/my_apivalue.h"
#include "inspection/window_info.h"
#include "platform/optional_functions.h"
#include "ui_thread.h"
#include "win_support.h"

namespace zorvik {
namespace {

const wchar_t* const kTitle = L"既知の窓 known";
const wchar_t* const kNotListBox = L"リストボックスではないため送信しません";
const wchar_t* const kNotComboBox = L"コンボボックスではないため送信しません";
const wchar_t* const kNotTrackbar = L"トラックバーではないため送信しません";

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
  // A list box tells how many of its items one column shows: what its
  // client area holds of rows of its font's item height.
  RECT listClient{};
  GetClientRect(list_, &listClient);
  const auto itemHeight = static_cast<LONG>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(itemHeight, 0);
  const std::wstring perColumn = std::to_wstring(listClient.bottom / itemHeight);
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
      {"GetListBoxInfo", &list_, L"戻り値", perColumn.c_str()},
      {"LB_GETCURSEL", &top_, L"戻り値", kNotListBox},  // a list box's message goes to list boxes only
      {"LB_GETTEXT", &combo_, L"wParam", kNotListBox},
      {"LB_GETTEXT", &combo_, L"lParam", L"<no value>"},  // nothing sent, nothing else shown
      {"CB_GETCOUNT", &list_, L"戻り値", kNotComboBox},
      {"CB_GETLBTEXTLEN", &edit_, L"wParam", kNotComboBox},
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
      {"TBM_GETPOS", &top_, L"戻り値", kNotTrackbar},
      {"TBM_GETTIC", &list_, L"戻り値", kNotTrackbar},
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

  // VerQueryValue builds its rows from the file: the window refills when
  // they change, not while they stay the same.
  ASSERT_EQ(api.RunAPI("VerQueryValue", top_, point_), 0);
  EXPECT_FALSE(api.SameDeclaration(declaration));
  ASSERT_EQ(api.RunAPI("VerQueryValue", top_, point_), 0);
  EXPECT_TRUE(api.SameDeclaration(api.Declaration()));
  ASSERT_EQ(api.RunAPI("VerQueryValue", nullptr, point_), 0);
  EXPECT_FALSE(api.SameDeclaration(api.Declaration())) << "the file rows are gone";

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
  HWND hung = nullptr, hungList = nullptr, hungTrackbar = nullptr;
  std::thread busy([&] {
    hung = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"hung", WS_POPUP | WS_VISIBLE, 600, 300, 200, 120, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    hungList = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 80, hung, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hungList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    hungTrackbar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 95, 100, 20, hung, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
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
      if (e->Group == "msg-TrackBar") {
        EXPECT_EQ(api.Result(1), kNotTrackbar) << e->Name;
      }
    }
  }
  // A trackbar of the thread is asked, and shows 0 for what it did not answer.
  for (const T_Execute* e : api.SortedEntries()) {
    if (e->Group != "msg-TrackBar" || e->Name == "TBM_GETTIC" || e->Name == "TBM_GETTICPOS") continue;
    const DWORD start = GetTickCount();
    ASSERT_EQ(api.RunAPI(e->Name, hungTrackbar, POINT{650, 350}), 0) << e->Name;
    const DWORD ms = GetTickCount() - start;
    if (ms > slowest) slowest = ms, slowestName = e->Name;
    EXPECT_EQ(api.Result(1), L"0") << e->Name;
  }
  SetEvent(release);
  busy.join();
  CloseHandle(ready);
  CloseHandle(release);
  EXPECT_LT(slowest, kMessageTimeoutMs + 400) << slowestName << "; one time-out is " << kMessageTimeoutMs << " ms";
}

// Messages of one control class mean other things to other classes:
// TBM_GETRANGEMIN is DM_SETDEFID to a dialog and SB_SETTEXT to a status bar,
// TBM_GETRANGEMAX is PBM_SETPOS to a progress bar and RB_DELETEBAND to a
// rebar. Every entry runs on such controls of another thread and leaves
// them as they were; real trackbars and boxes still answer.
INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(ApiCatalogueTest, EveryEntryLeavesControlsOfOtherClassesAsTheyWere) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_COOL_CLASSES};
  InitCommonControlsEx(&icc);
  wintest::UiThread ui;
  HWND host = nullptr, dialog = nullptr, status = nullptr, progress = nullptr, rebar = nullptr, trackbar = nullptr,
       list = nullptr, combo = nullptr, dropList = nullptr;
  ui.Run([&] {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    host = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"controls", WS_POPUP | WS_VISIBLE, 60, 320, 420, 260,
                           nullptr, nullptr, inst, nullptr);
    auto child = [&](const wchar_t* cls, DWORD style, int y, int h) {
      return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 10, y, 200, h, host, nullptr, inst, nullptr);
    };
    // A dialog from a template without controls, with a default button.
    alignas(4) WORD dialogTemplate[16] = {};
    auto* t = reinterpret_cast<DLGTEMPLATE*>(dialogTemplate);
    t->style = WS_POPUP | WS_VISIBLE;
    t->x = 300;
    t->y = 10;
    t->cx = 120;
    t->cy = 60;
    dialog = CreateDialogIndirectParamW(inst, t, nullptr, QuietDialogProc, 0);
    CreateWindowExW(0, L"BUTTON", L"既定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 10, 80, 24, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), inst, nullptr);
    SendMessageW(dialog, DM_SETDEFID, 7, 0);
    status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host, nullptr, inst, nullptr);
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"ペイン0"));
    progress = child(PROGRESS_CLASSW, 0, 10, 20);
    SendMessageW(progress, PBM_SETRANGE32, 0, 100);
    SendMessageW(progress, PBM_SETPOS, 40, 0);
    rebar = child(REBARCLASSNAMEW, CCS_NORESIZE, 40, 30);
    REBARBANDINFOW band{};
    band.cbSize = REBARBANDINFOW_V3_SIZE;
    band.fMask = RBBIM_TEXT;
    band.lpText = const_cast<wchar_t*>(L"band");
    SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    trackbar = child(TRACKBAR_CLASSW, 0, 80, 30);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(2, 12));
    SendMessageW(trackbar, TBM_SETPOS, TRUE, 5);
    list = child(L"LISTBOX", 0, 120, 50);
    combo = child(L"COMBOBOX", CBS_DROPDOWNLIST, 180, 100);
    for (const wchar_t* item : {L"alpha", L"beta"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"one", L"two"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    COMBOBOXINFO ci{};
    ci.cbSize = sizeof ci;
    if (GetComboBoxInfo(combo, &ci)) dropList = ci.hwndList;
  });
  for (HWND w : {host, dialog, status, progress, rebar, trackbar, list, combo, dropList}) ASSERT_NE(w, nullptr);

  // What the messages of other classes would change.
  auto state = [&] {
    wchar_t pane[64] = L"";
    const LRESULT paneLength = SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(pane));
    return std::vector<std::wstring>{
        L"DM_GETDEFID " + std::to_wstring(SendMessageW(dialog, DM_GETDEFID, 0, 0)),
        L"SB_GETTEXT " + std::to_wstring(LOWORD(paneLength)) + L" " + pane,
        L"PBM_GETPOS " + std::to_wstring(SendMessageW(progress, PBM_GETPOS, 0, 0)),
        L"PBM_GETRANGE " + std::to_wstring(SendMessageW(progress, PBM_GETRANGE, TRUE, 0)) + L" " +
            std::to_wstring(SendMessageW(progress, PBM_GETRANGE, FALSE, 0)),
        L"RB_GETBANDCOUNT " + std::to_wstring(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0)),
    };
  };
  const std::vector<std::wstring> before = state();
  EXPECT_EQ(before[0], L"DM_GETDEFID " + std::to_wstring(MAKELONG(7, DC_HASDEFID)));
  EXPECT_EQ(before[2], L"PBM_GETPOS 40");

  T_MyAPIValue api;
  for (HWND w : {dialog, status, progress, rebar, trackbar, list, combo, dropList}) {
    for (const T_Execute* e : api.SortedEntries()) {
      ASSERT_EQ(api.RunAPI(e->Name, w, point_), 0) << e->Name;
      const std::vector<std::wstring> now = state();
      ASSERT_EQ(now, before) << e->Name << " on " << Name(ClassNameOf(w)) << " changed " << Name(now[0]) << " / "
                             << Name(now[2]) << " / " << Name(now[4]);
    }
  }

  const struct {
    const char* entry;
    HWND* window;
    const wchar_t* label;
    const wchar_t* value;
  } cases[] = {
      {"TBM_GETPOS", &trackbar, L"戻り値", L"5"},
      {"TBM_GETRANGEMIN", &trackbar, L"戻り値", L"2"},
      {"TBM_GETRANGEMAX", &trackbar, L"戻り値", L"12"},
      {"TBM_GETRANGEMIN", &dialog, L"戻り値", kNotTrackbar},
      {"TBM_GETRANGEMIN", &status, L"戻り値", kNotTrackbar},
      {"TBM_GETRANGEMAX", &progress, L"戻り値", kNotTrackbar},
      {"TBM_GETRANGEMAX", &rebar, L"戻り値", kNotTrackbar},
      {"LB_GETCURSEL", &list, L"戻り値", L"1"},
      {"LB_GETTEXT", &list, L"lParam", L"beta"},
      {"LB_GETCOUNT", &dropList, L"戻り値", L"2"},  // a combo box's drop-down list is a list box
      {"LB_GETCOUNT", &combo, L"戻り値", kNotListBox},
      {"LB_GETCOUNT", &progress, L"戻り値", kNotListBox},
      {"CB_GETCURSEL", &combo, L"戻り値", L"1"},
      {"CB_GETLBTEXT", &combo, L"lParam", L"two"},
      {"CB_GETCOUNT", &dialog, L"戻り値", kNotComboBox},
      {"CB_GETCOUNT", &dropList, L"戻り値", kNotComboBox},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(api.RunAPI(c.entry, *c.window, point_), 0);
    EXPECT_TRUE(ValueOf(api, c.label) == c.value)
        << c.entry << " " << Name(c.label) << ": " << Name(ValueOf(api, c.label));
  }
  ui.Run([&] {
    DestroyWindow(dialog);
    DestroyWindow(host);
  });
}

// A window that answers the item messages of list and combo boxes as if it
// held the item "fake", and a list box made from the system's class under
// another name.
LRESULT CALLBACK FakeBoxProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case LB_GETCURSEL:
    case CB_GETCURSEL:
      return 0;
    case LB_GETTEXTLEN:
    case CB_GETLBTEXTLEN:
      return 4;
    case LB_GETTEXT:
    case CB_GETLBTEXT:
      wcscpy(reinterpret_cast<wchar_t*>(lp), L"fake");
      return 4;
    default:
      return DefWindowProcW(h, msg, wp, lp);
  }
}

TEST_F(ApiCatalogueTest, ItemMessagesGoOnlyToListAndComboBoxes) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW fake{};
  fake.cbSize = sizeof fake;
  fake.lpfnWndProc = FakeBoxProc;
  fake.hInstance = inst;
  fake.lpszClassName = L"ZorvikFakeBox";
  ASSERT_NE(RegisterClassExW(&fake), 0);
  WNDCLASSEXW super{};
  super.cbSize = sizeof super;
  ASSERT_TRUE(GetClassInfoExW(nullptr, L"ListBox", &super));
  super.hInstance = inst;
  super.lpszClassName = L"ZorvikSuperListBox";
  ASSERT_NE(RegisterClassExW(&super), 0);
  HWND fakeBox = Child(L"ZorvikFakeBox", 0, L"", 10, 110, 60, 20);
  HWND superList = Child(L"ZorvikSuperListBox", 0, L"", 80, 110, 60, 60);
  for (const wchar_t* item : {L"first", L"second"})
    SendMessageW(superList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(superList, LB_SETCURSEL, 1, 0);

  EXPECT_EQ(CatalogueWindowText(fakeBox), L"") << "no item message to a window of another class";
  EXPECT_EQ(CatalogueWindowText(list_), L"beta");
  EXPECT_TRUE(IsWindowOfClass(trackbar_, {L"MSCTLS_TRACKBAR32"}));
  EXPECT_FALSE(IsWindowOfClass(fakeBox, {L"ListBox", L"ComboBox"}));
  T_MyAPIValue api;
  // Windows names the system class a superclassed box was made from; Wine
  // (8) gives the superclass's own name, so there it is no box.
  wchar_t real[64] = L"";
  RealGetWindowClassW(superList, real, 64);
  if (lstrcmpiW(real, L"ListBox") == 0) {
    EXPECT_EQ(CatalogueWindowText(superList), L"second");
    EXPECT_TRUE(IsWindowOfClass(superList, {L"ListBox"}));
    ASSERT_EQ(api.RunAPI("LB_GETCOUNT", superList, point_), 0);
    EXPECT_EQ(ValueOf(api, L"戻り値"), L"2");
  } else {
    EXPECT_STREQ(real, L"ZorvikSuperListBox");
  }
  ASSERT_EQ(api.RunAPI("LB_GETTEXT", fakeBox, point_), 0);
  EXPECT_EQ(ValueOf(api, L"wParam"), kNotListBox);
  ASSERT_EQ(api.RunAPI("CB_GETLBTEXT", fakeBox, point_), 0);
  EXPECT_EQ(ValueOf(api, L"wParam"), kNotComboBox);
  DestroyWindow(fakeBox);
  DestroyWindow(superList);
  UnregisterClassW(L"ZorvikFakeBox", inst);
  UnregisterClassW(L"ZorvikSuperListBox", inst);
}

// EnumChildWindows describes every child. Children of two threads that both
// stopped answering, in turn, cost one time-out per thread and run, not one
// per window; the next run asks each thread once again.
TEST_F(ApiCatalogueTest, WindowsOfTwoHungThreadsCostOneTimeOutPerThread) {
  wintest::UiThread a, b;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  // The parent is this thread's, which answers while it runs the entry: neither
  // thread is left in a send to the other (a thread waiting in a send still answers).
  HWND parent = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"parent", WS_POPUP | WS_VISIBLE, 500, 400, 300, 100,
                                nullptr, nullptr, inst, nullptr);
  ASSERT_NE(parent, nullptr);
  std::vector<HWND> children;
  for (int i = 0; i < 4; ++i)
    for (wintest::UiThread* t : {&a, &b})
      t->Run([&] {
        const int x = 10 + 30 * static_cast<int>(children.size());
        children.push_back(CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, x, 10, 25,
                                           25, parent, nullptr, inst, nullptr));
      });
  for (HWND c : children) ASSERT_NE(c, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  for (wintest::UiThread* t : {&a, &b}) t->Post([release] { WaitForSingleObject(release, 30000); });  // answers nothing
  wintest::Pump(100);

  T_MyAPIValue api;
  for (int run = 0; run < 2; ++run) {
    const DWORD start = GetTickCount();
    ASSERT_EQ(api.RunAPI("EnumChildWindows", parent, point_), 0);
    const DWORD ms = GetTickCount() - start;
    ASSERT_EQ(api.ResultCount(), 2 + children.size());  // the parent, the return value, each child
    for (size_t i = 2; i < api.ResultCount(); ++i)
      EXPECT_NE(api.Result(i).find(L"Static \"\""), std::wstring::npos) << Name(api.Result(i));
    EXPECT_GE(ms, 2 * kMessageTimeoutMs - 100) << "run " << run << ": each thread is asked";
    EXPECT_LT(ms, 3 * kMessageTimeoutMs) << "run " << run << ": each thread is asked once";
  }
  SetEvent(release);
  for (wintest::UiThread* t : {&a, &b})
    t->Run([&] {
      for (HWND c : children)
        if (GetWindowThreadProcessId(c, nullptr) == GetCurrentThreadId()) DestroyWindow(c);
    });
  DestroyWindow(parent);
  CloseHandle(release);
}

}  // namespace
}  // namespace zorvik
