// The settings file and the live state, through one table of stored fields.
// Written through a temporary file, so a failed write never loses the
// previous settings; a file that is there but cannot be taken (foreign,
// damaged prefix, too large, unreadable) is copied to "<file>.bak" before
// the write replaces it.
#include "settings/app_settings.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "commands/command_table.h"
#include "commands/gestures.h"
#include "commands/keys.h"
#include "commands/main_menus.h"
#include "commands/toolbar.h"
#include "format/format_engine.h"
#include "inspection/disp_info.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"
#include "settings/my_settingfile.h"

namespace zorvik {

std::wstring DefaultSettingsFile() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (n < exe.size()) {
      exe.resize(n);
      break;
    }
    exe.resize(exe.size() * 2);
  }
  return SettingsFileNameFor<wchar_t>(exe);
}

namespace {
enum class FileRead {
  kNone,        // nothing to read: no file, a folder, or an empty file
  kRead,        // the bytes are in `out`
  kUnreadable,  // a file is there but could not be opened or read, or is too large
};

constexpr LONGLONG kMaxSettingsFileSize = 64 << 20;  // far beyond anything this program writes

// Reads the whole file, sharing it with readers and writers.
FileRead ReadFileBytes(const std::wstring& path, std::vector<uint8_t>& out) {
  out.clear();
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::kNone : FileRead::kUnreadable;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileRead::kNone;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? FileRead::kNone : FileRead::kUnreadable;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(f, &size) && size.QuadPart >= 0 && size.QuadPart <= kMaxSettingsFileSize;
  if (ok) {
    // Another program may be writing the file: take what is there.
    out.resize(static_cast<size_t>(size.QuadPart));
    size_t got = 0;
    while (ok && got < out.size()) {
      DWORD n = 0;
      ok = ReadFile(f, out.data() + got, static_cast<DWORD>(out.size() - got), &n, nullptr) != 0;
      if (n == 0) break;
      got += n;
    }
    out.resize(got);
  }
  CloseHandle(f);
  if (!ok) {
    out.clear();
    return FileRead::kUnreadable;
  }
  return out.empty() ? FileRead::kNone : FileRead::kRead;
}

// Writes beside the old file and replaces it only after a complete write.
bool WriteFileAtomically(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  const std::wstring temp = SettingsTempFileNameFor<wchar_t>(path);
  HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  ok = FlushFileBuffers(f) && ok;
  CloseHandle(f);
  if (ok) ok = MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}

// A settings file that could not be taken is kept as "<file>.bak", replacing
// an older copy, before this run writes its own settings over it: from the
// bytes read, or copied when it could not be read at all. False when no copy
// was made.
bool BackUpRejectedFile(const std::wstring& path, const std::wstring& backup, const std::vector<uint8_t>& bytes) {
  SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only older copy is replaced as well
  if (!bytes.empty()) return WriteFileAtomically(backup, bytes);
  return CopyFileW(path.c_str(), backup.c_str(), FALSE) != 0;
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}
}  // namespace

