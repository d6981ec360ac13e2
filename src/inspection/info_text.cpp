#include "inspection/info_text.h"

#include <iterator>

namespace zorvik {
namespace {

constexpr InfoLineItem kItems[] = {
    {1, -1, "MenuItem_Color_RGB", {1, 2, 3, 4, -1}},
    {5, -1, "MenuItem_Color_HTML", {5, -1}},
    {6, -1, "MenuItem_Color_ColorRef", {6, -1}},
    {7, -1, "MenuItem_Color_HSV", {7, 8, 9, 10, -1}},
    {11, -1, "MenuItem_Color_HLS", {11, 12, 13, 14, -1}},
    {15, -1, "MenuItem_Color_HLSWin", {15, 16, 17, 18, -1}},
    {19, -1, "MenuItem_Pos_Screen", {19, 48, 49, -1}},
    {20, -1, "MenuItem_Pos_Monitor", {20, 50, 51, -1}},
    {21, -1, "MenuItem_Pos_Client", {21, 52, 53, -1}},
    {22, -1, "Action_Pos_Length", {22, 54, 55, -1}},
    {24, -1, "MenuItem_WinInfo_Handle", {24, -1}},
    {25, -1, "MenuItem_WinInfo_ClassName", {25, -1}},
    {26, -1, "MenuItem_WinInfo_Text", {26, -1}},
    {27, -1, "MenuItem_WinInfo_WindowSize", {27, 38, 39, 40, 41}},
    {28, -1, "MenuItem_WinInfo_ClientSize", {28, 42, 43, -1}},
    {29, -1, "MenuItem_WinInfo_Rect", {29, 44, 45, 46, 47}},
    {30, -1, "MenuItem_WinInfo_ControlID", {30, -1}},
    {31, 32, "MenuItem_WinInfo_Style", {31, 32, -1}},
    {33, -1, "MenuItem_WinInfo_Enabled", {-1}},
    {34, -1, "MenuItem_WinInfo_ParentWindow", {-1}},
    {35, -1, "MenuItem_WinInfo_PID", {35, -1}},
    {36, -1, "MenuItem_WinInfo_ExeName", {36, -1}},
    {37, -1, "MenuItem_WinInfo_FileVersion", {37, -1}},
};

FormatArgs Triple(const ColourTriple& t) { return {int32_t{t.h}, int32_t{t.s}, int32_t{t.third}}; }

}  // namespace

InfoFigures InfoFiguresOf(const T_DispInfo& info, const MonitorLayout& monitors) {
  InfoFigures f;
  f.hsv = RgbToHsv(info.R, info.G, info.B, kHueScale, kPercentScale, kPercentScale);
  f.hls = RgbToHls(info.R, info.G, info.B, kHueScale, kPercentScale, kPercentScale);
  f.hlsWin = RgbToHls(info.R, info.G, info.B, kWinScale, kWinScale, kWinScale);
  const std::string_view name = ColorName(static_cast<uint32_t>(info.R) << 16 | info.G << 8 | info.B);
  f.colourName.assign(name.begin(), name.end());  // ASCII
  f.pos = PositionFiguresOf(info, monitors);
  return f;
}

const InfoLineItem* InfoLineItems() { return kItems; }
int InfoLineItemCount() { return static_cast<int>(std::size(kItems)); }

FormatArgs LineArguments(int slot, const T_DispInfo& d, const InfoFigures& f) {
  const PositionFigures& p = f.pos;
  switch (slot) {
    case 1: return {int32_t{d.R}, int32_t{d.G}, int32_t{d.B}};
    case 5: return {d.Html, f.colourName};
    case 6: return {d.ColorRef, 0, f.colourName};
    case 7: return Triple(f.hsv);
    case 11: return Triple(f.hls);
    case 15: return Triple(f.hlsWin);
    case 19: return {p.screen.x, p.screen.y};
    case 20: return {p.monitor.x, p.monitor.y, p.monitor.number};
    case 21: return {p.client.x, p.client.y, p.clientOrigin.x, p.clientOrigin.y};
    case 22: return {p.length.width, p.length.height, p.lengthOrigin.x, p.lengthOrigin.y};
    case 24: return {FormatArg::Handle(d.Handle)};
    case 25: return {d.ClassName};
    case 26: return {d.Text};
    case 27: return {d.PosWidth, d.PosHeight, d.PosLeft, d.PosTop};
    case 28: return {d.ClientWidth, d.ClientHeight};
    case 29: return {d.RectLeft, d.RectTop, d.RectRight, d.RectBottom};
    case 30: return {d.ControlId};
    case 31: return {d.Style};
    case 32: return {d.ExStyle};
    case 33: return {d.Enabled ? u"True" : u"False"};
    case 34: return {FormatArg::Handle(d.ParentHandle), d.ParentClassName, d.ParentText};
    case 35: return {d.ProcessId};
    case 36: return {d.Executable};
    case 37: return {d.FileVersion};
    default: return {};
  }
}

FormatArgs CopyArguments(int slot, const T_DispInfo& d, const InfoFigures& f) {
  const PositionFigures& p = f.pos;
  switch (slot) {
    case 1: return {int32_t{d.R}, int32_t{d.G}, int32_t{d.B}};
    case 2: return {int32_t{d.R}};
    case 3: return {int32_t{d.G}};
    case 4: return {int32_t{d.B}};
    case 5: return {d.Html};
    case 6: return {d.ColorRef, f.colourName};
    case 7: return Triple(f.hsv);
    case 8: return {int32_t{f.hsv.h}};
    case 9: return {int32_t{f.hsv.s}};
    case 10: return {int32_t{f.hsv.third}};
    case 11: return Triple(f.hls);
    case 12: return {int32_t{f.hls.h}};
    case 13: return {int32_t{f.hls.s}};
    case 14: return {int32_t{f.hls.third}};
    case 15: return Triple(f.hlsWin);
    case 16: return {int32_t{f.hlsWin.h}};
    case 17: return {int32_t{f.hlsWin.s}};
    case 18: return {int32_t{f.hlsWin.third}};
    case 19: return {p.screen.x, p.screen.y};
    case 20: return {p.monitor.x, p.monitor.y};
    case 21: return {p.client.x, p.client.y};
    case 22: return {p.length.width, p.length.height, p.lengthOrigin.x, p.lengthOrigin.y};
    case 24: return {FormatArg::Handle(d.Handle)};
    case 25: return {d.ClassName};
    case 26: return {d.Text};
    case 27: return {d.PosLeft, d.PosTop, d.PosWidth, d.PosHeight, u"", u""};
    case 28: return {d.ClientWidth, d.ClientHeight};
    case 29: return {d.RectLeft, d.RectTop, d.RectRight, d.RectBottom};
    case 30: return {d.ControlId};
    case 31: return {d.Style};
    case 32: return {d.ExStyle};
    case 35: return {d.ProcessId};
    case 36: return {d.Executable, FileNameOnly(d.Executable)};
    case 37: return {d.FileVersion};
    case 38: return {d.PosLeft};
    case 39: return {d.PosTop};
    case 40: return {d.PosWidth};
    case 41: return {d.PosHeight};
    case 42: return {d.ClientWidth};
    case 43: return {d.ClientHeight};
    case 44: return {d.RectLeft};
    case 45: return {d.RectTop};
    case 46: return {d.RectRight};
    case 47: return {d.RectBottom};
    case 48: return {p.screen.x};
    case 49: return {p.screen.y};
    case 50: return {p.monitor.x};
    case 51: return {p.monitor.y};
    case 52: return {p.client.x};
    case 53: return {p.client.y};
    case 54: return {p.length.width};
    case 55: return {p.length.height};
    default: return {};
  }
}

std::u16string LineValue(int slot, const T_DispInfo& info, const InfoFigures& figures) {
  const std::u16string& format = DisplayFormat(slot);
  if (slot <= 0 || format.empty()) return {};
  return ExpandFormat(format, LineArguments(slot, info, figures), FormatMode::kLenient);
}

std::u16string CopyItemValue(int slot, const CopyFormats& formats, const T_DispInfo& info,
                             const InfoFigures& figures) {
  return ExpandFormat(formats.CopyFormat(slot), CopyArguments(slot, info, figures), CopyFormatMode(slot));
}

std::u16string CopyAllText(const T_DispInfo& info, const InfoFigures& figures) {
  std::u16string all;
  bool first = true;
  auto add = [&](int slot) {
    if (!first) all += u"\r\n";
    first = false;
    all += LineValue(slot, info, figures);
  };
  for (const InfoLineItem& item : kItems) {
    add(item.lineSlot);
    if (item.secondLineSlot >= 0) add(item.secondLineSlot);
  }
  return TrimTrailingBlanks(all);
}

std::u16string CollectInfoText(std::string_view command, const CopyFormats& formats, const T_DispInfo& info,
                               const InfoFigures& figures) {
  if (command == "Action_Copy_All") return CopyAllText(info, figures);
  const int slot = SlotOfCommand(command);
  if (slot <= 0) return {};  // not a value item (the picture is slot 0)
  for (const InfoLineItem& item : kItems)
    for (int s : item.copySlots) {
      if (s < 0) break;
      if (s == slot) return TrimTrailingBlanks(CopyItemValue(slot, formats, info, figures));
    }
  return {};
}

std::u16string TrimTrailingBlanks(std::u16string_view text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] <= u' ') --n;
  return std::u16string(text.substr(0, n));
}

std::u16string ZoomCaption(int zoom) { return ExpandFormat(DisplayFormat(0), {zoom}, FormatMode::kLenient); }

std::u16string CopiedMessage(std::u16string_view caption, std::u16string_view text) {
  return ExpandFormat(u"%sをコピー %s", {caption, text}, FormatMode::kLenient);
}

std::u16string FileNameOnly(std::u16string_view path) {
  const size_t cut = path.find_last_of(u"\\/:");
  return std::u16string(cut == std::u16string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace zorvik
