#include "settings/my_settingfile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <optional>

#include "commands/command_table.h"
#include "commands/keys.h"
#include "commands/menu_table.h"
#include "platform/text.h"

namespace zorvik {

namespace {

constexpr uint8_t kMagic[6] = {'Z', 'R', 'V', 'K', 1, 2};
constexpr size_t kHeaderSize = 22;  // magic, format bytes, 16 reserved
constexpr size_t kKeyTableSize = 248;
constexpr size_t kGestureTableSize = 8;
constexpr size_t kStyleViewerBlockSize = 32;
constexpr size_t kApiTestBlockSize = 32;
constexpr size_t kExtraBlockSize = 44;
constexpr size_t kFontHeadSize = 24;
constexpr size_t kMaxWordCount = 0xFFFF;
static_assert(kHeaderSize + kGeneralBlockSize + kKeyTableSize + kGestureTableSize == kSettingsPrefixSize,
              "prefix size");
static_assert(kKeyTableSize == 4 * kKeyCount, "one 4-byte row per key");

// Where the items of the zoom and grid submenus sit, taken from the menu table.
struct MenuShape {
  int zoomItems = 0;
  int gridLineGrid = -1;     // child index of MenuItem_Grid_LineGrid
  int gridLineSubGrid = -1;  // child index of MenuItem_Grid_LineSubGrid
  int subGridItems = 0;      // radio items between LineSubGrid and the next separator
};

// Children of a top-level or nested menu item, in menu order.
std::vector<const MenuItemDef*> ChildrenOf(const char* name) {
  std::vector<const MenuItemDef*> out;
  const int parent = MenuIndexOf(MenuItemByName(name));
  if (parent < 0) return out;
  const int depth = MenuTable()[parent].depth;
  for (size_t i = static_cast<size_t>(parent) + 1; i < MenuItemCount() && MenuTable()[i].depth > depth; ++i)
    if (MenuTable()[i].depth == depth + 1) out.push_back(&MenuTable()[i]);
  return out;
}

const MenuShape& Shape() {
  static const MenuShape shape = [] {
    MenuShape s;
    s.zoomItems = static_cast<int>(ChildrenOf("MenuItem_Zoom").size());
    const std::vector<const MenuItemDef*> grid = ChildrenOf("MenuItem_Grid");
    for (size_t i = 0; i < grid.size(); ++i) {
      if (std::string_view(grid[i]->name) == "MenuItem_Grid_LineGrid") s.gridLineGrid = static_cast<int>(i);
      if (std::string_view(grid[i]->name) == "MenuItem_Grid_LineSubGrid") s.gridLineSubGrid = static_cast<int>(i);
    }
    if (s.gridLineSubGrid >= 0) {
      for (size_t i = static_cast<size_t>(s.gridLineSubGrid) + 1;
           i < grid.size() && grid[i]->kind != MenuKind::Separator; ++i)
        ++s.subGridItems;
    }
    return s;
  }();
  return shape;
}

// What the reader keeps of the general block's numbers.
int64_t ZoomInMenu(int64_t v) { return std::min<int64_t>(v, std::max(Shape().zoomItems - 1, 0)); }
// A grid colour item lies between the grid's two section lines.
int64_t GridColourItem(int64_t v) {
  return v > Shape().gridLineGrid && v < Shape().gridLineSubGrid ? v : kDefaultGridColorItem;
}
int64_t SubGridColourItem(int64_t v) { return v < Shape().subGridItems ? v : kDefaultSubGridColorItem; }
// ClampLengthOrigin does the upper bound against the screen.
int64_t NotNegative(int64_t v) { return std::max<int64_t>(v, 0); }

constexpr uint32_t kAll = 0xFFFFFFFF;
constexpr uint32_t kColourBits = 0xFFFFFF;  // a COLORREF without its high byte

constexpr GeneralField Row(GeneralRow row, size_t at, StoredRect SettingsData::*m) {
  return {row, at, FieldKind::kRect, nullptr, nullptr, nullptr, nullptr, m, kAll, nullptr};
}
constexpr GeneralField Row(GeneralRow row, size_t at, uint8_t SettingsData::*m, int64_t (*check)(int64_t)) {
  return {row, at, FieldKind::kU8, m, nullptr, nullptr, nullptr, nullptr, kAll, check};
}
constexpr GeneralField Row(GeneralRow row, size_t at, uint16_t SettingsData::*m, uint32_t keep) {
  return {row, at, FieldKind::kU16, nullptr, m, nullptr, nullptr, nullptr, keep, nullptr};
}
constexpr GeneralField Row(GeneralRow row, size_t at, uint32_t SettingsData::*m, uint32_t keep) {
  return {row, at, FieldKind::kU32, nullptr, nullptr, m, nullptr, nullptr, keep, nullptr};
}
constexpr GeneralField Row(GeneralRow row, size_t at, int32_t SettingsData::*m, int64_t (*check)(int64_t) = nullptr) {
  return {row, at, FieldKind::kI32, nullptr, nullptr, nullptr, m, nullptr, kAll, check};
}

using R = GeneralRow;
constexpr GeneralField kGeneralFields[] = {
    Row(R::kBounds, 0, &SettingsData::bounds),
    Row(R::kZoom, 16, &SettingsData::zoomIndex, ZoomInMenu),
    Row(R::kGridFlags, 17, &SettingsData::gridFlags, kGridShown | kGridUseSubElseColor),
    Row(R::kGridColorItem, 19, &SettingsData::gridColorItem, GridColourItem),
    Row(R::kSubGridColorItem, 20, &SettingsData::subGridColorItem, SubGridColourItem),
    Row(R::kGridColor, 21, &SettingsData::gridColor, kColourBits),
    Row(R::kSubGridColor, 25, &SettingsData::subGridColor, kColourBits),
    Row(R::kSubGridElseColor, 29, &SettingsData::subGridElseColor, kColourBits),
    Row(R::kColorLines, 33, &SettingsData::colorLines, kColorLinesAll),
    Row(R::kPosLines, 35, &SettingsData::posLines, kPosLinesAll),
    Row(R::kLengthOriginX, 37, &SettingsData::lengthOriginX, NotNegative),
    Row(R::kLengthOriginY, 41, &SettingsData::lengthOriginY, NotNegative),
    Row(R::kWinInfoLines, 45, &SettingsData::winInfoLines, kWinInfoAll),
    Row(R::kStyleViewerClasses, 49, &SettingsData::styleViewerClasses, kAll),
    Row(R::kOptions, 53, &SettingsData::options, kOptionsAll),
    Row(R::kCaptureMode, 55, &SettingsData::captureMode, kCaptureModeBits),
    Row(R::kFixedPointX, 57, &SettingsData::fixedPointX),
    Row(R::kFixedPointY, 61, &SettingsData::fixedPointY),
};

constexpr size_t WidthOf(FieldKind kind) {
  return kind == FieldKind::kU8 ? 1 : kind == FieldKind::kU16 ? 2 : kind == FieldKind::kRect ? 16 : 4;
}
// Every row sits right after the previous one, in the order of GeneralRow,
// and the last one ends the block.
constexpr bool RowsFillTheBlock() {
  size_t at = 0;
  for (size_t i = 0; i < std::size(kGeneralFields); ++i) {
    if (kGeneralFields[i].row != static_cast<GeneralRow>(i) || kGeneralFields[i].offset != at) return false;
    at += WidthOf(kGeneralFields[i].kind);
  }
  return at == kGeneralBlockSize;
}
static_assert(std::size(kGeneralFields) == kGeneralRowCount && RowsFillTheBlock(), "general block layout");

// ---------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------

class Cursor {
public:
  Cursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Remaining() const { return size_ - pos_; }
  bool AtEnd() const { return pos_ >= size_; }
  bool Has(size_t n) const { return Remaining() >= n; }

