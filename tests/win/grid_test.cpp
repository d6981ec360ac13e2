// The grid control: cell texts as drawn, row selection by click and keys,
// scrolling, and column resizing by dragging a header border.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/grid.h"
#include "kit/tool_window.h"
#include "win_support.h"

namespace zorvik::kit {
namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class GridTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Ensure(nullptr, 96));
    SetWindowPos(window_.Handle(), HWND_TOPMOST, 60, 60, 0, 0, SWP_NOSIZE);
    // 3 columns of 60, 80 and 50; 20 data rows; 100 pixels high: the header
    // and 5 whole rows of 15 + 1 fit (borderless, so client = window).
    ASSERT_TRUE(grid_.Create(window_.Handle(), 1, RECT{0, 0, 260, 96}, true, false));
    SendMessageW(grid_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(window_.Font()), TRUE);
    grid_.SetColCount(3);
    grid_.SetRowCount(21);
    const int widths[] = {60, 80, 50};
    const char* header[] = {"引数", "値", "説明"};
    for (int c = 0; c < 3; ++c) {
      grid_.SetColWidth(c, widths[c]);
      grid_.SetCell(c, 0, header[c]);
    }
    for (int r = 1; r < 21; ++r) grid_.SetCell(0, r, L"row " + std::to_wstring(r));
    grid_.onSelect = [this](int row) { selected_.push_back(row); };
    window_.Show();
    wintest::Pump(50);
  }
  ToolWindow window_{L"ZorvikKitGridHost", "グリッド", 300, 120};
  Grid grid_;
  std::vector<int> selected_;
};

TEST_F(GridTest, DrawsEveryVisibleCellWithItsTextAndTheSelection) {
  struct Drawn {
    int col, row;
    std::wstring text;
    bool header, selected, focused;
    UINT align;
  };
  std::vector<Drawn> drawn;
  grid_.onDrawCell = [&](HDC, GridCellPaint& cell) {
    drawn.push_back({cell.col, cell.row, *cell.text, cell.header, cell.selected, cell.focused, cell.align});
    if (cell.col == 2 && !cell.header) cell.align = DT_RIGHT;  // adjusted, painted by the grid
    return false;
  };
  grid_.SelectRow(2);
  SetFocus(grid_.Handle());
  RedrawWindow(grid_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(drawn.size(), 3u * 6u);  // header + rows 1..5 (a sixth would not fit whole: 96 = 6 * 16)
  EXPECT_EQ(drawn[0].text, L"引数");
  EXPECT_TRUE(drawn[0].header);
  EXPECT_EQ(drawn[0].align, static_cast<UINT>(DT_CENTER));
  EXPECT_EQ(drawn[3].text, L"row 1");
  EXPECT_FALSE(drawn[3].selected);
  EXPECT_EQ(drawn[6].text, L"row 2");
  EXPECT_TRUE(drawn[6].selected);
  EXPECT_TRUE(drawn[6].focused);
  EXPECT_EQ(grid_.Cell(0, 5), L"row 5");
  EXPECT_EQ(grid_.Cell(9, 9), L"");  // outside: empty
}

TEST_F(GridTest, AClickSelectsTheRowUnderThePointer) {
  // Rows are 15 high with a 1-pixel line: row 3 spans y 48-62.
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
  SendMessageW(grid_.Handle(), WM_LBUTTONUP, 0, At(100, 50));
  EXPECT_EQ(grid_.Row(), 3);
  EXPECT_EQ(GetFocus(), grid_.Handle());
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(100, 5));  // the header selects nothing
  SendMessageW(grid_.Handle(), WM_LBUTTONUP, 0, At(100, 5));
  EXPECT_EQ(grid_.Row(), 3);
  EXPECT_EQ(selected_, std::vector<int>{3});
}

TEST_F(GridTest, KeysMoveTheSelectionAndScrollItIntoView) {
  SetFocus(grid_.Handle());
  struct {
    UINT vk;
    int row, top;
  } steps[] = {
      {VK_DOWN, 1, 1}, {VK_DOWN, 2, 1}, {VK_NEXT, 7, 3}, {VK_END, 20, 16}, {VK_UP, 19, 16}, {VK_HOME, 1, 1},
  };
  std::vector<int> expected;
  for (auto s : steps) {
    SendMessageW(grid_.Handle(), WM_KEYDOWN, s.vk, 0);
    EXPECT_EQ(grid_.Row(), s.row) << s.vk;
    EXPECT_EQ(grid_.TopRow(), s.top) << s.vk;
    expected.push_back(s.row);
  }
  EXPECT_EQ(selected_, expected);
  // Clicking after scrolling finds the row shown there.
  SendMessageW(grid_.Handle(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 20));
  EXPECT_EQ(grid_.Row(), 16);
}

TEST_F(GridTest, DraggingAHeaderBorderResizesThatColumn) {
  int resizedCol = -1, resizedWidth = -1;
  grid_.onColResized = [&](int col, int width) {
    resizedCol = col;
    resizedWidth = width;
  };
  // Column 1 ends at 61 + 80 = 141.
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(142, 7));
  SendMessageW(grid_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(160, 9));
  SendMessageW(grid_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(172, 9));
  SendMessageW(grid_.Handle(), WM_LBUTTONUP, 0, At(172, 9));
  EXPECT_EQ(grid_.ColWidth(1), 110);
  EXPECT_EQ(resizedCol, 1);
  EXPECT_EQ(resizedWidth, 110);
  EXPECT_EQ(grid_.ColWidth(0), 60);
  EXPECT_EQ(grid_.Row(), 0);  // a resize selects nothing

  // Dragging left stops at zero width; the same border in a data row selects.
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(60, 5));
  SendMessageW(grid_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(-50, 5));
  SendMessageW(grid_.Handle(), WM_LBUTTONUP, 0, At(-50, 5));
  EXPECT_EQ(grid_.ColWidth(0), 0);
  SendMessageW(grid_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(141, 20));
  SendMessageW(grid_.Handle(), WM_LBUTTONUP, 0, At(141, 20));
  EXPECT_EQ(grid_.ColWidth(1), 110);
  EXPECT_EQ(grid_.Row(), 1);
}

TEST_F(GridTest, RowHeightFollowsTheFontWithItsMinimum) {
  EXPECT_EQ(grid_.RowHeight(), 15);
  HFONT big = CreateFontW(-18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  SendMessageW(grid_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
  EXPECT_EQ(grid_.RowHeight(), 23);
  grid_.SetMinimumRowHeight(30);
  EXPECT_EQ(grid_.RowHeight(), 30);
  SendMessageW(grid_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(window_.Font()), FALSE);
  DeleteObject(big);
  grid_.SetRowCount(3);  // fewer rows than the selection: it is clamped
  grid_.SelectRow(99);
  EXPECT_EQ(grid_.Row(), 2);
  grid_.SetRowCount(1);
  EXPECT_EQ(grid_.Row(), 0);
}

}  // namespace
}  // namespace zorvik::kit
