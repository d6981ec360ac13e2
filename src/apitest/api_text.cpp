#include "apitest/api_text.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

#include "inspection/colour_models.h"

namespace zorvik {

namespace {

#if defined(__GNUC__)
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif
std::string Printf(const char* format, ...) {
  char buf[128];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return std::string(buf, n < 0 ? 0 : (n < static_cast<int>(sizeof buf) ? n : sizeof buf - 1));
}

std::string Padded(std::string_view s, size_t width) {
  std::string out(s);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int CompareNoCase(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(Lower(a[i])), y = static_cast<unsigned char>(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsLeadByte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF); }
bool IsTrailByte(uint8_t b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
bool IsUnprintable(uint8_t b) {
  return b < 0x20 || b == 0x7F || b >= 0xFD || b == 0x80 || b == 0xA0 || (b >= 0xF0 && b <= 0xFC);
}

std::string PartState(uint32_t state, std::string_view part, const std::pair<uint32_t, const char*>* words,
                      size_t count) {
  std::string out = Printf("0x%08X (", state);
  out.append(part);
  out += ')';
  for (size_t i = 0; i < count; ++i)
    if (state & words[i].first) out += words[i].second;
  return out;
}

}  // namespace

std::string IntForm(long long v) { return std::to_string(v); }

std::string HexForm(uint64_t v, int digits) {
  if (v > 0xFFFFFFFFull) return Printf("0x%016llX %llu", static_cast<unsigned long long>(v),
                                       static_cast<unsigned long long>(v));
  return Printf("0x%0*X %u", digits, static_cast<unsigned>(v), static_cast<unsigned>(v));
}

std::string HexWordsForm(uint32_t v) { return Printf("0x%08X %u %u", v, v >> 16, v & 0xFFFF); }

std::string BoolForm(bool b) { return b ? "True" : "False"; }

std::string PointForm(long x, long y) { return Printf("(%ld, %ld)", x, y); }

std::string RectForm(long left, long top, long right, long bottom) {
  return Printf("(%ld, %ld, %ld, %ld)", left, top, right, bottom);
}

std::string ColourForm(uint32_t colorref) {
  const uint32_t rgb = ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
  std::string out = Printf("#%06X ", rgb);
  out.append(ColorName(rgb));
  return out;
}

std::string ErrorForm(long long v, bool combo) {
  if (v == -1) return combo ? "CB_ERR(-1)" : "LB_ERR(-1)";
  return IntForm(v);
}

std::string ScrollPartState(uint32_t state, std::string_view part) {
  static const std::pair<uint32_t, const char*> words[] = {
      {0x8000, " 非表示"}, {0x10000, " 非可視状態"}, {0x8, " 押下状態"}, {0x1, " 無効"}};
  return PartState(state, part, words, 4);
}

std::string TitlePartState(uint32_t state, std::string_view part) {
  static const std::pair<uint32_t, const char*> words[] = {
      {0x100000, " フォーカス可能"}, {0x8000, " 非表示"}, {0x10000, " 非可視状態"}, {0x1, " 無効"}, {0x8, " 押下状態"}};
  return PartState(state, part, words, 5);
}

std::string ComboButtonState(uint32_t state) {
  std::string out = Printf("0x%08X ", state);
  if (state == 0) return out + Padded("0", 22) + " ボタンは存在し押されていない。";
  if (state == 0x8) return out + Padded("STATE_SYSTEM_PRESSED", 22) + " ボタンは存在し押されている。";
  if (state == 0x8000) return out + Padded("STATE_SYSTEM_INVISIBLE", 22) + " ボタンは存在しない。";
  return out;
}

std::string PriorityName(uint32_t value) {
  switch (value) {
    case 0: return "0 関数失敗";
    case 0x20: return "(0x00000020) NORMAL_PRIORITY_CLASS 通常";
    case 0x40: return "(0x00000040) IDLE_PRIORITY_CLASS 底";
    case 0x80: return "(0x00000080) HIGH_PRIORITY_CLASS 高";
    case 0x100: return "(0x00000100) REALTIME_PRIORITY_CLASS リアルタイム";
    case 0x4000: return "(0x00004000) BELOW_NORMAL_PRIORITY_CLASS 通常以下";
    case 0x8000: return "(0x00008000) ABOVE_NORMAL_PRIORITY_CLASS 通常以上";
    default: return Printf("(0x%08X) 不明", value);
  }
}

std::string BinaryTypeText(uint32_t type) {
  static const char* const names[] = {
      "SCS_32BIT_BINARY 0 Win32ベースのアプリケーション。",
      "SCS_DOS_BINARY   1 MS-DOSベースのアプリケーション。",
      "SCS_WOW_BINARY   2 16ビット版Windowsベースのアプリケーション。",
      "SCS_PIF_BINARY   3 MS-DOSベースのアプリケーションを実行するPIFファイル。",
      "SCS_POSIX_BINARY 4 POSIXベースのアプリケーション。",
      "SCS_OS216_BINARY 5 16ビット版OS/2ベースのアプリケーション。",
      "SCS_64BIT_BINARY 6 Win64ベースのアプリケーション。",
  };
  if (type <= 6) return names[type];
  return Printf("%d 不明", static_cast<int>(type));
}

std::string FileFlagsText(uint32_t flags) {
  static const std::pair<uint32_t, const char*> words[] = {
      {0x1, "VS_FF_DEBUG "},        {0x10, "VS_FF_INFOINFERRED "}, {0x4, "VS_FF_PATCHED "},
      {0x2, "VS_FF_PRERELEASE "},   {0x8, "VS_FF_PRIVATEBUILD "},  {0x20, "VS_FF_SPECIALBUILD "}};
  std::string out = Printf("0x%08X ", flags);
  for (const auto& w : words)
    if (flags & w.first) out += w.second;
  return out;
}

// The operating system is two numbers, not bits: the high word names the
// system (1 MS-DOS, 2 16-bit OS/2, 3 32-bit OS/2, 4 NT), the low word the
// window system (1 16-bit Windows, 2 16-bit PM, 3 32-bit PM, 4 32-bit
// Windows). Testing bits would call 32-bit OS/2 also MS-DOS.
std::string FileOsText(uint32_t os) {
  std::string out = Printf("0x%08X ", os);
  static const char* const high[] = {nullptr, "MS-DOS用 ", "16bit OS/2用 ", "32bit OS/2用 ", "NT用 "};
  static const char* const low[] = {nullptr, "16bit Windows用 ", "16bit プレゼンテーションマネージャ用 ",
                                    "32bit プレゼンテーションマネージャ用 ", "32bit Windows用 "};
  const uint32_t h = os >> 16, l = os & 0xFFFF;
  bool any = false;
  if (h >= 1 && h <= 4) out += high[h], any = true;
  if (l >= 1 && l <= 4) out += low[l], any = true;
  if (!any) out += "不明";
  return out;
}

std::vector<std::string> FileAttributeRows(uint32_t attributes) {
  static const struct {
    const char* name;
    uint32_t value;
    const char* note;
  } rows[] = {
      {"ARCHIVE", 0x20, "アーカイブ属性。"},
      {"COMPRESSED", 0x800, "圧縮されている。"},
      {"DIRECTORY", 0x10, "ディレクトリ。"},
      {"ENCRYPTED", 0x4000, "暗号化されている。"},
      {"HIDDEN", 0x2, "隠しファイル。"},
      {"NORMAL", 0x80, "ほかの属性を持たない。"},
      {"NOT_CONTENT_INDEXED", 0x2000, "内容がインデックス付けの対象外。"},
      {"OFFLINE", 0x1000, "内容がオフライン記憶装置にあり、すぐには使えない。"},
      {"READONLY", 0x1, "読み取り専用。"},
      {"REPARSE_POINT", 0x400, "再解析ポイントを持つ。"},
      {"SPARSE_FILE", 0x200, "スパースファイル。"},
      {"SYSTEM", 0x4, "システムファイル。"},
      {"TEMPORARY", 0x100, "一時ファイル。"},
  };
  std::vector<std::string> out;
  for (const auto& r : rows) {
    if (!(attributes & r.value)) continue;
    const std::string hex = Printf("0x%X", r.value);
    out.push_back(Padded(std::string("FILE_ATTRIBUTE_") + r.name, 34) + " " + std::string(6 - hex.size(), ' ') + hex +
                  " " + r.note);
  }
  return out;
}

std::string TechnologyName(int value) {
  static const char* const names[] = {"ベクタプロッタ", "ラスタディスプレイ", "ラスタプリンタ", "ラスタカメラ",
                                      "文字ストリーム", "メタファイル", "ディスプレイファイル"};
  return value >= 0 && value <= 6 ? names[value] : "未定義";
}

std::string HResultName(int32_t hr) {
  if (hr >= 0) return "S_OK";
  switch (static_cast<uint32_t>(hr)) {
    case 0x8000000A: return "E_PENDING";
    case 0x80004001: return "E_NOTIMPL";
    case 0x80004002: return "E_NOINTERFACE";
    case 0x80004003: return "E_POINTER";
    case 0x80004004: return "E_ABORT";
    case 0x80004005: return "E_FAIL";
    case 0x8000FFFF: return "E_UNEXPECTED";
    case 0x80070005: return "E_ACCESSDENIED";
    case 0x80070006: return "E_HANDLE";
    case 0x8007000E: return "E_OUTOFMEMORY";
    case 0x80070057: return "E_INVALIDARG";
    default: return "その他のエラー";
  }
}

std::vector<HexDumpLine> HexDump(const uint8_t* bytes, size_t n, bool wide) {
  static const char digits[] = "0123456789ABCDEF";
  std::vector<HexDumpLine> lines;
  if (!bytes) return lines;
  for (size_t start = 0; start < n; start += 16) {
    const size_t count = n - start < 16 ? n - start : 16;
    const uint8_t* b = bytes + start;
    HexDumpLine line;
    for (size_t i = 0; i < count; ++i) {
      line.hex += digits[b[i] >> 4];
      line.hex += digits[b[i] & 15];
      line.hex += i == 7 ? '-' : ' ';
    }
    line.hex.append(50 - line.hex.size(), ' ');
    for (size_t i = 0; i < count; ++i) {
      const uint8_t c = b[i];
      if (IsLeadByte(c)) {
        // A pair is kept whole; a lead byte whose trail byte lies on the next
        // line (or is no trail byte at all) is shown as a dot.
        if (i + 1 < count && IsTrailByte(b[i + 1])) {
          line.sjis += static_cast<char>(c);
          line.sjis += static_cast<char>(b[++i]);
        } else {
          line.sjis += '.';
        }
      } else {
        line.sjis += IsUnprintable(c) ? '.' : static_cast<char>(c);
      }
    }
    line.sjis.append(16 - line.sjis.size(), ' ');
    if (wide) {
      line.wide = u"  ";
      for (size_t i = 0; i + 1 < count; i += 2) {
        const char16_t ch = static_cast<char16_t>(b[i] | (b[i + 1] << 8));
        if (ch == 0) break;
        line.wide += ch < 0x20 || ch == 0x7F ? u'.' : ch;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

int CompareEntries(std::string_view groupA, std::string_view nameA, std::string_view groupB,
                   std::string_view nameB) {
  const int g = CompareNoCase(groupA, groupB);
  return g != 0 ? g : CompareNoCase(nameA, nameB);
}

std::string CrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 32);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace zorvik
