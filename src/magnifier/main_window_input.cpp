// Keys, right-button gestures, popup menus and toolbar notifications of the
// main window.
#include <windowsx.h>

#include "commands/command_table.h"
#include "magnifier/capture_math.h"
#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
bool IsMoveCommand(const std::string& name) {
  Direction d;
  return MoveDirectionOf(name, d);
}
bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
}  // namespace

void TApp_Zorvik::ShowMenu(const std::string& name, POINT screen, const RECT* exclude) {
  if (kit::PopupMenu* m = menus_.ByName(name))
    m->Popup(Handle(), screen.x, screen.y, [this](const kit::Action& a) { return MenuCommandOf(a); }, exclude);
}

void TApp_Zorvik::ShowMainMenuAtClientOrigin() {
  POINT p{0, 0};
  ClientToScreen(Handle(), &p);
  ShowMenu("PopupMenu_Main", p);
}

// A command run from a key or a gesture: toggles first when it toggles. The
// menu commands show their menu at the client origin.
void TApp_Zorvik::RunBound(kit::Action& a) {
  if (a.category == kCategoryMenu) {
    if (a.name.rfind("Action_Menu_", 0) == 0 && menus_.ByName("PopupMenu_" + a.name.substr(12))) {
      POINT p{0, 0};
      ClientToScreen(Handle(), &p);
      ShowMenu("PopupMenu_" + a.name.substr(12), p);
    }
    return;
  }
  if (a.autoCheck && a.Enabled()) a.SetChecked(!a.Checked());
  a.Execute();
}

bool TApp_Zorvik::OnKeyDown(UINT vk) {
  if (vk == VK_MENU) return true;  // Alt alone never opens the window menu
  if (AltHeld()) {
    // The two fixed accelerators that belong to their commands.
    if (vk == VK_F4) {
      if (kit::Action* a = actions_.Find("Action_File_Exit")) a->Trigger();
      return true;
    }
    if (vk == VK_F10) {
      if (kit::Action* a = actions_.Find("Action_Custom_Setting")) a->Trigger();
      return true;
    }
    return false;
  }
  const CommandDef* def = bindings_.Find(static_cast<uint16_t>(vk));
  if (!def) return false;
  kit::Action* a = actions_.Find(def->name);
  if (!a) return true;
  if (IsMoveCommand(a->name)) {  // repeats with the keyboard's auto-repeat
    const kit::Action* same = actions_.Find("Action_Move_OptMoveBitmap");
    Direction d;
    if (same && same->Checked() && MoveDirectionOf(a->name, d))
      if (kit::Action* mapped = actions_.Find(MoveCommandName(MapMoveByFlip(d, info_.FlipMode)))) a = mapped;
    a->Execute();
  }
  else if (a->name == "Action_Capture_Disp_x1") BeginActualSize();
  return true;
}

bool TApp_Zorvik::OnKeyUp(UINT vk, bool pressedHere) {
  if (vk == VK_APPS) {
    if (pressedHere) ShowMainMenuAtClientOrigin();
    return true;
  }
  if (vk == VK_MENU) return true;
  if (AltHeld()) return false;
  const CommandDef* def = bindings_.Find(static_cast<uint16_t>(vk));
  if (!def) return false;
  kit::Action* a = actions_.Find(def->name);
  if (!a || IsMoveCommand(a->name)) return true;
  if (a->name == "Action_Capture_Disp_x1") {
    EndActualSize();  // ending the 1:1 view is always safe
    return true;
  }
  if (pressedHere) RunBound(*a);
  return true;
}

void TApp_Zorvik::OnRightButtonUp(POINT end) {
  const Gesture g = ClassifyGesture(GesturePoint{gestureStart_.x, gestureStart_.y}, GesturePoint{end.x, end.y},
                                    GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK));
  if (g == Gesture::NotStarted) return;
  if (g == Gesture::None) {
    POINT p = end;
    ClientToScreen(Handle(), &p);
    ShowMenu("PopupMenu_Main", p);
    return;
  }
  const CommandDef* def = gestures_.CommandFor(g);
  if (!def) return;
  if (kit::Action* a = actions_.Find(def->name)) RunBound(*a);
}

LRESULT TApp_Zorvik::OnNotify(NMHDR* hdr) {
  if (!hdr || hdr->hwndFrom != toolBar_) return 0;
  switch (hdr->code) {
    case TBN_DROPDOWN: {
      auto* nm = reinterpret_cast<NMTOOLBARW*>(hdr);
      const LRESULT index = SendMessageW(toolBar_, TB_COMMANDTOINDEX, static_cast<WPARAM>(nm->iItem), 0);
      if (index < 0 || index >= toolbar_.Count()) return TBDDRET_DEFAULT;
      const RECT r = toolbar_.ButtonRect(static_cast<int>(index));
      ShowMenu(toolbar_.At(static_cast<int>(index)).dropDownMenu, POINT{r.left, r.bottom}, &r);
      return TBDDRET_DEFAULT;
    }
    case NM_RCLICK: {
      auto* nm = reinterpret_cast<NMMOUSE*>(hdr);
      POINT screen = nm->pt;
      ClientToScreen(toolBar_, &screen);
      const int index = toolbar_.ButtonAt(nm->pt);
      const std::string menu = index >= 0 ? toolbar_.At(index).contextMenu : std::string("PopupMenu_ToolBar");
      ShowMenu(menu.empty() ? "PopupMenu_ToolBar" : menu, screen);
      return TRUE;
    }
    case TBN_GETINFOTIPW: {
      auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(hdr);
      kit::Action* a = ActionOfMenuCommand(static_cast<UINT>(tip->iItem));
      if (!a || !tip->pszText || tip->cchTextMax <= 0) return 0;
      const std::wstring text = W(a->hint.empty() ? CaptionWithoutAccelerator(a->caption) : a->hint);
      lstrcpynW(tip->pszText, text.c_str(), tip->cchTextMax);
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace zorvik
