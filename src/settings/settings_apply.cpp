// The settings file and the live state: read once while the main window is
// created, written once when it goes away (through a temporary file, so a
// failed write never loses the previous settings). A file that is there but
// cannot be taken (foreign, damaged prefix, too large, unreadable) is copied
// to "<file>.bak" before the write replaces it.
#include <algorithm>
#include <vector>

#include "commands/command_table.h"
#include "magnifier/main_window.h"
#include "magnifier/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"
#include "settings/my_settingfile.h"

namespace zorvik {

namespace {
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
constexpr const char* kFlipActions[] = {"Action_Test_FlipNone",  "Action_Test_FlipHorizontal", "Action_Test_FlipVertical",
                                        "Action_Test_FlipNone",  "Action_Test_Rotate90",       "Action_Test_Rotate180",
                                        "Action_Test_Rotate270"};

}  // namespace

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

void TApp_Zorvik::SetCheckedByName(const char* name, bool on) {
  if (kit::Action* a = actions_.Find(name)) a->SetChecked(on);
}

bool TApp_Zorvik::LoadSettings() {
  copyFormats_.ResetAll();
  // The keys held while the program starts, read once before anything else.
  const bool shiftHeld = startShift >= 0 ? startShift != 0 : IsKeyDown(VK_SHIFT);
  const bool ctrlHeld = startCtrl >= 0 ? startCtrl != 0 : IsKeyDown(VK_CONTROL);
  if (shiftHeld && ctrlHeld) return false;
  if (settingsFile.empty()) return false;
  std::vector<uint8_t> bytes;
  const FileRead read = ReadFileBytes(settingsFile, bytes);
  if (read == FileRead::kNone) return false;
  SettingsReadResult r;
  if (read == FileRead::kRead) r = ReadSettings(bytes.data(), bytes.size());
  if (!r.accepted) {
    // A file we cannot take is not lost to the write at exit: it is copied
    // aside first, or, when that fails, left alone and this run writes nothing.
    const std::wstring backup = SettingsBackupFileNameFor<wchar_t>(settingsFile);
    if (BackUpRejectedFile(settingsFile, backup, bytes)) {
      ShowStatusMessage(L"読めない設定を " + FileNameOf(backup) + L" に保存しました");
    } else {
      ShowStatusMessage(L"読めない設定ファイルは上書きしません");
      settingsFile.clear();
    }
    return false;
  }
  loaded_ = r.data;
  const SettingsData& s = r.data;
  // Sections read before any damage are applied; the rest keep their defaults.
  if (r.Has(kSectionMenuLayout)) menus_.ApplyHiddenMenuItems(s.hiddenMenuItems);
  if (r.Has(kSectionToolBarLayout)) toolbar_.ApplyToolBarLayout(s.toolBar);
  // Each copy format stands on its own: the complete ones of a cut section
  // count (the reader keeps no others; before the section there are none).
  for (const StoredCopyFormat& f : s.copyFormats) {
    const int slot = CopySlotOfMenuId(f.menuId);
    if (slot >= 0) copyFormats_.SetCopyFormat(slot, FromUtf8(f.text));
  }
  if (!r.Has(kSectionPrefix)) return true;

  // Zoom.
  const int zoom = std::min<int>(s.zoomIndex, kZoomStepCount - 1);
  zoomIndex_ = zoom;
  if (kit::Action* z = actions_.Find("Action_Zoom_" + std::to_string(kZoomSteps[zoom]))) {
    z->SetChecked(true);
    zoomFactor_ = kZoomSteps[zoom];
    geom_.ZoomFactor = zoomFactor_;
  }
  // Grid.
  SetCheckedByName("Action_Grid_Disp", s.gridFlags & kGridShown);
  SetCheckedByName("Action_Grid_UseSubElseColor", s.gridFlags & kGridUseSubElseColor);
  const struct {
    const char* name;
    uint32_t colour;
  } custom[] = {{"Action_Grid_SelColor", s.gridColor},
                {"Action_Grid_SelSubColor", s.subGridColor},
                {"Action_Grid_SelSubElseColor", s.subGridElseColor}};
  for (const auto& c : custom)
    if (kit::Action* a = actions_.Find(c.name)) a->tag = c.colour & 0xFFFFFF;
  if (kit::MenuNode* gridMenu = menus_.Main().Find("MenuItem_Grid")) {
    auto& items = gridMenu->children;
    auto indexOf = [&](const char* name) {
      for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->name == name) return static_cast<int>(i);
      return -1;
    };
    const int lineGrid = indexOf("MenuItem_Grid_LineGrid"), lineSub = indexOf("MenuItem_Grid_LineSubGrid");
    // An index that points at no colour item (a separator, past the end) keeps the default.
    auto colourItem = [&](int index, int first, int last) -> kit::Action* {
      if (index <= first || index >= last || index >= static_cast<int>(items.size())) return nullptr;
      kit::Action* a = items[static_cast<size_t>(index)]->action;
      return a && a->groupIndex > 0 ? a : nullptr;
    };
    kit::Action* grid = colourItem(s.gridColorItem, lineGrid, lineSub);
    if (!grid) grid = actions_.Find("Action_Grid_Gray");
    const int subIndex = lineSub + 1 + s.subGridColorItem;
    kit::Action* sub = colourItem(subIndex, lineSub, static_cast<int>(items.size()));
    if (!sub) sub = actions_.Find("Action_Grid_SubBlue");
    const bool ready = readyFlag_ != 0;
    readyFlag_ = 0;  // no layout passes while applying
    if (grid) {
      grid->SetChecked(true);
      if (grid->name == "Action_Grid_SelColor") {
        grid_.gridColour = static_cast<uint32_t>(grid->tag);
        grid_.gridMode = PenMode::Copy;
      } else {
        grid->Execute();
      }
    }
    if (sub) {
      sub->SetChecked(true);
      grid_.subGridNone = sub->name == "Action_Grid_SubNone";
      if (!grid_.subGridNone) grid_.subColour = static_cast<uint32_t>(sub->tag);
    }
    RecomputeSubGrid2();
    readyFlag_ = ready ? 1 : 0;
  }
  // Information lines and the length origin.
  for (const Flag& f : kColourLines) SetCheckedByName(f.action, s.colorLines & f.bit);
  for (const Flag& f : kPosLines) SetCheckedByName(f.action, s.posLines & f.bit);
  for (const Flag& f : kWinInfoLines) SetCheckedByName(f.action, s.winInfoLines & f.bit);
  const TMyScreenSize& scr = ScreenSize();
  info_.LengthOriginX = Clamp(s.lengthOriginX, 0, scr.VirtualWidth());
  info_.LengthOriginY = Clamp(s.lengthOriginY, 0, scr.VirtualHeight());
  // Options, then let the window take their states.
  for (const Flag& f : kOptions) SetCheckedByName(f.action, s.options & f.bit);
  ApplyStayOnTop();
  ApplyTitleBar();
  if (panelToolBar_) ShowWindow(panelToolBar_, actions_.Find("Action_Opt_ToolBar")->Checked() ? SW_SHOWNA : SW_HIDE);
  // Capture mode: both marks in turn (the same exclusive group), loupe first.
  SetCheckedByName("Action_Capture_Lupe", (s.captureMode & kCaptureLoupe) == kCaptureLoupe);
  SetCheckedByName("Action_Capture_Fixed", (s.captureMode & kCaptureFixed) == kCaptureFixed);
  if (actions_.Find("Action_Capture_Lupe")->Checked()) {
    LupeExecute();
  } else if (Fixed()) {
    info_.InspectedX = s.fixedPointX;
    info_.InspectedY = s.fixedPointY;
    UpdateCaptureMovePanel();
  }
  // Keys and gestures: unknown commands are dropped.
  bindings_.Clear();
  for (const StoredKeyBinding& b : s.keyBindings)
    if (const CommandDef* def = CommandById(b.command)) bindings_.Add(b.key, def);
  for (int i = 0; i < 4; ++i) gestures_.slots[i] = CommandById(s.gestures[static_cast<size_t>(i)]);
  // Window bounds: a stored size of 50 pixels or less keeps the current size.
  RECT wr;
  GetWindowRect(Handle(), &wr);
  int w = wr.right - wr.left, h = wr.bottom - wr.top;
  // Stored numbers may be anything: sizes are computed wide, and sizes and
  // places are kept within what a window can have.
  constexpr int64_t kLimit = 32767;
  auto side = [&](int32_t from, int32_t to) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{to} - from, 0, kLimit));
  };
  auto place = [&](int32_t v) { return static_cast<int>(std::clamp<int64_t>(v, -kLimit, kLimit)); };
  if (StoredWindowSizeUsable(s.bounds)) {
    w = side(s.bounds.left, s.bounds.right);
    h = side(s.bounds.top, s.bounds.bottom);
  }
  const bool origin = shiftHeld;
  SetWindowPos(Handle(), nullptr, origin ? 0 : place(s.bounds.left), origin ? 0 : place(s.bounds.top), w, h,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The bounds were stored without the information area, which the layout adds back.
  infoRect_.top = infoRect_.bottom;
  if (!ctrlHeld) ScreenSize().EnsureOnScreen(Handle());
  // Flip mode: the stored value stays even where no command shows it (3).
  if (r.Has(kSectionExtra)) {
    info_.FlipMode = static_cast<uint8_t>(s.flipMode & 0xFF);
    const int m = info_.FlipMode;
    SetCheckedByName(m <= 6 ? kFlipActions[m] : "Action_Test_FlipNone", true);
  }
  // Font and column divider.
  if (r.Has(kSectionFont) && !s.font.name.empty() && s.font.size > 0 && s.font.size < 200) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    GetObjectW(font_, sizeof lf, &lf);
    lf.lfHeight = -MulDiv(s.font.size, dpi, 72);
    const std::wstring name = W(s.font.name);
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    if (HFONT f = CreateFontIndirectW(&lf)) {
      SelectObject(back_.dc, f);
      DeleteObject(font_);
      font_ = f;
    }
    separatorX_ = s.font.separatorX;
  }
  return true;
}

