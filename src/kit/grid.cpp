#include "kit/grid.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/dpi_sizes.h"
#include "platform/win_text.h"

namespace zorvik::kit {

namespace {

const wchar_t kGridClass[] = L"ZorvikKitGrid";
constexpr int kTextPad = 2;
constexpr int kWheelRows = 3;

int FontHeightOf(HFONT font) {
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof lf, &lf)) {
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) return 12;
  }
  return lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
}

}  // namespace

bool Grid::Create(HWND parent, UINT id, const RECT& r, bool visible, bool border) {
  if (!Window::Create(kGridClass, L"", WS_CHILD | WS_TABSTOP | WS_VSCROLL | (visible ? WS_VISIBLE : 0),
                      border ? WS_EX_CLIENTEDGE : 0, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                      nullptr, nullptr, CS_DBLCLKS))
    return false;
  SetWindowLongPtrW(Handle(), GWLP_ID, static_cast<LONG_PTR>(id));
  ApplyFont(nullptr);
  SetRowCount(1);
  return true;
}

void Grid::SetColCount(int count) {
  count = std::max(0, count);
  geom_.colWidths.resize(static_cast<size_t>(count), defaultColWidth_);
  for (auto& row : cells_) row.resize(static_cast<size_t>(count));
  InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::SetRowCount(int count) {
  count = std::max(kFixedRows, count);
  geom_.rowCount = count;
  cells_.resize(static_cast<size_t>(count));
  for (auto& row : cells_) row.resize(geom_.colWidths.size());
  if (row_ >= count) row_ = count - 1;  // 0 when only the header is left
  geom_.topRow = std::clamp(geom_.topRow, 1, geom_.MaxTopRow());
  UpdateScrollBar();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::SetCell(int col, int row, std::wstring_view text) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
  std::wstring& cell = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
  if (cell == text) return;
  cell.assign(text);
  const RECT r = CellRect(col, row);
  InvalidateRect(Handle(), &r, FALSE);
}

void Grid::SetCell(int col, int row, std::string_view utf8) { SetCell(col, row, std::wstring_view(W(utf8))); }

const std::wstring& Grid::Cell(int col, int row) const {
  static const std::wstring empty;
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return empty;
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  geom_.colWidths[static_cast<size_t>(col)] = std::max(0, width);
  InvalidateRect(Handle(), nullptr, FALSE);
}

int Grid::ColWidth(int col) const {
  return col >= 0 && col < ColCount() ? geom_.colWidths[static_cast<size_t>(col)] : 0;
}

void Grid::SetMinimumRowHeight(int minimum) {
  minRowHeight_ = minimum;
  ApplyFont(font_);
}

void Grid::ApplyFont(HFONT font) {
  font_ = font;
  geom_.rowHeight = HeightForFont(FontHeightOf(font_), minRowHeight_, ItemHeightFactor);
  geom_.topRow = std::clamp(geom_.topRow, 1, geom_.MaxTopRow());
  UpdateScrollBar();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::SelectRow(int row) {
  row = RowCount() > 1 ? std::clamp(row, 0, RowCount() - 1) : 0;
  if (row > 0) Scroll(geom_.TopRowShowing(row));
  if (row == row_) return;
  const RECT before = CellRect(-1, row_), after = CellRect(-1, row);
  row_ = row;
  InvalidateRect(Handle(), &before, FALSE);
  InvalidateRect(Handle(), &after, FALSE);
  if (onSelect) onSelect(row_);
}

void Grid::SetTopRow(int row) { Scroll(row); }

void Grid::Scroll(int topRow) {
  topRow = std::clamp(topRow, 1, geom_.MaxTopRow());
  if (topRow == geom_.topRow) return;
  geom_.topRow = topRow;
  UpdateScrollBar();
  InvalidateRect(Handle(), nullptr, FALSE);
}

bool Grid::CellAt(POINT p, int* col, int* row) const {
  const int c = geom_.ColumnAt(p.x), r = geom_.RowAt(p.y);
  if (c < 0 || r < 0) return false;
  if (col) *col = c;
  if (row) *row = r;
  return true;
}

RECT Grid::CellRect(int col, int row) const {
  // col -1: the whole row across the client area.
  const int top = geom_.RowTop(row);
  if (col < 0) return RECT{0, top, geom_.clientWidth, top + geom_.rowHeight + geom_.lineWidth};
  const int left = geom_.ColLeft(col);
  return RECT{left, top, left + ColWidth(col), top + geom_.rowHeight};
}

void Grid::UpdateScrollBar() {
  if (!Handle()) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 1;
  si.nMax = std::max(1, RowCount() - 1);
  si.nPage = static_cast<UINT>(geom_.FullyVisibleRows());
  si.nPos = geom_.topRow;
  SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

int Grid::BorderSlop() const { return std::max(2, geom_.rowHeight / 5); }

void Grid::PaintCell(HDC dc, int col, int row, const RECT& r) const {
  GridCellPaint cell;
  cell.col = col;
  cell.row = row;
  cell.rect = r;
  cell.header = row < kFixedRows;
  cell.selected = !cell.header && row == row_;
  cell.focused = GetFocus() == Handle();
  cell.text = &Cell(col, row);
  cell.font = font_;
  if (cell.header) {
    cell.textColour = GetSysColor(COLOR_BTNTEXT);
    cell.backColour = GetSysColor(COLOR_BTNFACE);
    // Centred, or from the left when the text is wider than the column.
    HGDIOBJ old = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc, cell.text->c_str(), static_cast<int>(cell.text->size()), &size);
    SelectObject(dc, old);
    cell.align = size.cx + 2 * kTextPad > r.right - r.left ? DT_LEFT : DT_CENTER;
  } else if (cell.selected) {
    cell.textColour = GetSysColor(cell.focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    cell.backColour = GetSysColor(cell.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  } else {
    cell.textColour = GetSysColor(COLOR_WINDOWTEXT);
    cell.backColour = GetSysColor(COLOR_WINDOW);
  }
  if (onDrawCell) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    const bool done = onDrawCell(dc, cell);
    RestoreDC(dc, saved);
    if (done) return;
  }
  SetBkColor(dc, cell.backColour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetTextColor(dc, cell.textColour);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, cell.font ? cell.font : GetStockObject(DEFAULT_GUI_FONT));
  RECT text{r.left + kTextPad, r.top, r.right - kTextPad, r.bottom};
  DrawTextW(dc, cell.text->c_str(), static_cast<int>(cell.text->size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | cell.align);
  SelectObject(dc, old);
}

void Grid::Paint(HDC dc) const {
  const RECT client{0, 0, geom_.clientWidth, geom_.clientHeight};
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  const int pitch = geom_.rowHeight + geom_.lineWidth;
  const int columnsRight = std::min(geom_.ColumnsWidth(), geom_.clientWidth);
  HBRUSH dataLine = GetSysColorBrush(COLOR_BTNFACE), headerLine = GetSysColorBrush(COLOR_BTNSHADOW);
  // The header row, then the data rows from the top row on.
  for (int row = 0, y = 0; y < geom_.clientHeight; y += pitch) {
    if (row >= RowCount()) break;
    for (int col = 0; col < ColCount(); ++col) {
      const int left = geom_.ColLeft(col);
      if (left >= geom_.clientWidth) break;
      const RECT r{left, y, left + ColWidth(col), y + geom_.rowHeight};
      PaintCell(dc, col, row, r);
      const RECT line{r.right, y, r.right + geom_.lineWidth, y + pitch};
      FillRect(dc, &line, row == 0 ? headerLine : dataLine);
    }
    const RECT below{0, y + geom_.rowHeight, columnsRight, y + pitch};
    FillRect(dc, &below, row == 0 ? headerLine : dataLine);
    row = row == 0 ? geom_.topRow : row + 1;
  }
  if (GetFocus() == Handle() && row_ > 0 && geom_.RowTop(row_) > 0) {
    RECT focus = CellRect(-1, row_);
    focus.right = columnsRight;
    focus.bottom -= geom_.lineWidth;
    DrawFocusRect(dc, &focus);
  }
}

bool Grid::OnMouse(UINT msg, POINT p) {
  if (onMouse && onMouse(msg, p)) return true;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(Handle());
      if (resizableColumns && geom_.RowAt(p.y) == 0) {
        const int col = geom_.BorderAt(p.x, BorderSlop());
        if (col >= 0) {
          resizing_ = col;
          dragStartX_ = p.x;
          dragStartWidth_ = ColWidth(col);
          SetCapture(Handle());
          return true;
        }
      }
      const int row = geom_.RowAt(p.y);
      if (row >= kFixedRows) SelectRow(row);
      return true;
    }
    case WM_MOUSEMOVE:
      if (resizing_ >= 0) {
        SetColWidth(resizing_, dragStartWidth_ + p.x - dragStartX_);
        UpdateWindow(Handle());
        return true;
      }
      return false;
    case WM_LBUTTONUP:
      if (resizing_ >= 0) {
        const int col = resizing_;
        resizing_ = -1;
        ReleaseCapture();
        if (onColResized) onColResized(col, ColWidth(col));
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool Grid::OnKey(UINT vk) {
  GridKey key;
  switch (vk) {
    case VK_UP: key = GridKey::Up; break;
    case VK_DOWN: key = GridKey::Down; break;
    case VK_PRIOR: key = GridKey::PageUp; break;
    case VK_NEXT: key = GridKey::PageDown; break;
    case VK_HOME: key = GridKey::Home; break;
    case VK_END: key = GridKey::End; break;
    default: return false;
  }
  SelectRow(geom_.Navigate(row_, key));
  return true;
}

LRESULT Grid::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFONT:
      ApplyFont(reinterpret_cast<HFONT>(wp));
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      geom_.clientWidth = LOWORD(lp);
      geom_.clientHeight = HIWORD(lp);
      geom_.topRow = std::clamp(geom_.topRow, 1, geom_.MaxTopRow());
      UpdateScrollBar();
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      // Drawn off screen, then copied: no flicker while scrolling or resizing columns.
      const int w = std::max(1, geom_.clientWidth), h = std::max(1, geom_.clientHeight);
      HDC mem = CreateCompatibleDC(dc);
      HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
      if (mem && bmp) {
        HGDIOBJ old = SelectObject(mem, bmp);
        Paint(mem);
        BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
      } else {
        Paint(dc);
      }
      if (bmp) DeleteObject(bmp);
      if (mem) DeleteDC(mem);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (OnKey(static_cast<UINT>(wp))) return 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      if (OnMouse(msg, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) return 0;
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != Handle()) {
        if (resizing_ >= 0) {
          const int col = resizing_;
          resizing_ = -1;
          if (onColResized) onColResized(col, ColWidth(col));
        }
        if (onMouse) onMouse(WM_CAPTURECHANGED, POINT{0, 0});  // a drag of the owner ends too
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && resizableColumns) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(Handle(), &p);
        if (resizing_ >= 0 || (geom_.RowAt(p.y) == 0 && geom_.BorderAt(p.x, BorderSlop()) >= 0)) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
          return TRUE;
        }
      }
      break;
    case WM_VSCROLL: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_ALL;
      GetScrollInfo(Handle(), SB_VERT, &si);
      int top = geom_.topRow;
      const int page = geom_.FullyVisibleRows();
      switch (LOWORD(wp)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= page; break;
        case SB_PAGEDOWN: top += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = si.nTrackPos; break;
        case SB_TOP: top = 1; break;
        case SB_BOTTOM: top = geom_.MaxTopRow(); break;
        default: break;
      }
      Scroll(top);
      return 0;
    }
    case WM_MOUSEWHEEL:
      Scroll(geom_.topRow - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * kWheelRows);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik::kit
