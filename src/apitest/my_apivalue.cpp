#include "apitest/my_apivalue.h"

#include <algorithm>
#include <cwchar>

#include "apitest/version_cache.h"
#include "inspection/window_info.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

T_MyAPIValue::T_MyAPIValue() {
  for (size_t i = 0; i < ApiEntryCount(); ++i) {
    const ApiEntryInfo& info = ApiEntryAt(i);
    auto e = std::make_unique<T_Execute>();
    e->Name = info.name;
    e->Group = info.group;
    e->Info = &info;
    for (auto find : {FindWindowCallHandler, FindPointCallHandler, FindGraphicCallHandler, FindProcessCallHandler,
                      FindMessageCallHandler})
      if (!e->Handler) e->Handler = find(info.name);
    entries_.push_back(std::move(e));
  }
  // Sorted once after registration; the objects are shared, not copied.
  std::vector<std::unique_ptr<T_Execute>> sorted;
  for (size_t i : SortedApiEntries()) sorted.push_back(std::move(entries_[i]));
  entries_ = std::move(sorted);
  for (auto& e : entries_) sorted_.push_back(e.get());
}

T_MyAPIValue::~T_MyAPIValue() { ResetEntry(); }

int T_MyAPIValue::RunAPI(const std::string& name, HWND window, POINT point) {
  targetWindow_ = window;
  targetPoint_ = point;
  for (auto& e : entries_) {
    if (e->Name != name) continue;
    silentThreads_.clear();
    if (e->Handler) e->Handler(*this, *e->Info);
    return 0;
  }
  return -1;
}

bool T_MyAPIValue::SameDeclaration(const std::wstring& declaration) {
  const bool same = !declaration_.empty() && declaration_ == declaration && !rebuildOnce_;
  rebuildOnce_ = false;
  return same;
}

void T_MyAPIValue::ResetEntry() {
  declaration_.clear();
  description_.clear();
  rows_.Reset();
  if (entryLibrary_) FreeLibrary(entryLibrary_);
  entryLibrary_ = nullptr;
  entryFunction_ = nullptr;
}

bool T_MyAPIValue::Begin(const ApiEntryInfo& entry, bool withTarget, const wchar_t* library, const char* function) {
  const std::wstring declaration = W(entry.declaration);
  rebuilt_ = !SameDeclaration(declaration);
  if (!rebuilt_) {
    ClearResults();
  } else {
    ResetEntry();
    declaration_ = declaration;
    description_ = W(ApiEntryDescription(entry));
    if (library) LoadEntryFunction(library, function);
    for (const ApiRowText& r : ApiEntryRows(entry)) AddParam(W(r.label), W(r.description));
  }
  return !withTarget || AddTargetWindow();
}

void T_MyAPIValue::AddTableParam(const ApiEntryInfo& entry, std::string_view label) {
  AddParam(W(label), W(ApiRowDescription(entry, label)));
}

void T_MyAPIValue::AddText(std::string_view utf8) { AddResult(W(utf8)); }

void T_MyAPIValue::AddHexDump(const void* bytes, size_t n, bool wide) {
  for (const HexDumpLine& line : HexDump(static_cast<const uint8_t*>(bytes), n, wide)) AddResult(HexDumpText(line));
}

bool T_MyAPIValue::AddWindowResult(HWND window) {
  // Texts of a thread that already let a message time out are not asked for:
  // each would cost another wait.
  const bool readText = !IsSilent(window);
  bool silent = false;
  AddResult(WindowDescription(window, readText, &silent));
  if (silent) NoteSilence(window);
  return window && IsWindow(window);
}

void T_MyAPIValue::LoadEntryFunction(const wchar_t* library, const char* function) {
  if (entryLibrary_) FreeLibrary(entryLibrary_);
  entryLibrary_ = nullptr;
  entryFunction_ = nullptr;
  const std::wstring dir = SystemDirectory();  // ends with a backslash
  if (dir.empty()) return;  // never a bare name
  entryLibrary_ = LoadLibraryW((dir + library).c_str());
  if (entryLibrary_) entryFunction_ = GetProcAddress(entryLibrary_, function);
}

