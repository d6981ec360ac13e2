#include "custom/format_pieces.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "commands/command_table.h"
#include "commands/command_text.h"
#include "inspection/info_text.h"
#include "platform/text.h"

namespace zorvik {

const char kZoomGridCheckName[] = "chkCopy_ZoomGrid";
const char kZoomGridCheckCaption[] = "グリッド・カーソルポイント";
const char kZoomInfoCheckName[] = "chkCopy_ZoomInfo";
const char kZoomInfoCheckCaption[] = "情報表示欄";

namespace {

using K = CopyPanelKind;
using S = SampleKind;
constexpr char kHex[] = "16進";

// name, group, slot, title, kind, specifiers, checked / unchecked specifier,
// check box and caption, samples.
const CopyPanelDef kPanels[] = {
    {"Zoom", "Zoom", 0, "ズーム画像", K::kOptions, 0, nullptr, nullptr, nullptr, nullptr, S::kDecimal, {}},
    {"ColorRGB", "Color", 1, "RGB (赤, 緑, 青)", K::kPieces, 3, u"%x", u"%d", "chkCopy_ColorRGBHex", kHex,
     S::kDecimal, {u"255", u"255", u"255"}},
    {"ColorRGBRed", "Color", 2, "RGB - 赤", K::kPieces, 1, u"%x", u"%d", "chkCopy_ColorRGBRedHex", kHex,
     S::kDecimal, {u"255"}},
    {"ColorRGBGreen", "Color", 3, "RGB - 緑", K::kPieces, 1, u"%x", u"%d", "chkCopy_ColorRGBGreenHex", kHex,
     S::kDecimal, {u"255"}},
    {"ColorRGBBlue", "Color", 4, "RGB - 青", K::kPieces, 1, u"%x", u"%d", "chkCopy_ColorRGBBlueHex", kHex,
     S::kDecimal, {u"255"}},
    {"ColorHTML", "Color", 5, "HTML", K::kPieces, 1, u"%.6x", nullptr, nullptr, nullptr, S::kHex, {u"FFFFFF"}},
    {"ColorCOLORREF", "Color", 6, "COLORREF", K::kPieces, 1, u"%.6x", u"%d", "chkCopy_ColorCOLORREFHex", kHex,
     S::kDecimal, {u"16777215"}},
    {"ColorHSV", "Color", 7, "HSV (色相, 彩度, 明度)", K::kPieces, 3, u"%d", nullptr, nullptr, nullptr,
     S::kDecimal, {u"180", u"50", u"50"}},
    {"ColorHLS", "Color", 11, "HLS (色相, 彩度, 輝度)", K::kPieces, 3, u"%d", nullptr, nullptr, nullptr,
     S::kDecimal, {u"180", u"50", u"50"}},
    {"ColorHLSWin", "Color", 15, "HLS Windows (色あい, 鮮やかさ, 明るさ)", K::kPieces, 3, u"%d", nullptr, nullptr,
     nullptr, S::kDecimal, {u"120", u"120", u"120"}},
    {"PosScreen", "Pos", 19, "スクリーン座標 (X, Y)", K::kPieces, 2, u"%d", nullptr, nullptr, nullptr, S::kDecimal,
     {u"1024", u"768"}},
    {"PosMonitor", "Pos", 20, "モニター座標 (X, Y)", K::kPieces, 2, u"%d", nullptr, nullptr, nullptr, S::kDecimal,
     {u"1024", u"768"}},
    {"PosClient", "Pos", 21, "クライアント座標 (X, Y)", K::kPieces, 2, u"%d", nullptr, nullptr, nullptr,
     S::kDecimal, {u"320", u"240"}},
    {"PosUser", "Pos", 22, "長さ (幅, 高さ, 原点X, 原点Y)", K::kLength, 4, u"%d", nullptr, "chkCopy_PosUserOrigin",
     "長さの原点を含める", S::kDecimal, {u"100", u"100", u"100", u"100"}},
    {"WinInfoHandle", "WinInfo", 24, "ハンドル", K::kPieces, 1, u"%x", u"%d", "chkCopy_WinInfoHandleHex", kHex,
     S::kDecimal, {u"16777215"}},
    {"WinInfoClassName", "WinInfo", 25, "クラス名", K::kPieces, 1, u"%s", nullptr, nullptr, nullptr, S::kText,
     {u"TPanel"}},
    {"WinInfoText", "WinInfo", 26, "ウィンドウテキスト", K::kPieces, 1, u"%s", nullptr, nullptr, nullptr, S::kText,
     {u"サンプル"}},
    {"WinInfoWindowSize", "WinInfo", 27, "ウィンドウサイズ (Left, Top, Width, Height)", K::kPieces, 4, u"%d",
     nullptr, nullptr, nullptr, S::kDecimal, {u"100", u"100", u"640", u"480"}},
    {"WinInfoClientSize", "WinInfo", 28, "クライアントサイズ (Width, Height)", K::kPieces, 2, u"%d", nullptr,
     nullptr, nullptr, S::kDecimal, {u"320", u"240"}},
    {"WinInfoRect", "WinInfo", 29, "RECT (Left, Top, Right, Bottom)", K::kPieces, 4, u"%d", nullptr, nullptr,
     nullptr, S::kDecimal, {u"0", u"0", u"1024", u"768"}},
    {"WinInfoControlID", "WinInfo", 30, "コントロールID", K::kPieces, 1, u"%d", nullptr, nullptr, nullptr,
     S::kDecimal, {u"1"}},
    {"WinInfoStyle", "WinInfo", 31, "ウィンドウスタイル", K::kPieces, 1, u"%x", u"%d", "chkCopy_WinInfoStyleHex",
     kHex, S::kDecimal, {u"16777215"}},
    {"WinInfoStyleEx", "WinInfo", 32, "拡張ウィンドウスタイル", K::kPieces, 1, u"%x", u"%d",
     "chkCopy_WinInfoStyleExHex", kHex, S::kDecimal, {u"16777215"}},
    {"WinInfoPID", "WinInfo", 35, "プロセスID", K::kPieces, 1, u"%x", u"%d", "chkCopy_WinInfoPIDHex", kHex,
     S::kDecimal, {u"16777215"}},
    {"WinInfoExeName", "WinInfo", 36, "実行ファイル名", K::kPieces, 1, u"%1:s", u"%0:s",
     "chkCopy_WinInfoExeNameFileName", "ファイル名のみ", S::kPath, {u"C:\\Windows\\calc.exe"}},
    {"WinInfoFileVersion", "WinInfo", 37, "ファイルバージョン", K::kPieces, 1, u"%s", nullptr, nullptr, nullptr,
     S::kText, {u"2.1.5.96"}},
};

constexpr int kLengthSlot = 22;
constexpr int kOriginSlot = 23;

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x - u'A' + u'a');
    if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y - u'A' + u'a');
    if (x != y) return false;
  }
  return true;
}

