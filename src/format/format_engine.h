// The format engine of the copy formats and the information lines, and the
// 56 format slots.
//
// Text convention: formats, text arguments and results are UTF-16
// (std::u16string), the form the window system paints and puts on the
// clipboard. A "character" for widths and precisions is one UTF-16 code unit.
// The settings file keeps formats as UTF-8; convert with ToUtf8 / FromUtf8
// (platform/text.h) at that boundary.
//
// Grammar: "%" [index ":"] ["-"] [width] ["." precision] type, where index,
// width and precision are decimal digits or "*", and type is one of
// d u e f g n m p s x in either case. "%%" is one "%"; a "%" that ends the
// format is literal text.
#pragma once
#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_table.h"  // kCopySlotCount

namespace zorvik {

// ---------------------------------------------------------------------------
// Errors. These two are the only exceptions the program raises itself. what()
// gives the message in UTF-8, Message() in UTF-16; "\r" separates its lines.
// ---------------------------------------------------------------------------
class EFormatError : public std::exception {
public:
  const char* what() const noexcept override { return utf8_.c_str(); }
  const std::u16string& Message() const { return message_; }
  // The specifier text the message names.
  const std::u16string& Specifier() const { return specifier_; }

protected:
  EFormatError(std::u16string message, std::u16string specifier);

private:
  std::u16string message_, specifier_;
  std::string utf8_;
};

// A specifier that is not properly ended: an invalid character where the type
// letter should be. Carries the specifier text read so far ("%5" of "%5y").
class EFormatStringError : public EFormatError {
public:
  explicit EFormatStringError(std::u16string specifierSoFar);
};

// A specifier that is not one of the allowed ones, or (when expanding) does
// not fit its argument. Carries the allowed list and the specifier found.
class EFormatTypeError : public EFormatError {
public:
  EFormatTypeError(const std::vector<std::u16string>& allowed, std::u16string specifier);
  const std::vector<std::u16string>& Allowed() const { return allowed_; }

private:
  std::vector<std::u16string> allowed_;
};

// ---------------------------------------------------------------------------
// Arguments: a signed 32-bit integer or a text.
// ---------------------------------------------------------------------------
class FormatArg {
public:
  enum class Kind : uint8_t { kInteger, kText };
  FormatArg(int32_t value) : integer_(value) {}
  // Kept as its 32-bit two's complement ("%d" of 0xFFFFFFFF gives -1,
  // "%u" 4294967295).
  FormatArg(uint32_t value) : integer_(static_cast<int32_t>(value)) {}
  FormatArg(std::u16string text) : kind_(Kind::kText), text_(std::move(text)) {}
  FormatArg(std::u16string_view text) : kind_(Kind::kText), text_(text) {}
  FormatArg(const char16_t* text) : kind_(Kind::kText), text_(text ? text : u"") {}
  // Window handles carry 32 significant bits; the low 32 bits are formatted.
  static FormatArg Handle(uintptr_t handle) { return FormatArg(static_cast<uint32_t>(handle & 0xFFFFFFFFu)); }

