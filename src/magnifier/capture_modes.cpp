// Pause, fixed point, loupe mode, moving the capture point and the cursor,
// the length origin, and the mouse on the view.
#include <windowsx.h>

#include "magnifier/capture_math.h"
#include "magnifier/main_window.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/private_messages.h"

namespace zorvik {

namespace {
constexpr wchar_t kSpeedButtonClass[] = L"TSpeedButton_Zorvik";
// The capture-move buttons from left to right.
constexpr Direction kButtonDirections[4] = {Direction::Left, Direction::Up, Direction::Down, Direction::Right};

Pt ToPt(POINT p) { return Pt{p.x, p.y}; }
POINT ToPOINT(Pt p) { return POINT{p.x, p.y}; }


void WaitUntil(DWORD t) {
  while (static_cast<int>(t - GetTickCount()) > 0) Sleep(5);
}

// The four 14x14 capture-move buttons: flat, an arrow each; presses go to
// the main window (a press message per button, one release message).
LRESULT CALLBACK SpeedButtonProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  const int index = static_cast<int>(GetWindowLongPtrW(h, GWLP_ID));
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(h);
      SendMessageW(GetParent(GetParent(h)), msg::kCaptureMovePress + static_cast<UINT>(index), 0, 0);
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      SendMessageW(GetParent(GetParent(h)), msg::kCaptureMoveRelease, 0, 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT r;
      GetClientRect(h, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      const int cx = r.right / 2, cy = r.bottom / 2;
      // Arrows designed on the 14-pixel button, grown with it.
      auto u = [&](int v) { return MulDiv(v, r.right, 14); };
      POINT t[3];
      switch (index) {
        case 0: t[0] = {cx - u(3), cy}; t[1] = {cx + u(2), cy - u(4)}; t[2] = {cx + u(2), cy + u(4)}; break;
        case 1: t[0] = {cx, cy - u(3)}; t[1] = {cx - u(4), cy + u(2)}; t[2] = {cx + u(4), cy + u(2)}; break;
        case 2: t[0] = {cx, cy + u(3)}; t[1] = {cx - u(4), cy - u(2)}; t[2] = {cx + u(4), cy - u(2)}; break;
        default: t[0] = {cx + u(3), cy}; t[1] = {cx - u(2), cy - u(4)}; t[2] = {cx - u(2), cy + u(4)}; break;
      }
      HGDIOBJ ob = SelectObject(dc, GetSysColorBrush(COLOR_BTNTEXT));
      HGDIOBJ op = SelectObject(dc, GetStockObject(NULL_PEN));
      Polygon(dc, t, 3);
      SelectObject(dc, ob);
      SelectObject(dc, op);
      EndPaint(h, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(h, msg, wp, lp);
  }
}
}  // namespace

bool TApp_Zorvik::Paused() const {
  const kit::Action* a = actions_.Find("Action_Capture_Pause");
  return a && a->Checked();
}
bool TApp_Zorvik::Fixed() const {
  const kit::Action* a = actions_.Find("Action_Capture_Fixed");
  return a && a->Checked();
}
bool TApp_Zorvik::LoupeActive() const {
  const kit::Action* a = actions_.Find("Action_Capture_Lupe");
  return a && a->Checked() && a->Enabled();
}

void TApp_Zorvik::BuildCaptureModeActions() {
  On("Action_Capture_Pause", [this](kit::Action&) { PauseExecute(false); });
  On("Action_Capture_Update", [this](kit::Action&) { PauseExecute(true); });
  On("Action_Capture_Fixed", [this](kit::Action&) { FixedExecute(); });
  On("Action_Capture_Lupe", [this](kit::Action&) { LupeExecute(); });
  On("Action_Capture_MoveCursorToPoint", [this](kit::Action&) { AnimateCursorTo(false); });
  On("Action_Capture_PointFromCursor", [this](kit::Action&) { CapturePointFromCursor(); });
  On("Action_Pos_LengthPosSet", [this](kit::Action&) { LengthPosSet(); });
  for (Direction d : kButtonDirections) On(MoveCommandName(d), [this](kit::Action& a) { MoveExecute(a.name); });
}

void TApp_Zorvik::MoveCapturePoint(POINT p, bool track) {
  Pt q = ToPt(p);
  if (track) q = TrackMonitor(q, ScreenSize().Layout(), captureMonitor_);
  info_.InspectedX = q.x;
  info_.InspectedY = q.y;
}

void TApp_Zorvik::SetCapturePointX(int x) {
  MoveCapturePoint(POINT{x, info_.InspectedY}, true);
  RefreshView();
}

void TApp_Zorvik::SetCapturePointY(int y) {
  MoveCapturePoint(POINT{info_.InspectedX, y}, true);
  RefreshView();
}

void TApp_Zorvik::UpdateCaptureMovePanel() {
  if (!panelCaptureMove_) return;
  const kit::Action* lupe = actions_.Find("Action_Capture_Lupe");
  const bool show = Fixed() || Paused() || (lupe && lupe->Checked());
  ShowWindow(panelCaptureMove_, show ? SW_SHOWNA : SW_HIDE);
}

void TApp_Zorvik::PauseExecute(bool update) {
  kit::Action* pause = actions_.Find("Action_Capture_Pause");
  // Building the snapshot pumps messages: a second Esc or update meanwhile
  // would start another build inside this one.
  if (!pause || pauseNotReady_) return;
  if (!update) {
    if (IsKeyDown(VK_CONTROL)) {
      AnimateCursorTo(false);
      return;
    }
    if (IsKeyDown(VK_SHIFT)) {
      CapturePointFromCursor();
      return;
    }
    pause->SetChecked(!pause->Checked());
  }
  const bool paused = pause->Checked();
  if (kit::Action* u = actions_.Find("Action_Capture_Update")) u->SetEnabled(paused);
  if (!paused || LoupeActive()) StartTimer(kTimerMain, kMainInterval, [this] { Timer_MainTimer(); });
  else StopTimer(kTimerMain);

  if (paused) {
    pauseNotReady_ = true;
    struct Ready {
      bool& notReady;
      ~Ready() { notReady = false; }
    } ready{pauseNotReady_};
    RefreshView();  // one live capture of the moment
    ScreenSize().Refresh();
    kit::Action* noSelf = actions_.Find("Action_Capture_NoSelfCapture");
    const bool tempLayer = CanLayerWindows() && noSelf && !noSelf->Checked();
    const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if (tempLayer && !(ex & WS_EX_LAYERED)) {
      SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
      Optional().SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    }
    winList_ = std::make_unique<T_WinList>(ScreenSize(), Handle());
    const TMyScreenSize& s = ScreenSize();
    const int w = s.VirtualWidth(), h = s.VirtualHeight();
    HDC screen = GetDC(nullptr);
    for (DibCanvas* c : {&pauseSnapshotLayered_, &pauseSnapshot_}) {
      if (!c->Resize(w, h)) {  // no memory for the frozen screen: the pause shows the live one
        c->Free();
        continue;
      }
      RECT all{0, 0, w, h};
      FillRect(c->dc, &all, squareBrush_);
      if (canExclude_) {  // the picture without the window is taken with the window left out
        ExcludeFromCapture(c == &pauseSnapshot_);
        FlushComposition();
      }
      BitBlt(c->dc, 0, 0, w, h, screen, s.VirtualLeft(), s.VirtualTop(),
             c == &pauseSnapshotLayered_ ? (SRCCOPY | 0x40000000) : SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    if (tempLayer && !(ex & WS_EX_LAYERED)) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
  } else {
    ScreenSize().Refresh();
    winList_.reset();
    pauseSnapshot_.Free();
    pauseSnapshotLayered_.Free();
    EndActualSize();
    if (kit::Action* noSelf = actions_.Find("Action_Capture_NoSelfCapture")) noSelf->SetEnabled(true);
  }
  UpdateCaptureMovePanel();
  CheckComposition(nullptr);
  UpdateCaptureExclusion();
  statusMessage_.clear();
  FormResize();
  RefreshView();
}

void TApp_Zorvik::FixedExecute() {
  kit::Action* fixed = actions_.Find("Action_Capture_Fixed");
  if (!fixed) return;
  if (IsKeyDown(VK_CONTROL)) {
    AnimateCursorTo(false);
    return;
  }
  if (IsKeyDown(VK_SHIFT)) {
    CapturePointFromCursor();
    return;
  }
  const bool on = !fixed->Checked();
  if (on) {
    fixed->SetChecked(true);  // unchecks loupe mode: same group
  } else {
    fixed->SetChecked(false);
  }
  LupeExecute();
  UpdateCaptureMovePanel();
  kit::ProcessMessages();
  statusMessage_.clear();
  RefreshView();
}

void TApp_Zorvik::LupeExecute() {
  kit::Action* lupe = actions_.Find("Action_Capture_Lupe");
  if (!lupe) return;
  if (!CanLayerWindows()) {
    lupe->SetChecked(false);
    return;
  }
  CheckComposition(lupe);
  const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (lupe->Checked()) {
    if (!(ex & WS_EX_LAYERED)) {
      SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
      Optional().SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    }
    StartTimer(kTimerMain, kMainInterval, [this] { Timer_MainTimer(); });
  } else {
    const kit::Action* noSelf = actions_.Find("Action_Capture_NoSelfCapture");
    if (!(noSelf && noSelf->Checked()) && (ex & WS_EX_LAYERED))
      SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    if (Paused()) StopTimer(kTimerMain);
  }
  UpdateCaptureExclusion();
  UpdateCaptureMovePanel();
  RefreshView();
}

void TApp_Zorvik::UpdateCaptureExclusion() {
  ExcludeFromCapture(canExclude_ && (LoupeActive() || NoSelfCaptureActive()));
}

void TApp_Zorvik::ExcludeFromCapture(bool exclude) {
  if (exclude == excluded_ || !canExclude_) return;
  if (SetCaptureExclusion(Handle(), exclude)) excluded_ = exclude;
}

void TApp_Zorvik::MoveExecute(const std::string& name) {
  Direction d = Direction::Down;
  if (!MoveDirectionOf(name, d)) return;
  const int s = IsKeyDown(VK_SHIFT) ? 10 : 1;
  if (LoupeActive()) {
    RECT r;
    GetWindowRect(Handle(), &r);
    const Pt to = Step(Pt{r.left, r.top}, d, s);
    const Pt clamped = ScreenSize().Layout().ClampLoupePosition(to, r.right - r.left, r.bottom - r.top,
                                                                  infoRect_.bottom - infoRect_.top);
    SetWindowPos(Handle(), nullptr, clamped.x, clamped.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (Fixed() || Paused()) {
    const Rc v = ScreenSize().Layout().Virtual();
    MoveCapturePoint(ToPOINT(ClampToVirtual(Step(ToPt(CapturePoint()), d, s), v)), true);
    statusMessage_.clear();
    RefreshView();
    return;
  }
  const Pt to = Step(ToPt(CapturePoint()), d, s);
  SetCursorPos(to.x, to.y);
  if (d == Direction::Left) mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(-s), 0, 0, 0);
}

void TApp_Zorvik::AnimateCapturePoint(POINT target) {
  const auto steps = CaptureAnimationSteps(ToPt(CapturePoint()), ToPt(target));
  const DWORD t0 = GetTickCount();
  for (size_t i = 0; i < steps.size(); ++i) {
    const bool last = i + 1 == steps.size();
    if (last) {
      MoveCapturePoint(ToPOINT(steps[i]), false);
      statusMessage_.clear();
      RefreshView();
      break;
    }
    MoveCapturePoint(ToPOINT(steps[i]), false);
    RefreshView();
    WaitUntil(t0 + 40 * static_cast<DWORD>(i + 1));
  }
}

void TApp_Zorvik::AnimateCursorTo(bool toLengthOrigin) {
  POINT target;
  if (toLengthOrigin) {
    target = POINT{info_.LengthOriginX, info_.LengthOriginY};
  } else {
    if (!Fixed() && !Paused()) return;
    target = CapturePoint();
  }
  POINT start{0, 0};
  GetCursorPos(&start);
  const auto steps = CursorAnimationSteps(ToPt(start), ToPt(target));
  const DWORD t0 = GetTickCount();
  for (size_t i = 0; i < steps.size(); ++i) {
    SetCursorPos(steps[i].x, steps[i].y);
    if (i + 1 < steps.size()) WaitUntil(t0 + 10 * static_cast<DWORD>(i + 1));
  }
}

void TApp_Zorvik::CapturePointFromCursor() {
  if (!Fixed() && !Paused()) return;
  POINT c{0, 0};
  GetCursorPos(&c);
  AnimateCapturePoint(c);
}

void TApp_Zorvik::LengthPosSet() {
  const bool shift = IsKeyDown(VK_SHIFT), ctrl = IsKeyDown(VK_CONTROL);
  if (shift && ctrl) {
    info_.LengthOriginX = info_.LengthOriginY = 0;
  } else if (ctrl) {
    AnimateCursorTo(true);
  } else if ((!Fixed() && !Paused()) || shift) {
    POINT c{0, 0};
    GetCursorPos(&c);
    info_.LengthOriginX = c.x;
    info_.LengthOriginY = c.y;
    kit::Action* length = actions_.Find("Action_Pos_Length");
    if (length && !length->Checked()) {
      length->SetChecked(true);
      FormResize();
    }
  } else {
    info_.LengthOriginX = info_.InspectedX;
    info_.LengthOriginY = info_.InspectedY;
  }
  RefreshView();
}

void TApp_Zorvik::CreateCaptureMovePanel() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  kit::RegisterPlainClass(kSpeedButtonClass, SpeedButtonProc);
  panelCaptureMove_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 4 * Scale(14), Scale(14),
                                      Handle(), nullptr, inst, nullptr);
  // Buttons report to the main window through their panel's parent.
  for (int i = 0; i < 4; ++i)
    CreateWindowExW(0, kSpeedButtonClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, panelCaptureMove_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)), inst, nullptr);
  LayoutCaptureMoveButtons();
}

// Four square buttons of 14 pixels at 96 dpi.
void TApp_Zorvik::LayoutCaptureMoveButtons() {
  if (!panelCaptureMove_) return;
  const int side = Scale(14);
  for (int i = 0; i < 4; ++i)
    if (HWND b = GetDlgItem(panelCaptureMove_, i))
      SetWindowPos(b, nullptr, i * side, 0, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TApp_Zorvik::CaptureMoveTick() {
  if (heldSpeedButton_ < 0) {
    StopTimer(kTimerCaptureMove);
    return;
  }
  const Direction d = MapMoveByFlip(kButtonDirections[heldSpeedButton_], info_.FlipMode);
  MoveExecute(MoveCommandName(d));
  RefreshView();
  int speed = 31;
  if (!SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0)) speed = 31;
  if (!IsKeyDown(VK_LBUTTON)) {
    heldSpeedButton_ = -1;
    StopTimer(kTimerCaptureMove);
    return;
  }
  StartTimer(kTimerCaptureMove, static_cast<UINT>(RepeatIntervalMs(speed)), [this] { CaptureMoveTick(); });
}

void TApp_Zorvik::OnLeftDown(POINT client, WPARAM keys) {
  if (PtInRect(&splitterRect_, client)) {
    splitterDrag_ = true;
    SetCapture(Handle());
    return;
  }
  pressClientPoint_ = client;
  CaptureCursorPos(pressScreenPoint_);
  RECT info = infoRect_;
  OffsetRect(&info, 0, ToolBarHeight());
  if ((Fixed() || Paused()) && !PtInRect(&info, client) && !LoupeActive()) {
    SetCapture(Handle());
    panActive_ = true;
    pressCapturePoint_ = CapturePoint();
    return;
  }
  if (!(keys & MK_CONTROL) && !IsZoomed(Handle())) {
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, syscmd::kDragMoveFromView, 0);
    RefreshView();
  }
}

void TApp_Zorvik::OnMouseMove(POINT) {
  if (panActive_ && IsKeyDown(VK_LBUTTON)) {
    panActive_ = false;
    POINT p;
    CaptureCursorPos(p);
    const Pt to = PanCapturePoint(ToPt(pressCapturePoint_), ToPt(pressScreenPoint_), ToPt(p), zoomFactor_,
                                  info_.FlipMode, ScreenSize().Layout().Virtual());
    MoveCapturePoint(ToPOINT(to), true);
    if (Fixed()) statusMessage_.clear();
    RefreshView();
    kit::ProcessMessages();
    panActive_ = true;
  }
}

bool TApp_Zorvik::OnSetCursor() {
  if (panActive_) return false;
  POINT c;
  CursorPosInClient(Handle(), c);
  if (splitterDrag_ || PtInRect(&splitterRect_, c)) {
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
  }
  return false;
}

void TApp_Zorvik::OnLeftUp(POINT client, WPARAM keys) {
  ReleaseCapture();
  panActive_ = false;
  if (splitterDrag_) {
    RECT cr;
    GetClientRect(Handle(), &cr);
    infoArea_.SetDividerX(client.x, cr.right);
    splitterDrag_ = false;
    FormResize();
    return;
  }
  if ((Fixed() || Paused()) && (keys & MK_CONTROL) && !(keys & MK_SHIFT)) OnDoubleClick();
}

void TApp_Zorvik::OnDoubleClick() {
  if (!Fixed() && !Paused()) return;
  const Pt target = PointUnderClient(ToPt(CapturePoint()), ToPt(pressClientPoint_), geom_.ViewLeft, geom_.ViewTop,
                                     ToolBarHeight(), zoomFactor_, geom_.CenterCol, geom_.CenterRow,
                                     ScreenSize().Layout().Virtual());
  if (target != ToPt(CapturePoint())) AnimateCapturePoint(ToPOINT(target));
}

void TApp_Zorvik::ActualSizeButtonPressed() {
  BeginActualSize();
  ReleaseCapture();
  SendMessageW(Handle(), WM_SYSCOMMAND, syscmd::kDragMoveFromToolBar, 0);  // drag the window while seeing 1:1
  EndActualSize();
}

}  // namespace zorvik
