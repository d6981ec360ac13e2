#include "driver.h"

#include <algorithm>
#include <cstdio>

#include "commands/command_table.h"
#include "custom/copy_page_layout.h"

namespace e2e {

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

std::wstring ExeDir() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  std::wstring p(buf, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string Hex(COLORREF c) {
  char b[16];
  std::snprintf(b, sizeof b, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return b;
}

// ---------------------------------------------------------------------------

namespace {
bool Extended(WORD vk) {
  switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_APPS: case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}
void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (Extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &in, sizeof in);
  Pump(40);
}
void SendButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
  Pump(60);
}
}  // namespace

void KeyDown(WORD vk) { SendKey(vk, false); }
void KeyUp(WORD vk) { SendKey(vk, true); }

void Tap(WORD vk, std::initializer_list<WORD> modifiers) {
  for (WORD m : modifiers) KeyDown(m);
  KeyDown(vk);
  KeyUp(vk);
  for (auto it = modifiers.end(); it != modifiers.begin();) KeyUp(*--it);
  Pump(150);
}

void RightDrag(POINT from, POINT to) {
  SetCursorPos(from.x, from.y);
  Pump(60);
  SendButton(MOUSEEVENTF_RIGHTDOWN);
  SetCursorPos((from.x + to.x) / 2, (from.y + to.y) / 2);
  Pump(40);
  SetCursorPos(to.x, to.y);
  Pump(60);
  SendButton(MOUSEEVENTF_RIGHTUP);
  Pump(200);
}

namespace {
// The program may hold the clipboard open for a moment while it writes.
bool OpenClipboardPatiently() {
  for (int i = 0; i < 50; ++i) {
    if (OpenClipboard(nullptr)) return true;
    Pump(20);
  }
  return false;
}
}  // namespace

std::wstring ClipboardUnicode() {
  std::wstring out;
  if (!OpenClipboardPatiently()) return out;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT))
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  CloseClipboard();
  return out;
}

std::wstring WaitForClipboardUnicode(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  std::wstring text = ClipboardUnicode();
  while (text.empty() && static_cast<int>(end - GetTickCount()) > 0) {
    Pump(50);
    text = ClipboardUnicode();
  }
  return text;
}

std::string ClipboardAnsi() {
  std::string out;
  if (!OpenClipboardPatiently()) return out;
  if (HANDLE h = GetClipboardData(CF_TEXT))
    if (auto* p = static_cast<const char*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  CloseClipboard();
  return out;
}

void ClearClipboard() {
  if (OpenClipboardPatiently()) {
    EmptyClipboard();
    CloseClipboard();
  }
}

HWND VisiblePopupMenu() {
  HWND h = FindWindowW(L"#32768", nullptr);
  return h && IsWindowVisible(h) ? h : nullptr;
}

namespace {
BOOL CALLBACK AddVisiblePopup(HWND h, LPARAM l) {
  if (IsWindowVisible(h) && ClassOf(h) == L"#32768") reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
  return TRUE;
}
}  // namespace

std::vector<HWND> VisiblePopupMenus() {
  std::vector<HWND> popups;  // EnumWindows walks the top of the z-order first
  EnumWindows(AddVisiblePopup, reinterpret_cast<LPARAM>(&popups));
  return popups;
}

int MenuHighlightRow(HWND popup) {
  RECT r{};
  if (!GetWindowRect(popup, &r)) return -1;
  const Shot s = ReadScreen(r);
  const COLORREF marks[] = {GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_MENUHILIGHT)};
  int first = -1, last = -1;
  for (int y = 0; y < s.height; ++y) {
    int hits = 0;
    for (int x = 0; x < s.width; ++x) {
      const COLORREF c = s.At(x, y);
      if (c == marks[0] || c == marks[1]) ++hits;
    }
    if (hits * 2 > s.width) {  // a highlighted item fills most of its row
      if (first < 0) first = y;
      last = y;
    } else if (first >= 0) {
      break;
    }
  }
  return first < 0 ? -1 : (first + last) / 2;
}

namespace {
struct MenuState {
  std::vector<HWND> popups;
  int row = -1;
  bool operator==(const MenuState& o) const { return popups == o.popups && row == o.row; }
};
MenuState MenuNow() {
  MenuState m;
  m.popups = VisiblePopupMenus();
  if (!m.popups.empty()) m.row = MenuHighlightRow(m.popups.front());
  return m;
}
bool MenuChangesFrom(const MenuState& before, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Pump(20);
    if (!(MenuNow() == before)) {
      Pump(30);
      return true;
    }
  } while (static_cast<int>(end - GetTickCount()) > 0);
  return false;
}
}  // namespace

