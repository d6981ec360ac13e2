#include "commands/toolbar.h"

#include <set>

#include "commands/command_table.h"
#include "commands/icons.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// An icon's ARGB pixels as a bitmap with magenta where it is transparent.
HBITMAP IconBitmap(const uint32_t* argb, int size) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = size;
  bi.bmiHeader.biHeight = -size;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bmp) return nullptr;
  auto* px = static_cast<uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i)
    px[i] = (argb[i] >> 24) ? (argb[i] & 0xFFFFFF) : 0xFF00FF;
  return bmp;
}

template <typename Draw>
void Fill(HIMAGELIST list, int size, int count, Draw draw) {
  std::vector<uint32_t> px(static_cast<size_t>(size * size));
  for (int i = 0; i < count; ++i) {
    std::fill(px.begin(), px.end(), 0u);
    draw(i, px.data());
    HBITMAP bmp = IconBitmap(px.data(), size);
    ImageList_AddMasked(list, bmp, kMaskColour);
    DeleteObject(bmp);
  }
}
}  // namespace

void FillCommandIcons(HIMAGELIST list) { Fill(list, kIconSize, CommandIconCount(), DrawCommandIcon); }
void FillInfoIcons(HIMAGELIST list) { Fill(list, kInfoIconSize, kInfoIconCount, DrawInfoIcon); }

HIMAGELIST ScaledImageList(HIMAGELIST from, int size) {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(from, &cx, &cy);
  if (cx <= 0 || cy <= 0 || size <= 0) return nullptr;
  if (cx == size && cy == size) return ImageList_Duplicate(from);
  const int count = ImageList_GetImageCount(from);
  HIMAGELIST to = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 0, count > 0 ? count : 1);
  HDC screen = GetDC(nullptr);
  HDC small = CreateCompatibleDC(screen), big = CreateCompatibleDC(screen);
  HBRUSH mask = CreateSolidBrush(kMaskColour);
  for (int i = 0; i < count; ++i) {
    HBITMAP bs = CreateCompatibleBitmap(screen, cx, cy), bb = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ os = SelectObject(small, bs), ob = SelectObject(big, bb);
    RECT r{0, 0, cx, cy};
    FillRect(small, &r, mask);
    ImageList_Draw(from, i, small, 0, 0, ILD_NORMAL);
    SetStretchBltMode(big, COLORONCOLOR);  // nearest pixel: no blend with the mask colour
    StretchBlt(big, 0, 0, size, size, small, 0, 0, cx, cy, SRCCOPY);
    SelectObject(small, os);
    SelectObject(big, ob);
    ImageList_AddMasked(to, bb, kMaskColour);
    DeleteObject(bs);
    DeleteObject(bb);
  }
  DeleteObject(mask);
  DeleteDC(small);
  DeleteDC(big);
  ReleaseDC(nullptr, screen);
  return to;
}

MainToolBar::MainToolBar(kit::ActionList& actions, std::function<UINT(const kit::Action&)> commandOf)
    : actions_(actions), commandOf_(std::move(commandOf)) {}

int MainToolBar::TakeNameNumber(const std::string& base) {
  NameNumbers& n = nameNumbers_[base];
  if (n.released.empty()) return n.next++;
  const int number = *n.released.begin();
  n.released.erase(n.released.begin());
  return number;
}

void MainToolBar::ReleaseNameNumber(const std::string& base, int number) {
  const auto it = nameNumbers_.find(base);
  if (it == nameNumbers_.end()) return;
  NameNumbers& n = it->second;
  n.released.insert(number);
  // Numbers released from the top are simply never used yet.
  while (n.next > 0 && n.released.count(n.next - 1)) n.released.erase(--n.next);
  if (n.next == 0) nameNumbers_.erase(it);
}

