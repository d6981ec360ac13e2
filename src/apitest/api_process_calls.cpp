// Entries about the process that owns a window and its executable file:
// process handle and priority, binary type, attributes, module name and the
// version resource.
#include <windows.h>

#include <objbase.h>

#include <cwchar>

#include "apitest/api_handlers.h"
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

// The version block of a file; empty when it has none or the version
// functions are missing.
std::vector<BYTE> VersionBlock(const std::wstring& path, DWORD* sizeOut = nullptr) {
  const OptionalFunctions& f = Optional();
  if (sizeOut) *sizeOut = 0;
  if (path.empty() || !f.GetFileVersionInfoSizeW || !f.GetFileVersionInfoW) return {};
  DWORD handle = 0;
  const DWORD size = f.GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (sizeOut) *sizeOut = size;
  if (size == 0) return {};
  std::vector<BYTE> block(size);
  if (!f.GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
  return block;
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
  const std::vector<BYTE> block = VersionBlock(exe, &size);
  AddInt(api, size);
  AddBool(api, !block.empty());
  if (!block.empty()) api.AddHexDump(block.data(), std::min<size_t>(block.size(), kDumpLimit), true);
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

// The code page's description from the system's multi-language component,
// "" when it is not there. ole32 is loaded by full path, and COM is
// initialised for the call only when this thread had not done so.
std::string CodePageDescription(UINT codePage, LANGID language) {
  static const GUID kClsidMultiLanguage = {0x275C23E2, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};
  static const GUID kIidMultiLanguage2 = {0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};
  struct CodePageInfo {  // MIMECPINFO
    DWORD flags;
    UINT codePage, familyCodePage;
    WCHAR description[64], fixedWidthFont[32], proportionalFont[32];
    BYTE gdiCharset;
  };
  // IMultiLanguage2: IUnknown (3 slots), then GetNumberOfCodePageInfo,
  // GetCodePageInfo(UINT, LANGID, MIMECPINFO*) is the fifth slot.
  struct Unknown {
    void** vtable;
  };
  const std::wstring dir = SystemDirectory();
  if (dir.empty()) return "";
  HMODULE ole = LoadLibraryW((dir + L"ole32.dll").c_str());
  if (!ole) return "";
  using Init_t = HRESULT(WINAPI*)(LPVOID, DWORD);
  using Uninit_t = void(WINAPI*)();
  using Create_t = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  const auto init = reinterpret_cast<Init_t>(reinterpret_cast<void*>(GetProcAddress(ole, "CoInitializeEx")));
  const auto uninit = reinterpret_cast<Uninit_t>(reinterpret_cast<void*>(GetProcAddress(ole, "CoUninitialize")));
  const auto create = reinterpret_cast<Create_t>(reinterpret_cast<void*>(GetProcAddress(ole, "CoCreateInstance")));
  std::string answer;
  if (init && uninit && create) {
    const HRESULT started = init(nullptr, COINIT_APARTMENTTHREADED);
    Unknown* ml = nullptr;
    if (SUCCEEDED(create(kClsidMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kIidMultiLanguage2,
                         reinterpret_cast<void**>(&ml))) &&
        ml) {
      using GetInfo_t = HRESULT(STDMETHODCALLTYPE*)(void*, UINT, LANGID, CodePageInfo*);
      using Release_t = ULONG(STDMETHODCALLTYPE*)(void*);
      CodePageInfo info{};
      if (SUCCEEDED(reinterpret_cast<GetInfo_t>(ml->vtable[4])(ml, codePage, language, &info)))
        answer = U8(std::wstring(info.description, wcsnlen(info.description, 64)));
      reinterpret_cast<Release_t>(ml->vtable[2])(ml);
    }
    if (SUCCEEDED(started)) uninit();
  }
  FreeLibrary(ole);
  return answer;
}

void RunVerQueryValue(T_MyAPIValue& api, const ApiEntryInfo& e) {
  // The rows depend on the file: built afresh on every run.
  api.StartOver(e);
  api.AddTableParam(e, "対象ウィンドウ");
  if (!api.AddTargetWindow()) return;
  api.AddTableParam(e, "lptstrFilename");
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  if (exe.empty()) return;
  const std::vector<BYTE> block = VersionBlock(exe);
  const auto query = Optional().VerQueryValueW;
  if (block.empty() || !query) return;

  api.AddTableParam(e, "lpSubBlock:\\");
  api.AddBlankResults();
  api.AddTableParam(e, "戻り値");
  api.AddTableParam(e, "puLen");
  static const char* const members[] = {"dwSignature", "dwStrucVersion", "dwFileVersionMS", "dwFileVersionLS",
                                        "dwProductVersionMS", "dwProductVersionLS", "dwFileFlagsMask", "dwFileFlags",
                                        "dwFileOS", "dwFileType", "dwFileSubtype", "dwFileDateMS", "dwFileDateLS"};
  for (const char* m : members) api.AddTableParam(e, std::string(" VS_FIXEDFILEINFO.") + m);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  const bool ok = query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) && fixed &&
                  len >= sizeof(VS_FIXEDFILEINFO);
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

  api.AddTableParam(e, "lpSubBlock:\\VarFileInfo\\Translation");
  api.AddBlankResults();
  api.AddTableParam(e, "戻り値");
  api.AddTableParam(e, "puLen");
  DWORD* translations = nullptr;
  len = 0;
  const bool hasList = query(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &len) &&
                       translations;
  AddBool(api, hasList);
  if (!hasList) {
    api.AddBlankResults();
    return;
  }
  AddInt(api, len);
  const size_t count = std::min<size_t>(len / 4, 64);
  static const char* const keys[] = {"Comments",         "CompanyName", "FileDescription", "FileVersion",
                                     "InternalName",     "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                                     "PrivateBuild",     "ProductName", "ProductVersion",  "SpecialBuild"};
  for (size_t i = 0; i < count; ++i) {
    const DWORD entry = translations[i];
    const WORD language = LOWORD(entry), codePage = HIWORD(entry);
    char head[96];
    snprintf(head, sizeof head, "0x%08X 言語:0x%04X %u ", static_cast<unsigned>(entry), language, language);
    char middle[64];
    snprintf(middle, sizeof middle, "/コードページ:0x%04X %u ", codePage, codePage);
    api.AddTableParam(e, "言語/コードページ");
    api.AddText(head + LanguageName(language) + middle + CodePageDescription(codePage, language));
    wchar_t path[64];
    swprintf(path, 64, L"\\StringFileInfo\\%04X%04X\\", language, codePage);
    api.AddParam(std::wstring(L" lpSubBlock:") + path, W(ApiRowDescription(e, " lpSubBlock:")));
    api.AddBlankResults();
    for (const char* key : keys) {
      const std::wstring item = path + W(key);
      wchar_t* value = nullptr;
      UINT valueLen = 0;
      if (!query(block.data(), item.c_str(), reinterpret_cast<void**>(&value), &valueLen) || !value) continue;
      api.AddTableParam(e, std::string(" ") + key);
      api.AddResult(std::wstring(value, wcsnlen(value, valueLen)));
    }
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
