// The settings file: byte layout, reader and writer. Platform-free; the Win32
// side reads the file into memory, calls ReadSettings, and on exit writes the
// bytes of WriteSettings to a temporary file beside the settings file and
// replaces it.
//
// Layout (all integers little-endian): a 343-byte prefix ("ZRVK", 1, 2,
// 16 reserved bytes, GeneralBlock 65, KeyTable 248, GestureTable 8), then the
// sections menu layout, toolbar layout, copy formats, style viewer block,
// API test block, API list, ExtraBlock and font, in this order. A file may end
// after any complete section; the sections after it keep their defaults.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_data.h"

namespace zorvik {

constexpr size_t kSettingsPrefixSize = 343;
constexpr uint16_t kNoCopyMenuId = 65535;  // copy slot without a menu item id

// The GeneralBlock: the fixed values of the main window, one row each, in
// file order. ReadSettings and WriteSettings walk these rows, and AppSettings
// applies and collects the live state by them.
enum class GeneralRow : uint8_t {
  kBounds,
  kZoom,
  kGridFlags,
  kGridColorItem,
  kSubGridColorItem,
  kGridColor,
  kSubGridColor,
  kSubGridElseColor,
  kColorLines,
  kPosLines,
  kLengthOriginX,
  kLengthOriginY,
  kWinInfoLines,
  kStyleViewerClasses,
  kOptions,
  kCaptureMode,
  kFixedPointX,
  kFixedPointY,
};
constexpr size_t kGeneralRowCount = 18;
constexpr size_t kGeneralBlockSize = 65;

enum class FieldKind : uint8_t { kU8, kU16, kU32, kI32, kRect };

struct GeneralField {
  GeneralRow row;
  size_t offset;  // from the start of the block
  FieldKind kind;
  // The SettingsData member: the one that matches `kind`, the rest null.
  uint8_t SettingsData::*u8;
  uint16_t SettingsData::*u16;
  uint32_t SettingsData::*u32;
  int32_t SettingsData::*i32;
  StoredRect SettingsData::*rect;
  uint32_t keep;                   // bits of a read value that are kept
  int64_t (*check)(int64_t read);  // then cleans it; nullptr keeps it

  size_t Width() const;
  // The value of a number row (not kRect), widened; Set stores one, cut to
  // the member's type.
  int64_t Get(const SettingsData& s) const;
  void Set(SettingsData& s, int64_t value) const;
};

// kGeneralRowCount rows in file order; GeneralFieldOf(row) is GeneralBlock()[row].
const GeneralField* GeneralBlock();
const GeneralField& GeneralFieldOf(GeneralRow row);

// Parts of the file, as reported by ReadSettings.
enum SettingsSection : uint32_t {
  kSectionPrefix = 1u << 0,  // header, GeneralBlock, KeyTable, GestureTable
  kSectionMenuLayout = 1u << 1,
  kSectionToolBarLayout = 1u << 2,
  kSectionCopyFormats = 1u << 3,
  kSectionStyleViewer = 1u << 4,
  kSectionApiTest = 1u << 5,
  kSectionApiList = 1u << 6,
  kSectionExtra = 1u << 7,
  kSectionFont = 1u << 8,
  kAllSettingsSections = (1u << 9) - 1,
};

struct SettingsReadResult {
  // The prefix was present and carried the magic and the format bytes. When
  // false, nothing was taken and `data` holds the defaults.
  bool accepted = false;
  // The sections read completely. A section that is missing or damaged ends
  // reading: it and all later ones keep their defaults in `data`.
  uint32_t sections = 0;
  // Every value read, defaults for the rest. Cleaned on the way in:
  // - zoom index clamped to the zoom items; grid and sub-grid items outside
  //   their radio group give the default item;
  // - colours lose their high byte; flag words keep only the known bits;
  //   capture mode keeps bits 0 and 1;
  // - a negative length origin becomes 0 (ClampLengthOrigin does the upper
  //   bound against the screen);
  // - key rows with command 0, an unknown command or a key code that is not
  //   the row's own are dropped; unknown gesture commands become 0;
  // - hidden menu items and toolbar commands: 0, unknown and repeated ids are
  //   dropped (each id keeps its first place), so neither list holds more
  //   entries than there are menu items or commands. Toolbar separators have
  //   no id (they are written as 0) and do not come back;
  // - copy formats: records with an id that has no copy slot, an empty or cut
  //   text are dropped; a later record for the same id wins; the result is
  //   one record per slot in ascending slot order, text made valid UTF-8
  //   (bad sequences become U+FFFD). Complete records before a cut are kept
  //   even though the section is then not reported as read;
  // - the API list ends at its first NUL byte;
  // - the font name is made valid UTF-8; a negative divider x becomes 0.
  SettingsData data;