  // The reads below require Has(width) to hold.
  uint8_t U8() { return data_[pos_++]; }
  uint16_t U16() {
    const uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32() {
    const uint32_t v = static_cast<uint32_t>(data_[pos_]) | (static_cast<uint32_t>(data_[pos_ + 1]) << 8) |
                       (static_cast<uint32_t>(data_[pos_ + 2]) << 16) |
                       (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  int32_t I32() {
    const uint32_t u = U32();
    int32_t v;
    std::memcpy(&v, &u, sizeof v);
    return v;
  }
  std::string Bytes(size_t n) {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  void Skip(size_t n) { pos_ += n; }
  void SkipToEnd() { pos_ = size_; }

private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

std::string ValidUtf8(const std::string& s) { return ToUtf8(FromUtf8(s)); }

StoredRect ReadRect(Cursor& in) {
  StoredRect r;
  r.left = in.I32();
  r.top = in.I32();
  r.right = in.I32();
  r.bottom = in.I32();
  return r;
}

void ReadGeneralBlock(Cursor& in, SettingsData& s) {
  for (size_t i = 0; i < kGeneralRowCount; ++i) {
    const GeneralField& f = GeneralBlock()[i];
    if (f.kind == FieldKind::kRect) {
      s.*f.rect = ReadRect(in);
      continue;
    }
    const uint32_t raw = (f.Width() == 1 ? in.U8() : f.Width() == 2 ? in.U16() : in.U32()) & f.keep;
    int64_t value = f.kind == FieldKind::kI32 ? int64_t{static_cast<int32_t>(raw)} : int64_t{raw};
    if (f.check) value = f.check(value);
    f.Set(s, value);
  }
}

void ReadKeyTable(Cursor& in, SettingsData& s) {
  s.keyBindings.clear();
  for (int row = 0; row < kKeyCount; ++row) {
    const uint16_t key = in.U16();
    const uint16_t command = in.U16();
    // The writer puts a command only into the row of its own key.
    if (command != 0 && CommandById(command) != nullptr && key == KeyTable()[row].code)
      s.keyBindings.push_back({key, command});
  }
}

void ReadGestureTable(Cursor& in, SettingsData& s) {
  for (uint16_t& g : s.gestures) {
    const uint16_t id = in.U16();
    g = CommandById(id) != nullptr ? id : 0;
  }
}

// Word count and that many word ids. Ids for which `known` fails are
// dropped, and so are repeats: a menu item is hidden once and a toolbar holds
// a command once, so the list keeps the first place of each id and can never
// grow beyond the number of known ids, whatever count a damaged file claims.
template <class Known>
bool ReadIdList(Cursor& in, std::vector<uint16_t>& out, Known known) {
  if (!in.Has(2)) return false;
  const size_t count = in.U16();
  if (!in.Has(2 * count)) return false;
  std::vector<bool> seen(size_t{kMaxWordCount} + 1);
  std::vector<uint16_t> ids;
  for (size_t i = 0; i < count; ++i) {
    const uint16_t id = in.U16();
    if (id == 0 || seen[id]) continue;
    seen[id] = true;
    if (known(id)) ids.push_back(id);
  }
  out = std::move(ids);
  return true;
}

// Returns true when all announced records were complete. Complete records
// are taken even when a later one is cut.
bool ReadCopyFormats(Cursor& in, SettingsData& s) {
  if (!in.Has(2)) return false;
  const size_t count = in.U16();
  std::array<std::optional<std::string>, kCopySlotCount> slots;
  bool complete = true;
  for (size_t i = 0; i < count; ++i) {
    if (!in.Has(4)) {
      in.SkipToEnd();
      complete = false;
      break;  // every further record would be cut as well
    }
    const uint16_t id = in.U16();
    const size_t length = in.U16();
    if (!in.Has(length)) {
      in.SkipToEnd();
      complete = false;
      break;
    }
    if (length == 0) continue;
    const int slot = CopySlotOfMenuId(id);
    if (slot < 0 || slot >= kCopySlotCount) {
      in.Skip(length);
      continue;
    }
    std::string text = ValidUtf8(in.Bytes(length));
    // Replacement characters can make a text longer than a record can hold.
    if (text.size() > kMaxWordCount) continue;
    slots[static_cast<size_t>(slot)] = std::move(text);
  }
  s.copyFormats.clear();
  for (int slot = 0; slot < kCopySlotCount; ++slot)
    if (slots[static_cast<size_t>(slot)])
      s.copyFormats.push_back({static_cast<uint16_t>(MenuIdOfCopySlot(slot)), *slots[static_cast<size_t>(slot)]});
  return complete;
}

bool ReadStyleViewer(Cursor& in, SettingsData& s) {
  if (!in.Has(kStyleViewerBlockSize)) return false;
  s.styleViewer.bounds = ReadRect(in);
  s.styleViewer.hintHeight = in.I32();
  s.styleViewer.classMask = in.U32();
  in.Skip(8);
  return true;
}

bool ReadApiTest(Cursor& in, SettingsData& s) {
  if (!in.Has(kApiTestBlockSize)) return false;
  s.apiTest.bounds = ReadRect(in);
  s.apiTest.selectedIndex = in.I32();
  s.apiTest.hintHeight = in.I32();
  in.Skip(8);
  return true;
}

bool ReadApiList(Cursor& in, SettingsData& s) {
  if (!in.Has(4)) return false;
  const uint32_t length = in.U32();
  if (!in.Has(length)) return false;
  std::string text = in.Bytes(length);
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  s.apiList = std::move(text);
  return true;
}

bool ReadExtra(Cursor& in, SettingsData& s) {
  if (!in.Has(kExtraBlockSize)) return false;
  in.Skip(4);
  s.flipMode = in.U32();
  in.Skip(kExtraBlockSize - 8);
  return true;
}

bool ReadFont(Cursor& in, SettingsData& s) {
  if (!in.Has(kFontHeadSize)) return false;
  const uint32_t nameLength = in.U32();
  const int32_t size = in.I32();
  const int32_t separatorX = in.I32();
  in.Skip(12);
  if (!in.Has(nameLength)) return false;
  s.font.name = ValidUtf8(in.Bytes(nameLength));
  s.font.size = size;
  s.font.separatorX = std::max(separatorX, 0);
  return true;
}

// ---------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------

class Out {
public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
  }
  void I32(int32_t v) {
    uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    U32(u);
  }
  void Bytes(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  void Zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void Rect(const StoredRect& r) {
    I32(r.left);
    I32(r.top);
    I32(r.right);
    I32(r.bottom);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
  std::vector<uint8_t> bytes_;
};

void WriteGeneralBlock(Out& out, const SettingsData& s) {
  for (size_t i = 0; i < kGeneralRowCount; ++i) {
    const GeneralField& f = GeneralBlock()[i];
    if (f.kind == FieldKind::kRect) {
      out.Rect(s.*f.rect);
      continue;
    }
    const int64_t value = f.Get(s);
    if (f.Width() == 1) out.U8(static_cast<uint8_t>(value));
    else if (f.Width() == 2) out.U16(static_cast<uint16_t>(value));
    else out.U32(static_cast<uint32_t>(value));
  }
}

// Bindings in order: rows are visited from row 0, each visited row gets its
// key code, and the row of the binding's key gets the command. A key outside
// the fixed set has no row; a later binding of a key replaces an earlier one.
void WriteKeyTable(Out& out, const std::vector<StoredKeyBinding>& bindings) {
  std::array<StoredKeyBinding, kKeyCount> rows{};
  for (const StoredKeyBinding& b : bindings) {
    for (int row = 0; row < kKeyCount; ++row) {
      rows[static_cast<size_t>(row)].key = KeyTable()[row].code;
      if (KeyTable()[row].code == b.key) {
        rows[static_cast<size_t>(row)].command = b.command;
        break;
      }
    }
  }
  for (const StoredKeyBinding& r : rows) {
    out.U16(r.key);
    out.U16(r.command);
  }
}

void WriteIdList(Out& out, const std::vector<uint16_t>& ids) {
  const size_t count = std::min(ids.size(), kMaxWordCount);
  out.U16(static_cast<uint16_t>(count));
  for (size_t i = 0; i < count; ++i) out.U16(ids[i]);
}

void WriteCopyFormats(Out& out, const std::vector<StoredCopyFormat>& formats) {
  std::vector<const StoredCopyFormat*> kept;
  for (const StoredCopyFormat& f : formats)
    if (f.text.size() <= kMaxWordCount && kept.size() < kMaxWordCount) kept.push_back(&f);
  out.U16(static_cast<uint16_t>(kept.size()));
  for (const StoredCopyFormat* f : kept) {
    out.U16(f->menuId);
    out.U16(static_cast<uint16_t>(f->text.size()));
    out.Bytes(f->text);
  }
}

uint32_t ClampedLength(size_t n) { return static_cast<uint32_t>(std::min<size_t>(n, 0xFFFFFFFFu)); }

}  // namespace

size_t GeneralField::Width() const { return WidthOf(kind); }

int64_t GeneralField::Get(const SettingsData& s) const {
  switch (kind) {
    case FieldKind::kU8: return s.*u8;
    case FieldKind::kU16: return s.*u16;
    case FieldKind::kU32: return s.*u32;
    case FieldKind::kI32: return s.*i32;
    case FieldKind::kRect: break;
  }
  return 0;
}

void GeneralField::Set(SettingsData& s, int64_t value) const {
  switch (kind) {
    case FieldKind::kU8: s.*u8 = static_cast<uint8_t>(value); break;
    case FieldKind::kU16: s.*u16 = static_cast<uint16_t>(value); break;
    case FieldKind::kU32: s.*u32 = static_cast<uint32_t>(value); break;
    case FieldKind::kI32: s.*i32 = static_cast<int32_t>(value); break;
    case FieldKind::kRect: break;
  }
}

const GeneralField* GeneralBlock() { return kGeneralFields; }
const GeneralField& GeneralFieldOf(GeneralRow row) { return kGeneralFields[static_cast<size_t>(row)]; }

SettingsReadResult ReadSettings(const uint8_t* data, size_t size) {
  SettingsReadResult result;
  if (data == nullptr || size < kSettingsPrefixSize) return result;
  if (std::memcmp(data, kMagic, sizeof kMagic) != 0) return result;

  Cursor in(data, size);
  SettingsData& s = result.data;
  in.Skip(kHeaderSize);
  ReadGeneralBlock(in, s);
  ReadKeyTable(in, s);
  ReadGestureTable(in, s);
  result.accepted = true;
  result.sections = kSectionPrefix;

  // Each section is read only while bytes remain; the first one missing or
  // damaged ends reading.
  const auto section = [&](uint32_t bit, bool read) {
    if (read) result.sections |= bit;
    return read;
  };
  if (in.AtEnd() ||
      !section(kSectionMenuLayout,
               ReadIdList(in, s.hiddenMenuItems, [](uint16_t id) { return MenuItemById(id) != nullptr; })))
    return result;
  if (in.AtEnd() ||
      !section(kSectionToolBarLayout,
               ReadIdList(in, s.toolBar, [](uint16_t id) { return CommandById(id) != nullptr; })))
    return result;
  if (in.AtEnd() || !section(kSectionCopyFormats, ReadCopyFormats(in, s))) return result;
  if (in.AtEnd() || !section(kSectionStyleViewer, ReadStyleViewer(in, s))) return result;
  if (in.AtEnd() || !section(kSectionApiTest, ReadApiTest(in, s))) return result;
  if (in.AtEnd() || !section(kSectionApiList, ReadApiList(in, s))) return result;
  if (in.AtEnd() || !section(kSectionExtra, ReadExtra(in, s))) return result;
  if (in.AtEnd() || !section(kSectionFont, ReadFont(in, s))) return result;
  return result;
}

std::vector<uint8_t> WriteSettings(const SettingsData& s) {
  Out out;
  for (uint8_t b : kMagic) out.U8(b);
  out.Zeros(kHeaderSize - sizeof kMagic);
  WriteGeneralBlock(out, s);
  WriteKeyTable(out, s.keyBindings);
  for (uint16_t g : s.gestures) out.U16(g);

  WriteIdList(out, s.hiddenMenuItems);
  WriteIdList(out, s.toolBar);
  WriteCopyFormats(out, s.copyFormats);

  out.Rect(s.styleViewer.bounds);
  out.I32(s.styleViewer.hintHeight);
  out.U32(s.styleViewer.classMask);
  out.Zeros(8);

  out.Rect(s.apiTest.bounds);
  out.I32(s.apiTest.selectedIndex);
  out.I32(s.apiTest.hintHeight);
  out.Zeros(8);

  const uint32_t apiLength = ClampedLength(s.apiList.size());
  out.U32(apiLength);
  out.Bytes(std::string_view(s.apiList).substr(0, apiLength));

  out.U32(0);
  out.U32(s.flipMode);
  out.Zeros(kExtraBlockSize - 8);

  const uint32_t nameLength = ClampedLength(s.font.name.size());
  out.U32(nameLength);
  out.I32(s.font.size);
  out.I32(s.font.separatorX);
  out.Zeros(12);
  out.Bytes(std::string_view(s.font.name).substr(0, nameLength));
  return out.Take();
}

std::vector<StoredCopyFormat> ChangedCopyFormats(const std::vector<std::string>& current,
                                                 const std::vector<std::string>& defaults) {
  std::vector<StoredCopyFormat> out;
  const size_t n = std::min({current.size(), defaults.size(), static_cast<size_t>(kCopySlotCount)});
  for (size_t slot = 0; slot < n; ++slot) {
    if (current[slot] == defaults[slot]) continue;
    const int id = MenuIdOfCopySlot(static_cast<int>(slot));
    out.push_back({id < 0 ? kNoCopyMenuId : static_cast<uint16_t>(id), current[slot]});
  }
  return out;
}

std::vector<std::string> SplitApiList(std::string_view text) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    if (i > start) names.emplace_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return names;
}

std::string JoinApiList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

bool StoredWindowSizeUsable(const StoredRect& b) {
  return int64_t{b.right} - b.left > 50 && int64_t{b.bottom} - b.top > 50;
}

void ClampLengthOrigin(SettingsData& s, int32_t screenWidth, int32_t screenHeight) {
  s.lengthOriginX = std::clamp(s.lengthOriginX, 0, std::max(screenWidth, 0));
  s.lengthOriginY = std::clamp(s.lengthOriginY, 0, std::max(screenHeight, 0));
}

}  // namespace zorvik
