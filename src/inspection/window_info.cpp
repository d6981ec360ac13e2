#include "inspection/window_info.h"

#include <psapi.h>

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "inspection/text_buffer.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

struct SearchState {
  POINT p;
  bool skipLayered, skipOwn;
  HWND own;
  bool composition = false;  // asked once per search, not once per window
  HWND found = nullptr;
  HRGN scratch = nullptr;
};

bool InRegion(HWND w, const RECT& r, POINT p, HRGN scratch) {
  if (!scratch || GetWindowRgn(w, scratch) == ERROR) return true;  // no region: the rectangle counts
  return PtInRegion(scratch, p.x - r.left, p.y - r.top) != FALSE;
}

BOOL CALLBACK TopLevelProc(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<SearchState*>(lp);
  if (!IsWindowVisible(w)) return TRUE;
  RECT r{0, 0, 0, 0};
  if (s->composition) r = ExtendedFrameRect(w);
  else GetWindowRect(w, &r);
  if (!PtInRect(&r, s->p)) return TRUE;
  if (s->skipLayered && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED)) return TRUE;
  if (s->skipOwn && w == s->own) return TRUE;
  if (!InRegion(w, r, s->p, s->scratch)) return TRUE;
  s->found = w;
  return FALSE;
}

BOOL CALLBACK ChildProc(HWND c, LPARAM lp) {
  auto* s = reinterpret_cast<SearchState*>(lp);
  if (!IsWindowVisible(c)) return TRUE;
  RECT r;
  PhysicalWindowRectOf(c, r);
  if (!PtInRect(&r, s->p)) return TRUE;
  if (GetAncestor(c, GA_PARENT) == s->found) {
    s->found = c;
    return TRUE;
  }
  return FALSE;
}

HWND Search(POINT p, bool skipLayered, bool skipOwn, HWND own) {
  SearchState s{p, skipLayered, skipOwn, own};
  s.composition = IsCompositionEnabled();
  s.scratch = CreateRectRgn(0, 0, 0, 0);
  EnumWindows(TopLevelProc, reinterpret_cast<LPARAM>(&s));
  if (s.found) {
    RECT c{0, 0, 0, 0};
    if (!GetClientRect(s.found, &c)) c = RECT{0, 0, 0, 0};
    if (c.right > 0 || c.bottom > 0) EnumChildWindows(s.found, ChildProc, reinterpret_cast<LPARAM>(&s));
  }
  DeleteObject(s.scratch);
  return s.found;
}

// A window that let one message time out is not asked again in the same
// lookup: every further message would cost the same wait.
struct Asker {
  HWND w;
  bool silent = false;
  bool Send(UINT msg, WPARAM wp, LPARAM lp, LRESULT& r) {
    if (silent) return false;
    SetLastError(0);
    if (SendGuarded(w, msg, wp, lp, r)) return true;
    const DWORD e = GetLastError();
    if (e == ERROR_TIMEOUT || e == 0 || IsHungAppWindow(w)) silent = true;
    return false;
  }
};

// Asks a length, then the text. WM_GETTEXT is told the buffer's size; the
// list and combo box item messages are not, so their buffer always holds the
// reported length with slack, and an item over the limit is not asked for.
std::wstring GuardedText(Asker& a, UINT lenMsg, UINT textMsg, WPARAM index, size_t limit) {
  LRESULT n = 0;
  if (!a.Send(lenMsg, index, 0, n)) return L"";
  const bool sized = textMsg == WM_GETTEXT;
  const size_t size = sized ? WindowTextBufferSize(n, limit) : ItemTextBufferSize(n, limit);
  if (size == 0) return L"";
  std::wstring buf(size, L'\0');
  LRESULT got = 0;
  if (!a.Send(textMsg, sized ? static_cast<WPARAM>(size) : index, reinterpret_cast<LPARAM>(buf.data()), got) ||
      got < 0)
    return L"";
  buf.resize(wcsnlen(buf.c_str(), size));
  if (buf.size() > limit) buf.resize(limit);  // an item that grew a little in between
  return buf;
}

// Executable and file version per process, keyed by id and creation time so
// that a reused process id is not mistaken for the old process.
struct ProcessFacts {
  std::wstring exe, version;
};
std::map<std::pair<DWORD, ULONGLONG>, ProcessFacts> g_processFacts;

