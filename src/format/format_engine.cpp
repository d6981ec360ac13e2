#include "format/format_engine.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace zorvik {

// ---------------------------------------------------------------------------
// Errors
// ---------------------------------------------------------------------------
namespace {

const char16_t kErrorHead[] = u"コピーの形式指定子にエラーがあります\r";

}  // namespace

EFormatError::EFormatError(std::u16string message, std::u16string specifier)
    : message_(std::move(message)), specifier_(std::move(specifier)), utf8_(ToUtf8(message_)) {}

EFormatStringError::EFormatStringError(std::u16string specifierSoFar)
    : EFormatError(kErrorHead + std::u16string(u"形式指定子が正しく終了していません\r") + specifierSoFar,
                   specifierSoFar) {}

namespace {

std::u16string TypeErrorMessage(const std::vector<std::u16string>& allowed, const std::u16string& specifier) {
  std::u16string m = kErrorHead;
  m += u"指定できる指定子は\r";
  for (const std::u16string& a : allowed) {
    m += u' ';
    m += a;
  }
  m += u"\rですが ";
  m += specifier;
  m += u" が指定されています";
  return m;
}

}  // namespace

EFormatTypeError::EFormatTypeError(const std::vector<std::u16string>& allowed, std::u16string specifier)
    : EFormatError(TypeErrorMessage(allowed, specifier), specifier), allowed_(allowed) {}

