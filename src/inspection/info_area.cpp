// The information area under the view: status row (swatch, zoom caption,
// state icons or a transient message) and the information lines; and the
// commands that switch lines on and off.
#include "inspection/info_area.h"

#include <algorithm>
#include <iterator>

#include "commands/icons.h"
#include "commands/menu_table.h"
#include "commands/toolbar.h"
#include "inspection/info_text.h"
#include "inspection/disp_info.h"
#include "platform/screen_size.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
const char* const kColourGroup[] = {"Action_Color_RGB", "Action_Color_HTML", "Action_Color_COLORREF",
                                    "Action_Color_HSV", "Action_Color_HLS", "Action_Color_HLSWin"};
const char* const kPosGroup[] = {"Action_Pos_Screen", "Action_Pos_Monitor", "Action_Pos_Client", "Action_Pos_Length"};
const char* const kWinInfoGroup[] = {
    "Action_WinInfo_Handle",    "Action_WinInfo_ClassName",    "Action_WinInfo_Text",
    "Action_WinInfo_WindowSize", "Action_WinInfo_ClientSize",   "Action_WinInfo_Rect",
    "Action_WinInfo_ControlID", "Action_WinInfo_Style",        "Action_WinInfo_Enabled",
    "Action_WinInfo_ParentWindow", "Action_WinInfo_PID",       "Action_WinInfo_ExeName",
    "Action_WinInfo_FileVersion"};

template <size_t N>
std::pair<const char* const*, size_t> Group(const char* const (&names)[N]) {
  return {names, N};
}
}  // namespace

InfoArea::~InfoArea() {
  if (icons_) ImageList_Destroy(icons_);
}

void InfoArea::CreateIcons(int size) {
  if (icons_) ImageList_Destroy(icons_);
  HIMAGELIST drawn = ImageList_Create(kInfoIconSize, kInfoIconSize, ILC_COLOR32 | ILC_MASK, 0, 8);
  FillInfoIcons(drawn);
  icons_ = size == kInfoIconSize ? drawn : ScaledImageList(drawn, size);
  if (icons_ != drawn) ImageList_Destroy(drawn);
}

void InfoArea::Measure(HDC dc, int zoomFactor, int clientWidth) {
  SIZE a{};
  GetTextExtentPoint32W(dc, L"A", 1, &a);
  lineHeight_ = static_cast<int>(1.2 * a.cy) + 1;
  const std::wstring caption = Wide(ZoomCaption(zoomFactor));
  SIZE c{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &c);
  iconsX_ = c.cx + lineHeight_ + 4;
  SetDividerX(dividerX_, clientWidth);
}

void InfoArea::PlaceDividerForFont(HDC dc) {
  SIZE a{};
  GetTextExtentPoint32W(dc, L"A", 1, &a);
  dividerX_ = 10 * a.cx + a.cx / 2;
}

void InfoArea::SetDividerX(int x, int clientWidth) { dividerX_ = std::clamp(x, 8, std::max(8, clientWidth - 8)); }

void InfoArea::Resolve() const {
  if (!shownBy_.empty()) return;
  auto& cache = shownBy_;
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    if (std::string(item.shownBy).rfind("Action_", 0) == 0) {
      cache.emplace_back(app_.ActionNamed(item.shownBy), false);  // the length line follows its command alone
    } else {
      const MenuItemDef* m = MenuItemByName(item.shownBy);
      cache.emplace_back(m && m->command ? app_.ActionNamed(m->command) : nullptr, true);
    }
  }
  stayOnTop_ = app_.ActionNamed("Action_Opt_StayOnTop");
  smooth_ = app_.ActionNamed("Action_Capture_SmoothCapture");
  loupe_ = app_.ActionNamed("Action_Capture_Lupe");
  ruleLines_ = app_.ActionNamed("Action_Opt_LineTo");
}

bool InfoArea::LineShown(int itemIndex) const {
  Resolve();
  const auto& [a, needsEnabled] = shownBy_[static_cast<size_t>(itemIndex)];
  return a && a->Checked() && (!needsEnabled || a->Enabled());
}

int InfoArea::Height() const {
  int lines = 0;
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    if (LineShown(i)) lines += item.secondLineSlot >= 0 ? 2 : 1;
  }
  return lineHeight_ * (1 + lines);
}

void InfoArea::BindLineCommands() {
  auto relayout = [this](kit::Action&) { app_.Relayout(); };
  for (auto [names, n] : {Group(kColourGroup), Group(kPosGroup), Group(kWinInfoGroup)})
    for (size_t i = 0; i < n; ++i)
      if (kit::Action* a = app_.ActionNamed(names[i])) a->onExecute = relayout;
  if (kit::Action* a = app_.ActionNamed("Action_Opt_LineTo")) a->onExecute = relayout;
  // All on, unless all are on already: then all off.
  auto onOff = [this](const char* const* names, size_t n) {
    bool all = true;
    for (size_t i = 0; i < n; ++i)
      if (const kit::Action* a = app_.ActionNamed(names[i])) all = all && a->Checked();
    for (size_t i = 0; i < n; ++i)
      if (kit::Action* a = app_.ActionNamed(names[i])) a->SetChecked(!all);
    app_.Relayout();
  };
  const struct {
    const char* command;
    std::pair<const char* const*, size_t> group;
  } kOnOff[] = {{"Action_Color_InfoOnOff", Group(kColourGroup)},
                {"Action_Pos_InfoOnOff", Group(kPosGroup)},
                {"Action_WinInfo_InfoOnOff", Group(kWinInfoGroup)}};
  for (const auto& c : kOnOff)
    if (kit::Action* a = app_.ActionNamed(c.command)) {
      const auto group = c.group;
      a->onExecute = [onOff, group](kit::Action&) { onOff(group.first, group.second); };
    }
}