namespace {

// What a row of the table works with.
struct Context {
  kit::ToolHost& app;
  const CaptureState& capture;
  EditableParts& parts;
  LiveSettings& live;
  bool shiftHeld = false, ctrlHeld = false;
};

kit::Action* Named(const kit::ToolHost& app, const char* name) { return app.ActionNamed(name); }
bool Checked(const kit::ToolHost& app, const char* name) {
  const kit::Action* a = app.ActionNamed(name);
  return a && a->Checked();
}
void SetChecked(const kit::ToolHost& app, const char* name, bool on) {
  if (kit::Action* a = Named(app, name)) a->SetChecked(on);
}

// A flag word whose bits are the checks of commands.
struct Flag {
  uint32_t bit;
  const char* action;
};
constexpr Flag kColourLines[] = {{kColorLineRgb, "Action_Color_RGB"},        {kColorLineHtml, "Action_Color_HTML"},
                                 {kColorLineColorRef, "Action_Color_COLORREF"}, {kColorLineHsv, "Action_Color_HSV"},
                                 {kColorLineHls, "Action_Color_HLS"},         {kColorLineHlsWin, "Action_Color_HLSWin"}};
constexpr Flag kPosLines[] = {{kPosLineScreen, "Action_Pos_Screen"},
                              {kPosLineMonitor, "Action_Pos_Monitor"},
                              {kPosLineClient, "Action_Pos_Client"},
                              {kPosLineLength, "Action_Pos_Length"}};
constexpr Flag kWinInfoLines[] = {
    {kWinInfoHandle, "Action_WinInfo_Handle"},         {kWinInfoClassName, "Action_WinInfo_ClassName"},
    {kWinInfoText, "Action_WinInfo_Text"},             {kWinInfoWindowSize, "Action_WinInfo_WindowSize"},
    {kWinInfoClientSize, "Action_WinInfo_ClientSize"}, {kWinInfoRect, "Action_WinInfo_Rect"},
    {kWinInfoControlId, "Action_WinInfo_ControlID"},   {kWinInfoStyle, "Action_WinInfo_Style"},
    {kWinInfoParentWindow, "Action_WinInfo_ParentWindow"}, {kWinInfoPid, "Action_WinInfo_PID"},
    {kWinInfoExeName, "Action_WinInfo_ExeName"},       {kWinInfoFileVersion, "Action_WinInfo_FileVersion"},
    {kWinInfoStyleVerbose, "Action_WinInfo_StyleVerbose"}, {kWinInfoEnabled, "Action_WinInfo_Enabled"}};
constexpr Flag kOptions[] = {{kOptStayOnTop, "Action_Opt_StayOnTop"},
                             {kOptTitleBar, "Action_Opt_TitleBar"},
                             {kOptToolBar, "Action_Opt_ToolBar"},
                             {kOptNoSelfCapture, "Action_Capture_NoSelfCapture"},
                             {kOptSmoothCapture, "Action_Capture_SmoothCapture"},
                             {kOptApiTest, "Action_Test_APITest"},
                             {kOptZoomWheel, "Action_Opt_ZoomWheel"},
                             {kOptLargeIcon, "Action_Opt_LargeIcon"},
                             {kOptLineTo, "Action_Opt_LineTo"}};
constexpr Flag kGridFlags[] = {{kGridShown, "Action_Grid_Disp"}, {kGridUseSubElseColor, "Action_Grid_UseSubElseColor"}};

template <size_t N>
void ApplyFlags(const kit::ToolHost& app, uint32_t word, const Flag (&flags)[N]) {
  for (const Flag& f : flags) SetChecked(app, f.action, (word & f.bit) != 0);
}
template <size_t N>
uint32_t CollectFlags(const kit::ToolHost& app, const Flag (&flags)[N]) {
  uint32_t word = 0;
  for (const Flag& f : flags)
    if (Checked(app, f.action)) word |= f.bit;
  return word;
}

uint32_t TagOf(const kit::ToolHost& app, const char* name, uint32_t fallback) {
  const kit::Action* a = app.ActionNamed(name);
  return a ? static_cast<uint32_t>(a->tag) & 0xFFFFFF : fallback;
}
void SetTag(const kit::ToolHost& app, const char* name, uint32_t colour) {
  if (kit::Action* a = Named(app, name)) a->tag = colour & 0xFFFFFF;
}

// A colour of the general block kept in the tag of a command.
struct TagColour {
  GeneralRow row;
  const char* action;
};
constexpr TagColour kGridColours[] = {{GeneralRow::kGridColor, "Action_Grid_SelColor"},
                                      {GeneralRow::kSubGridColor, "Action_Grid_SelSubColor"},
                                      {GeneralRow::kSubGridElseColor, "Action_Grid_SelSubElseColor"}};

constexpr const char* kFlipActions[] = {"Action_Test_FlipNone",  "Action_Test_FlipHorizontal", "Action_Test_FlipVertical",
                                        "Action_Test_FlipNone",  "Action_Test_Rotate90",       "Action_Test_Rotate180",
                                        "Action_Test_Rotate270"};

// The grid menu's colour choices are stored by their place in the menu: the
// grid colour as the index among all grid items, the sub-grid colour
// counted from the first item after its section line.
struct GridMenu {
  const std::vector<std::unique_ptr<kit::MenuNode>>* items = nullptr;
  int lineGrid = -1, lineSub = -1;

