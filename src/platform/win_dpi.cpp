#include "platform/win_dpi.h"

#include <commctrl.h>

#include "platform/dpi_sizes.h"

namespace zorvik {

namespace {

void SetHeight(HWND control, int height) {
  RECT r;
  if (!GetWindowRect(control, &r)) return;
  SetWindowPos(control, nullptr, 0, 0, r.right - r.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
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
  SendMessageW(comboBox, CB_SETITEMHEIGHT, 0, HeightForFont(ControlFontHeight(comboBox), minimum, ItemHeightFactor));
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
  // The bar sizes itself: its minimum drawing height plus its borders. Ask
  // for the drawing height that gives the wanted outer height.
  SendMessageW(statusBar, SB_SETMINHEIGHT, 0, 0);
  SendMessageW(statusBar, WM_SIZE, 0, 0);
  RECT r;
  GetWindowRect(statusBar, &r);
  const int natural = r.bottom - r.top;
  int borders[3] = {0, 0, 0};
  SendMessageW(statusBar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  SendMessageW(statusBar, SB_SETMINHEIGHT, wanted - 2 * borders[1] - 2 * GetSystemMetrics(SM_CYBORDER), 0);
  SendMessageW(statusBar, WM_SIZE, 0, 0);
  GetWindowRect(statusBar, &r);
  if (r.bottom - r.top != wanted && natural > 0) {
    // Correct by the difference this bar actually makes.
    const int got = r.bottom - r.top;
    SendMessageW(statusBar, SB_SETMINHEIGHT, wanted - 2 * borders[1] - 2 * GetSystemMetrics(SM_CYBORDER) + wanted - got,
                 0);
    SendMessageW(statusBar, WM_SIZE, 0, 0);
  }
}

void FitLabel(HWND label) {
  SetHeight(label, LabelHeightForFont(ControlFontHeight(label)));
}

}  // namespace zorvik
