// The API catalogue: 72 runnable entries, each calling one Win32 query (or
// sending one query message) for a window and a screen point, and giving the
// result as three parallel columns: parameter labels, values, descriptions.
//
//   T_MyAPIValue api;
//   api.RunAPI("GetWindowRect", window, point);   // 0, or -1 for an unknown name
//   if (!api.SameDeclaration(shownDeclaration)) { refill labels and descriptions }
//   for (i < api.RowCount()) api.ParamName(i), api.Result(i), api.ParamDescription(i)
//
// The reference text (declaration, description, parameter rows) is built
// only when the entry changes; a repeated run replaces the values only.
// Every message to another window is sent with a time-out; a thread that let
// one message time out is not asked again in the same run. A message that
// means something only to one control class is sent only to windows of that
// class.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "apitest/api_table.h"
#include "apitest/api_text.h"

namespace zorvik {

class T_MyAPIValue;
class VersionCache;
using ApiHandler = void (*)(T_MyAPIValue& api, const ApiEntryInfo& entry);

// One entry of the catalogue.
struct T_Execute {
  std::string Name;   // "GetWindowRect"
  std::string Group;  // "api", "msg-ComboBox", ...
  ApiHandler Handler = nullptr;
  const ApiEntryInfo* Info = nullptr;  // declaration, description and rows
};

class T_MyAPIValue {
public:
  T_MyAPIValue();
  virtual ~T_MyAPIValue();
  T_MyAPIValue(const T_MyAPIValue&) = delete;
  T_MyAPIValue& operator=(const T_MyAPIValue&) = delete;

  // Runs the entry named `name` (exact, case-sensitive) for `window` and the
  // screen point; 0, or -1 when there is no such entry (nothing else changes).
  virtual int RunAPI(const std::string& name, HWND window, POINT point);
  // True when the reference text is built for `declaration` and no rebuild
  // was asked for; clears that request in every case.
  bool SameDeclaration(const std::wstring& declaration);
  // Empties the reference text and the values, releases the entry's library.
  void ResetEntry();

  // All entries in registration order, and sorted by group and name (the
  // list the API window and the settings page show).
  const std::vector<std::unique_ptr<T_Execute>>& Entries() const { return entries_; }
  const std::vector<T_Execute*>& SortedEntries() const { return sorted_; }

  const std::wstring& Declaration() const { return declaration_; }
  const std::wstring& Description() const { return description_; }
  size_t RowCount() const { return rows_.RowCount(); }
  size_t ParamCount() const { return rows_.ParamCount(); }
  size_t ResultCount() const { return rows_.ResultCount(); }
  const std::wstring& ParamName(size_t i) const { return rows_.ParamName(i); }
  const std::wstring& ParamDescription(size_t i) const { return rows_.ParamDescription(i); }
  const std::wstring& Result(size_t i) const { return rows_.Result(i); }

  HWND TargetWindow() const { return targetWindow_; }
  POINT TargetPoint() const { return targetPoint_; }
  FARPROC EntryFunction() const { return entryFunction_; }
  HMODULE EntryLibrary() const { return entryLibrary_; }