SettingsData TApp_Zorvik::CollectSettings() const {
  SettingsData s = loaded_;  // the tool windows' blocks and the API list as they were read
  RECT wr{};
  GetWindowRect(Handle(), &wr);
  s.bounds = StoredRect{wr.left, wr.top, wr.right, wr.bottom - (infoRect_.bottom - infoRect_.top)};
  s.zoomIndex = static_cast<uint8_t>(zoomIndex_);
  auto checked = [this](const char* name) {
    const kit::Action* a = actions_.Find(name);
    return a && a->Checked();
  };
  s.gridFlags = static_cast<uint16_t>((checked("Action_Grid_Disp") ? kGridShown : 0) |
                                      (checked("Action_Grid_UseSubElseColor") ? kGridUseSubElseColor : 0));
  if (const kit::MenuNode* gridMenu = const_cast<MainMenus&>(menus_).Main().Find("MenuItem_Grid")) {
    const auto& items = gridMenu->children;
    int lineGrid = -1, lineSub = -1, gray = 2, blue = 0;
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i]->name == "MenuItem_Grid_LineGrid") lineGrid = static_cast<int>(i);
      if (items[i]->name == "MenuItem_Grid_LineSubGrid") lineSub = static_cast<int>(i);
      if (items[i]->name == "MenuItem_Grid_Gray") gray = static_cast<int>(i);
      if (items[i]->name == "MenuItem_Grid_SubBlue") blue = static_cast<int>(i);
    }
    int gridIndex = gray, subIndex = blue;
    for (int i = lineGrid + 1; i < lineSub; ++i)
      if (items[static_cast<size_t>(i)]->action && items[static_cast<size_t>(i)]->action->Checked()) {
        gridIndex = i;
        break;
      }
    for (int i = lineSub + 1; i < static_cast<int>(items.size()); ++i)
      if (items[static_cast<size_t>(i)]->action && items[static_cast<size_t>(i)]->action->Checked() &&
          items[static_cast<size_t>(i)]->action->groupIndex > 0) {
        subIndex = i;
        break;
      }
    s.gridColorItem = static_cast<uint8_t>(gridIndex);
    s.subGridColorItem = static_cast<uint8_t>(subIndex - (lineSub + 1));
  }
  auto tag = [this](const char* name, uint32_t fallback) {
    const kit::Action* a = actions_.Find(name);
    return a ? static_cast<uint32_t>(a->tag) & 0xFFFFFF : fallback;
  };
  s.gridColor = tag("Action_Grid_SelColor", kDefaultGridColor);
  s.subGridColor = tag("Action_Grid_SelSubColor", kDefaultSubGridColor);
  s.subGridElseColor = tag("Action_Grid_SelSubElseColor", kDefaultSubGridElseColor);
  s.colorLines = 0;
  for (const Flag& f : kColourLines)
    if (checked(f.action)) s.colorLines = static_cast<uint16_t>(s.colorLines | f.bit);
  s.posLines = 0;
  for (const Flag& f : kPosLines)
    if (checked(f.action)) s.posLines = static_cast<uint16_t>(s.posLines | f.bit);
  s.winInfoLines = 0;
  for (const Flag& f : kWinInfoLines)
    if (checked(f.action)) s.winInfoLines |= f.bit;
  s.lengthOriginX = info_.LengthOriginX;
  s.lengthOriginY = info_.LengthOriginY;
  s.options = 0;
  for (const Flag& f : kOptions)
    if (checked(f.action)) s.options = static_cast<uint16_t>(s.options | f.bit);
  s.captureMode = checked("Action_Capture_Lupe") ? kCaptureLoupe : checked("Action_Capture_Fixed") ? kCaptureFixed : 0;
  s.fixedPointX = info_.InspectedX;
  s.fixedPointY = info_.InspectedY;
  // One binding per key in the file: the first of each key, which is the one that runs.
  s.keyBindings.clear();
  for (const KeyBinding& b : bindings_.Items()) {
    if (!b.command || bindings_.Find(b.key) != b.command) continue;
    bool seen = false;
    for (const StoredKeyBinding& k : s.keyBindings) seen = seen || k.key == b.key;
    if (!seen) s.keyBindings.push_back(StoredKeyBinding{b.key, CommandIdOf(b.command)});
  }
  for (int i = 0; i < 4; ++i) s.gestures[static_cast<size_t>(i)] = CommandIdOf(gestures_.slots[i]);
  s.hiddenMenuItems = menus_.CollectHiddenMenuItems();
  s.toolBar = toolbar_.CollectToolBarLayout();
  std::vector<std::string> current, defaults;
  for (int slot = 0; slot < kCopySlotCount; ++slot) {
    current.push_back(ToUtf8(copyFormats_.CopyFormat(slot)));
    defaults.push_back(ToUtf8(DefaultCopyFormat(slot)));
  }
  s.copyFormats = ChangedCopyFormats(current, defaults);
  s.flipMode = info_.FlipMode;
  LOGFONTW lf{};
  GetObjectW(font_, sizeof lf, &lf);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  s.font.name = U8(lf.lfFaceName);
  s.font.size = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, dpi);
  s.font.separatorX = separatorX_;
  return s;
}

void TApp_Zorvik::SaveSettings() {
  if (settingsFile.empty()) return;
  const std::vector<uint8_t> bytes = WriteSettings(CollectSettings());
  WriteFileAtomically(settingsFile, bytes);
}

}  // namespace zorvik