void InfoArea::Paint(HDC dc, const RECT& area, const std::wstring& statusMessage) const {
  Resolve();
  const T_DispInfo& info = capture_.Current();
  const bool active = GetActiveWindow() == app_.MainWindow();
  int bg, fg;
  if (!active) {
    bg = COLOR_BTNFACE;
    fg = COLOR_BTNTEXT;
  } else {
    bg = capture_.Paused() ? COLOR_INFOBK : COLOR_WINDOW;
    fg = capture_.Paused() ? COLOR_INFOTEXT : COLOR_WINDOWTEXT;
  }
  FillRect(dc, &area, GetSysColorBrush(bg));
  SetTextColor(dc, GetSysColor(fg));
  SetBkMode(dc, TRANSPARENT);
  const int t = area.top, h = lineHeight_;
  const int cw = area.right;

  // Status row: the zoom caption and state icons, or the transient message.
  if (statusMessage.empty()) {
    const std::wstring caption = Wide(ZoomCaption(capture_.ZoomFactor()));
    TextOutW(dc, h + 2, t + 2, caption.c_str(), static_cast<int>(caption.size()));
    int iw = 14, ih = 14;
    ImageList_GetIconSize(icons_, &iw, &ih);
    auto icon = [&](int index, int slot, bool on) {
      if (on) ImageList_Draw(icons_, index, dc, iconsX_ + slot * iw, t + 1, ILD_TRANSPARENT);
    };
    icon(0, 0, capture_.HoldsWriteCache());
    icon(1, 1, stayOnTop_ && stayOnTop_->Checked());
    icon(2, 2, smooth_ && smooth_->Checked());
    icon(3, 3, capture_.Paused());
    icon(4, 5, loupe_ && loupe_->Checked());
    icon(5, 5, capture_.Fixed());
    if (capture_.Fixed()) {
      wchar_t text[64];
      swprintf(text, 64, L"(%d,%d) ", info.InspectedX, info.InspectedY);
      TextOutW(dc, iconsX_ + 6 * iw, t + 2, text, static_cast<int>(wcslen(text)));
    }
  } else {
    TextOutW(dc, h + 2, t + 2, statusMessage.c_str(), static_cast<int>(statusMessage.size()));
  }
  // Colour swatch with a black frame; the pen stays black for the lines.
  HBRUSH swatch = CreateSolidBrush(static_cast<COLORREF>(info.ColorRef));
  RECT sr{area.left + 2, t + 3, h - 2, t + h - 2};
  FillRect(dc, &sr, swatch);
  DeleteObject(swatch);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  POINT frame[5] = {{area.left + 1, t + 2}, {h - 2, t + 2}, {h - 2, t + h - 2}, {area.left + 1, t + h - 2},
                    {area.left + 1, t + 2}};
  Polyline(dc, frame, 5);

  // The information lines.
  const bool rules = ruleLines_ && ruleLines_->Checked();
  int y = t + 2 + h;
  if (!rules) {
    MoveToEx(dc, 0, y - 2, nullptr);
    LineTo(dc, cw, y - 2);
  }
  const InfoFigures figures = InfoFiguresOf(info, ScreenSize().Layout());
  HBRUSH bgBrush = GetSysColorBrush(bg);
  auto paintLine = [&](int slot) {
    const std::wstring value = Wide(LineValue(slot, info, figures));
    const std::wstring label = Wide(DisplayLabel(slot));
    if (rules) {
      MoveToEx(dc, 0, y - 2, nullptr);
      LineTo(dc, cw, y - 2);
    }
    TextOutW(dc, 2, y, label.c_str(), static_cast<int>(label.size()));
    RECT cell{dividerX_ + 1, y - 1, cw, y + h};
    FillRect(dc, &cell, bgBrush);
    RECT text{dividerX_ + 3, y - 1, cw, y + h};
    DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    y += h;
  };
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    if (!LineShown(i)) continue;
    paintLine(item.lineSlot);
    if (item.secondLineSlot >= 0) paintLine(item.secondLineSlot);
  }
  // Column separator and the area's top border.
  if (t + h + 1 < area.bottom) {
    MoveToEx(dc, dividerX_, t + h + 1, nullptr);
    LineTo(dc, dividerX_, area.bottom);
  }
  HPEN border = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  SelectObject(dc, border);
  MoveToEx(dc, 0, t, nullptr);
  LineTo(dc, cw, t);
  SelectObject(dc, oldPen);
  DeleteObject(border);
}

}  // namespace zorvik