  bool Has(uint32_t section) const { return (sections & section) == section; }
};

// Reads a settings file held in memory. Never fails on any input; never
// allocates more than the input can describe. `data` may be null when
// `size` is 0.
SettingsReadResult ReadSettings(const uint8_t* data, size_t size);

// The bytes of a settings file holding `settings`, exactly as laid out above.
// Values are written as given, except where a field cannot hold them: lists
// longer than 65535 entries keep their first 65535, and a copy format whose
// UTF-8 text is longer than 65535 bytes is left out (the slot falls back to
// its default at the next start).
std::vector<uint8_t> WriteSettings(const SettingsData& settings);

// The copy-format records to store: one per slot whose text differs from the
// default (exact comparison), in ascending slot order, under the slot's menu
// item id (kNoCopyMenuId for a slot without one). Both lists are indexed by
// slot; slots missing from either list are not stored.
std::vector<StoredCopyFormat> ChangedCopyFormats(const std::vector<std::string>& current,
                                                 const std::vector<std::string>& defaults);

// The API list text split into names (lines end with CR LF, LF or CR; empty
// lines are skipped), and names joined into the stored form "name\r\n"...
std::vector<std::string> SplitApiList(std::string_view text);
std::string JoinApiList(const std::vector<std::string>& names);

// Whether the stored window size is used: width and height both above 50.
bool StoredWindowSizeUsable(const StoredRect& bounds);

// Clamps the length origin to 0 .. width and 0 .. height of the screen area.
void ClampLengthOrigin(SettingsData& settings, int32_t screenWidth, int32_t screenHeight);

// The settings file of an executable: its path with the extension of the
// last path component replaced by ".bin" (appended when it has none).
template <class Ch>
std::basic_string<Ch> SettingsFileNameFor(std::basic_string_view<Ch> exePath) {
  size_t start = 0;
  for (size_t i = exePath.size(); i > 0; --i) {
    const Ch c = exePath[i - 1];
    if (c == Ch('\\') || c == Ch('/') || c == Ch(':')) {
      start = i;
      break;
    }
  }
  size_t end = exePath.size();
  for (size_t i = exePath.size(); i > start; --i) {
    if (exePath[i - 1] == Ch('.')) {
      end = i - 1;
      break;
    }
  }
  std::basic_string<Ch> out(exePath.substr(0, end));
  for (const char c : {'.', 'b', 'i', 'n'}) out += Ch(c);
  return out;
}

// The temporary file the new settings are written to before they replace
// the settings file: the same path with ".tmp" appended.
template <class Ch>
std::basic_string<Ch> SettingsTempFileNameFor(std::basic_string_view<Ch> settingsPath) {
  std::basic_string<Ch> out(settingsPath);
  for (const char c : {'.', 't', 'm', 'p'}) out += Ch(c);
  return out;
}

// Where a settings file that could not be read is kept before it is
// replaced: the same path with ".bak" appended.
template <class Ch>
std::basic_string<Ch> SettingsBackupFileNameFor(std::basic_string_view<Ch> settingsPath) {
  std::basic_string<Ch> out(settingsPath);
  for (const char c : {'.', 'b', 'a', 'k'}) out += Ch(c);
  return out;
}

}  // namespace zorvik
