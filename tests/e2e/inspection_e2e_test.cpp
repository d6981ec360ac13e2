// End-to-end: copying values, window facts of a known window, a hung window
// under the cursor, and writing a cached value into an edit box.
#include <cstdio>
#include <thread>

#include "magnifier_fixture.h"

using namespace e2e;

namespace {

// A top-level window with a child edit box, owned by this test process.
class KnownWindow {
public:
  KnownWindow() {
    static bool reg = false;
    if (!reg) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = DefWindowProcW;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"ZorvikKnownWindow";
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      RegisterClassW(&wc);
      reg = true;
    }
    hwnd = CreateWindowExW(WS_EX_TOPMOST, L"ZorvikKnownWindow", L"既知の窓", WS_POPUP | WS_VISIBLE | WS_BORDER, 420, 80,
                           300, 180, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_LEFT, 20, 20, 160, 24, hwnd,
                           reinterpret_cast<HMENU>(321), GetModuleHandleW(nullptr), nullptr);
    Pump(150);
  }
  ~KnownWindow() { DestroyWindow(hwnd); }
  POINT EditPoint() const {
    RECT r;
    GetWindowRect(edit, &r);
    return POINT{r.left + 30, r.top + 10};
  }
  std::wstring EditText() const {
    wchar_t buf[128] = L"";
    GetWindowTextW(edit, buf, 128);
    return buf;
  }
  HWND hwnd = nullptr, edit = nullptr;
};

std::wstring Dec(long long v) { return std::to_wstring(v); }
std::wstring Hex6(COLORREF c) {
  wchar_t b[16];
  swprintf(b, 16, L"%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return b;
}

class InspectionTest : public FocusedMagnifierTest {
protected:
  void SetUp() override {
    FocusedMagnifierTest::SetUp();
    ClearClipboard();
  }
  std::wstring CopyBy(const char* command) {
    ClearClipboard();
    app_->Command(command);
    return ClipboardUnicode();
  }
};

TEST_F(InspectionTest, CopyKeysPutTheValuesOnTheClipboardInBothForms) {
  const COLORREF c = pattern_->ScreenColour(cursor_.x, cursor_.y);
  Tap('H');
  const std::wstring html = Hex6(c);
  EXPECT_EQ(ClipboardUnicode(), html);
  EXPECT_EQ(ClipboardAnsi(), std::string(html.begin(), html.end()));
  Tap('C');
  EXPECT_EQ(ClipboardUnicode(), Dec(static_cast<long long>(c)));
  EXPECT_EQ(CopyBy("Action_Copy_ColorRGB"), Dec(GetRValue(c)) + L" " + Dec(GetGValue(c)) + L" " + Dec(GetBValue(c)));
  EXPECT_EQ(CopyBy("Action_Copy_PosScreen"), Dec(cursor_.x) + L"," + Dec(cursor_.y));
  Tap(VK_F2);  // every line's value, shown or not, one per line
  const std::wstring all = ClipboardUnicode();
  wchar_t rgb[64];
  swprintf(rgb, 64, L"R=%-3d G=%-3d B=%-3d\r\n#%s", GetRValue(c), GetGValue(c), GetBValue(c), Hex6(c).c_str());
  EXPECT_EQ(all.rfind(rgb, 0), 0u) << std::string(all.begin(), all.end());
  EXPECT_NE(all.find(L"X=" + Dec(cursor_.x) + L" Y=" + Dec(cursor_.y)), std::wstring::npos);
  EXPECT_NE(all.back(), L'\n');
}

TEST_F(InspectionTest, PictureCopyIsTheMagnifiedView) {
  ClearClipboard();
  Tap('Z');
  ASSERT_TRUE(OpenClipboard(nullptr));
  HBITMAP bmp = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  if (bmp) GetObjectW(bmp, sizeof info, &info);
  CloseClipboard();
  ASSERT_NE(bmp, nullptr);
  const SIZE client = app_->ClientSize();
  EXPECT_EQ(info.bmWidth, client.cx);
  EXPECT_EQ(info.bmHeight, client.cy - kToolBar);
}

TEST_F(InspectionTest, WindowFactsOfAKnownWindow) {
  KnownWindow known;
  const POINT p = known.EditPoint();
  SetCursorPos(p.x, p.y);
  Pump(1300);  // a full refresh at the new point
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoClassName"), L"Edit");
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoHandle"), Dec(static_cast<long long>(reinterpret_cast<uintptr_t>(known.edit))));
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoControlID"), L"321");
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoPID"), Dec(GetCurrentProcessId()));
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoClientSize"), L"160,24");
  RECT r;
  GetWindowRect(known.edit, &r);
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoRect"), Dec(r.left) + L"," + Dec(r.top) + L"," + Dec(r.right) + L"," + Dec(r.bottom));
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoWindowSize"), L"20,20,160,24");  // left and top relative to the parent
  const std::wstring exe = CopyBy("Action_Copy_WinInfoExeName");
  ASSERT_GE(exe.size(), 13u);
  EXPECT_EQ(_wcsicmp(exe.substr(exe.size() - 13).c_str(), L"e2e_tests.exe"), 0);
  // Over the top-level window itself: its text.
  SetCursorPos(known.EditPoint().x, known.EditPoint().y + 100);
  Pump(1300);
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoText"), L"既知の窓");
  EXPECT_EQ(CopyBy("Action_Copy_WinInfoClassName"), L"ZorvikKnownWindow");
}

TEST_F(InspectionTest, AHungWindowUnderTheCursorDoesNotFreezeTheMagnifier) {
  HWND hung = nullptr;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread t([&] {
    hung = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 420, 300, 160, 120, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    MSG m;
    for (int i = 0; i < 20; ++i)
      while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    SetEvent(ready);
    Sleep(6000);  // stops answering messages
    DestroyWindow(hung);
  });
  WaitForSingleObject(ready, 5000);
  SetCursorPos(480, 350);
  Pump(1500);
  // The magnifier still answers and follows the cursor back onto the pattern.
  DWORD_PTR r = 0;
  const DWORD t0 = GetTickCount();
  EXPECT_NE(SendMessageTimeoutW(app_->hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r), 0);
  EXPECT_LT(GetTickCount() - t0, 2500u);
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(2500);
  const auto g = Geometry(6);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow, 0, 0);
  t.join();
  CloseHandle(ready);
}

