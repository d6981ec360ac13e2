// Helpers of the page and control tests: a demo table with every kind of
// control, a tool window to host pages at a chosen DPI, rectangles relative
// to a parent, and screen pictures (kept as BMP files when
// ZORVIK_SCREENSHOT_DIR is set).
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <string>
#include <vector>

#include "kit/control_desc.h"

namespace kittest {

using zorvik::kit::ControlKind;

// Captions are Japanese, as in the program.
inline const zorvik::kit::ControlTableDesc& DemoTable() {
  using K = ControlKind;
  static const zorvik::kit::ControlTableDesc table = {
      {K::Label, "Label_Title", "表示する項目にチェック", {8, 8, 200, 12}, "", 0, "ラベルのヒント"},
      {K::Button, "Button_Setting_Reset", "", {8, 28, 120, 25}},
      {K::ListBox, "ListBox_Items", "", {8, 60, 120, 80}},
      {K::ComboBox, "ComboBox_Kind", "", {140, 8, 150, 21}, "", zorvik::kit::kOwnerDraw},
      {K::CheckList, "CheckListBox_Info", "", {140, 40, 150, 100}},
      {K::Grid, "StringGrid_Result", "", {8, 150, 282, 100}, "", zorvik::kit::kStretchRight},
      {K::Panel, "Panel_Setting", "", {300, 8, 200, 242}},
      {K::GroupBox, "GroupBox_Grid", "グリッド", {8, 4, 184, 96}, "Panel_Setting"},
      {K::CheckBox, "CheckBox_Capture_Pause", "", {10, 18, 160, 17}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_Gray", "灰色", {10, 42, 80, 17}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_Black", "黒", {10, 66, 80, 17}, "GroupBox_Grid"},
      {K::SpinEdit, "SpinEdit_Pos_X", "", {8, 110, 80, 21}, "Panel_Setting", 0, "X 座標", "", -100, 100},
      {K::TrackBar, "TrackBar_Zoom", "", {8, 140, 184, 30}, "Panel_Setting", 0, "", "", 0, 19},
      {K::TreeView, "TreeView_Category", "", {8, 176, 184, 60}, "Panel_Setting"},
      {K::Button, "Button_Close", "&閉じる", {415, 258, 75, 21}, "", zorvik::kit::kMoveRight | zorvik::kit::kMoveBottom,
       "閉じます"},
  };
  return table;
}
inline constexpr int kDemoWidth = 500, kDemoHeight = 286;

// A window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline int Height(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

// What the screen shows of a rectangle, row by row.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
  COLORREF At(int x, int y) const {
    const uint32_t p = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};

inline Picture Capture(const RECT& screen) {
  Picture pic;
  pic.width = screen.right - screen.left;
  pic.height = screen.bottom - screen.top;
  pic.pixels.resize(static_cast<size_t>(pic.width) * static_cast<size_t>(pic.height));
  HDC dc = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = pic.width;
  bi.bmiHeader.biHeight = -pic.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, pic.width, pic.height, dc, screen.left, screen.top, SRCCOPY);
  GdiFlush();
  std::memcpy(pic.pixels.data(), bits, pic.pixels.size() * 4);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, dc);
  return pic;
}

// Writes the picture as name.bmp into ZORVIK_SCREENSHOT_DIR, when set.
inline void Keep(const Picture& pic, const std::string& name) {
  const char* dir = std::getenv("ZORVIK_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  const std::string path = std::string(dir) + "\\" + name + ".bmp";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = pic.width;
  h.biHeight = -pic.height;
  h.biPlanes = 1;
  h.biBitCount = 32;
  const uint32_t bytes = static_cast<uint32_t>(pic.pixels.size() * 4);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof h;
  fh.bfSize = fh.bfOffBits + bytes;
  std::fwrite(&fh, sizeof fh, 1, f);
  std::fwrite(&h, sizeof h, 1, f);
  std::vector<uint32_t> opaque(pic.pixels);  // viewers read the fourth byte as alpha
  for (uint32_t& p : opaque) p |= 0xFF000000u;
  std::fwrite(opaque.data(), 1, bytes, f);
  std::fclose(f);
}

// Pixels of a rectangle (picture coordinates) that are close to `colour`.
inline int CountNear(const Picture& pic, const RECT& r, COLORREF colour, int tolerance = 24) {
  int n = 0;
  for (int y = std::max<LONG>(0, r.top); y < std::min<LONG>(pic.height, r.bottom); ++y)
    for (int x = std::max<LONG>(0, r.left); x < std::min<LONG>(pic.width, r.right); ++x) {
      const COLORREF c = pic.At(x, y);
      if (std::abs(GetRValue(c) - GetRValue(colour)) <= tolerance &&
          std::abs(GetGValue(c) - GetGValue(colour)) <= tolerance &&
          std::abs(GetBValue(c) - GetBValue(colour)) <= tolerance)
        ++n;
    }
  return n;
}

// Pixels of a rectangle (picture coordinates) that stand out from its
// background by more than a 3D shadow does: text drawn on it, smoothed or
// plain, and not the edges of the controls.
inline int CountInk(const Picture& pic, const RECT& r, COLORREF background) {
  const auto luma = [](COLORREF c) { return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000; };
  int n = 0;
  for (int y = std::max<LONG>(0, r.top); y < std::min<LONG>(pic.height, r.bottom); ++y)
    for (int x = std::max<LONG>(0, r.left); x < std::min<LONG>(pic.width, r.right); ++x)
      if (std::abs(luma(pic.At(x, y)) - luma(background)) > 96) ++n;
  return n;
}

// The height of a line of a control's font (its cell).
inline int FontCell(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return tm.tmHeight;
}

// A label's fitted height: its design height, or a line of its font when
// that is higher.
inline int FittedLabelHeight(HWND label, int design) { return std::max(design, FontCell(label)); }

// A window's rectangle in the coordinates of a picture taken of `captured`
// (screen coordinates).
inline RECT PlaceIn(const RECT& captured, HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  OffsetRect(&r, -captured.left, -captured.top);
  return r;
}

// The enabled, visible push buttons, check boxes and radio buttons with a
// caption below `parent` that lie wholly inside `area` (screen coordinates).
inline std::vector<HWND> CaptionedButtons(HWND parent, const RECT& area) {
  struct Walk {
    RECT area;
    std::vector<HWND> found;
  } walk{area, {}};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM l) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(l);
        wchar_t cls[16] = {};
        GetClassNameW(h, cls, 16);
        RECT r{}, both{};
        GetWindowRect(h, &r);
        const LONG type = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
        if (_wcsicmp(cls, L"Button") == 0 && type != BS_GROUPBOX && IsWindowVisible(h) && IsWindowEnabled(h) &&
            GetWindowTextLengthW(h) > 0 && IntersectRect(&both, &r, &w->area) && EqualRect(&both, &r))
          w->found.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

inline std::wstring Caption(HWND h) {
  wchar_t text[256] = {};
  GetWindowTextW(h, text, 256);
  return text;
}

// Pixels of text drawn where a button's caption goes, in a picture of
// `captured`: inside the control's rectangle less its frame (and less the
// box of a check box or radio button), the pixels that stand out from the
// face colour.
inline int CaptionPixels(const Picture& pic, const RECT& captured, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  OffsetRect(&r, -captured.left, -captured.top);
  InflateRect(&r, -3, -3);
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) r.left += 16;
  return CountInk(pic, r, GetSysColor(COLOR_BTNFACE));
}

}  // namespace kittest
