// The style viewer's seven tables (window styles, extended window styles and
// the styles of buttons, edits, statics, combo boxes and list boxes), each
// line a value, a constant's name and a Japanese explanation in fixed
// columns, and the listing built from them for one window. Platform-free.
//
// A table line:
//   columns 1-10   "0x" and the value in upper-case hexadecimal, right-aligned
//   column 11      a space
//   columns 12-34  the name, padded with spaces to 23 characters
//   column 35-     the explanation
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

enum class StyleFamily { kWindow, kExtended, kButton, kEdit, kStatic, kComboBox, kListBox };

struct StyleEntry {
  uint32_t value;
  const char* name;                // "WS_BORDER"
  const char16_t* explanation;     // Japanese, one or more sentences
};

// The entries of a family in table order.
const StyleEntry* StyleEntries(StyleFamily family, size_t* count);
// The lines of a family as the viewer shows them (built once).
const std::vector<std::u16string>& StyleTableLines(StyleFamily family);

// One table line in the column layout above.
std::u16string StyleLine(uint32_t value, std::string_view name, std::u16string_view explanation);
// The value a table line stands for, read back from its first 10 characters
// ("0x" and hexadecimal digits after trimming); 0 when it cannot be read.
uint32_t StyleLineValue(std::u16string_view line);
// Whether a line of value `lineValue` belongs to a window whose tested style
// is `tested`: all of its bits present; a line of value 0 when bit 0 of
// `tested` is clear.
bool StyleMatches(uint32_t lineValue, uint32_t tested);
// The lines of a family that match `tested`, in table order, as they stand.
std::vector<std::u16string> MatchingStyleLines(StyleFamily family, uint32_t tested);

// The class switches of the viewer: the bit of each in the stored mask; the
// last two have no table of their own.
enum StyleClassSwitch : uint32_t {
  kSwitchButton = 0x01,
  kSwitchEdit = 0x02,
  kSwitchStatic = 0x04,
  kSwitchComboBox = 0x08,
  kSwitchListBox = 0x10,
  kSwitchDialog = 0x20,
  kSwitchScrollBar = 0x40,
};
struct StyleClass {
  uint32_t bit;
  StyleFamily family;
  const char16_t* title;  // "ボタンコントロール"
};
// The five switches with a table, in listing order.
const StyleClass* StyleClasses(size_t* count);

// "0x%.8x %0:d %s" of the handle (its low 32 bits) and class name, a space
// and the window text in double quotes, never shortened.
std::u16string StyleWindowLine(uintptr_t handle, std::u16string_view className, std::u16string_view text);
// A tab, "0x%.8x %0:u" of the value right-aligned in 10 characters, a space
// and the title.
std::u16string StyleSectionLine(uint32_t value, std::u16string_view title);
// A tab, eleven spaces and the title: the heading of a class table.
std::u16string StyleClassSectionLine(std::u16string_view title);
// Section lines begin with a tab.
inline bool IsStyleSectionLine(std::u16string_view line) { return !line.empty() && line[0] == u'\t'; }

// The whole listing for one window: the window line, the window styles and
// the extended styles with their section lines, then for each switch of
// `classMask` that has a table its section line and matching lines (tested
// against the window style).
std::vector<std::u16string> StyleListing(uintptr_t handle, int32_t exStyle, int32_t style,
                                         std::u16string_view text, std::u16string_view className,
                                         uint32_t classMask);

// What the hint area shows for a clicked line: the name, a space and the
// explanation, with a line break after its first "。"; empty for a section
// line or an empty line.
std::u16string StyleHint(std::u16string_view line);

// The heading of the copied text.
inline constexpr char16_t kStyleDetailsHeading[] = u"ウィンドウスタイル詳細";
// The copy of the details: the heading and the listing, one per line joined
// with CR LF, trailing characters up to U+0020 removed.
std::u16string StyleDetailsText(const std::vector<std::u16string>& listing);

}  // namespace zorvik
