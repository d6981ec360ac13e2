#include "platform/win_dpi.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/dpi_sizes.h"

namespace zorvik {

namespace {

void SetHeight(HWND control, int height) {
  RECT r;
  if (!GetWindowRect(control, &r)) return;
  SetWindowPos(control, nullptr, 0, 0, r.right - r.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// The height of a line in the control's font (its cell), 0 when unknown.
int ControlFontCell(HWND control) {
  HDC dc = GetDC(control);
  if (!dc) return 0;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICW tm{};
  const BOOL ok = GetTextMetricsW(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(control, dc);
  return ok ? static_cast<int>(tm.tmHeight) : 0;
}

int WindowHeight(HWND control) {
  RECT r{0, 0, 0, 0};
  GetWindowRect(control, &r);
  return r.bottom - r.top;
}

}  // namespace

int ControlFontHeight(HWND control) {
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (font == nullptr) font = GetStockObject(SYSTEM_FONT);
  LOGFONTW lf{};
  if (GetObjectW(font, sizeof lf, &lf) == 0) return 0;
  return lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
}

void FitDropDownList(HWND comboBox, int minimum) {
  const int height = HeightForFont(ControlFontHeight(comboBox), minimum, ItemHeightFactor);
  SendMessageW(comboBox, CB_SETITEMHEIGHT, 0, height);
  if (SendMessageW(comboBox, CB_GETITEMHEIGHT, 0, 0) == height) return;
  // A combo box that is not owner-drawn ignores the request: size the items
  // of its drop-down list directly.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(comboBox, &info) && info.hwndList) SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, height);
}

void FitListBox(HWND listBox, int minimum) {
  SendMessageW(listBox, LB_SETITEMHEIGHT, 0, HeightForFont(ControlFontHeight(listBox), minimum, ItemHeightFactor));
}

void FitCheckListBox(HWND checkListBox, int minimum) {
  FitListBox(checkListBox, minimum);
}

int GridRowHeight(HWND grid, int minimum) {
  return HeightForFont(ControlFontHeight(grid), minimum, ItemHeightFactor);
}

void FitButton(HWND button) {
  SetHeight(button, HeightForFont(ControlFontHeight(button), 0, ControlHeightFactor));
}

void FitStatusBar(HWND statusBar) {
  const int wanted = HeightForFont(ControlFontHeight(statusBar), 0, ControlHeightFactor);
  // The bar sizes itself to its minimum drawing height plus its borders (and
  // never below what its font needs): learn the borders, then ask for the
  // drawing height that gives the wanted outer height.
  SendMessageW(statusBar, SB_SETMINHEIGHT, static_cast<WPARAM>(wanted), 0);
  SendMessageW(statusBar, WM_SIZE, 0, 0);
  const int borders = WindowHeight(statusBar) - wanted;
  SendMessageW(statusBar, SB_SETMINHEIGHT, static_cast<WPARAM>(wanted > borders ? wanted - borders : 0), 0);
  SendMessageW(statusBar, WM_SIZE, 0, 0);
}

void FitLabel(HWND label) {
  SetHeight(label, std::max(LabelHeightForFont(ControlFontHeight(label)), ControlFontCell(label)));
}

}  // namespace zorvik