// A whole format split by NextSpecifier: literal pieces and the specifiers
// between them (pieces.size() == specifiers.size() + 1).
struct Split {
  std::vector<std::u16string> pieces{std::u16string()};
  std::vector<std::u16string> specifiers;
};

Split SplitAll(std::u16string format, const std::vector<std::u16string>& allowed) {
  Split s;
  while (!format.empty()) {
    SpecifierSplit next = NextSpecifier(format, &allowed);
    s.pieces.back() += next.literal;
    if (next.HasSpecifier()) {
      s.specifiers.push_back(std::move(next.specifier));
      s.pieces.emplace_back();
    }
  }
  return s;
}

// The panel shows one choice for all its specifiers and a fixed number of
// them; anything else it cannot show is reported like a specifier that is
// not allowed (naming the first specifier that differs, or the count).
void RequireShape(const Split& s, size_t count, const std::vector<std::u16string>& allowed) {
  for (const std::u16string& specifier : s.specifiers)
    if (!SameIgnoringCase(specifier, s.specifiers.front())) throw EFormatTypeError(allowed, specifier);
  if (s.specifiers.size() != count) {
    std::u16string found;
    for (const std::u16string& specifier : s.specifiers) found += specifier;
    throw EFormatTypeError(allowed, found.empty() ? std::u16string(u"-") : found);
  }
}