  explicit GridMenu(MainMenus& menus) {
    if (kit::MenuNode* grid = menus.Main().Find("MenuItem_Grid")) {
      items = &grid->children;
      lineGrid = IndexOf("MenuItem_Grid_LineGrid");
      lineSub = IndexOf("MenuItem_Grid_LineSubGrid");
    }
  }
  int Count() const { return items ? static_cast<int>(items->size()) : 0; }
  int IndexOf(const char* name) const {
    for (int i = 0; i < Count(); ++i)
      if ((*items)[static_cast<size_t>(i)]->name == name) return i;
    return -1;
  }
  // The colour command at index, strictly between two lines; null for a
  // separator, another item or a place past the end.
  kit::Action* ColourAt(int index, int after, int before) const {
    if (index <= after || index >= before || index >= Count()) return nullptr;
    kit::Action* a = (*items)[static_cast<size_t>(index)]->action;
    return a && a->groupIndex > 0 ? a : nullptr;
  }
  // The index of the checked colour command between two lines, or fallback.
  int CheckedIndex(int after, int before, int fallback) const {
    for (int i = after + 1; i < std::min(before, Count()); ++i)
      if (const kit::Action* a = ColourAt(i, after, before); a && a->Checked()) return i;
    return fallback;
  }
};

void ApplyGridChoice(Context& c, const SettingsData& s) {
  const GridMenu menu(c.parts.Menus());
  if (!menu.items) return;
  kit::Action* grid = menu.ColourAt(s.gridColorItem, menu.lineGrid, menu.lineSub);
  if (!grid) grid = Named(c.app, "Action_Grid_Gray");
  kit::Action* sub = menu.ColourAt(menu.lineSub + 1 + s.subGridColorItem, menu.lineSub, menu.Count());
  if (!sub) sub = Named(c.app, "Action_Grid_SubBlue");
  if (grid) grid->SetChecked(true);
  if (sub) sub->SetChecked(true);
}

void CollectGridChoice(SettingsData& s, const Context& c) {
  const GridMenu menu(c.parts.Menus());
  if (!menu.items) return;
  const int grid = menu.CheckedIndex(menu.lineGrid, menu.lineSub, menu.IndexOf("MenuItem_Grid_Gray"));
  const int sub = menu.CheckedIndex(menu.lineSub, menu.Count(), menu.IndexOf("MenuItem_Grid_SubBlue"));
  s.gridColorItem = static_cast<uint8_t>(grid);
  s.subGridColorItem = static_cast<uint8_t>(sub - (menu.lineSub + 1));
}

// One stored field (or a few that only make sense together): applied when
// its section was read, in the order of the table; always collected.
struct Field {
  const char* what;
  uint32_t section;
  void (*apply)(Context&, const SettingsData&);
  void (*collect)(SettingsData&, const Context&);
};

// A row of the general block whose bits are the checks of commands.
template <GeneralRow R, auto& Flags>
void ApplyFlagWord(Context& c, const SettingsData& s) {
  ApplyFlags(c.app, static_cast<uint32_t>(GeneralFieldOf(R).Get(s)), Flags);
}
template <GeneralRow R, auto& Flags>
void CollectFlagWord(SettingsData& s, const Context& c) {
  GeneralFieldOf(R).Set(s, CollectFlags(c.app, Flags));
}
template <GeneralRow R, auto& Flags>
constexpr Field FlagWord(const char* what) {
  return {what, kSectionPrefix, ApplyFlagWord<R, Flags>, CollectFlagWord<R, Flags>};
}

const Field kFields[] = {
    {"hidden menu items", kSectionMenuLayout,
     [](Context& c, const SettingsData& s) { c.parts.Menus().ApplyHiddenMenuItems(s.hiddenMenuItems); },
     [](SettingsData& s, const Context& c) { s.hiddenMenuItems = c.parts.Menus().CollectHiddenMenuItems(); }},
    {"toolbar buttons", kSectionToolBarLayout,
     [](Context& c, const SettingsData& s) { c.parts.ToolBar().ApplyToolBarLayout(s.toolBar); },
     [](SettingsData& s, const Context& c) { s.toolBar = c.parts.ToolBar().CollectToolBarLayout(); }},
    // Each copy format stands on its own: the complete ones of a cut section
    // count (the reader keeps no others; before the section there are none).
    {"copy formats", 0,
     [](Context& c, const SettingsData& s) {
       for (const StoredCopyFormat& f : s.copyFormats) {
         const int slot = CopySlotOfMenuId(f.menuId);
         if (slot >= 0) c.parts.Formats().SetCopyFormat(slot, FromUtf8(f.text));
       }
     },
     [](SettingsData& s, const Context& c) {
       std::vector<std::string> current, defaults;
       for (int slot = 0; slot < kCopySlotCount; ++slot) {
         current.push_back(ToUtf8(c.parts.Formats().CopyFormat(slot)));
         defaults.push_back(ToUtf8(DefaultCopyFormat(slot)));
       }
       s.copyFormats = ChangedCopyFormats(current, defaults);
     }},
    {"zoom", kSectionPrefix, [](Context& c, const SettingsData& s) { c.live.SetZoomIndex(s.zoomIndex); },
     [](SettingsData& s, const Context& c) { s.zoomIndex = static_cast<uint8_t>(c.live.ZoomIndex()); }},
    FlagWord<GeneralRow::kGridFlags, kGridFlags>("grid switches"),
    // A command missing from the menus collects the row's default.
    {"grid colours", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       for (const TagColour& t : kGridColours)
         SetTag(c.app, t.action, static_cast<uint32_t>(GeneralFieldOf(t.row).Get(s)));
     },
     [](SettingsData& s, const Context& c) {
       const SettingsData defaults;
       for (const TagColour& t : kGridColours) {
         const GeneralField& f = GeneralFieldOf(t.row);
         f.Set(s, TagOf(c.app, t.action, static_cast<uint32_t>(f.Get(defaults))));
       }
     }},
    {"grid and sub-grid colour choice", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       ApplyGridChoice(c, s);
       c.live.ApplyGrid();
     },
     CollectGridChoice},
    FlagWord<GeneralRow::kColorLines, kColourLines>("colour lines"),
    FlagWord<GeneralRow::kPosLines, kPosLines>("position lines"),
    FlagWord<GeneralRow::kWinInfoLines, kWinInfoLines>("window lines"),
    {"length origin", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       const TMyScreenSize& scr = ScreenSize();
       c.live.SetLengthOrigin(POINT{Clamp(s.lengthOriginX, 0, scr.VirtualWidth()), Clamp(s.lengthOriginY, 0, scr.VirtualHeight())});
     },
     [](SettingsData& s, const Context& c) {
       s.lengthOriginX = c.capture.Current().LengthOriginX;
       s.lengthOriginY = c.capture.Current().LengthOriginY;
     }},
    {"options", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       ApplyFlagWord<GeneralRow::kOptions, kOptions>(c, s);
       c.live.ApplyStayOnTop();
       c.live.ApplyTitleBar();
       c.live.ApplyToolBar();
     },
     CollectFlagWord<GeneralRow::kOptions, kOptions>},
    // Both marks in turn (the same exclusive group), loupe first.
    {"capture mode and fixed point", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       SetChecked(c.app, "Action_Capture_Lupe", (s.captureMode & kCaptureLoupe) == kCaptureLoupe);
       SetChecked(c.app, "Action_Capture_Fixed", (s.captureMode & kCaptureFixed) == kCaptureFixed);
       if (c.capture.Fixed()) c.live.SetCapturePoint(POINT{s.fixedPointX, s.fixedPointY});
       c.live.ApplyCaptureMode();
     },
     [](SettingsData& s, const Context& c) {
       s.captureMode = Checked(c.app, "Action_Capture_Lupe")    ? kCaptureLoupe
                       : Checked(c.app, "Action_Capture_Fixed") ? kCaptureFixed
                                                                : 0;
       s.fixedPointX = c.capture.CapturePoint().x;
       s.fixedPointY = c.capture.CapturePoint().y;
     }},
    // Unknown commands are dropped.
    {"keys", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       BindingList& bindings = c.parts.Bindings();
       bindings.Clear();
       for (const StoredKeyBinding& b : s.keyBindings)
         if (const CommandDef* def = CommandById(b.command)) bindings.Add(b.key, def);
     },
     [](SettingsData& s, const Context& c) { s.keyBindings = StoredKeyBindingsOf(c.parts.Bindings()); }},
    {"gestures", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       for (int i = 0; i < 4; ++i) c.parts.Gestures().slots[i] = CommandById(s.gestures[static_cast<size_t>(i)]);
     },
     [](SettingsData& s, const Context& c) {
       for (int i = 0; i < 4; ++i) s.gestures[static_cast<size_t>(i)] = CommandIdOf(c.parts.Gestures().slots[i]);
     }},
    // Stored numbers may be anything: sizes are computed wide, and sizes and
    // places are kept within what a window can have. A stored size of 50
    // pixels or less keeps the current size.
    {"window bounds", kSectionPrefix,
     [](Context& c, const SettingsData& s) {
       constexpr int64_t kLimit = 32767;
       auto side = [&](int32_t from, int32_t to) {
         return static_cast<int>(std::clamp<int64_t>(int64_t{to} - from, 0, kLimit));
       };
       auto place = [&](int32_t v) { return static_cast<int>(std::clamp<int64_t>(v, -kLimit, kLimit)); };
       RECT now{};
       GetWindowRect(c.app.MainWindow(), &now);
       int w = now.right - now.left, h = now.bottom - now.top;
       if (StoredWindowSizeUsable(s.bounds)) {
         w = side(s.bounds.left, s.bounds.right);
         h = side(s.bounds.top, s.bounds.bottom);
       }
       c.live.PlaceWindow(c.shiftHeld ? 0 : place(s.bounds.left), c.shiftHeld ? 0 : place(s.bounds.top), w, h,
                         !c.ctrlHeld);
     },
     // Without the information area, which the layout adds back.
     [](SettingsData& s, const Context& c) {
       const RECT b = c.live.WindowBounds();
       s.bounds = StoredRect{b.left, b.top, b.right, b.bottom};
     }},
    // The stored value stays even where no command shows it (3).
    {"flip mode", kSectionExtra,
     [](Context& c, const SettingsData& s) {
       const int m = static_cast<int>(s.flipMode & 0xFF);
       c.live.SetFlipMode(m);
       SetChecked(c.app, m <= 6 ? kFlipActions[m] : "Action_Test_FlipNone", true);
     },
     [](SettingsData& s, const Context& c) { s.flipMode = c.capture.Current().FlipMode; }},
    {"font and column divider", kSectionFont,
     [](Context& c, const SettingsData& s) {
       if (s.font.name.empty() || s.font.size <= 0 || s.font.size >= 200) return;
       c.live.SetInfoFont(W(s.font.name), s.font.size);
       c.live.SetDividerX(s.font.separatorX);
     },
     [](SettingsData& s, const Context& c) {
       LOGFONTW lf{};
       GetObjectW(c.app.InfoFont(), sizeof lf, &lf);
       s.font.name = U8(lf.lfFaceName);
       s.font.size = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, c.app.Dpi());
       s.font.separatorX = c.live.DividerX();
     }},
};
}  // namespace

