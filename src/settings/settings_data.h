// Everything the settings file stores, as plain values, with the defaults the
// program uses when there is no file. Platform-free.
//
// Conventions:
// - Command identifiers (key bindings, gestures, toolbar) and menu item
//   identifiers (hidden items, copy formats) are the stored numbers of the
//   command and menu tables; 0 means none.
// - Copy-format texts and the font name are UTF-8 (the file's own encoding);
//   the Win32 side converts them with FromUtf8 / ToUtf8.
// - The API list is kept as the file holds it: bytes of the system ANSI code
//   page, one name per line, each line ended by CR LF.
// - Colours are COLORREF values 0x00BBGGRR.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvik {

// Grid flags (GeneralBlock offset 17).
enum SettingsGridFlags : uint16_t {
  kGridShown = 0x1,         // Action_Grid_Disp
  kGridUseSubElseColor = 0x2,  // Action_Grid_UseSubElseColor
};

// Colour information lines (offset 33).
enum SettingsColorLines : uint16_t {
  kColorLineRgb = 0x01,
  kColorLineHtml = 0x02,
  kColorLineColorRef = 0x04,
  kColorLineHsv = 0x08,
  kColorLineHls = 0x10,
  kColorLineHlsWin = 0x20,
  kColorLinesAll = 0x3F,
};

// Cursor position lines (offset 35).
enum SettingsPosLines : uint16_t {
  kPosLineScreen = 0x1,
  kPosLineMonitor = 0x2,
  kPosLineClient = 0x4,
  kPosLineLength = 0x8,
  kPosLinesAll = 0xF,
};

// Window information lines (offset 45).
enum SettingsWinInfoLines : uint32_t {
  kWinInfoHandle = 0x0001,
  kWinInfoClassName = 0x0002,
  kWinInfoText = 0x0004,
  kWinInfoWindowSize = 0x0008,
  kWinInfoClientSize = 0x0010,
  kWinInfoRect = 0x0020,
  kWinInfoControlId = 0x0040,
  kWinInfoStyle = 0x0080,
  kWinInfoParentWindow = 0x0100,
  kWinInfoPid = 0x0200,
  kWinInfoExeName = 0x0400,
  kWinInfoFileVersion = 0x0800,
  kWinInfoStyleVerbose = 0x1000,
  kWinInfoEnabled = 0x4000,
  kWinInfoAll = 0x5FFF,
};

// Options (offset 53).
enum SettingsOptions : uint16_t {
  kOptStayOnTop = 0x001,
  kOptTitleBar = 0x002,
  kOptToolBar = 0x004,
  kOptNoSelfCapture = 0x010,
  kOptSmoothCapture = 0x020,
  kOptApiTest = 0x040,
  kOptZoomWheel = 0x080,  // reversed wheel zoom
  kOptLargeIcon = 0x100,
  kOptLineTo = 0x200,     // rule lines in the information area
  kOptionsAll = 0x3F7,
};

// Capture mode (offset 55). 3 (both bits) is what a damaged or foreign file
// may hold; applying it ends in the fixed-point mode.
enum SettingsCaptureMode : uint16_t {
  kCaptureNormal = 0,
  kCaptureLoupe = 1,
  kCaptureFixed = 2,
  kCaptureModeBits = 0x3,
};

// Style-class check boxes of the window style viewer (offset 49 and the
// viewer's own block).
enum SettingsStyleClasses : uint32_t {
  kStyleClassButton = 0x01,
  kStyleClassEdit = 0x02,
  kStyleClassStatic = 0x04,
  kStyleClassComboBox = 0x08,
  kStyleClassListBox = 0x10,
  kStyleClassDialog = 0x20,
  kStyleClassScrollBar = 0x40,
};

// Values of the design state that the defaults below use.
constexpr uint8_t kDefaultStoredZoom = 4;         // MenuItem_Zoom_6, 6x
constexpr uint8_t kDefaultGridColorItem = 2;      // MenuItem_Grid_Gray within MenuItem_Grid
constexpr uint8_t kDefaultSubGridColorItem = 1;   // MenuItem_Grid_SubBlue after the separator
constexpr uint32_t kDefaultGridColor = 0x999999;  // grey
constexpr uint32_t kDefaultSubGridColor = 0xFF0000;      // blue
constexpr uint32_t kDefaultSubGridElseColor = 0x008000;  // green

struct StoredRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// One key binding: a virtual-key code of the fixed key set and a command id.
struct StoredKeyBinding {
  uint16_t key = 0;
  uint16_t command = 0;
};

// One copy format (T_CopyFmt): the copy item's menu item identifier (65535
// for a slot without one) and the UTF-8 format text.
struct StoredCopyFormat {
  uint16_t menuId = 0;
  std::string text;
};

