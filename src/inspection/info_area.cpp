// The information area under the view: status row (swatch, zoom caption,
// state icons or a transient message) and the information lines; and the
// commands that switch lines on and off.
#include <iterator>

#include "commands/menu_table.h"
#include "copy/info_text.h"
#include "magnifier/main_window.h"
#include "magnifier/screen_size.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

const char* const kColourGroup[] = {"Action_Color_RGB", "Action_Color_HTML", "Action_Color_COLORREF",
                                    "Action_Color_HSV", "Action_Color_HLS", "Action_Color_HLSWin"};
const char* const kPosGroup[] = {"Action_Pos_Screen", "Action_Pos_Monitor", "Action_Pos_Client", "Action_Pos_Length"};
const char* const kWinInfoGroup[] = {
    "Action_WinInfo_Handle",    "Action_WinInfo_ClassName",    "Action_WinInfo_Text",
    "Action_WinInfo_WindowSize", "Action_WinInfo_ClientSize",   "Action_WinInfo_Rect",
    "Action_WinInfo_ControlID", "Action_WinInfo_Style",        "Action_WinInfo_Enabled",
    "Action_WinInfo_ParentWindow", "Action_WinInfo_PID",       "Action_WinInfo_ExeName",
    "Action_WinInfo_FileVersion"};
}  // namespace

bool TApp_Zorvik::LineShown(int itemIndex) const {
  if (lineShownBy_.empty()) {
    auto& cache = lineShownBy_;
    for (int i = 0; i < InfoLineItemCount(); ++i) {
      const InfoLineItem& item = InfoLineItems()[i];
      if (std::string(item.shownBy).rfind("Action_", 0) == 0) {
        cache.emplace_back(actions_.Find(item.shownBy), false);  // the length line follows its command alone
      } else {
        const MenuItemDef* m = MenuItemByName(item.shownBy);
        cache.emplace_back(m && m->command ? actions_.Find(m->command) : nullptr, true);
      }
    }
  }
  const auto& [a, needsEnabled] = lineShownBy_[static_cast<size_t>(itemIndex)];
  return a && a->Checked() && (!needsEnabled || a->Enabled());
}

int TApp_Zorvik::InfoAreaHeight() const {
  int lines = 0;
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    if (LineShown(i)) lines += item.secondLineSlot >= 0 ? 2 : 1;
  }
  return lineHeight_ * (1 + lines);
}

void TApp_Zorvik::BuildInfoLineActions() {
  auto relayout = [this](kit::Action&) { FormResize(); };
  for (const char* const* group : {kColourGroup, kPosGroup}) {
    const size_t n = group == kColourGroup ? std::size(kColourGroup) : std::size(kPosGroup);
    for (size_t i = 0; i < n; ++i) On(group[i], relayout);
  }
  for (const char* name : kWinInfoGroup) On(name, relayout);
  On("Action_Opt_LineTo", relayout);
  auto onOff = [this](const char* const* names, size_t n) {
    bool all = true;
    for (size_t i = 0; i < n; ++i)
      if (const kit::Action* a = actions_.Find(names[i])) all = all && a->Checked();
    for (size_t i = 0; i < n; ++i)
      if (kit::Action* a = actions_.Find(names[i])) a->SetChecked(!all);
    FormResize();
  };
  On("Action_Color_InfoOnOff", [onOff](kit::Action&) { onOff(kColourGroup, std::size(kColourGroup)); });
  On("Action_Pos_InfoOnOff", [onOff](kit::Action&) { onOff(kPosGroup, std::size(kPosGroup)); });
  On("Action_WinInfo_InfoOnOff", [onOff](kit::Action&) { onOff(kWinInfoGroup, std::size(kWinInfoGroup)); });
}

void TApp_Zorvik::ShowStatusMessage(const std::wstring& text) {
  statusMessage_ = text;
  if (!TimerRunning(kTimerInfomation))
    StartTimer(kTimerInfomation, 2000, [this] {
      statusMessage_.clear();
      StopTimer(kTimerInfomation);
      RefreshView();
    });
  RefreshView();
}