bool AppSettings::Load(const std::wstring& file, bool shiftHeld, bool ctrlHeld) {
  file_ = file;
  parts_.Formats().ResetAll();
  if (shiftHeld && ctrlHeld) return false;
  if (file_.empty()) return false;
  std::vector<uint8_t> bytes;
  const FileRead read = ReadFileBytes(file_, bytes);
  if (read == FileRead::kNone) return false;
  SettingsReadResult r;
  if (read == FileRead::kRead) r = ReadSettings(bytes.data(), bytes.size());
  if (!r.accepted) {
    // A file we cannot take is not lost to the write at exit: it is copied
    // aside first, or, when that fails, left alone and this run writes nothing.
    const std::wstring backup = SettingsBackupFileNameFor<wchar_t>(file_);
    if (BackUpRejectedFile(file_, backup, bytes)) {
      loadMessage_ = L"読めない設定を " + FileNameOf(backup) + L" に保存しました";
    } else {
      loadMessage_ = L"読めない設定ファイルは上書きしません";
      file_.clear();
    }
    return false;
  }
  loaded_ = r.data;
  Context c{app_, capture_, parts_, live_, shiftHeld, ctrlHeld};
  // Sections read before any damage are applied; the rest keep their defaults.
  for (const Field& f : kFields)
    if (f.section == 0 || r.Has(f.section)) f.apply(c, r.data);
  for (const auto& p : participants_)
    if (p.first) p.first(r.data, r.sections);
  return true;
}

void AppSettings::AddParticipant(ApplyBlock apply, CollectBlock collect) {
  participants_.emplace_back(std::move(apply), std::move(collect));
}

SettingsData AppSettings::Collect() const {
  SettingsData s = loaded_;  // the tool windows' blocks and the API list as they were read
  const Context c{app_, capture_, parts_, live_};
  for (const Field& f : kFields) f.collect(s, c);
  for (const auto& p : participants_)
    if (p.second) p.second(s);
  return s;
}

void AppSettings::Save() {
  if (file_.empty()) return;
  WriteFileAtomically(file_, WriteSettings(Collect()));
}

}  // namespace zorvik