bool OptionOn(const std::u16string& options, size_t i) { return i >= options.size() || options[i] != u'0'; }

std::u16string Join(const std::vector<std::u16string>& pieces, size_t from, size_t to, std::u16string_view specifier) {
  std::u16string out;
  for (size_t i = from; i <= to; ++i) {
    if (i > from) out += specifier;
    out += EscapePercent(pieces[i]);
  }
  return out;
}

const CommandDef* CopyCommandOf(const CopyPanelDef& panel) { return CommandByName(CopyCommandOfSlot(panel.slot)); }

}  // namespace

const CopyPanelDef* CopyPanels() { return kPanels; }
size_t CopyPanelCount() { return std::size(kPanels); }

const CopyPanelDef* CopyPanelByName(std::string_view name) {
  for (const CopyPanelDef& p : kPanels)
    if (name == p.name) return &p;
  return nullptr;
}

const CopyPanelDef* CopyPanelOfSlot(int slot) {
  if (slot == kOriginSlot) slot = kLengthSlot;
  for (const CopyPanelDef& p : kPanels)
    if (p.slot == slot) return &p;
  return nullptr;
}

std::string PieceBoxName(const CopyPanelDef& panel, int piece) {
  // The control identifier's boxes carry "Edit" in their names.
  const char* infix = std::string_view(panel.name) == "WinInfoControlID" ? "Edit" : "";
  return std::string("edtCopy_") + panel.name + infix + std::to_string(piece + 1);
}
std::string ResetActionName(const CopyPanelDef& panel) { return std::string("actCopy_") + panel.name + "Reset"; }
std::string PreviewLabelName(const CopyPanelDef& panel) { return std::string("lblCopy_") + panel.name + "Disp"; }

std::u16string EscapePercent(std::u16string_view piece) {
  std::u16string out;
  out.reserve(piece.size() + 4);
  for (char16_t c : piece) {
    out += c;
    if (c == u'%') out += u'%';
  }
  return out;
}

CopyPanelState SplitCopyPanel(const CopyPanelDef& panel, const CopyFormats& formats) {
  CopyPanelState state;
  const std::u16string& stored = formats.CopyFormat(panel.slot);
  if (panel.kind == K::kOptions) {
    state.checked = OptionOn(stored, 0);
    state.infoArea = OptionOn(stored, 1);
    return state;
  }
  const std::vector<std::u16string> allowed = AllowedSpecifiers(panel.slot);
  Split s = SplitAll(stored, allowed);
  if (panel.kind == K::kLength) {
    // With the origin on, slot 22 holds all four specifiers and the origin
    // pieces in use; with it off, two, and slot 23 keeps the origin pieces.
    RequireShape(s, s.specifiers.size() == 4 ? 4 : 2, allowed);
    state.checked = s.specifiers.size() == 4;
    if (state.checked) {
      state.pieces = std::move(s.pieces);
    } else {
      Split origin = SplitAll(formats.CopyFormat(kOriginSlot), AllowedSpecifiers(kOriginSlot));
      RequireShape(origin, 2, allowed);
      // Slot 23 is only ever written here, as piece3 %d piece4 %d.
      if (!origin.pieces[2].empty()) throw EFormatTypeError(allowed, origin.pieces[2]);
      state.pieces = {s.pieces[0], s.pieces[1], origin.pieces[0], origin.pieces[1], s.pieces[2]};
    }
    return state;
  }
  RequireShape(s, static_cast<size_t>(panel.specifiers), allowed);
  // Case is ignored: "%X" and "%x" give the same upper-case digits.
  state.checked = panel.HasChoice() && SameIgnoringCase(s.specifiers.front(), panel.checkedSpecifier);
  state.pieces = std::move(s.pieces);
  return state;
}

