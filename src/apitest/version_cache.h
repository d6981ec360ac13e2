// What the version entries of the catalogue keep between runs, for as long
// as the catalogue (and so the API test window) lives, so that a run on
// every tick reads nothing twice:
//
//   VersionCache& cache = api.Versions();
//   auto block = cache.Block(exePath);                 // the file's version block
//   cache.CodePageDescription(codePage, language);     // the system's name of it
//
// The version blocks of the last few files are kept by path, size and time
// of the last write; the code-page descriptions by code page and language.
// The system's multi-language component that describes code pages is made
// on first use and kept, on the thread that made it.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct IMultiLanguage2;

namespace zorvik {

class VersionCache {
public:
  VersionCache() = default;
  ~VersionCache();
  VersionCache(const VersionCache&) = delete;
  VersionCache& operator=(const VersionCache&) = delete;

  // The version block of a file (empty when it has none or the version
  // functions are missing); `sizeOut` gets what GetFileVersionInfoSize said.
  std::shared_ptr<const std::vector<BYTE>> Block(const std::wstring& path, DWORD* sizeOut = nullptr);
  // The code page's description in `language` from the multi-language
  // component; "" when there is none. On another thread than the one that
  // made the component, only a description already kept is given.
  std::string CodePageDescription(UINT codePage, LANGID language);

  // How many times a description was asked of the component (for tests).
  int ComponentQueries() const { return queries_; }

private:
  struct FileBlock {
    std::wstring path;
    ULONGLONG size = 0, written = 0;
    DWORD infoSize = 0;
    std::shared_ptr<const std::vector<BYTE>> block;
  };
  bool MakeComponent();

  std::vector<FileBlock> files_;  // the most recently used last
  std::map<std::pair<UINT, LANGID>, std::string> descriptions_;
  HMODULE ole_ = nullptr;
  void(WINAPI* uninit_)() = nullptr;
  IMultiLanguage2* component_ = nullptr;
  bool triedComponent_ = false, comStarted_ = false;
  DWORD thread_ = 0;  // the thread that made the component
  int queries_ = 0;
};

}  // namespace zorvik
