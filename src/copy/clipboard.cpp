#include "copy/clipboard.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "inspection/window_info.h"

namespace zorvik {

namespace {
// Opening can fail briefly while another program holds the clipboard.
bool Open(HWND owner) {
  for (int i = 0; i < 5; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

HGLOBAL Block(const void* data, size_t bytes) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!h) return nullptr;
  if (void* p = GlobalLock(h)) {
    std::memcpy(p, data, bytes);
    GlobalUnlock(h);
    return h;
  }
  GlobalFree(h);
  return nullptr;
}

// The text of the clipboard in `format`; the clipboard is opened for
// `owner` (null: for this thread).
std::wstring ReadClipboardText(HWND owner, UINT format) {
  if (!Open(owner)) return L"";
  std::wstring out;
  if (HANDLE h = GetClipboardData(format)) {
    if (const void* p = GlobalLock(h)) {
      const size_t bytes = GlobalSize(h);
      if (format == CF_UNICODETEXT) {
        out.assign(static_cast<const wchar_t*>(p), wcsnlen(static_cast<const wchar_t*>(p), bytes / sizeof(wchar_t)));
      } else {
        const char* a = static_cast<const char*>(p);
        const int len = static_cast<int>(strnlen(a, bytes));
        const int n = MultiByteToWideChar(CP_ACP, 0, a, len, nullptr, 0);
        out.assign(static_cast<size_t>(n > 0 ? n : 0), L'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, a, len, out.data(), n);
      }
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return out;
}
}  // namespace

bool PutClipboardText(HWND owner, const std::wstring& text) {
  if (text.empty() || !Open(owner)) return false;
  EmptyClipboard();
  if (HGLOBAL u = Block(text.c_str(), (text.size() + 1) * sizeof(wchar_t))) {
    if (!SetClipboardData(CF_UNICODETEXT, u)) GlobalFree(u);
  }
  const int n = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  if (n > 0) {
    std::string ansi(static_cast<size_t>(n) + 1, '\0');
    WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text.c_str(), static_cast<int>(text.size()), ansi.data(), n, nullptr,
                        nullptr);
    if (HGLOBAL a = Block(ansi.c_str(), ansi.size())) {
      if (!SetClipboardData(CF_TEXT, a)) GlobalFree(a);
    }
  }
  CloseClipboard();
  return true;
}

bool PutClipboardBitmap(HWND owner, HBITMAP bitmap) {
  if (!bitmap || !Open(owner)) return false;
  EmptyClipboard();
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
  const bool ok = copy && SetClipboardData(CF_BITMAP, copy);
  if (!ok && copy) DeleteObject(copy);
  CloseClipboard();
  return ok;
}

// Reading a format the owner put there for later rendering makes the system
// send WM_RENDERFORMAT to the owner and wait for it without a time-out. So
// when the owner is a window of another thread, it is first asked a guarded
// WM_NULL (a hung or busy owner gives no text), and the reading itself
// happens on a thread of its own that is waited for a bounded time: an owner
// that hangs only once asked to render cannot hold us up either. A reader
// left behind closes the clipboard when the owner finally answers.
std::wstring ClipboardText(HWND owner) {
  UINT formats[] = {CF_UNICODETEXT, CF_TEXT};
  const int format = GetPriorityClipboardFormat(formats, 2);
  if (format <= 0) return L"";
  HWND holder = GetClipboardOwner();
  if (!holder || GetWindowThreadProcessId(holder, nullptr) == GetCurrentThreadId())
    return ReadClipboardText(owner, static_cast<UINT>(format));  // nothing to wait for, or our own rendering
  LRESULT ignored = 0;
  if (!SendGuarded(holder, WM_NULL, 0, 0, ignored)) return L"";
  struct Shared {
    std::mutex m;
    std::condition_variable done;
    bool finished = false;
    std::wstring text;
  };
  auto shared = std::make_shared<Shared>();
  try {
    std::thread([shared, format] {
      std::wstring text = ReadClipboardText(nullptr, static_cast<UINT>(format));
      std::lock_guard<std::mutex> lock(shared->m);
      shared->text = std::move(text);
      shared->finished = true;
      shared->done.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return L"";
  }
  std::unique_lock<std::mutex> lock(shared->m);
  if (!shared->done.wait_for(lock, std::chrono::milliseconds(kRenderWaitMs), [&] { return shared->finished; }))
    return L"";
  return std::move(shared->text);
}

}  // namespace zorvik