bool MenuKey(WORD vk) {
  const MenuState before = MenuNow();
  for (int attempt = 0; attempt < 2; ++attempt) {
    KeyDown(vk);
    KeyUp(vk);
    if (MenuChangesFrom(before, attempt == 0 ? 2500 : 3000)) return true;
  }
  return false;
}

COLORREF PatternWindow::ColourAt(int px, int py, int variant) {
  // Distinct within any 64 x 64 neighbourhood, away from pure grid colours.
  if (variant == 1) return RGB((py * 4 + 3) & 0xFF, 200, (px * 4 + 1) & 0xFF);
  return RGB((px * 4 + 2) & 0xFF, (py * 4 + 1) & 0xFF, (((px / 64) * 3 + (py / 64) * 5) * 16 + 40) & 0xFF);
}

namespace {
LRESULT CALLBACK PatternProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = r.right;
    bi.bmiHeader.biHeight = -r.bottom;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> px(static_cast<size_t>(r.right) * r.bottom);
    for (int y = 0; y < r.bottom; ++y)
      for (int x = 0; x < r.right; ++x) {
        const COLORREF c = PatternWindow::ColourAt(x, y, static_cast<int>(GetWindowLongPtrW(h, GWLP_USERDATA)));
        px[static_cast<size_t>(y) * r.right + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
    SetDIBitsToDevice(dc, 0, 0, r.right, r.bottom, 0, 0, 0, r.bottom, px.data(), &bi, DIB_RGB_COLORS);
    EndPaint(h, &ps);
    return 0;
  }
  if (m == WM_ERASEBKGND) return 1;
  return DefWindowProcW(h, m, w, l);
}
}  // namespace

PatternWindow::PatternWindow(int x, int y, int w, int h) : x_(x), y_(y) {
  static bool reg = false;
  if (!reg) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PatternProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZorvikTestPattern";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    reg = true;
  }
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"ZorvikTestPattern", L"pattern",
                          WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  UpdateWindow(hwnd_);
  Pump(200);
}

void PatternWindow::SetVariant(int v) {
  variant_ = v;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, v);
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
  Pump(150);
}

PatternWindow::~PatternWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  Pump(50);
}

// ---------------------------------------------------------------------------

namespace {
struct FindData {
  DWORD pid;
  HWND found;
};
BOOL CALLBACK FindMain(HWND h, LPARAM l) {
  auto* f = reinterpret_cast<FindData*>(l);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  wchar_t cls[64];
  if (pid == f->pid && GetClassNameW(h, cls, 64) && wcscmp(cls, L"TApp_Zorvik") == 0 && IsWindowVisible(h)) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::wstring Zorvik::NewDir() {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (;;) {
    std::wstring dir = std::wstring(temp) + L"zorvik-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                       std::to_wstring(++counter) + L"\\";
    if (CreateDirectoryW(dir.c_str(), nullptr)) return dir;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return L"";
  }
}

Zorvik::Zorvik(const std::wstring& dir) : dir_(dir) {
  if (dir_.empty()) {
    dir_ = NewDir();
    ownDir_ = true;
  }
  const std::wstring exe = dir_ + L"zorvik.exe";
  std::wstring cmd = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  // Copying and starting can fail for a moment while the previous test's
  // copy is still being torn down; try a few times, and say why at the end.
  bool started = false;
  DWORD copyError = 0, startError = 0;
  for (int attempt = 0; attempt < 5 && !started; ++attempt) {
    if (attempt > 0) Pump(200);
    if (!CopyFileW((ExeDir() + L"zorvik.exe").c_str(), exe.c_str(), FALSE)) copyError = GetLastError();
    std::wstring line = cmd;
    started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si, &pi_);
    if (!started) startError = GetLastError();
  }
  if (!started) {
    fprintf(stderr, "zorvik.exe could not be started in %ls (copy error %lu, start error %lu)\n", dir_.c_str(),
            copyError, startError);
    return;
  }
  for (int i = 0; i < 200 && !hwnd_; ++i) {
    FindData f{pi_.dwProcessId, nullptr};
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&f));
    hwnd_ = f.found;
    if (!hwnd_) Pump(50);
  }
  Pump(400);  // first ticks painted
}

