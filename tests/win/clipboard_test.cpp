// Reading clipboard text whose owner renders it only on request.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "copy/clipboard.h"
#include "win_support.h"

namespace zorvik {
namespace {

// A window on a thread of its own that puts CF_UNICODETEXT on the clipboard
// for later rendering (SetClipboardData(format, nullptr)) and then behaves as
// told when asked to render.
class DelayRenderingOwner {
public:
  enum class Mode {
    Answers,        // renders at once
    Busy,           // stops handling messages right after taking the clipboard
    HangsInRender,  // handles messages, but hangs inside WM_RENDERFORMAT
  };
  static constexpr const wchar_t* kText = L"描画された text";

  explicit DelayRenderingOwner(Mode mode) : mode_(mode) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_, 5000);
  }
  ~DelayRenderingOwner() {
    Release();
    stop_ = true;
    if (window_) PostMessageW(window_, WM_NULL, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  void Release() { SetEvent(release_); }
  bool Owns() const { return owns_; }
  int RenderRequests() const { return renders_; }

private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<DelayRenderingOwner*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self && msg == WM_RENDERFORMAT && wp == CF_UNICODETEXT) {
      ++self->renders_;
      if (self->mode_ == Mode::HangsInRender) WaitForSingleObject(self->release_, 20000);
      const size_t bytes = (wcslen(kText) + 1) * sizeof(wchar_t);
      HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
      std::memcpy(GlobalLock(h), kText, bytes);
      GlobalUnlock(h);
      if (!SetClipboardData(CF_UNICODETEXT, h)) GlobalFree(h);
      return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
  }
  void Run() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZorvikDelayRenderingOwner";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (OpenClipboard(window_)) {
      EmptyClipboard();
      SetClipboardData(CF_UNICODETEXT, nullptr);
      CloseClipboard();
      owns_ = GetClipboardOwner() == window_;
    }
    wintest::Pump(50);
    SetEvent(ready_);
    if (mode_ == Mode::Busy) WaitForSingleObject(release_, 20000);
    while (!stop_) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG m;
      while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    DestroyWindow(window_);
  }
  Mode mode_;
  HANDLE ready_ = nullptr, release_ = nullptr;
  HWND window_ = nullptr;
  std::atomic<bool> stop_{false}, owns_{false};
  std::atomic<int> renders_{0};
  std::thread thread_;
};

// Leaves the clipboard empty and free for whatever test comes next.
void ClearClipboard() {
  for (int i = 0; i < 300; ++i) {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
      return;
    }
    Sleep(10);
  }
  ADD_FAILURE() << "the clipboard stayed open";
}

struct Case {
  DelayRenderingOwner::Mode mode;
  const wchar_t* expect;
};

class ClipboardTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(ClipboardTextTest, AnOwnerThatDoesNotRenderCannotHoldUsUp) {
  const Case c = GetParam();
  {
    DelayRenderingOwner owner(c.mode);
    ASSERT_TRUE(owner.Owns());
    // ClipboardText runs on a thread of its own so that a hang fails the
    // test instead of stopping it.
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::wstring text = L"unset";
    std::thread reader([&] {
      text = ClipboardText(nullptr);
      SetEvent(done);
    });
    const DWORD start = GetTickCount();
    const bool returned = WaitForSingleObject(done, 6000) == WAIT_OBJECT_0;  // at most 2.5 s, with room for a loaded machine
    const DWORD ms = GetTickCount() - start;
    owner.Release();  // let a hanging owner go so that the reader ends in any case
    reader.join();
    CloseHandle(done);
    EXPECT_TRUE(returned) << "ClipboardText did not return within 6 s";
    if (returned) {
      EXPECT_TRUE(text == c.expect) << "took " << ms << " ms";
    }
  }
  ClearClipboard();
}

INSTANTIATE_TEST_SUITE_P(Owners, ClipboardTextTest,
                         ::testing::Values(Case{DelayRenderingOwner::Mode::Answers, DelayRenderingOwner::kText},
                                           Case{DelayRenderingOwner::Mode::Busy, L""},
                                           Case{DelayRenderingOwner::Mode::HangsInRender, L""}));

TEST(ClipboardText, TextPutThereIsReadBack) {
  ASSERT_TRUE(PutClipboardText(nullptr, L"クリップ board"));
  EXPECT_EQ(ClipboardText(nullptr), L"クリップ board");
  ClearClipboard();
}

}  // namespace
}  // namespace zorvik
