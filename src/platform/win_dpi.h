// Fits list items, grid rows, buttons, status bars and labels to the pixel
// height of the control's own font (WM_GETFONT). Run once per window, after
// its fonts have been scaled to the screen DPI.
#pragma once
#include <windows.h>

namespace zorvik {

// Pixel height of the font a control draws with (|lfHeight| of WM_GETFONT;
// the system font when the control has none).
int ControlFontHeight(HWND control);

// Item height of a drop-down list (combo box): HeightForFont(font, minimum, 1.3).
void FitDropDownList(HWND comboBox, int minimum);
// Item height of a list box: HeightForFont(font, minimum, 1.3).
void FitListBox(HWND listBox, int minimum);
// Item height of a check-list box (an owner-drawn list box), as FitListBox.
void FitCheckListBox(HWND checkListBox, int minimum);
// Default row height for a grid drawn in `grid`'s font.
int GridRowHeight(HWND grid, int minimum);
// Button height: HeightForFont(font, 0, 1.8); width and position kept.
void FitButton(HWND button);
// Status bar height: HeightForFont(font, 0, 1.8).
void FitStatusBar(HWND statusBar);
// Label height: |font height| + 4, or the font's cell when that is higher
// (a font with a large leading is not clipped); width and position kept.
void FitLabel(HWND label);

}  // namespace zorvik