// Window style viewer: bounds, height of its hint memo, OR of the checked
// style-class switches.
struct StoredStyleViewer {
  StoredRect bounds;
  int32_t hintHeight = 0;
  uint32_t classMask = 0;
};

// API test window: bounds, selected entry of its list (-1 = none), height of
// its hint memo. All zeros when nothing was stored.
struct StoredApiTest {
  StoredRect bounds;
  int32_t selectedIndex = 0;
  int32_t hintHeight = 0;
};

// Information-area font (T_FontInfo). An empty name means "nothing stored":
// the main window's own font and divider stay.
struct StoredFontInfo {
  std::string name;        // UTF-8
  int32_t size = 0;        // points
  int32_t separatorX = 0;  // x of the column divider, pixels
};

class BindingList;
// The key table to store for a live binding list: one binding per key, the
// later of two bindings of one key (the file's rows overwrite in binding
// order). A command without identifier is stored as 0, so its key is free
// again after the next start while every other row stays as it was.
std::vector<StoredKeyBinding> StoredKeyBindingsOf(const BindingList& bindings);

// Default lists, built from the command, menu and key tables.
// Default key bindings in key-table row order (the order the file keeps).
std::vector<StoredKeyBinding> DefaultStoredKeyBindings();
// Command ids of the default gestures: up, down, left, right.
std::array<uint16_t, 4> DefaultStoredGestures();
// Menu item ids of the items of the main popup menu hidden at design time,
// depth first in menu order (items without an id are left out).
std::vector<uint16_t> DefaultHiddenMenuItems();
// Command ids of the default toolbar, left to right.
std::vector<uint16_t> DefaultStoredToolBar();

struct SettingsData {
  // GeneralBlock.
  StoredRect bounds;  // main window; bottom minus the information-area height
  uint8_t zoomIndex = kDefaultStoredZoom;  // 0-9 within MenuItem_Zoom
  uint16_t gridFlags = kGridShown | kGridUseSubElseColor;
  uint8_t gridColorItem = kDefaultGridColorItem;  // index within MenuItem_Grid
  // Counted from the first item after MenuItem_Grid_LineSubGrid:
  // 0 none, 1 blue, 2 red, 3 chosen colour.
  uint8_t subGridColorItem = kDefaultSubGridColorItem;
  uint32_t gridColor = kDefaultGridColor;
  uint32_t subGridColor = kDefaultSubGridColor;
  uint32_t subGridElseColor = kDefaultSubGridElseColor;
  uint16_t colorLines = kColorLineRgb | kColorLineHtml;
  uint16_t posLines = kPosLineScreen;
  int32_t lengthOriginX = 0;
  int32_t lengthOriginY = 0;
  uint32_t winInfoLines = kWinInfoHandle | kWinInfoClassName | kWinInfoText;
  uint32_t styleViewerClasses = 0;  // written back as read unless the viewer is open
  uint16_t options = kOptTitleBar | kOptToolBar | kOptLineTo;
  uint16_t captureMode = kCaptureNormal;
  int32_t fixedPointX = 0;
  int32_t fixedPointY = 0;

  // KeyTable and GestureTable.
  std::vector<StoredKeyBinding> keyBindings = DefaultStoredKeyBindings();
  std::array<uint16_t, 4> gestures = DefaultStoredGestures();  // up, down, left, right

  // Variable sections.
  std::vector<uint16_t> hiddenMenuItems = DefaultHiddenMenuItems();
  std::vector<uint16_t> toolBar = DefaultStoredToolBar();
  std::vector<StoredCopyFormat> copyFormats;  // only formats that differ from the defaults
  StoredStyleViewer styleViewer;
  StoredApiTest apiTest;
  std::string apiList;     // excluded API names, ANSI, "name\r\n" each
  uint32_t flipMode = 0;   // 0 normal, 1 h-flip, 2 v-flip, 4/5/6 rotations; applied by its low byte
  StoredFontInfo font;

  bool operator==(const SettingsData& other) const;
  bool operator!=(const SettingsData& other) const { return !(*this == other); }
};

bool operator==(const StoredRect& a, const StoredRect& b);
bool operator==(const StoredKeyBinding& a, const StoredKeyBinding& b);
bool operator==(const StoredCopyFormat& a, const StoredCopyFormat& b);
bool operator==(const StoredStyleViewer& a, const StoredStyleViewer& b);
bool operator==(const StoredApiTest& a, const StoredApiTest& b);
bool operator==(const StoredFontInfo& a, const StoredFontInfo& b);

}  // namespace zorvik