Zorvik::~Zorvik() {
  if (Running()) {
    Close(3000);
    if (Running()) TerminateProcess(pi_.hProcess, 99);
  }
  if (pi_.hProcess) CloseHandle(pi_.hProcess);
  if (pi_.hThread) CloseHandle(pi_.hThread);
  if (ownDir_) RemoveDir(dir_);
}

void Zorvik::RemoveDir(const std::wstring& dir) {
  for (const wchar_t* f : {L"zorvik.exe", L"zorvik.bin", L"zorvik.bin.tmp", L"zorvik.bin.bak", L"zorvik.bin.bak.tmp"})
    DeleteFileW((dir + f).c_str());
  RemoveDirectoryW(dir.c_str());
}

bool Zorvik::Running() const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

LRESULT Zorvik::Send(UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR r = 0;
  SendMessageTimeoutW(hwnd_, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &r);
  return static_cast<LRESULT>(r);
}

bool Zorvik::Command(unsigned id) {
  DWORD_PTR r = 0;
  const bool ok = SendMessageTimeoutW(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_ABORTIFHUNG, 5000, &r) != 0;
  Pump(250);
  return ok;
}

bool Zorvik::Command(const char* name) {
  // Commands without an identifier of their own are numbered on the menus
  // from 40000 up, in command-table order.
  constexpr unsigned kUnnumberedCommandBase = 40000;
  const zorvik::CommandDef* def = zorvik::CommandByName(name);
  if (!def) return false;
  return Command(def->id ? def->id : kUnnumberedCommandBase + static_cast<unsigned>(zorvik::CommandIndexOf(def)));
}

int Zorvik::Close(int timeoutMs) {
  if (!pi_.hProcess) return -1;
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return static_cast<int>(code);
}

RECT Zorvik::ClientOnScreen() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  POINT o{0, 0};
  ClientToScreen(hwnd_, &o);
  OffsetRect(&r, o.x, o.y);
  return r;
}

SIZE Zorvik::ClientSize() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return SIZE{r.right, r.bottom};
}

// ---------------------------------------------------------------------------