std::vector<std::pair<int, std::u16string>> BuildCopyPanel(const CopyPanelDef& panel, const CopyPanelState& state) {
  std::vector<std::u16string> pieces = state.pieces;
  pieces.resize(static_cast<size_t>(panel.PieceCount()));
  switch (panel.kind) {
    case K::kOptions:
      return {{panel.slot, std::u16string(state.checked ? u"1" : u"0") + (state.infoArea ? u"1" : u"0")}};
    case K::kLength: {
      const std::u16string_view d = panel.checkedSpecifier;
      std::u16string length = Join(pieces, 0, 1, d) + std::u16string(d);
      length += state.checked ? Join(pieces, 2, 4, d) : EscapePercent(pieces[4]);
      std::u16string origin = Join(pieces, 2, 3, d) + std::u16string(d);
      return {{kLengthSlot, std::move(length)}, {kOriginSlot, std::move(origin)}};
    }
    case K::kPieces:
      break;
  }
  const char16_t* specifier = state.checked || !panel.uncheckedSpecifier ? panel.checkedSpecifier
                                                                     : panel.uncheckedSpecifier;
  return {{panel.slot, Join(pieces, 0, pieces.size() - 1, specifier)}};
}

void StoreCopyPanel(const CopyPanelDef& panel, const CopyPanelState& state, CopyFormats& formats) {
  for (auto& [slot, format] : BuildCopyPanel(panel, state)) formats.SetCopyFormat(slot, std::move(format));
}

CopyPanelLoad LoadCopyPanel(const CopyPanelDef& panel, const CopyFormats& formats) {
  CopyPanelLoad load;
  try {
    load.state = SplitCopyPanel(panel, formats);
  } catch (const EFormatError&) {
    CopyFormats defaults;  // every slot at its built-in default
    load.state = SplitCopyPanel(panel, defaults);
    load.fits = false;
    load.notice = MisfitNoticeOf(panel);
  }
  return load;
}

CopyPanelState ResetCopyPanel(const CopyPanelDef& panel, CopyFormats& formats) {
  formats.SetCopyFormat(panel.slot, DefaultCopyFormat(panel.slot));
  if (panel.kind == K::kLength) formats.SetCopyFormat(kOriginSlot, DefaultCopyFormat(kOriginSlot));
  return SplitCopyPanel(panel, formats);
}

FormatArgs CopyPanelSampleArgs(const CopyPanelDef& panel) {
  FormatArgs args;
  for (const char16_t* sample : panel.samples) {
    if (!sample) break;
    const std::string text = ToUtf8(sample);
    switch (panel.sampleKind) {
      case S::kDecimal:
        args.emplace_back(static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10)));
        break;
      case S::kHex:
        args.emplace_back(static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16)));
        break;
      case S::kText:
        args.emplace_back(std::u16string(sample));
        break;
      case S::kPath:
        args.emplace_back(std::u16string(sample));
        args.emplace_back(FileNameOnly(sample));
        break;
    }
  }
  return args;
}

std::u16string CopyPanelPreview(const CopyPanelDef& panel, const CopyFormats& formats) {
  if (panel.kind == K::kOptions) return {};
  try {
    return ExpandFormat(formats.CopyFormat(panel.slot), CopyPanelSampleArgs(panel), FormatMode::kStrict);
  } catch (const EFormatError& e) {
    return e.Message();
  }
}

std::string ResetHintOf(const CopyPanelDef& panel) {
  const CommandDef* command = CopyCommandOf(panel);
  return (command ? CaptionWithoutAccelerator(command->caption) : std::string(panel.title)) +
         "のコピー形式をデフォルトの設定に戻す";
}

std::u16string MisfitNoticeOf(const CopyPanelDef& panel) {
  const CommandDef* command = CopyCommandOf(panel);
  const std::string item = command ? CommandDisplayText(*command) : std::string(panel.title);
  return FromUtf8(item) + u"\r/コピー形式文字列にエラーがあります\r初期値に戻します";
}

}  // namespace zorvik
