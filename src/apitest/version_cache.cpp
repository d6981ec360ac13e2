#include "apitest/version_cache.h"

#include <objbase.h>
#include <mlang.h>

#include <algorithm>
#include <cwchar>

#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

// Files whose version blocks are kept, and code pages whose descriptions are.
constexpr size_t kFileLimit = 8;
constexpr size_t kDescriptionLimit = 64;

const GUID kClsidMultiLanguage = {0x275C23E2, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};
const GUID kIidMultiLanguage2 = {0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

std::shared_ptr<const std::vector<BYTE>> ReadBlock(const std::wstring& path, DWORD* sizeOut) {
  const OptionalFunctions& f = Optional();
  *sizeOut = 0;
  auto empty = std::make_shared<const std::vector<BYTE>>();
  if (path.empty() || !f.GetFileVersionInfoSizeW || !f.GetFileVersionInfoW) return empty;
  DWORD handle = 0;
  const DWORD size = f.GetFileVersionInfoSizeW(path.c_str(), &handle);
  *sizeOut = size;
  if (size == 0) return empty;
  auto block = std::make_shared<std::vector<BYTE>>(size);
  if (!f.GetFileVersionInfoW(path.c_str(), 0, size, block->data())) return empty;
  return block;
}

}  // namespace

VersionCache::~VersionCache() {
  // The component belongs to the apartment of the thread that made it; on
  // any other thread it is left as it is.
  if (thread_ != GetCurrentThreadId()) return;
  if (component_) component_->Release();
  component_ = nullptr;
  if (comStarted_ && uninit_) uninit_();
  comStarted_ = false;
  if (ole_) FreeLibrary(ole_);
  ole_ = nullptr;
}

std::shared_ptr<const std::vector<BYTE>> VersionCache::Block(const std::wstring& path, DWORD* sizeOut) {
  DWORD infoSize = 0;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    // Nothing to recognise the file by again: read, not kept.
    auto block = ReadBlock(path, &infoSize);
    if (sizeOut) *sizeOut = infoSize;
    return block;
  }
  const ULONGLONG size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  const ULONGLONG written =
      (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  auto same = [&](const FileBlock& f) {
    return f.size == size && f.written == written &&
           CompareStringOrdinal(f.path.c_str(), static_cast<int>(f.path.size()), path.c_str(),
                                static_cast<int>(path.size()), TRUE) == CSTR_EQUAL;
  };
  auto it = std::find_if(files_.begin(), files_.end(), same);
  if (it == files_.end()) {
    FileBlock f{path, size, written, 0, nullptr};
    f.block = ReadBlock(path, &f.infoSize);
    if (files_.size() >= kFileLimit) files_.erase(files_.begin());
    files_.push_back(std::move(f));
  } else if (it + 1 != files_.end()) {
    std::rotate(it, it + 1, files_.end());  // the most recently used goes last
  }
  if (sizeOut) *sizeOut = files_.back().infoSize;
  return files_.back().block;
}

bool VersionCache::MakeComponent() {
  if (triedComponent_) return component_ != nullptr;
  triedComponent_ = true;
  thread_ = GetCurrentThreadId();
  const std::wstring dir = SystemDirectory();
  if (dir.empty()) return false;  // never a bare name
  ole_ = LoadLibraryW((dir + L"ole32.dll").c_str());
  if (!ole_) return false;
  using Init_t = HRESULT(WINAPI*)(LPVOID, DWORD);
  using Create_t = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  const auto init = reinterpret_cast<Init_t>(reinterpret_cast<void*>(GetProcAddress(ole_, "CoInitializeEx")));
  const auto create = reinterpret_cast<Create_t>(reinterpret_cast<void*>(GetProcAddress(ole_, "CoCreateInstance")));
  uninit_ = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(ole_, "CoUninitialize")));
  if (!init || !create || !uninit_) return false;
  // S_FALSE (COM already started on this thread) is balanced as well.
  comStarted_ = SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED));
  void* object = nullptr;
  if (FAILED(create(kClsidMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kIidMultiLanguage2, &object))) object = nullptr;
  component_ = static_cast<IMultiLanguage2*>(object);
  return component_ != nullptr;
}

std::string VersionCache::CodePageDescription(UINT codePage, LANGID language) {
  const auto key = std::make_pair(codePage, language);
  const auto kept = descriptions_.find(key);
  if (kept != descriptions_.end()) return kept->second;
  if (triedComponent_ && thread_ != GetCurrentThreadId()) return "";
  std::string answer;
  if (MakeComponent()) {
    ++queries_;
    MIMECPINFO info{};
    if (SUCCEEDED(component_->GetCodePageInfo(codePage, language, &info)))
      answer = U8(std::wstring(info.wszDescription, wcsnlen(info.wszDescription, ARRAYSIZE(info.wszDescription))));
  }
  if (descriptions_.size() >= kDescriptionLimit) descriptions_.clear();
  descriptions_.emplace(key, answer);
  return answer;
}

}  // namespace zorvik
