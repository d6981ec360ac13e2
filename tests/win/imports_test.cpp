// The program's static imports: only libraries that cannot be planted beside
// the executable. A DLL the loader looks for by bare name is searched in the
// program's own folder first, so any other one must be loaded by full path
// from the system directory at run time (see platform/optional_functions).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
  return s;
}

std::wstring Beside(const wchar_t* name) {
  wchar_t me[MAX_PATH];
  GetModuleFileNameW(nullptr, me, MAX_PATH);
  std::wstring dir(me);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + name;
}

// The DLL names of a 64-bit PE file's import and delay-import directories;
// false when the file is not one.
bool ImportedDlls(const std::wstring& path, std::vector<std::string>& names) {
  std::vector<char> file;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  DWORD got = 0;
  if (GetFileSizeEx(h, &size) && size.QuadPart < (64 << 20)) {
    file.resize(static_cast<size_t>(size.QuadPart));
    if (!ReadFile(h, file.data(), static_cast<DWORD>(file.size()), &got, nullptr)) got = 0;
  }
  CloseHandle(h);
  file.resize(got);
  auto fits = [&](size_t at, size_t n) { return at <= file.size() && n <= file.size() - at; };
  if (!fits(0, sizeof(IMAGE_DOS_HEADER))) return false;
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, file.data(), sizeof dos);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0) return false;
  const size_t ntAt = static_cast<size_t>(dos.e_lfanew);
  if (!fits(ntAt, sizeof(IMAGE_NT_HEADERS64))) return false;
  IMAGE_NT_HEADERS64 nt;
  std::memcpy(&nt, file.data() + ntAt, sizeof nt);
  if (nt.Signature != IMAGE_NT_SIGNATURE || nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return false;
  const size_t sectionsAt = ntAt + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
  std::vector<IMAGE_SECTION_HEADER> sections(nt.FileHeader.NumberOfSections);
  if (!fits(sectionsAt, sections.size() * sizeof(IMAGE_SECTION_HEADER))) return false;
  std::memcpy(sections.data(), file.data() + sectionsAt, sections.size() * sizeof(IMAGE_SECTION_HEADER));
  auto offsetOf = [&](DWORD rva, size_t& at) {
    for (const auto& s : sections) {
      const DWORD size = std::max(s.Misc.VirtualSize, s.SizeOfRawData);
      if (rva >= s.VirtualAddress && rva - s.VirtualAddress < size) {
        at = static_cast<size_t>(s.PointerToRawData) + (rva - s.VirtualAddress);
        return true;
      }
    }
    return false;
  };
  auto nameAt = [&](DWORD rva, std::string& name) {
    size_t at = 0;
    if (!offsetOf(rva, at) || at >= file.size()) return false;
    const char* p = file.data() + at;
    name.assign(p, strnlen(p, file.size() - at));
    return !name.empty();
  };
  const IMAGE_DATA_DIRECTORY& imports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress) {
    size_t at = 0;
    if (!offsetOf(imports.VirtualAddress, at)) return false;
    for (;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      IMAGE_IMPORT_DESCRIPTOR d;
      if (!fits(at, sizeof d)) return false;
      std::memcpy(&d, file.data() + at, sizeof d);
      if (d.Name == 0) break;
      std::string name;
      if (!nameAt(d.Name, name)) return false;
      names.push_back(Lower(name));
    }
  }
  const IMAGE_DATA_DIRECTORY& delayed = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
  if (delayed.VirtualAddress) {
    size_t at = 0;
    if (!offsetOf(delayed.VirtualAddress, at)) return false;
    for (;; at += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
      IMAGE_DELAYLOAD_DESCRIPTOR d;
      if (!fits(at, sizeof d)) return false;
      std::memcpy(&d, file.data() + at, sizeof d);
      if (d.DllNameRVA == 0) break;
      std::string name;
      if (!nameAt(d.DllNameRVA, name)) return false;
      names.push_back(Lower(name));
    }
  }
  return true;
}

// Why each of these cannot be planted:
// - kernel32, user32, gdi32, advapi32, msvcrt (the C runtime of MinGW),
//   shell32, comdlg32, ole32, oleaut32, psapi: listed under the KnownDLLs of
//   the session manager, so the loader maps them from the system directory's
//   section objects and never searches the program's folder for them.
// - comctl32: not a KnownDLL, but our manifest (zorvik.manifest) asks for
//   Microsoft.Windows.Common-Controls 6.0, and a library named by the
//   activation context is loaded from the side-by-side store before any
//   folder is searched. The test checks that the manifest still says so.
// Anything else (version, msimg32, dwmapi, uxtheme, winmm, ...) must go
// through LoadLibrary with the full system path instead.
const char* const kKnownDlls[] = {"kernel32.dll", "user32.dll",   "gdi32.dll", "advapi32.dll", "msvcrt.dll",
                                  "shell32.dll",  "comdlg32.dll", "ole32.dll", "oleaut32.dll", "psapi.dll"};

TEST(Imports, TheProgramImportsOnlyLibrariesThatCannotBePlanted) {
  std::vector<std::string> dlls;
  ASSERT_TRUE(ImportedDlls(Beside(L"zorvik.exe"), dlls)) << "zorvik.exe is built beside the tests";
  ASSERT_FALSE(dlls.empty());
  bool comctl32 = false;
  for (const std::string& dll : dlls) {
    if (dll == "comctl32.dll") {
      comctl32 = true;
      continue;
    }
    EXPECT_TRUE(std::find(std::begin(kKnownDlls), std::end(kKnownDlls), dll) != std::end(kKnownDlls))
        << dll << " is imported by bare name but is not a known system DLL";
  }
  if (comctl32) {
    HMODULE exe = LoadLibraryExW(Beside(L"zorvik.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC r = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(r, nullptr) << "comctl32 is imported but there is no manifest";
    const char* text = static_cast<const char*>(LockResource(LoadResource(exe, r)));
    const std::string manifest(text, SizeofResource(exe, r));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos)
        << "comctl32 is imported but the manifest does not bind it side by side";
    FreeLibrary(exe);
  }
}

TEST(Imports, ThePeReaderFindsTheImportsOfThisTestProgram) {
  // The reader itself: this program imports kernel32 at least.
  std::vector<std::string> dlls;
  ASSERT_TRUE(ImportedDlls(Beside(L"win_tests.exe"), dlls));
  EXPECT_NE(std::find(dlls.begin(), dlls.end(), "kernel32.dll"), dlls.end());
  EXPECT_FALSE(ImportedDlls(Beside(L"no-such-file.exe"), dlls));
}

}  // namespace