void TApp_Zorvik::PaintInfoArea() {
  HDC dc = back_.dc;
  const bool active = GetActiveWindow() == Handle();
  int bg, fg, pen;
  if (!active) {
    bg = COLOR_BTNFACE;
    fg = COLOR_BTNTEXT;
    pen = COLOR_BTNSHADOW;
  } else {
    bg = Paused() ? COLOR_INFOBK : COLOR_WINDOW;
    fg = Paused() ? COLOR_INFOTEXT : COLOR_WINDOWTEXT;
    pen = COLOR_BTNFACE;
  }
  FillRect(dc, &infoRect_, GetSysColorBrush(bg));
  SetTextColor(dc, GetSysColor(fg));
  SetBkMode(dc, TRANSPARENT);
  const int t = infoRect_.top, h = lineHeight_;
  const int cw = infoRect_.right;

  // Status row: the zoom caption and state icons, or the transient message.
  if (statusMessage_.empty()) {
    const std::wstring caption = Wide(ZoomCaption(zoomFactor_));
    TextOutW(dc, h + 2, t + 2, caption.c_str(), static_cast<int>(caption.size()));
    int iw = 14, ih = 14;
    ImageList_GetIconSize(imageInfoIcon_, &iw, &ih);
    auto icon = [&](int index, int slot, bool on) {
      if (on) ImageList_Draw(imageInfoIcon_, index, dc, iconsX_ + slot * iw, t + 1, ILD_TRANSPARENT);
    };
    const kit::Action* top = actions_.Find("Action_Opt_StayOnTop");
    const kit::Action* smooth = actions_.Find("Action_Capture_SmoothCapture");
    const kit::Action* lupe = actions_.Find("Action_Capture_Lupe");
    icon(0, 0, writeCache_.Handle != 0);
    icon(1, 1, top && top->Checked());
    icon(2, 2, smooth && smooth->Checked());
    icon(3, 3, Paused());
    icon(4, 5, lupe && lupe->Checked());
    icon(5, 5, Fixed());
    if (Fixed()) {
      wchar_t text[64];
      swprintf(text, 64, L"(%d,%d) ", info_.InspectedX, info_.InspectedY);
      TextOutW(dc, iconsX_ + 6 * iw, t + 2, text, static_cast<int>(wcslen(text)));
    }
  } else {
    TextOutW(dc, h + 2, t + 2, statusMessage_.c_str(), static_cast<int>(statusMessage_.size()));
  }
  // Colour swatch with a black frame; the pen stays black for the lines.
  HBRUSH swatch = CreateSolidBrush(static_cast<COLORREF>(info_.ColorRef));
  RECT sr{infoRect_.left + 2, t + 3, h - 2, t + h - 2};
  FillRect(dc, &sr, swatch);
  DeleteObject(swatch);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  POINT frame[5] = {{infoRect_.left + 1, t + 2}, {h - 2, t + 2}, {h - 2, t + h - 2}, {infoRect_.left + 1, t + h - 2},
                    {infoRect_.left + 1, t + 2}};
  Polyline(dc, frame, 5);

  // The information lines.
  const kit::Action* ruleLines = actions_.Find("Action_Opt_LineTo");
  const bool rules = ruleLines && ruleLines->Checked();
  int y = t + 2 + h;
  if (!rules) {
    MoveToEx(dc, 0, y - 2, nullptr);
    LineTo(dc, cw, y - 2);
  }
  const InfoFigures figures = InfoFiguresOf(info_, ScreenSize().Layout());
  HBRUSH bgBrush = GetSysColorBrush(bg);
  auto paintLine = [&](int slot) {
    const std::wstring value = Wide(LineValue(slot, info_, figures));
    const std::wstring label = Wide(DisplayLabel(slot));
    if (rules) {
      MoveToEx(dc, 0, y - 2, nullptr);
      LineTo(dc, cw, y - 2);
    }
    TextOutW(dc, 2, y, label.c_str(), static_cast<int>(label.size()));
    RECT cell{separatorX_ + 1, y - 1, cw, y + h};
    FillRect(dc, &cell, bgBrush);
    RECT text{separatorX_ + 3, y - 1, cw, y + h};
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
  if (t + h + 1 < infoRect_.bottom) {
    MoveToEx(dc, separatorX_, t + h + 1, nullptr);
    LineTo(dc, separatorX_, infoRect_.bottom);
  }
  HPEN border = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  SelectObject(dc, border);
  MoveToEx(dc, 0, t, nullptr);
  LineTo(dc, cw, t);
  SelectObject(dc, oldPen);
  DeleteObject(border);
  (void)pen;
}

}  // namespace zorvik
