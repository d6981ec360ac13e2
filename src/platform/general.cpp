#include "platform/general.h"
#include "platform/optional_functions.h"

#include <cwchar>
#include <mutex>
#include <set>

namespace zorvik {

bool FormExists(HWND window) {
  if (window == nullptr || !IsWindow(window)) return false;
  if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) return false;
  if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return false;  // child or message-only
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid == GetCurrentProcessId();
}

namespace {

struct NameRegistry {
  std::mutex lock;
  std::multiset<std::wstring> names;
};

NameRegistry& Names() {
  static NameRegistry registry;
  return registry;
}

}  // namespace

void RegisterComponentName(const std::wstring& name) {
  NameRegistry& r = Names();
  std::lock_guard<std::mutex> guard(r.lock);
  r.names.insert(name);
}

void UnregisterComponentName(const std::wstring& name) {
  NameRegistry& r = Names();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.names.find(name);
  if (it != r.names.end()) r.names.erase(it);
}

bool ComponentNameRegistered(const std::wstring& name) {
  NameRegistry& r = Names();
  std::lock_guard<std::mutex> guard(r.lock);
  return r.names.count(name) != 0;
}

std::wstring UniqueComponentName(const std::wstring& base, int* used) {
  NameRegistry& r = Names();
  std::lock_guard<std::mutex> guard(r.lock);
  for (int n = 0;; ++n) {
    std::wstring candidate = base + L"_" + std::to_wstring(n);
    if (r.names.count(candidate) == 0) {
      if (used) *used = n;
      return candidate;
    }
  }
}

std::wstring DerivedComponentName(const std::wstring& prefix, const std::wstring& name) {
  const size_t us = name.find(L'_');
  return prefix + L"_" + (us == std::wstring::npos ? name : name.substr(us + 1));
}

bool ContainsText(const std::wstring& text, const std::vector<std::wstring>& list) {
  for (const std::wstring& item : list)
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), static_cast<int>(text.size()),
                       item.c_str(), static_cast<int>(item.size())) == CSTR_EQUAL)
      return true;
  return false;
}

bool ContainsExact(const std::wstring& text, const std::vector<std::wstring>& list) {
  for (const std::wstring& item : list)
    if (item == text) return true;
  return false;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int len = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text.c_str(), len, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text.c_str(), len, out.data(), n, nullptr, nullptr);
  return out;
}

int TextWidthIn(HFONT font, const std::wstring& text, int extraSpacing) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetTextCharacterExtra(dc, extraSpacing);
  const std::string ansi = ToAnsi(text);
  SIZE size{0, 0};
  if (!ansi.empty()) GetTextExtentPoint32A(dc, ansi.c_str(), static_cast<int>(ansi.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  return size.cx;
}

std::wstring RepeatChar(wchar_t c, int count) {
  return count > 0 ? std::wstring(static_cast<size_t>(count), c) : std::wstring();
}

std::wstring ProductNameOfFile(const std::wstring& path) {
  // version.dll is not a known system DLL: its functions come from the copy
  // in the system directory, loaded by full path.
  const OptionalFunctions& f = Optional();
  if (!f.GetFileVersionInfoSizeW || !f.GetFileVersionInfoW || !f.VerQueryValueW) return {};
  DWORD handle = 0;
  const DWORD size = f.GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return {};
  std::vector<unsigned char> block(size);
  if (!f.GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
  struct Translation {
    WORD language, codePage;
  };
  Translation* translations = nullptr;
  UINT length = 0;
  if (!f.VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &length) ||
      translations == nullptr || length < sizeof(Translation))
    return {};
  wchar_t query[64];
  swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", translations[0].language,
           translations[0].codePage);
  wchar_t* value = nullptr;
  length = 0;
  if (!f.VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &length) || value == nullptr ||
      length == 0)
    return {};
  std::wstring name(value, length);
  const size_t nul = name.find(L'\0');
  if (nul != std::wstring::npos) name.resize(nul);
  return name;
}

std::wstring OwnModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring ProductNameOf() {
  const std::wstring path = OwnModulePath();
  return path.empty() ? std::wstring() : ProductNameOfFile(path);
}

unsigned CountGdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  // Wine reports 0; its GDI handles are 16-bit table indexes in the process.
  unsigned n = 0;
  for (ULONG_PTR value = 0; value < 0x10000; ++value)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0) ++n;
  return n;
}

}  // namespace zorvik