  // --- for the entry handlers -------------------------------------------
  // Step 1 and 2 of every run: keep or rebuild the reference text (loading
  // the entry's function when one is named), then, for an entry with a
  // target, add the target's row; false when the target is no window.
  bool Begin(const ApiEntryInfo& entry, bool withTarget = true, const wchar_t* library = nullptr,
             const char* function = nullptr);
  // Whether the last Begin rebuilt the reference text.
  bool Rebuilt() const { return rebuilt_; }
  // For an entry whose rows depend on the data: makes the window's next
  // SameDeclaration answer false, so that it refills its label column.
  void SetRebuildOnce() { rebuildOnce_ = true; }
  void ClearResults() { rows_.ClearResults(); }
  void AddParam(std::wstring label, std::wstring description) { rows_.AddParam(std::move(label), std::move(description)); }
  void AddParamName(std::wstring label) { rows_.AddParamName(std::move(label)); }
  // A row whose description comes from the entry's table rows.
  void AddTableParam(const ApiEntryInfo& entry, std::string_view label);
  void PadParams(size_t count) { rows_.PadParams(count); }
  void SetParams(std::vector<std::wstring> names, std::vector<std::wstring> descriptions) {
    rows_.SetParams(std::move(names), std::move(descriptions));
  }
  const std::vector<std::wstring>& ParamNames() const { return rows_.ParamNames(); }
  void AddResult(std::wstring text) { rows_.AddResult(std::move(text)); }
  void AddText(std::string_view utf8);  // a UTF-8 value form
  void AddBlankResults(size_t n = 1) { rows_.AddBlankResults(n); }
  void AddHexDump(const void* bytes, size_t n, bool wide);
  bool AddWindowResult(HWND window);
  bool AddTargetWindow() { return AddWindowResult(targetWindow_); }
  // Loads `library` from the system directory and looks up `function`;
  // either may end up absent. Released by the next ResetEntry.
  void LoadEntryFunction(const wchar_t* library, const char* function);

  // Guarded sends (SMTO_ABORTIFHUNG, 500 ms); false without sending when
  // the window's thread already let a message time out in this run.
  bool Send(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool SendAnsi(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Whether a window answers a guarded WM_NULL: asked before a system call
  // that sends the window a message without a time-out of its own.
  bool Answers(HWND w);

  // What the version entries keep while the catalogue lives.
  VersionCache& Versions();

  // Scratch list of the enumeration entries.
  std::vector<HWND> EnumList;

private:
  void NoteSilence(HWND w);
  bool IsSilent(HWND w) const;

  std::vector<std::unique_ptr<T_Execute>> entries_;
  std::vector<T_Execute*> sorted_;
  bool rebuildOnce_ = false;
  bool rebuilt_ = false;
  std::wstring declaration_, description_;
  ApiRows<std::wstring> rows_;
  HWND targetWindow_ = nullptr;
  POINT targetPoint_{0, 0};
  HMODULE entryLibrary_ = nullptr;
  FARPROC entryFunction_ = nullptr;
  std::vector<DWORD> silentThreads_;  // the threads that let a message time out in this run
  std::unique_ptr<VersionCache> versions_;
};

// Whether the window's class, or the system class it was made from
// (RealGetWindowClass, so that superclassed controls count), is one of
// `classes`, compared case-insensitively.
bool IsWindowOfClass(HWND w, std::initializer_list<const wchar_t*> classes);

// "0x%08X %d class \"text\"" (the text cut to 64 characters and "…"), or
// "0x%08X %d ウィンドウハンドルが無効です". `readText` false leaves the text
// empty; `silent` tells whether reading it timed out.
std::wstring WindowDescription(HWND h, bool readText = true, bool* silent = nullptr);
// The text shown in a window description: the caption, else WM_GETTEXT, else
// the selected (or first) list or combo box item; every message guarded.
std::wstring CatalogueWindowText(HWND h, bool* silent = nullptr);
// The executable of the window's process; "" when it cannot be read.
std::wstring CatalogueExeFileName(HWND h);
// The frontmost visible window at a screen point, child windows included.
HWND CatalogueWindowFromPoint(POINT p);
// One hex dump line as shown: hexadecimal column, the character column
// decoded from Shift-JIS, and the UTF-16 column of a wide dump.
std::wstring HexDumpText(const HexDumpLine& line);

// The handler of an entry name, from the handler files (nullptr: none).
ApiHandler FindWindowCallHandler(std::string_view name);
ApiHandler FindPointCallHandler(std::string_view name);
ApiHandler FindGraphicCallHandler(std::string_view name);
ApiHandler FindProcessCallHandler(std::string_view name);
ApiHandler FindMessageCallHandler(std::string_view name);

}  // namespace zorvik