COLORREF Shot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const uint32_t p = px[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Shot ReadScreen(const RECT& r) {
  Shot s;
  s.left = r.left;
  s.top = r.top;
  s.width = r.right - r.left;
  s.height = r.bottom - r.top;
  if (s.width <= 0 || s.height <= 0) return s;
  s.px.assign(static_cast<size_t>(s.width) * s.height, 0);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = s.width;
  bi.bmiHeader.biHeight = -s.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, s.width, s.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  memcpy(s.px.data(), bits, s.px.size() * 4);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return s;
}

bool SaveBmp(const Shot& s, const std::wstring& path) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  const int rowBytes = (s.width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + static_cast<DWORD>(rowBytes) * s.height;
  ih.biSize = sizeof ih;
  ih.biWidth = s.width;
  ih.biHeight = s.height;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  fwrite(&fh, sizeof fh, 1, f);
  fwrite(&ih, sizeof ih, 1, f);
  std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
  for (int y = s.height - 1; y >= 0; --y) {
    for (int x = 0; x < s.width; ++x) {
      const uint32_t p = s.px[static_cast<size_t>(y) * s.width + x];
      row[static_cast<size_t>(x) * 3] = p & 0xFF;
      row[static_cast<size_t>(x) * 3 + 1] = (p >> 8) & 0xFF;
      row[static_cast<size_t>(x) * 3 + 2] = (p >> 16) & 0xFF;
    }
    fwrite(row.data(), 1, row.size(), f);
  }
  fclose(f);
  return true;
}

std::vector<uint8_t> ReadAll(const std::wstring& path) {
  std::vector<uint8_t> out;
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return out;
  uint8_t buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  fclose(f);
  return out;
}

void WriteAll(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

LRESULT Ask(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR r = 0;
  SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, 3000, &r);
  return static_cast<LRESULT>(r);
}

std::wstring ClassOf(HWND h) {
  wchar_t name[64] = L"";
  GetClassNameW(h, name, 64);
  return name;
}

std::wstring TextOf(HWND h) {
  std::wstring text(8192, L'\0');
  DWORD_PTR n = 0;
  if (!SendMessageTimeoutW(h, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 3000,
                           &n))
    return {};
  text.resize(std::min<size_t>(n, text.size()));
  return text;
}

HWND TopWindow(DWORD pid, const wchar_t* cls, bool visibleOnly) {
  struct Search {
    DWORD pid;
    const wchar_t* cls;
    bool visibleOnly;
    HWND found = nullptr;
  } s{pid, cls, visibleOnly};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner != s->pid || (s->visibleOnly && !IsWindowVisible(h)) || lstrcmpiW(ClassOf(h).c_str(), s->cls) != 0)
          return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND WaitForTopWindow(DWORD pid, const wchar_t* cls, int ms) {
  for (int waited = 0; waited <= ms; waited += 50) {
    if (HWND h = TopWindow(pid, cls)) return h;
    Pump(50);
  }
  return nullptr;
}

HWND CustomWindow(DWORD pid) {
  struct Found {
    DWORD pid;
    HWND window = nullptr;
  } f{pid};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Found*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t title[64] = L"";
        GetWindowTextW(h, title, 64);
        if (owner == f->pid && IsWindowVisible(h) && std::wstring(title) == L"カスタマイズ") {
          f->window = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.window;
}

HWND WaitForCustomWindow(DWORD pid) {
  for (int i = 0; i < 100; ++i) {
    if (HWND h = CustomWindow(pid)) return h;
    Pump(50);
  }
  return nullptr;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls, const wchar_t* caption, bool visibleOnly) {
  struct Search {
    const wchar_t* cls;
    const wchar_t* caption;
    bool visibleOnly;
    std::vector<HWND> found;
  } s{cls, caption, visibleOnly, {}};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t text[64] = L"";
        GetWindowTextW(h, text, 64);
        if ((!s->visibleOnly || IsWindowVisible(h)) && lstrcmpiW(ClassOf(h).c_str(), s->cls) == 0 &&
            (!s->caption || std::wstring(text) == s->caption))
          s->found.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  // Stable, so that windows side by side in a column keep the order Windows lists them in.
  std::stable_sort(s.found.begin(), s.found.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return s.found;
}

HWND CopyPageControl(HWND custom, const std::string& name) {
  constexpr int kFirstControlId = 1000;  // page controls are numbered in table order from here
  const zorvik::kit::ControlTableDesc table = zorvik::CopyPageTable();
  int id = -1, parentId = -1;
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) {
      id = static_cast<int>(kFirstControlId + i);
      for (size_t j = 0; j < i; ++j)
        if (table[j].name == table[i].parent) parentId = static_cast<int>(kFirstControlId + j);
    }
  struct Search {
    int id, parentId;
    HWND found = nullptr;
  } s{id, parentId};
  EnumChildWindows(
      custom,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (GetDlgCtrlID(h) != s->id) return TRUE;
        if (s->parentId >= 0 && GetDlgCtrlID(GetParent(h)) != s->parentId) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// The strings of a list or combo box, asked by count, length and text messages.
static std::vector<std::wstring> Strings(HWND box, UINT count, UINT length, UINT text) {
  std::vector<std::wstring> out;
  const LRESULT n = Ask(box, count);
  for (LRESULT i = 0; i < n; ++i) {
    const LRESULT len = Ask(box, length, static_cast<WPARAM>(i));
    std::wstring s(static_cast<size_t>(std::max<LRESULT>(len, 0)) + 1, L'\0');
    Ask(box, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(std::max<LRESULT>(len, 0)));
    out.push_back(s);
  }
  return out;
}

std::vector<std::wstring> ListRows(HWND list) { return Strings(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }

std::vector<std::wstring> ComboItems(HWND combo) {
  return Strings(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

POINT Middle(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  POINT p{r.right / 2, r.bottom / 2};
  ClientToScreen(w, &p);
  return p;
}

void ClickAt(POINT p) {
  SetCursorPos(p.x, p.y);
  Pump(80);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Pump(150);
}

std::wstring DialogText(HWND dialog) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (lstrcmpiW(ClassOf(c).c_str(), L"Static") == 0) return TextOf(c);
  return L"";
}

bool Press(HWND dialog, const wchar_t* caption, int settleMs) {
  for (HWND b = GetWindow(dialog, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
    if (TextOf(b) != caption) continue;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), reinterpret_cast<LPARAM>(b));
    for (int i = 0; i < 60 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Pump(50);
    Pump(settleMs);
    return true;
  }
  return false;
}

bool Answer(DWORD pid, const wchar_t* caption, int waitMs, int settleMs) {
  HWND dialog = WaitForTopWindow(pid, L"#32770", waitMs);
  return dialog && Press(dialog, caption, settleMs);
}

}  // namespace e2e
