// Entries about the process that owns a window and its executable file:
// process handle and priority, binary type, attributes, module name and the
// version resource.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>

#include "apitest/api_handlers.h"
#include "apitest/version_cache.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

// The most of a version block that is dumped (a dump line per 16 bytes, on
// every tick).
constexpr DWORD kDumpLimit = 64 * 1024;

DWORD ProcessOf(HWND w) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  return pid;
}

void RunOpenProcess(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const DWORD pid = ProcessOf(api.TargetWindow());
  AddInt(api, pid);
  HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
  AddInt(api, static_cast<long long>(reinterpret_cast<intptr_t>(process)));
  if (process) CloseHandle(process);
}

void RunGetPriorityClass(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ProcessOf(api.TargetWindow()));
  AddInt(api, static_cast<long long>(reinterpret_cast<intptr_t>(process)));
  api.AddText(PriorityName(process ? GetPriorityClass(process) : 0));
  if (process) CloseHandle(process);
}

void RunGetBinaryType(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  DWORD type = 0;
  const bool ok = !exe.empty() && GetBinaryTypeW(exe.c_str(), &type);
  AddBool(api, ok);
  if (ok) api.AddText(BinaryTypeText(type));
}

void RunGetFileAttributes(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  const DWORD attributes = GetFileAttributesW(exe.c_str());
  AddInt(api, static_cast<int32_t>(attributes));
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  for (const std::string& row : FileAttributeRows(attributes)) api.AddText(row);
}

void RunGetWindowModuleFileName(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e, true, L"user32.dll", "GetWindowModuleFileNameW")) return;
  using Query_t = UINT(WINAPI*)(HWND, LPWSTR, UINT);
  const auto query = reinterpret_cast<Query_t>(reinterpret_cast<void*>(api.EntryFunction()));
  wchar_t name[256] = L"";
  const UINT n = query ? query(api.TargetWindow(), name, 256) : 0;
  api.AddResult(std::wstring(name, wcsnlen(name, 256)));
  AddInt(api, 256);
  AddInt(api, n);
}

void RunGetFileVersionInfoSize(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  DWORD handle = 0;
  const auto size = Optional().GetFileVersionInfoSizeW;
  AddInt(api, size && !exe.empty() ? size(exe.c_str(), &handle) : 0);
}

void RunGetFileVersionInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  DWORD size = 0;
  const auto block = api.Versions().Block(exe, &size);
  AddInt(api, size);
  AddBool(api, !block->empty());
  if (!block->empty()) api.AddHexDump(block->data(), std::min<size_t>(block->size(), kDumpLimit), true);
}

std::string LanguageName(LANGID language) {
  const LCID locale = MAKELCID(language, SORT_DEFAULT);
  const int n = GetLocaleInfoW(locale, LOCALE_SLANGUAGE, nullptr, 0);
  if (n <= 0) return "UnKnown";
  std::wstring name(static_cast<size_t>(n), L'\0');
  const int got = GetLocaleInfoW(locale, LOCALE_SLANGUAGE, name.data(), n);
  if (got <= 0) return "UnKnown";
  name.resize(wcsnlen(name.c_str(), static_cast<size_t>(got)));
  return U8(name);
}

// How many items of `unit` bytes lie between `p` and the end of the block;
// 0 when `p` is not inside it. A length VerQueryValue gives is never
// trusted beyond that.
size_t RoomIn(const std::vector<BYTE>& block, const void* p, size_t unit) {
  const uintptr_t at = reinterpret_cast<uintptr_t>(p), begin = reinterpret_cast<uintptr_t>(block.data());
  if (!p || at < begin || at >= begin + block.size()) return 0;
  return (begin + block.size() - at) / unit;
}

// The rows of a run, built beside the values: the window is given new
// labels only when they differ from the last run's.
struct VersionRows {
  const ApiEntryInfo& entry;
  std::vector<std::wstring> names, descriptions;
  void Table(std::string_view label) { Add(W(label), W(ApiRowDescription(entry, label))); }
  void Add(std::wstring label, std::wstring description) {
    names.push_back(std::move(label));
    descriptions.push_back(std::move(description));
  }
};