bool MainToolBar::InsertToolButton(int position, kit::Action* action) {
  if (!action) return false;
  position = std::max(0, std::min(position, Count()));
  const CommandDef* def = CommandByName(action->name);
  Button b;
  b.action = action;
  b.separator = action->name == "actSpc";
  const std::string suffix = action->name.rfind("Action_", 0) == 0 ? action->name.substr(7) : action->name;
  b.nameBase = "ToolButton_" + suffix;
  b.nameNumber = TakeNameNumber(b.nameBase);
  b.name = b.nameBase + "_" + std::to_string(b.nameNumber);
  if (def) {
    b.check = IsCheckToolButton(*def);
    const ToolButtonMenus menus = ToolButtonMenusOf(*def);
    b.contextMenu = menus.contextMenu ? menus.contextMenu : "";
    b.dropDownMenu = menus.dropDownMenu ? menus.dropDownMenu : "";
  }
  buttons_.insert(buttons_.begin() + position, b);
  if (hwnd_) {
    TBBUTTON tb{};
    if (b.separator) {
      tb.iBitmap = 8;
      tb.fsStyle = BTNS_SEP;
    } else {
      tb.iBitmap = action->imageIndex >= 0 ? action->imageIndex : I_IMAGENONE;
      tb.idCommand = static_cast<int>(commandOf_(*action));
      tb.fsStyle = BTNS_BUTTON | (b.dropDownMenu.empty() ? 0 : BTNS_WHOLEDROPDOWN);
      tb.fsState = TBSTATE_ENABLED;
    }
    SendMessageW(hwnd_, TB_INSERTBUTTONW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&tb));
  }
  SyncState(position);  // the other buttons' looks are unchanged
  return true;
}

bool MainToolBar::RemoveToolButton(int position) {
  if (position < 0 || position >= Count()) return false;
  const Button& b = buttons_[static_cast<size_t>(position)];
  ReleaseNameNumber(b.nameBase, b.nameNumber);
  buttons_.erase(buttons_.begin() + position);
  if (hwnd_) SendMessageW(hwnd_, TB_DELETEBUTTON, static_cast<WPARAM>(position), 0);
  return true;
}

void MainToolBar::RemoveAllToolButtons() {
  for (int i = Count() - 1; i >= 0; --i) RemoveToolButton(i);
}

void MainToolBar::RecordDefaultToolBar() {
  defaults_.clear();
  for (const Button& b : buttons_) defaults_.push_back(b.action);
}

// The settings reader hands over each id once; a list with repeats gets
// one button per entry.
void MainToolBar::ApplyToolBarLayout(const std::vector<uint16_t>& ids) {
  RemoveAllToolButtons();
  for (uint16_t id : ids) AppendToolButton(actions_.FindById(id));
}

std::vector<uint16_t> MainToolBar::CollectToolBarLayout() const {
  std::vector<uint16_t> out;
  for (const Button& b : buttons_) out.push_back(b.action ? b.action->id : 0);
  return out;
}

void MainToolBar::SyncStates() {
  for (int i = 0; i < Count(); ++i) SyncState(i);
}

void MainToolBar::SyncState(int index) {
  if (!hwnd_ || index < 0 || index >= Count()) return;
  const Button& b = buttons_[static_cast<size_t>(index)];
  if (b.separator || !b.action) return;
  // The grid button is no check button, yet always shows the grid state.
  const bool pressed = (b.check || b.action->name == "Action_Grid_Disp") && b.action->Checked();
  BYTE state = 0;
  if (b.action->Enabled()) state |= TBSTATE_ENABLED;
  if (pressed) state |= TBSTATE_CHECKED;
  if (!b.action->Visible()) state |= TBSTATE_HIDDEN;
  TBBUTTONINFOW info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_BYINDEX | TBIF_STATE;
  SendMessageW(hwnd_, TB_GETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  const BYTE keep = info.fsState & (TBSTATE_PRESSED | TBSTATE_WRAP);
  if ((info.fsState & ~keep) == state) return;
  info.fsState = static_cast<BYTE>(state | keep);
  SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

int MainToolBar::ButtonAt(POINT p) const {
  if (!hwnd_) return -1;
  const LRESULT hit = SendMessageW(hwnd_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p));
  return hit >= 0 && hit < Count() ? static_cast<int>(hit) : -1;
}

RECT MainToolBar::ButtonRect(int index) const {
  RECT r{};
  if (!hwnd_) return r;
  SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace zorvik
