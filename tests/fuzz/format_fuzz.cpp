// libFuzzer target for the format engine: ExpandFormat in both modes and the
// NextSpecifier splitter. The two format errors are the documented outcome of
// a malformed format and are caught; anything else (a crash, a sanitizer
// report, another exception, a broken invariant) fails the run.
//
// Input: the first byte picks how the rest becomes a format: bit 0 clear, one
// UTF-16 unit per byte (keeps the grammar dense); set, little-endian UTF-16
// pairs (reaches surrogates and non-ASCII text).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "copy/format_engine.h"

using namespace zorvik;

namespace {

const FormatArgs& Arguments() {
  static const FormatArgs args = {
      255, -1, INT32_MIN, INT32_MAX, 0, u"Red", u"a\U0001F600b", u"", 1000, uint32_t{0xFFFFFFFFu},
  };
  return args;
}

[[noreturn]] void Fail() { std::abort(); }

// Splits the whole format as the copy format page does; returns false when
// it raised EFormatStringError.
bool SplitAll(std::u16string format, const std::vector<std::u16string>* allowed) {
  size_t guard = format.size() + 1;
  try {
    while (!format.empty()) {
      const size_t before = format.size();
      const SpecifierSplit piece = NextSpecifier(format, allowed);
      if (format.size() >= before) Fail();  // must always make progress
      if (piece.HasSpecifier() && piece.specifier[0] != u'%') Fail();
      if (--guard == 0) Fail();
    }
  } catch (const EFormatStringError&) {
    return false;
  } catch (const EFormatTypeError&) {
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::u16string format;
  if (data[0] & 1) {
    for (size_t i = 1; i + 1 < size; i += 2) format += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  } else {
    for (size_t i = 1; i < size; ++i) format += static_cast<char16_t>(data[i]);
  }

  bool strictOk = false, strictStringError = false;
  std::u16string strictText;
  try {
    strictText = ExpandFormat(format, Arguments(), FormatMode::kStrict);
    strictOk = true;
  } catch (const EFormatStringError& e) {
    strictStringError = true;
    if (e.Message().empty() || e.what()[0] == '\0') Fail();
  } catch (const EFormatTypeError& e) {
    if (e.Message().empty() || e.what()[0] == '\0') Fail();
  }

  std::u16string lenientText;
  bool lenientOk = false;
  try {
    lenientText = ExpandFormat(format, Arguments(), FormatMode::kLenient);
    lenientOk = true;
  } catch (const EFormatTypeError&) {
  } catch (const EFormatStringError&) {
    Fail();  // the lenient mode passes malformed specifiers over
  }

  // Whenever the strict mode succeeds, both modes give the same text.
  if (strictOk && (!lenientOk || strictText != lenientText)) Fail();
  // Bounded output: each format unit yields at most one clamped field or the
  // longest text argument.
  const size_t bound = (format.size() + 1) * (kMaxFieldWidth + 8);
  if ((strictOk && strictText.size() > bound) || (lenientOk && lenientText.size() > bound)) Fail();

  // The splitter and the strict expansion agree on malformed specifiers.
  const bool splits = SplitAll(format, nullptr);
  if (splits && strictStringError) Fail();
  const std::vector<std::u16string> allowed = {u"%d", u"%x", u"%0:s"};
  SplitAll(format, &allowed);
  return 0;
}