void QueryVersion(T_MyAPIValue& api, VersionRows& rows) {
  const ApiEntryInfo& e = rows.entry;
  rows.Table("対象ウィンドウ");
  if (!api.AddTargetWindow()) return;
  rows.Table("lptstrFilename");
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  if (exe.empty()) return;
  const auto kept = api.Versions().Block(exe);
  const std::vector<BYTE>& block = *kept;
  const auto query = Optional().VerQueryValueW;
  if (block.empty() || !query) return;

  rows.Table("lpSubBlock:\\");
  api.AddBlankResults();
  rows.Table("戻り値");
  rows.Table("puLen");
  static const char* const members[] = {"dwSignature", "dwStrucVersion", "dwFileVersionMS", "dwFileVersionLS",
                                        "dwProductVersionMS", "dwProductVersionLS", "dwFileFlagsMask", "dwFileFlags",
                                        "dwFileOS", "dwFileType", "dwFileSubtype", "dwFileDateMS", "dwFileDateLS"};
  for (const char* m : members) rows.Table(std::string(" VS_FIXEDFILEINFO.") + m);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  const bool ok = query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) && fixed &&
                  len >= sizeof(VS_FIXEDFILEINFO) && RoomIn(block, fixed, sizeof(VS_FIXEDFILEINFO)) >= 1;
  AddBool(api, ok);
  if (ok) {
    AddInt(api, len);
    const VS_FIXEDFILEINFO& f = *fixed;
    AddHex(api, f.dwSignature);
    for (DWORD v : {f.dwStrucVersion, f.dwFileVersionMS, f.dwFileVersionLS, f.dwProductVersionMS, f.dwProductVersionLS})
      api.AddText(HexWordsForm(v));
    AddHex(api, f.dwFileFlagsMask);
    api.AddText(FileFlagsText(f.dwFileFlags));
    api.AddText(FileOsText(f.dwFileOS));
    AddHex(api, f.dwFileType);
    AddHex(api, f.dwFileSubtype);
    api.AddText(HexWordsForm(f.dwFileDateMS));
    api.AddText(HexWordsForm(f.dwFileDateLS));
  } else {
    api.AddBlankResults(14);
  }

  rows.Table("lpSubBlock:\\VarFileInfo\\Translation");
  api.AddBlankResults();
  rows.Table("戻り値");
  rows.Table("puLen");
  DWORD* translations = nullptr;
  len = 0;
  const bool hasList = query(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &len) &&
                       RoomIn(block, translations, sizeof(DWORD)) > 0;
  AddBool(api, hasList);
  if (!hasList) {
    api.AddBlankResults();
    return;
  }
  AddInt(api, len);
  const size_t count = std::min<size_t>({len / 4, 64, RoomIn(block, translations, sizeof(DWORD))});
  static const char* const keys[] = {"Comments",         "CompanyName", "FileDescription", "FileVersion",
                                     "InternalName",     "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                                     "PrivateBuild",     "ProductName", "ProductVersion",  "SpecialBuild"};
  const std::wstring subBlockDescription = W(ApiRowDescription(e, " lpSubBlock:"));
  for (size_t i = 0; i < count; ++i) {
    const DWORD entry = translations[i];
    const WORD language = LOWORD(entry), codePage = HIWORD(entry);
    char head[96];
    snprintf(head, sizeof head, "0x%08X 言語:0x%04X %u ", static_cast<unsigned>(entry), language, language);
    char middle[64];
    snprintf(middle, sizeof middle, "/コードページ:0x%04X %u ", codePage, codePage);
    rows.Table("言語/コードページ");
    api.AddText(head + LanguageName(language) + middle + api.Versions().CodePageDescription(codePage, language));
    wchar_t path[64];
    swprintf(path, 64, L"\\StringFileInfo\\%04X%04X\\", language, codePage);
    rows.Add(std::wstring(L" lpSubBlock:") + path, subBlockDescription);
    api.AddBlankResults();
    for (const char* key : keys) {
      const std::wstring item = path + W(key);
      wchar_t* value = nullptr;
      UINT valueLen = 0;
      if (!query(block.data(), item.c_str(), reinterpret_cast<void**>(&value), &valueLen) || !value) continue;
      // valueLen counts characters; the block's end bounds it all the same.
      const size_t room = std::min<size_t>(valueLen, RoomIn(block, value, sizeof(wchar_t)));
      rows.Table(std::string(" ") + key);
      api.AddResult(std::wstring(value, wcsnlen(value, room)));
    }
  }
}

void RunVerQueryValue(T_MyAPIValue& api, const ApiEntryInfo& e) {
  // The rows depend on the file. While they stay the same the window only
  // replaces the values, so the user's row and scroll position stay too.
  api.Begin(e, false);
  VersionRows rows{e, {}, {}};
  QueryVersion(api, rows);
  if (rows.names != api.ParamNames()) {
    api.SetParams(std::move(rows.names), std::move(rows.descriptions));
    if (!api.Rebuilt()) api.SetRebuildOnce();
  }
}

const ApiHandlerName kHandlers[] = {
    {"OpenProcess", RunOpenProcess},
    {"GetPriorityClass", RunGetPriorityClass},
    {"GetBinaryType", RunGetBinaryType},
    {"GetFileAttributes", RunGetFileAttributes},
    {"GetWindowModuleFileName", RunGetWindowModuleFileName},
    {"GetFileVersionInfo", RunGetFileVersionInfo},
    {"GetFileVersionInfoSize", RunGetFileVersionInfoSize},
    {"VerQueryValue", RunVerQueryValue},
};

}  // namespace

ApiHandler FindProcessCallHandler(std::string_view name) { return FindHandler(kHandlers, name); }

}  // namespace zorvik
