// A small grid control: columns of text under one fixed header row, whole-row
// selection by click and keys, column widths set by code or by dragging a
// header border, a vertical scroll bar, and a per-cell hook for the pages'
// own drawing (alignment, fonts, colours). Row 0 is the header; data rows
// are 1 .. RowCount() - 1. Default row height follows the font.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/grid_geometry.h"
#include "kit/window.h"

namespace zorvik::kit {

// One cell about to be drawn. A drawing hook may paint the cell itself, or
// change the fields below `text` and leave the painting to the grid.
struct GridCellPaint {
  int col = 0, row = 0;
  RECT rect{};  // the cell, without its grid lines
  bool header = false, selected = false, focused = false;
  const std::wstring* text = nullptr;
  UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  HFONT font = nullptr;
  COLORREF textColour = 0, backColour = 0;
};

class Grid : public Window {
public:
  static constexpr int kFixedRows = 1;

  // A child window with a vertical scroll bar and, unless `border` is false,
  // a sunken edge.
  bool Create(HWND parent, UINT id, const RECT& rect, bool visible = true, bool border = true);

  void SetColCount(int count);
  int ColCount() const { return static_cast<int>(geom_.colWidths.size()); }
  void SetRowCount(int count);  // including the header row; at least 1
  int RowCount() const { return geom_.rowCount; }

  void SetCell(int col, int row, std::wstring_view text);
  void SetCell(int col, int row, std::string_view utf8);
  const std::wstring& Cell(int col, int row) const;

  void SetColWidth(int col, int width);
  int ColWidth(int col) const;
  void SetDefaultColWidth(int width) { defaultColWidth_ = width; }  // for columns added later
  int GridLineWidth() const { return geom_.lineWidth; }
  int ClientWidth() const { return geom_.clientWidth; }

  // Row height = HeightForFont(font, minimum, 1.3), applied now and whenever
  // the font changes.
  void SetMinimumRowHeight(int minimum);
  int RowHeight() const { return geom_.rowHeight; }

  int Row() const { return row_; }  // the selected data row, 0: none
  // Selects a data row (clamped; 0 clears) and scrolls it into view.
  void SelectRow(int row);
  int TopRow() const { return geom_.topRow; }
  void SetTopRow(int row);
  // The cell under a client point; false outside every cell.
  bool CellAt(POINT client, int* col, int* row) const;
  RECT CellRect(int col, int row) const;

  bool resizableColumns = true;
  // After the selected row changed (SelectRow, a click or a key).
  std::function<void(int row)> onSelect;
  // After the user dragged a header border.
  std::function<void(int col, int width)> onColResized;
  // Paints one cell itself (return true), or adjusts `cell` and returns false.
  std::function<bool(HDC dc, GridCellPaint& cell)> onDrawCell;
  // Mouse messages (buttons and moves, client point) before the grid's own
  // handling; return true to consume. Also WM_CAPTURECHANGED (point 0, 0)
  // when the grid loses the mouse capture to another window.
  std::function<bool(UINT msg, POINT client)> onMouse;

protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  void Paint(HDC dc) const;
  void PaintCell(HDC dc, int col, int row, const RECT& r) const;
  void UpdateScrollBar();
  void ApplyFont(HFONT font);
  void Scroll(int topRow);
  int BorderSlop() const;
  bool OnMouse(UINT msg, POINT p);
  bool OnKey(UINT vk);

  GridGeometry geom_;
  std::vector<std::vector<std::wstring>> cells_;  // [row][col]
  HFONT font_ = nullptr;
  int minRowHeight_ = 0;
  int defaultColWidth_ = 64;
  int row_ = 0;
  int resizing_ = -1, dragStartX_ = 0, dragStartWidth_ = 0;
};

}  // namespace zorvik::kit
