// The VerQueryValue entry on a window of another program whose executable
// has a version resource of two translations (version_window.exe, built
// beside the tests): run after run in the catalogue, and in the API test
// window, where the user's row and scroll position stay while the entry
// keeps running on the same window.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "apitest/my_apivalue.h"
#include "apitest/sub_api.h"
#include "apitest/version_cache.h"
#include "kit/grid.h"
#include "magnifier/main_window.h"
#include "platform/general.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

// version_window.exe, started for a test and closed after it.
class VersionWindowProcess {
public:
  VersionWindowProcess() {
    const std::wstring here = OwnModulePath();
    exe_ = here.substr(0, here.find_last_of(L"\\/") + 1) + L"version_window.exe";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + exe_ + L"\"";
    if (!CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
    WaitForInputIdle(pi_.hProcess, 5000);
    for (int i = 0; i < 100 && !window_; ++i) {
      for (HWND w = FindWindowW(L"ZorvikVersionWindow", nullptr); w;
           w = FindWindowExW(nullptr, w, L"ZorvikVersionWindow", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == pi_.dwProcessId) window_ = w;
      }
      if (!window_) Sleep(50);
    }
  }
  ~VersionWindowProcess() {
    if (!pi_.hProcess) return;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  HWND Window() const { return window_; }
  const std::wstring& Exe() const { return exe_; }

private:
  std::wstring exe_;
  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
};

std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += c < 0x80 ? static_cast<char>(c) : '?';
  return s;
}

// The values of every row labelled `label`, in order.
std::vector<std::wstring> ValuesOf(const T_MyAPIValue& api, const std::wstring& label) {
  std::vector<std::wstring> values;
  for (size_t i = 0; i < api.ParamCount(); ++i)
    if (api.ParamName(i) == label) values.push_back(api.Result(i));
  return values;
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() &&
         CompareStringOrdinal(text.c_str() + text.size() - end.size(), static_cast<int>(end.size()), end.c_str(),
                              static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

class ApiVersionEntryTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { LoadOptionalFunctions(); }
  void SetUp() override {
    process_ = std::make_unique<VersionWindowProcess>();
    ASSERT_NE(process_->Window(), nullptr) << "version_window.exe did not show its window";
    own_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"own", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  void TearDown() override {
    DestroyWindow(own_);
    process_.reset();
  }
  std::unique_ptr<VersionWindowProcess> process_;
  HWND own_ = nullptr;
};

// The multi-language component fills a whole MIMECPINFO for the code-page
// description of each translation; run on every tick, a short structure
// took the program down at once.
TEST_F(ApiVersionEntryTest, ReadsEveryTranslationRunAfterRun) {
  T_MyAPIValue api;
  HWND w = process_->Window();
  const std::wstring* firstLabel = nullptr;
  for (int run = 0; run < 40; ++run) {
    ASSERT_EQ(api.RunAPI("VerQueryValue", w, POINT{0, 0}), 0);
    if (run == 0) {
      EXPECT_TRUE(api.Rebuilt()) << "the first run builds the rows";
      firstLabel = &api.ParamName(0);
    } else {
      EXPECT_FALSE(api.Rebuilt());
      ASSERT_TRUE(api.SameDeclaration(api.Declaration())) << "run " << run << ": the same rows are kept";
      EXPECT_EQ(&api.ParamName(0), firstLabel);
    }
  }
  EXPECT_EQ(api.RowCount(), api.ParamCount());
  EXPECT_EQ(api.Versions().ComponentQueries(), 2) << "each code page is described once, not on every run";
  const std::vector<std::wstring> path = ValuesOf(api, L"lptstrFilename");
  ASSERT_EQ(path.size(), 1u);
  EXPECT_TRUE(EndsWithNoCase(path[0], L"\\version_window.exe")) << Narrow(path[0]);
  EXPECT_EQ(ValuesOf(api, L" VS_FIXEDFILEINFO.dwSignature"), std::vector<std::wstring>{L"0xFEEF04BD 4277077181"});
  EXPECT_EQ(ValuesOf(api, L" VS_FIXEDFILEINFO.dwFileVersionMS"), std::vector<std::wstring>{L"0x00010002 1 2"});
  EXPECT_EQ(ValuesOf(api, L" VS_FIXEDFILEINFO.dwFileVersionLS"), std::vector<std::wstring>{L"0x00030004 3 4"});

  const std::vector<std::wstring> translations = ValuesOf(api, L"言語/コードページ");
  ASSERT_EQ(translations.size(), 2u);
  const struct {
    const wchar_t* head;
    const wchar_t* codePage;
  } want[] = {
      {L"0x03A40411 言語:0x0411 1041 ", L"/コードページ:0x03A4 932 "},
      {L"0x04B00409 言語:0x0409 1033 ", L"/コードページ:0x04B0 1200 "},
  };
  for (size_t i = 0; i < 2; ++i) {
    const std::wstring& t = translations[i];
    EXPECT_EQ(t.rfind(want[i].head, 0), 0u) << i;
    const size_t at = t.find(want[i].codePage);
    ASSERT_NE(at, std::wstring::npos) << i;
    if (i == 0) {
      EXPECT_GT(t.size(), at + wcslen(want[i].codePage)) << "the code page's description";
    }
  }
  EXPECT_EQ(ValuesOf(api, L" FileDescription"),
            (std::vector<std::wstring>{L"Version window (ja)", L"Version window (en)"}));
  EXPECT_EQ(ValuesOf(api, L" Comments"), std::vector<std::wstring>{L"version fixture ja"});
  EXPECT_EQ(ValuesOf(api, L" lpSubBlock:\\StringFileInfo\\041103A4\\").size(), 1u);

  // A window of a program without a version resource: other rows, rebuilt.
  ASSERT_EQ(api.RunAPI("VerQueryValue", own_, POINT{0, 0}), 0);
  EXPECT_FALSE(api.SameDeclaration(api.Declaration()));
  EXPECT_EQ(api.ParamCount(), 2u);
  ASSERT_EQ(api.RunAPI("VerQueryValue", own_, POINT{0, 0}), 0);
  EXPECT_TRUE(api.SameDeclaration(api.Declaration()));
  ASSERT_EQ(api.RunAPI("VerQueryValue", w, POINT{0, 0}), 0);
  EXPECT_FALSE(api.SameDeclaration(api.Declaration()));
  EXPECT_EQ(ValuesOf(api, L"言語/コードページ"), translations) << "the same texts from what was kept";

  // The other version entries read the same file.
  ASSERT_EQ(api.RunAPI("GetFileVersionInfo", w, POINT{0, 0}), 0);
  EXPECT_EQ(ValuesOf(api, L"戻り値"), std::vector<std::wstring>{L"True"});
}

// The API test window: while the entry keeps running on the same window,
// only the values are replaced; the selected row and the scroll position are
// the user's. A target with other rows rebuilds the grid.
class ApiVersionWindowTest : public ApiVersionEntryTest {
protected:
  void SetUp() override {
    ApiVersionEntryTest::SetUp();
    app_.settingsFile.clear();
    ASSERT_TRUE(app_.CreateMainWindow());
  }
  TApp_Zorvik app_;
};

TEST_F(ApiVersionWindowTest, SelectedRowAndScrollStayWhileTheEntryRunsOnTheSameWindow) {
  TApp_ZorvikAPITest window(app_, app_);
  ASSERT_TRUE(window.Make(app_.Handle(), 96, true));
  const std::vector<std::string> names = window.OfferedNames();
  int index = -1;
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == "VerQueryValue") index = static_cast<int>(i);
  ASSERT_GE(index, 0);
  window.ChooseEntry(index);
  HWND target = process_->Window();
  window.RunOnTarget(target, POINT{0, 0});
  kit::Grid& g = *window.ResultGrid();
  const int rows = g.RowCount();
  ASSERT_GT(rows, 20);
  EXPECT_EQ(g.Row(), 1);
  g.SelectRow(14);
  g.SetTopRow(9);
  ASSERT_EQ(g.Row(), 14);
  const int top = g.TopRow();
  ASSERT_GT(top, 1) << "the grid scrolls";
  const std::wstring label = g.Cell(0, 14), description = g.Cell(2, 14);
  SetWindowTextW(window.Control("Memo_Hint"), L"目印");
  for (int run = 0; run < 5; ++run) window.RunOnTarget(target, POINT{0, 0});
  EXPECT_EQ(g.Row(), 14);
  EXPECT_EQ(g.TopRow(), top);
  EXPECT_EQ(g.RowCount(), rows);
  EXPECT_EQ(g.Cell(0, 14), label);
  EXPECT_EQ(g.Cell(2, 14), description);
  EXPECT_EQ(window.HintText(), L"目印") << "the description is not shown again";
  EXPECT_NE(window.ResultText().find(L"Version window (ja)"), std::wstring::npos);

  // Another window with other rows: all anew, from the first row.
  window.RunOnTarget(own_, POINT{0, 0});
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(window.HintText(), window.Catalogue()->Description());
  window.RunOnTarget(target, POINT{0, 0});
  EXPECT_EQ(g.RowCount(), rows);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.TopRow(), 1);
}

}  // namespace
}  // namespace zorvik
