// libFuzzer target for the format engine: ExpandFormat in both modes, the
// NextSpecifier splitter, and the copy format page's panels (a stored format
// loaded into a panel, and typed pieces built into a format). The two format errors are the documented outcome of
// a malformed format and are caught; anything else (a crash, a sanitizer
// report, another exception, a broken invariant) fails the run.
//
// Input: the first byte picks how the rest becomes a format: bit 0 clear, one
// UTF-16 unit per byte (keeps the grammar dense); set, little-endian UTF-16
// pairs (reaches surrogates and non-ASCII text).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "format/format_engine.h"
#include "custom/format_pieces.h"

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

// The copy format page. Loading any stored format into a panel never fails
// (a misfit falls back to the default), and the format it then stores
// expands strictly on the samples. The same text typed into the boxes (cut
// into pieces at each U+0001) builds a format that expands strictly and loads
// back into the same boxes.
void CheckPanel(const std::u16string& text, unsigned choice, bool checked) {
  const CopyPanelDef& panel = CopyPanels()[choice % CopyPanelCount()];
  const FormatArgs samples = CopyPanelSampleArgs(panel);
  CopyFormats formats;
  formats.SetCopyFormat(panel.slot, text);
  formats.SetCopyFormat(23, text);
  try {
    const CopyPanelLoad load = LoadCopyPanel(panel, formats);
    if (load.fits != load.notice.empty()) Fail();
    StoreCopyPanel(panel, load.state, formats);
    ExpandFormat(formats.CopyFormat(panel.slot), samples, FormatMode::kStrict);
  } catch (const EFormatError&) {
    Fail();
  }

  CopyPanelState typed;
  typed.checked = checked && panel.HasChoice();
  typed.pieces.resize(static_cast<size_t>(panel.PieceCount()));
  for (size_t at = 0, i = 0; i < typed.pieces.size(); ++i) {
    const size_t cut = i + 1 == typed.pieces.size() ? std::u16string::npos : text.find(u'\x01', at);
    typed.pieces[i] = text.substr(std::min(at, text.size()), cut == std::u16string::npos ? cut : cut - at);
    at = cut == std::u16string::npos ? text.size() : cut + 1;
  }
  CopyFormats built;
  StoreCopyPanel(panel, typed, built);
  try {
    ExpandFormat(built.CopyFormat(panel.slot), samples, FormatMode::kStrict);
    const CopyPanelLoad back = LoadCopyPanel(panel, built);
    if (!back.fits) Fail();
    if (panel.kind != CopyPanelKind::kOptions && !(back.state == typed)) Fail();
  } catch (const EFormatError&) {
    Fail();
  }
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

  CheckPanel(format, size > 1 ? data[1] : 0u, (data[0] & 2) != 0);
  return 0;
}