ULONGLONG CreationTime(HANDLE process) {
  FILETIME c, e, k, u;
  if (!process || !GetProcessTimes(process, &c, &e, &k, &u)) return 0;
  return (static_cast<ULONGLONG>(c.dwHighDateTime) << 32) | c.dwLowDateTime;
}

// Opens a process to read its executable and creation time. Limited query
// rights are granted for elevated processes too, where query-information
// and read-memory access are refused to a normal user.
HANDLE OpenProcessToRead(DWORD pid) {
  if (pid == 0) return nullptr;
  if (HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) return h;
  return OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
}

// The full Win32 path of the process's executable, however long (up to the
// 32,767 characters a path can have); "" when it cannot be read.
std::wstring FullImageName(HANDLE process) {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = static_cast<DWORD>(buf.size());
    if (QueryFullProcessImageNameW(process, 0, buf.data(), &n)) {
      buf.resize(std::min<size_t>(n, buf.size()));
      return buf;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || buf.size() >= 32768) return L"";
    buf.resize(std::min<size_t>(buf.size() * 4, 32768));
  }
}

// The older way, for a system without the call above or a process it
// refuses: the main module's name, else the image's device path rewritten
// to a drive letter. Needs query-information and read-memory rights.
std::wstring ExeByModule(DWORD pid) {
  std::wstring answer = L"-";
  HANDLE process = pid ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid) : nullptr;
  if (!process) return answer;
  wchar_t buf[MAX_PATH];
  if (GetModuleFileNameExW(process, nullptr, buf, MAX_PATH)) {
    CloseHandle(process);
    return buf;
  }
  if (Optional().GetProcessImageFileNameW) {
    wchar_t image[MAX_PATH] = L"";
    if (!Optional().GetProcessImageFileNameW(process, image, MAX_PATH)) image[0] = 0;
    answer = image;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
      if (!(drives & (1u << i))) continue;
      const wchar_t drive[3] = {static_cast<wchar_t>(L'A' + i), L':', 0};
      wchar_t device[MAX_PATH];
      if (!QueryDosDeviceW(drive, device, MAX_PATH)) continue;
      const std::wstring prefix = std::wstring(device) + L"\\";
      if (answer.compare(0, prefix.size(), prefix) == 0) {
        answer = std::wstring(drive) + answer.substr(prefix.size() - 1);
        break;
      }
    }
  }
  CloseHandle(process);
  return answer;
}

// "-" when the executable cannot be read.
std::wstring ExeOfProcess(DWORD pid, HANDLE process) {
  if (process) {
    std::wstring full = FullImageName(process);
    if (!full.empty()) return full;
  }
  return ExeByModule(pid);
}
}  // namespace

bool SendGuarded(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  DWORD_PTR r = 0;
  if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &r)) return false;
  result = static_cast<LRESULT>(r);
  return true;
}

HWND TopWindowFromPoint(POINT p, bool skipLayered, bool skipOwnWindow, HWND ownWindow) {
  if (skipLayered || skipOwnWindow) return Search(p, skipLayered, skipOwnWindow, ownWindow);
  HWND w0 = WindowFromPoint(p);
  HWND found = Search(p, false, false, ownWindow);
  if (found == w0) return w0;
  // A click-through, fully transparent overlay does not hide what lies under it.
  HWND root = found ? GetAncestor(found, GA_ROOT) : nullptr;
  const LONG ex = root ? GetWindowLongW(root, GWL_EXSTYLE) : 0;
  if ((ex & WS_EX_LAYERED) && (ex & WS_EX_TRANSPARENT)) {
    COLORREF key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
    if (GetLayeredAttributes(root, &key, &alpha, &flags) && (flags & LWA_ALPHA) && alpha == 0) return w0;
  }
  return found;
}