  Kind kind() const { return kind_; }
  bool IsText() const { return kind_ == Kind::kText; }
  int32_t Integer() const { return integer_; }
  const std::u16string& Text() const { return text_; }

private:
  Kind kind_ = Kind::kInteger;
  int32_t integer_ = 0;
  std::u16string text_;
};
using FormatArgs = std::vector<FormatArg>;

// ---------------------------------------------------------------------------
// Expansion.
// ---------------------------------------------------------------------------
enum class FormatMode : uint8_t {
  // An argument number outside the list, a number conversion of a text, "s"
  // of a number or a real-number conversion raises EFormatTypeError; a
  // specifier with an invalid character raises EFormatStringError.
  kStrict,
  // An argument number outside the list and "s" of a number give an empty
  // piece; characters that belong to no specifier part are passed over. A
  // number conversion of a text still raises EFormatTypeError.
  kLenient,
};

// Widths and zero-padding precisions are clamped to this many characters so
// that a format such as "%999999999d" cannot allocate without bound. No line
// of the information area or copied value comes near it. A precision that
// cuts a text ("%.5000s") is not clamped: cutting never grows the text.
constexpr int kMaxFieldWidth = 1024;

// Expands a format: arguments are used from left to right; an index ("%2:d")
// sets the current argument number, which continues after it; "*" takes a
// number from the current argument and advances. d: signed decimal with the
// precision as minimum digit count; u: unsigned 32-bit decimal; x: upper-case
// hexadecimal of the 32-bit two's complement, precision as minimum digit
// count; s: the text cut to at most precision characters (never between the
// two halves of a surrogate pair). Padded with spaces to the width, on the
// right with "-". A specifier that the format ends in the middle of stays as
// literal text. e f g n m p never fit an argument of this program.
//
// "*" digits are appended to the digits read so far ("%1*d" with 5 gives a
// width of 15); a negative "*" value counts as 0.
std::u16string ExpandFormat(std::u16string_view format, const FormatArgs& args,
                            FormatMode mode = FormatMode::kStrict);

// ---------------------------------------------------------------------------
// Splitting for the copy format page.
// ---------------------------------------------------------------------------
struct SpecifierSplit {
  std::u16string literal;    // the text before the specifier, "%%" read as "%"
  std::u16string specifier;  // as written, e.g. "%0:s"; empty when none
  bool HasSpecifier() const { return !specifier.empty(); }
};

// Splits off the literal text and the next specifier of `remaining`, which
// becomes the text after that specifier (empty when there is none, or when
// the text ends inside a specifier, whose text then ends the literal piece).
// With an allowed list, a specifier that equals none of its entries (whole
// text, case ignored) raises EFormatTypeError; an invalid type letter raises
// EFormatStringError. On an exception `remaining` is unchanged.
SpecifierSplit NextSpecifier(std::u16string& remaining,
                             const std::vector<std::u16string>* allowed = nullptr);

// ---------------------------------------------------------------------------
// Slots 0-55: the copy formats and the information lines.
// ---------------------------------------------------------------------------

// Built-in copy format of a slot; "" outside 0 .. 55.
const std::u16string& DefaultCopyFormat(int slot);
// Display format and label of the slot's information line (DisplayTable);
// "" for slots without a line and outside 0 .. 55. Slot 0 is the zoom caption
// of the status row and has no label.
const std::u16string& DisplayFormat(int slot);
const std::u16string& DisplayLabel(int slot);
// Specifiers the copy format page accepts for the slot; empty when the slot
// is not edited there.
std::vector<std::u16string> AllowedSpecifiers(int slot);
// Mode of the slot's copy and write item: lenient for the class name, the
// window text and the executable (25, 26, 36), strict otherwise.
FormatMode CopyFormatMode(int slot);
// The copy command of the slot ("Action_Copy_ColorRGB"), and its write
// command ("Action_Write_ColorRGB"); "" for slots without one (the picture,
// slot 0, has a copy command but no write command).
std::string CopyCommandOfSlot(int slot);
std::string WriteCommandOfSlot(int slot);
// Slot of a copy or write command name; -1 for any other name.
int SlotOfCommand(std::string_view commandName);

// The 56 copy formats, initialised from the defaults.
class CopyFormats {
public:
  CopyFormats();
  // "" outside 0 .. 55.
  const std::u16string& CopyFormat(int slot) const;
  // Ignored outside 0 .. 55.
  void SetCopyFormat(int slot, std::u16string format);
  void ResetAll();

  // Picture copy options of slot 0: first character "grid and cursor point",
  // second "information area"; "0" is off, anything else (or nothing) on.
  bool GridCursorOption() const;
  bool InfoAreaOption() const;

private:
  std::array<std::u16string, kCopySlotCount> formats_;
};
bool DefaultGridCursorOption();
bool DefaultInfoAreaOption();

}  // namespace zorvik