TEST_F(InspectionTest, CachedValueIsWrittenIntoAnEditBox) {
  KnownWindow known;
  const COLORREF c = pattern_->ScreenColour(cursor_.x, cursor_.y);
  EXPECT_TRUE(app_->Command("Action_Write_InfoCash"));  // cache the information here
  const POINT p = known.EditPoint();
  SetCursorPos(p.x, p.y);
  Pump(1300);
  EXPECT_TRUE(app_->Command("Action_Write_ColorHTML"));  // write the cached HTML value
  Pump(200);
  EXPECT_EQ(known.EditText(), Hex6(c));
  EXPECT_TRUE(app_->Command("Action_Write_TextClear"));  // an empty text
  Pump(200);
  EXPECT_EQ(known.EditText(), L"");
  EXPECT_TRUE(app_->Command("Action_Write_ClearCash"));  // clearing the cache disables the value commands
  EXPECT_TRUE(app_->Command("Action_Write_ColorHTML"));
  Pump(200);
  EXPECT_EQ(known.EditText(), L"");
}

}  // namespace

namespace {

TEST_F(InspectionTest, LinesGrowAndShrinkTheWindowByExactlyTheirHeight) {
  KnownWindow known;
  const POINT p = known.EditPoint();
  SetCursorPos(p.x, p.y);
  const int h0 = app_->ClientSize().cy;
  ASSERT_TRUE(app_->Command("Action_Color_HSV"));
  const int line = app_->ClientSize().cy - h0;
  ASSERT_GT(line, 8);
  ASSERT_TRUE(app_->Command("Action_Color_InfoOnOff"));  // all colour lines (not all were on: all on)
  ASSERT_TRUE(app_->Command("Action_Pos_InfoOnOff"));
  ASSERT_TRUE(app_->Command("Action_WinInfo_InfoOnOff"));
  Pump(1300);
  // 6 colour, 4 position and 14 window lines (the style item has two).
  EXPECT_EQ(app_->ClientSize().cy, h0 + 18 * line);
  // The view keeps its height: the area's top border stays where it was.
  SaveBmp(ReadScreen(RECT{0, 0, 900, 800}), ExeDir() + L"shot-all-lines.bmp");
  ASSERT_TRUE(app_->Command("Action_WinInfo_InfoOnOff"));  // all window lines off
  EXPECT_EQ(app_->ClientSize().cy, h0 + 18 * line - 14 * line);
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(300);
  const auto g = Geometry(6);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow - 3, 0, -3);
}

}  // namespace