// ---------------------------------------------------------------------------
// Expansion
// ---------------------------------------------------------------------------
namespace {

constexpr int64_t kNumberLimit = 999999999;  // digits saturate here

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool IsTypeLetter(char16_t c) {
  switch (Lower(c)) {
    case u'd': case u'u': case u'e': case u'f': case u'g':
    case u'n': case u'm': case u'p': case u's': case u'x':
      return true;
    default:
      return false;
  }
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsModifier(char16_t c) { return IsDigit(c) || c == u'-' || c == u':' || c == u'*' || c == u'.'; }

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// The specifiers that fit an argument, as named in an expansion error.
std::vector<std::u16string> FittingSpecifiers(const FormatArg* arg) {
  if (!arg) return {};
  if (arg->IsText()) return {u"%s"};
  return {u"%d", u"%u", u"%x"};
}

// A decimal number accumulated from digits and "*" values, saturating.
struct Number {
  bool given = false;
  int64_t value = 0;
  void Digit(int d) {
    given = true;
    value = std::min<int64_t>(value * 10 + d, kNumberLimit);
  }
  void Append(int64_t v) {  // appends the decimal digits of v >= 0
    given = true;
    int64_t scale = 10;
    while (scale <= v) scale *= 10;
    value = value > kNumberLimit / scale ? kNumberLimit : std::min<int64_t>(value * scale + v, kNumberLimit);
  }
};

std::u16string Decimal(uint64_t v) {
  std::u16string s;
  do {
    s += static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v);
  std::reverse(s.begin(), s.end());
  return s;
}

std::u16string Hex(uint32_t v) {
  static const char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string s;
  do {
    s += kDigits[v & 0xF];
    v >>= 4;
  } while (v);
  std::reverse(s.begin(), s.end());
  return s;
}

void ZeroPad(std::u16string& digits, int64_t precision) {
  const size_t want = static_cast<size_t>(std::min<int64_t>(precision, kMaxFieldWidth));
  if (digits.size() < want) digits.insert(0, want - digits.size(), u'0');
}

struct Field {
  bool left = false;
  bool hasPrecision = false;
  int64_t width = 0;
  int64_t precision = 0;
};

class Expander {
public:
  Expander(std::u16string_view format, const FormatArgs& args, FormatMode mode)
      : f_(format), args_(args), strict_(mode == FormatMode::kStrict) {}

  std::u16string Run() {
    size_t i = 0;
    const size_t n = f_.size();
    while (i < n) {
      const size_t pct = f_.find(u'%', i);
      if (pct == std::u16string_view::npos) {
        out_.append(f_.substr(i));
        break;
      }
      out_.append(f_.substr(i, pct - i));
      if (pct + 1 == n) {  // a "%" that ends the format
        out_ += u'%';
        break;
      }
      if (f_[pct + 1] == u'%') {
        out_ += u'%';
        i = pct + 2;
        continue;
      }
      i = Specifier(pct);
    }
    return std::move(out_);
  }

private:
  const FormatArg* Arg(size_t number) const { return number < args_.size() ? &args_[number] : nullptr; }

  // Parses and converts the specifier starting at `pct`; returns the index
  // after it.
  size_t Specifier(size_t pct) {
    const size_t n = f_.size();
    Field field;
    Number number;
    bool afterDot = false;
    auto endNumber = [&]() {
      if (number.given) (afterDot ? field.precision : field.width) = number.value;
      number = Number();
    };
    for (size_t j = pct + 1; j < n; ++j) {
      const char16_t c = f_[j];
      if (IsDigit(c)) {
        number.Digit(c - u'0');
      } else if (c == u'*') {
        const FormatArg* a = Arg(argNo_);
        if (a) {
          if (a->IsText()) throw EFormatTypeError(FittingSpecifiers(a), std::u16string(f_.substr(pct, j - pct + 1)));
          number.Append(std::max<int64_t>(a->Integer(), 0));
        } else if (strict_) {
          throw EFormatTypeError({}, std::u16string(f_.substr(pct, j - pct + 1)));
        }
        ++argNo_;
      } else if (c == u'-') {
        field.left = true;
        endNumber();
      } else if (c == u'.') {
        if (number.given) field.width = number.value;
        number = Number();
        afterDot = true;
        field.hasPrecision = true;
      } else if (c == u':') {
        argNo_ = number.given ? static_cast<size_t>(number.value) : 0;
        number = Number();
      } else if (IsTypeLetter(c)) {
        endNumber();
        Convert(field, c, f_.substr(pct, j - pct + 1));
        ++argNo_;
        return j + 1;
      } else if (strict_) {
        throw EFormatStringError(std::u16string(f_.substr(pct, j - pct)));
      }
      // lenient: any other character is passed over
    }
    // The format ends inside the specifier: it stays literal text.
    out_.append(f_.substr(pct));
    return n;
  }

  void Convert(const Field& field, char16_t type, std::u16string_view text) {
    const FormatArg* a = Arg(argNo_);
    if (!a) {
      if (strict_) throw EFormatTypeError({}, std::u16string(text));
      return;  // empty piece
    }
    std::u16string piece;
    switch (Lower(type)) {
      case u'd':
      case u'u':
      case u'x': {
        if (a->IsText()) throw EFormatTypeError(FittingSpecifiers(a), std::u16string(text));
        const int32_t v = a->Integer();
        const uint32_t bits = static_cast<uint32_t>(v);
        const bool negative = Lower(type) == u'd' && v < 0;
        if (Lower(type) == u'x')
          piece = Hex(bits);
        else if (Lower(type) == u'u')
          piece = Decimal(bits);
        else
          piece = Decimal(negative ? static_cast<uint64_t>(-static_cast<int64_t>(v)) : static_cast<uint64_t>(v));
        if (field.hasPrecision) ZeroPad(piece, field.precision);
        if (negative) piece.insert(0, 1, u'-');
        break;
      }
      case u's': {
        if (!a->IsText()) {
          if (strict_) throw EFormatTypeError(FittingSpecifiers(a), std::u16string(text));
          return;  // empty piece
        }
        piece = a->Text();
        if (field.hasPrecision && static_cast<uint64_t>(field.precision) < piece.size()) {
          size_t cut = static_cast<size_t>(field.precision);
          // Never keep half of a surrogate pair.
          if (cut > 0 && piece[cut - 1] >= 0xD800 && piece[cut - 1] <= 0xDBFF && piece[cut] >= 0xDC00 &&
              piece[cut] <= 0xDFFF)
            --cut;
          piece.resize(cut);
        }
        break;
      }
      default:  // e f g n m p: no argument of this program is a real number or pointer
        throw EFormatTypeError(FittingSpecifiers(a), std::u16string(text));
    }
    const size_t width = static_cast<size_t>(std::min<int64_t>(field.width, kMaxFieldWidth));
    if (piece.size() < width) {
      if (field.left)
        piece.append(width - piece.size(), u' ');
      else
        piece.insert(0, width - piece.size(), u' ');
    }
    out_ += piece;
  }

  std::u16string_view f_;
  const FormatArgs& args_;
  const bool strict_;
  size_t argNo_ = 0;
  std::u16string out_;
};

}  // namespace

std::u16string ExpandFormat(std::u16string_view format, const FormatArgs& args, FormatMode mode) {
  return Expander(format, args, mode).Run();
}

// ---------------------------------------------------------------------------
// Splitting
// ---------------------------------------------------------------------------
SpecifierSplit NextSpecifier(std::u16string& remaining, const std::vector<std::u16string>* allowed) {
  SpecifierSplit r;
  const std::u16string& t = remaining;
  const size_t n = t.size();
  size_t i = 0;
  while (i < n) {
    const char16_t c = t[i];
    if (c != u'%') {
      r.literal += c;
      ++i;
      continue;
    }
    if (i + 1 == n) {  // "%" at the very end
      r.literal += u'%';
      ++i;
      continue;
    }
    if (t[i + 1] == u'%') {
      r.literal += u'%';
      i += 2;
      continue;
    }
    size_t j = i + 1;
    while (j < n && IsModifier(t[j])) ++j;
    if (j == n) {  // the text ends inside the specifier
      r.literal.append(t, i, std::u16string::npos);
      remaining.clear();
      return r;
    }
    if (!IsTypeLetter(t[j])) throw EFormatStringError(t.substr(i, j - i));
    std::u16string specifier = t.substr(i, j - i + 1);
    if (allowed) {
      bool ok = false;
      for (const std::u16string& a : *allowed)
        if (EqualsIgnoreCase(a, specifier)) ok = true;
      if (!ok) throw EFormatTypeError(*allowed, specifier);
    }
    r.specifier = std::move(specifier);
    remaining.erase(0, j + 1);
    return r;
  }
  remaining.clear();
  return r;
}

// ---------------------------------------------------------------------------
// Slots
// ---------------------------------------------------------------------------
namespace {

struct SlotDef {
  const char16_t* defaultFormat;
  const char* item;        // command name after "Action_Copy_" / "Action_Write_"; nullptr: none
  bool hasWrite;           // whether an "Action_Write_" command exists
  const char16_t* label;   // information line label
  const char16_t* display; // information line display format
  const char16_t* allowed[2];
};

constexpr SlotDef kSlots[kCopySlotCount] = {
    /* 0 */ {u"11", "Picture", false, u"", u"%2d倍", {}},
    /* 1 */ {u"%d %d %d", "ColorRGB", true, u"RGB", u"R=%-3d G=%-3d B=%-3d", {u"%d", u"%x"}},
    /* 2 */ {u"%d", "ColorRGBRed", true, u"", u"", {u"%d", u"%x"}},
    /* 3 */ {u"%d", "ColorRGBGreen", true, u"", u"", {u"%d", u"%x"}},
    /* 4 */ {u"%d", "ColorRGBBlue", true, u"", u"", {u"%d", u"%x"}},
    /* 5 */ {u"%.6x", "ColorHTML", true, u"HTML", u"#%.6x %s", {u"%.6x"}},
    /* 6 */ {u"%d", "ColorCOLORREF", true, u"COLORREF", u"0x%0:.8x %0:d %2:s", {u"%d", u"%.6x"}},
    /* 7 */ {u"%d %d %d", "ColorHSV", true, u"HSV", u"H=%3d\" S=%3d%% V=%3d%%", {u"%d"}},
    /* 8 */ {u"%d", "ColorHSVHue", true, u"", u"", {}},
    /* 9 */ {u"%d", "ColorHSVSaturation", true, u"", u"", {}},
    /* 10 */ {u"%d", "ColorHSVValue", true, u"", u"", {}},
    /* 11 */ {u"%d %d %d", "ColorHLS", true, u"HLS", u"H=%3d\" S=%3d%% L=%3d%%", {u"%d"}},
    /* 12 */ {u"%d", "ColorHLSHue", true, u"", u"", {}},
    /* 13 */ {u"%d", "ColorHLSSaturation", true, u"", u"", {}},
    /* 14 */ {u"%d", "ColorHLSLightness", true, u"", u"", {}},
    /* 15 */ {u"%d %d %d", "ColorHLSWin", true, u"HLS(Win)", u"E=%3d  S=%3d  L=%3d", {u"%d"}},
    /* 16 */ {u"%d", "ColorHLSWinHue", true, u"", u"", {}},
    /* 17 */ {u"%d", "ColorHLSWinSaturation", true, u"", u"", {}},
    /* 18 */ {u"%d", "ColorHLSWinLightness", true, u"", u"", {}},
    /* 19 */ {u"%d,%d", "PosScreen", true, u"ｽｸﾘｰﾝ", u"X=%d Y=%d", {u"%d"}},
    /* 20 */ {u"%d,%d", "PosMonitor", true, u"ﾓﾆﾀｰ", u"X=%d Y=%d (%d)", {u"%d"}},
    /* 21 */ {u"%d,%d", "PosClient", true, u"ｸﾗｲｱﾝﾄ", u"X=%d Y=%d (%d,%d)", {u"%d"}},
    /* 22 */ {u"%d,%d", "PosLength", true, u"長さ", u"W=%d H=%d (%d,%d)", {u"%d"}},
    /* 23 */ {u",%d,%d", nullptr, false, u"", u"", {u"%d"}},
    /* 24 */ {u"%d", "WinInfoHandle", true, u"ﾊﾝﾄﾞﾙ", u"0x%.8x %0:d", {u"%d", u"%x"}},
    /* 25 */ {u"%s", "WinInfoClassName", true, u"ｸﾗｽ名", u"%s", {u"%s"}},
    /* 26 */ {u"%s", "WinInfoText", true, u"ﾃｷｽﾄ", u"\"%s\"", {u"%s"}},
    /* 27 */ {u"%d,%d,%d,%d", "WinInfoWindowSize", true, u"Wｻｲｽﾞ", u"L=%2:d T=%3:d W=%0:d H=%1:d", {u"%d"}},
    /* 28 */ {u"%d,%d", "WinInfoClientSize", true, u"Cｻｲｽﾞ", u"W=%d H=%d", {u"%d"}},
    /* 29 */ {u"%d,%d,%d,%d", "WinInfoRect", true, u"Rect", u"L=%d T=%d R=%d B=%d", {u"%d"}},
    /* 30 */ {u"%d", "WinInfoControlID", true, u"ｺﾝﾄﾛｰﾙID", u"0x%.8x %0:d", {u"%d"}},
    /* 31 */ {u"%x", "WinInfoStyle", true, u"ｽﾀｲﾙ", u"0x%.8x %0:d", {u"%d", u"%x"}},
    /* 32 */ {u"%x", "WinInfoStyleEx", true, u"拡張ｽﾀｲﾙ", u"0x%.8x %0:d", {u"%d", u"%x"}},
    /* 33 */ {u"%s", nullptr, false, u"Enabled", u"%s", {}},
    /* 34 */ {u"%d", nullptr, false, u"親ｳｨﾝﾄﾞｳ", u"0x%.8x %0:d %s \"%s\"", {}},
    /* 35 */ {u"%d", "WinInfoPID", true, u"PID", u"0x%.8x %0:d", {u"%d", u"%x"}},
    /* 36 */ {u"%0:s", "WinInfoExeName", true, u"実行ﾌｧｲﾙ", u"%s", {u"%0:s", u"%1:s"}},
    /* 37 */ {u"%s", "WinInfoFileVersion", true, u"ﾌｧｲﾙVer", u"%s", {u"%s"}},
    /* 38 */ {u"%d", "WinInfoWindowSizeLeft", true, u"", u"", {}},
    /* 39 */ {u"%d", "WinInfoWindowSizeTop", true, u"", u"", {}},
    /* 40 */ {u"%d", "WinInfoWindowSizeWidth", true, u"", u"", {}},
    /* 41 */ {u"%d", "WinInfoWindowSizeHeight", true, u"", u"", {}},
    /* 42 */ {u"%d", "WinInfoClientSizeWidth", true, u"", u"", {}},
    /* 43 */ {u"%d", "WinInfoClientSizeHeight", true, u"", u"", {}},
    /* 44 */ {u"%d", "WinInfoRectLeft", true, u"", u"", {}},
    /* 45 */ {u"%d", "WinInfoRectTop", true, u"", u"", {}},
    /* 46 */ {u"%d", "WinInfoRectRight", true, u"", u"", {}},
    /* 47 */ {u"%d", "WinInfoRectBottom", true, u"", u"", {}},
    /* 48 */ {u"%d", "PosScreenX", true, u"", u"", {}},
    /* 49 */ {u"%d", "PosScreenY", true, u"", u"", {}},
    /* 50 */ {u"%d", "PosMonitorX", true, u"", u"", {}},
    /* 51 */ {u"%d", "PosMonitorY", true, u"", u"", {}},
    /* 52 */ {u"%d", "PosClientX", true, u"", u"", {}},
    /* 53 */ {u"%d", "PosClientY", true, u"", u"", {}},
    /* 54 */ {u"%d", "PosLengthWidth", true, u"", u"", {}},
    /* 55 */ {u"%d", "PosLengthHeight", true, u"", u"", {}},
};

constexpr char kCopyPrefix[] = "Action_Copy_";
constexpr char kWritePrefix[] = "Action_Write_";

bool ValidSlot(int slot) { return slot >= 0 && slot < kCopySlotCount; }

// The texts as strings, built once (the accessors hand out references).
struct SlotTexts {
  std::array<std::u16string, kCopySlotCount> defaults, labels, displays;
  SlotTexts() {
    for (int i = 0; i < kCopySlotCount; ++i) {
      defaults[i] = kSlots[i].defaultFormat;
      labels[i] = kSlots[i].label;
      displays[i] = kSlots[i].display;
    }
  }
};

const SlotTexts& Texts() {
  static const SlotTexts texts;
  return texts;
}

const std::u16string& Empty() {
  static const std::u16string empty;
  return empty;
}

bool OptionOn(const std::u16string& format, size_t index) { return index >= format.size() || format[index] != u'0'; }

}  // namespace

const std::u16string& DefaultCopyFormat(int slot) { return ValidSlot(slot) ? Texts().defaults[slot] : Empty(); }
const std::u16string& DisplayFormat(int slot) { return ValidSlot(slot) ? Texts().displays[slot] : Empty(); }
const std::u16string& DisplayLabel(int slot) { return ValidSlot(slot) ? Texts().labels[slot] : Empty(); }

std::vector<std::u16string> AllowedSpecifiers(int slot) {
  std::vector<std::u16string> list;
  if (!ValidSlot(slot)) return list;
  for (const char16_t* a : kSlots[slot].allowed)
    if (a) list.emplace_back(a);
  return list;
}

FormatMode CopyFormatMode(int slot) {
  return slot == 25 || slot == 26 || slot == 36 ? FormatMode::kLenient : FormatMode::kStrict;
}

std::string CopyCommandOfSlot(int slot) {
  if (!ValidSlot(slot) || !kSlots[slot].item) return {};
  return kCopyPrefix + std::string(kSlots[slot].item);
}

std::string WriteCommandOfSlot(int slot) {
  if (!ValidSlot(slot) || !kSlots[slot].item || !kSlots[slot].hasWrite) return {};
  return kWritePrefix + std::string(kSlots[slot].item);
}

int SlotOfCommand(std::string_view name) {
  bool write = false;
  const std::string_view copy(kCopyPrefix), wr(kWritePrefix);
  if (name.substr(0, copy.size()) == copy) {
    name.remove_prefix(copy.size());
  } else if (name.substr(0, wr.size()) == wr) {
    name.remove_prefix(wr.size());
    write = true;
  } else {
    return -1;
  }
  for (int i = 0; i < kCopySlotCount; ++i)
    if (kSlots[i].item && name == kSlots[i].item && (!write || kSlots[i].hasWrite)) return i;
  return -1;
}

CopyFormats::CopyFormats() { ResetAll(); }

const std::u16string& CopyFormats::CopyFormat(int slot) const {
  return ValidSlot(slot) ? formats_[static_cast<size_t>(slot)] : Empty();
}

void CopyFormats::SetCopyFormat(int slot, std::u16string format) {
  if (ValidSlot(slot)) formats_[static_cast<size_t>(slot)] = std::move(format);
}

void CopyFormats::ResetAll() {
  for (int i = 0; i < kCopySlotCount; ++i) formats_[static_cast<size_t>(i)] = DefaultCopyFormat(i);
}

bool CopyFormats::GridCursorOption() const { return OptionOn(formats_[0], 0); }
bool CopyFormats::InfoAreaOption() const { return OptionOn(formats_[0], 1); }
bool DefaultGridCursorOption() { return OptionOn(DefaultCopyFormat(0), 0); }
bool DefaultInfoAreaOption() { return OptionOn(DefaultCopyFormat(0), 1); }

}  // namespace zorvik