std::wstring ClassNameOf(HWND w) {
  wchar_t buf[256];
  const int n = w ? GetClassNameW(w, buf, 256) : 0;
  return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

namespace {

// List boxes (a combo box's drop-down list is one too) and combo boxes, told
// by the system class a window was made from, so that superclassed boxes
// count; any other window is asked no item message.
enum class BoxKind { None, List, Combo };
BoxKind BoxKindOf(HWND w) {
  wchar_t buf[64];
  UINT n = RealGetWindowClassW(w, buf, 64);
  if (n == 0) n = static_cast<UINT>(std::max(0, GetClassNameW(w, buf, 64)));
  if (n == 0 || n >= 63) return BoxKind::None;
  // The version of the common controls a class was registered for may stand
  // in front of its name ("6.0.0.0!ListBox").
  const std::wstring_view full(buf, n);
  const size_t bang = full.rfind(L'!');
  const std::wstring_view name = bang == std::wstring_view::npos ? full : full.substr(bang + 1);
  auto is = [&](const wchar_t* c) {
    return CompareStringOrdinal(name.data(), static_cast<int>(name.size()), c, -1, TRUE) == CSTR_EQUAL;
  };
  if (is(L"ListBox") || is(L"ComboLBox")) return BoxKind::List;
  return is(L"ComboBox") ? BoxKind::Combo : BoxKind::None;
}

}  // namespace

std::wstring WindowTextOf(HWND w, size_t limit, bool* silent) {
  if (silent) *silent = false;
  if (!w) return L"";
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  // Another process's caption is kept by the system and read without a
  // message. For a window of our own process GetWindowText would send
  // WM_GETTEXT without a time-out, so those are asked below, guarded.
  if (pid != GetCurrentProcessId()) {
    const int n = GetWindowTextLengthW(w);
    if (n > 0) {
      const size_t size = WindowTextBufferSize(n, limit);
      std::wstring buf(size, L'\0');
      const int got = GetWindowTextW(w, buf.data(), static_cast<int>(size));
      buf.resize(got > 0 ? std::min(static_cast<size_t>(got), size - 1) : 0);
      if (!buf.empty()) return buf;
    }
  }
  const LONG s = GetWindowLongW(w, GWL_STYLE);
  const bool ownerDrawn = (s & 0x10) || (s & 0x20);
  if (ownerDrawn && !(s & 0x40)) return L"";  // an owner-drawn list box without strings
  Asker a{w};
  struct Report {
    Asker& a;
    bool* silent;
    ~Report() {
      if (silent) *silent = a.silent;
    }
  } report{a, silent};
  std::wstring t = GuardedText(a, WM_GETTEXTLENGTH, WM_GETTEXT, 0, limit);
  if (!t.empty()) return t;
  // The item messages are asked only of the boxes they are meant for.
  const BoxKind box = BoxKindOf(w);
  LRESULT sel = 0;
  if (box == BoxKind::List) {
    if (!a.Send(LB_GETCURSEL, 0, 0, sel) || sel == -1) sel = 0;
    if (sel < -1) return L"";
    return GuardedText(a, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(sel), limit);
  }
  if (box != BoxKind::Combo) return L"";
  if (ownerDrawn && !(s & 0x200)) return L"";  // an owner-drawn combo box without strings
  if (!a.Send(CB_GETCURSEL, 0, 0, sel) || sel == -1) sel = 0;
  if (sel < -1) return L"";
  return GuardedText(a, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(sel), limit);
}

std::wstring ExeFileNameOf(HWND w) {
  DWORD pid = 0;
  if (w) GetWindowThreadProcessId(w, &pid);
  HANDLE process = OpenProcessToRead(pid);
  const std::wstring exe = pid ? ExeOfProcess(pid, process) : L"-";
  if (process) CloseHandle(process);
  return exe;
}

std::wstring FileVersionOf(const std::wstring& path) {
  const OptionalFunctions& f = Optional();
  if (!f.GetFileVersionInfoSizeW || !f.GetFileVersionInfoW || !f.VerQueryValueW) return L"";
  DWORD handle = 0;
  const DWORD size = path.empty() ? 0 : f.GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return L"";
  std::vector<BYTE> block(static_cast<size_t>(size) * 2 + 2);
  if (!f.GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return L"";
  struct Translation {
    WORD language, codePage;
  };
  Translation* tr = nullptr;
  UINT len = 0;
  if (!f.VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&tr), &len) ||
      !tr || len < sizeof(Translation))
    return L"";
  wchar_t query[64];
  swprintf(query, 64, L"\\StringFileInfo\\%04X%04X\\FileVersion", tr->language, tr->codePage);
  wchar_t* value = nullptr;
  if (!f.VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &len) || !value || len == 0)
    return L"";
  // The length comes from the file: never read past the block.
  const BYTE* at = reinterpret_cast<const BYTE*>(value);
  if (at < block.data() || at >= block.data() + block.size()) return L"";
  const size_t room = static_cast<size_t>(block.data() + block.size() - at) / sizeof(wchar_t);
  return std::wstring(value, wcsnlen(value, std::min<size_t>(len, room)));
}