bool T_MyAPIValue::IsSilent(HWND w) const {
  if (!w || silentThreads_.empty()) return false;
  const DWORD thread = GetWindowThreadProcessId(w, nullptr);
  return thread && std::find(silentThreads_.begin(), silentThreads_.end(), thread) != silentThreads_.end();
}

void T_MyAPIValue::NoteSilence(HWND w) {
  const DWORD thread = w ? GetWindowThreadProcessId(w, nullptr) : 0;
  if (thread && std::find(silentThreads_.begin(), silentThreads_.end(), thread) == silentThreads_.end())
    silentThreads_.push_back(thread);
}

bool T_MyAPIValue::Send(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (IsSilent(w)) return false;
  SetLastError(0);
  if (SendGuarded(w, msg, wp, lp, result)) return true;
  const DWORD e = GetLastError();
  if (IsWindow(w) && (e == ERROR_TIMEOUT || e == 0 || IsHungAppWindow(w))) NoteSilence(w);
  return false;
}

bool T_MyAPIValue::SendAnsi(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (IsSilent(w)) return false;
  SetLastError(0);
  DWORD_PTR r = 0;
  if (SendMessageTimeoutA(w, msg, wp, lp, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &r)) {
    result = static_cast<LRESULT>(r);
    return true;
  }
  const DWORD e = GetLastError();
  if (IsWindow(w) && (e == ERROR_TIMEOUT || e == 0 || IsHungAppWindow(w))) NoteSilence(w);
  return false;
}

bool T_MyAPIValue::Answers(HWND w) {
  LRESULT r = 0;
  return Send(w, WM_NULL, 0, 0, r);
}

VersionCache& T_MyAPIValue::Versions() {
  if (!versions_) versions_ = std::make_unique<VersionCache>();
  return *versions_;
}

bool IsWindowOfClass(HWND w, std::initializer_list<const wchar_t*> classes) {
  if (!w) return false;
  // The class names of the system are short; a longer name is none of them.
  wchar_t buf[96];
  UINT n = RealGetWindowClassW(w, buf, 96);
  if (n == 0) n = static_cast<UINT>(std::max(0, GetClassNameW(w, buf, 96)));
  if (n == 0 || n >= 95) return false;
  // A class registered for a version of the common controls may carry it
  // in front ("6.0.0.0!msctls_trackbar32").
  const std::wstring_view full(buf, n);
  const size_t bang = full.rfind(L'!');
  const std::wstring_view name = bang == std::wstring_view::npos ? full : full.substr(bang + 1);
  for (const wchar_t* c : classes)
    if (CompareStringOrdinal(name.data(), static_cast<int>(name.size()), c, -1, TRUE) == CSTR_EQUAL) return true;
  return false;
}

std::wstring WindowDescription(HWND h, bool readText, bool* silent) {
  if (silent) *silent = false;
  wchar_t head[64];
  const uint32_t bits = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
  swprintf(head, 64, L"0x%08X %d ", bits, static_cast<int32_t>(bits));
  if (!h || !IsWindow(h)) return head + std::wstring(L"ウィンドウハンドルが無効です");
  std::wstring text = readText ? CatalogueWindowText(h, silent) : L"";
  if (text.size() > 64) {
    size_t cut = 64;
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;  // keep a surrogate pair whole
    text = text.substr(0, cut) + L"…";
  }
  return head + ClassNameOf(h) + L" \"" + text + L"\"";
}

std::wstring CatalogueWindowText(HWND h, bool* silent) { return WindowTextOf(h, kLiveTextLimit, silent); }

std::wstring CatalogueExeFileName(HWND h) {
  const std::wstring exe = ExeFileNameOf(h);
  return exe == L"-" ? L"" : exe;
}

HWND CatalogueWindowFromPoint(POINT p) { return TopWindowFromPoint(p, false, false, nullptr); }

std::wstring HexDumpText(const HexDumpLine& line) {
  std::wstring out = W(line.hex);
  const int n = static_cast<int>(line.sjis.size());
  const int size = MultiByteToWideChar(932, 0, line.sjis.data(), n, nullptr, 0);
  if (size > 0) {
    std::wstring chars(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(932, 0, line.sjis.data(), n, chars.data(), size);
    out += chars;
  } else {
    for (char c : line.sjis) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  out += Wide(line.wide);
  return out;
}

}  // namespace zorvik