void ForgetProcessFacts() { g_processFacts.clear(); }

void GatherWindowFacts(T_DispInfo& info, bool skipLayered, bool skipOwnWindow, HWND ownWindow) {
  const POINT p{info.InspectedX, info.InspectedY};
  HWND w = TopWindowFromPoint(p, skipLayered, skipOwnWindow, ownWindow);
  info.Handle = reinterpret_cast<uintptr_t>(w);
  // Client origin: the inspected point minus its client coordinates.
  POINT c = p;
  if (w && ScreenToClient(w, &c)) {
    POINT origin{p.x - c.x, p.y - c.y};
    LogicalToPhysical(w, origin);
    info.ClientOriginX = origin.x;
    info.ClientOriginY = origin.y;
  } else {
    info.ClientOriginX = info.ClientOriginY = 0;
  }
  info.ClassName = U16(ClassNameOf(w));
  bool silent = false;
  info.Text = U16(WindowTextOf(w, kLiveTextLimit, &silent));
  HWND parent = w ? GetAncestor(w, GA_PARENT) : nullptr;
  info.ParentHandle = reinterpret_cast<uintptr_t>(parent);
  info.ParentClassName = U16(ClassNameOf(parent));
  // A parent on the thread that just let a message time out would only cost
  // another wait.
  const bool sameThread = parent && GetWindowThreadProcessId(parent, nullptr) == GetWindowThreadProcessId(w, nullptr);
  info.ParentText = silent && sameThread ? u"" : U16(WindowTextOf(parent, kLiveTextLimit));
  RECT r{0, 0, 0, 0};
  if (w) r = WindowRectOf(w);
  info.RectLeft = r.left;
  info.RectTop = r.top;
  info.RectRight = r.right;
  info.RectBottom = r.bottom;
  POINT pos{r.left, r.top};
  if (parent && IsWindow(parent) && parent != GetDesktopWindow()) ScreenToClient(parent, &pos);
  info.PosLeft = pos.x;
  info.PosTop = pos.y;
  info.PosWidth = r.right - r.left;
  info.PosHeight = r.bottom - r.top;
  RECT cr{0, 0, 0, 0};
  if (!w || !GetClientRect(w, &cr)) cr = RECT{0, 0, 0, 0};
  info.ClientLeft = info.ClientTop = 0;
  info.ClientWidth = cr.right;
  info.ClientHeight = cr.bottom;
  info.Style = w ? static_cast<int32_t>(GetWindowLongW(w, GWL_STYLE)) : 0;
  info.ExStyle = w ? static_cast<int32_t>(GetWindowLongW(w, GWL_EXSTYLE)) : 0;
  info.Enabled = w && IsWindowEnabled(w);
  info.ControlId = w ? static_cast<int32_t>(GetWindowLongW(w, GWL_ID)) : 0;
  DWORD pid = 0;
  if (w) GetWindowThreadProcessId(w, &pid);
  info.ProcessId = pid;
  // Executable and version: read once per process.
  HANDLE process = OpenProcessToRead(pid);
  const auto key = std::make_pair(pid, CreationTime(process));
  auto it = g_processFacts.find(key);
  if (it == g_processFacts.end() || key.second == 0) {
    ProcessFacts f;
    f.exe = pid ? ExeOfProcess(pid, process) : L"-";
    f.version = f.exe == L"-" ? L"" : FileVersionOf(f.exe);
    if (key.second != 0) {
      if (g_processFacts.size() > 256) g_processFacts.clear();
      it = g_processFacts.emplace(key, f).first;
      info.Executable = U16(it->second.exe);
      info.FileVersion = U16(it->second.version);
    } else {
      info.Executable = U16(f.exe);
      info.FileVersion = U16(f.version);
    }
  } else {
    info.Executable = U16(it->second.exe);
    info.FileVersion = U16(it->second.version);
  }
  if (process) CloseHandle(process);
}

}  // namespace zorvik
