#include "platform/message_dialog.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/general.h"
#include "platform/optional_functions.h"
#include "platform/private_messages.h"

namespace zorvik {

namespace {

struct ButtonInfo {
  const wchar_t* caption;
  int result;
};

// Indexed by MessageButtonKind.
constexpr ButtonInfo kButtons[kButtonKindCount] = {
    {L"はい(&Y)", kResultYes},          {L"いいえ(&N)", kResultNo},
    {L"OK", kResultOk},                 {L"キャンセル", kResultCancel},
    {L"中止(&A)", kResultAbort},        {L"再試行(&R)", kResultRetry},
    {L"無視(&I)", kResultIgnore},       {L"すべて(&L)", kResultAll},
    {L"すべていいえ(&O)", kResultNoToAll}, {L"すべてはい(&S)", kResultYesToAll},
    {L"ヘルプ(&H)", kResultHelp},
};

constexpr UINT kSnapMessage = msg::kDialogSnap;

struct DialogState {
  std::wstring text;  // with "\r\n" line breaks
  unsigned buttons = 0;
  int designated = kButtonOk;
  HFONT font = nullptr;
  int defaultId = 0;  // 0: no default button
  int cancelId = 0;   // 0: Esc does nothing
  int bandTop = 0;    // client y of the button band
  std::vector<HWND> buttonWindows;
};

bool Has(unsigned buttons, int kind) { return (buttons & ButtonBit(kind)) != 0; }

// "\r" alone and "\n" alone become "\r\n"; "\r\n" stays.
std::wstring WithLineBreaks(const std::wstring& message) {
  std::wstring out;
  out.reserve(message.size() + 8);
  for (size_t i = 0; i < message.size(); ++i) {
    const wchar_t c = message[i];
    if (c == L'\r') {
      out += L"\r\n";
      if (i + 1 < message.size() && message[i + 1] == L'\n') ++i;
    } else if (c == L'\n') {
      out += L"\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

HFONT CreateMessageFont() {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    if (HFONT f = CreateFontIndirectW(&ncm.lfMessageFont)) return f;
  }
  return nullptr;
}

int CaptionTextWidth(HDC dc, const std::wstring& title) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (title.empty() || !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) return 0;
  HFONT f = CreateFontIndirectW(&ncm.lfCaptionFont);
  if (!f) return 0;
  HGDIOBJ old = SelectObject(dc, f);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &size);
  SelectObject(dc, old);
  DeleteObject(f);
  return size.cx;
}

void CentreOnCursorMonitor(HWND dlg) {
  POINT cursor{0, 0};
  CursorPos(cursor);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (!GetMonitorInfoW(MonitorAt(cursor), &mi)) return;
  RECT r;
  GetWindowRect(dlg, &r);
  const RECT& m = mi.rcMonitor;
  const int left = m.left + ((m.right - m.left) - (r.right - r.left)) / 2;
  const int top = m.top + ((m.bottom - m.top) - (r.bottom - r.top)) / 2;
  SetWindowPos(dlg, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sizes the dialog to its text and buttons and creates the controls. The
// design sizes are for a 12-pixel message font and grow with it.
void BuildControls(HWND dlg, DialogState& st) {
  HDC dc = GetDC(dlg);
  HGDIOBJ oldFont = SelectObject(dc, st.font ? static_cast<HGDIOBJ>(st.font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const int fontHeight = std::max(1, static_cast<int>(tm.tmHeight - tm.tmInternalLeading));
  const double scale = fontHeight / 12.0;
  auto px = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };

  const int margin = px(22);
  const int bandPad = px(11);
  const int gap = px(7);
  const int buttonHeight = std::max(px(23), static_cast<int>(tm.tmHeight) + px(8));
  const int buttonPad = px(12);

  // Message text, wrapped at a comfortable width for the monitor in use.
  POINT cursor{0, 0};
  CursorPos(cursor);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  int workWidth = 1024;
  if (GetMonitorInfoW(MonitorAt(cursor), &mi)) workWidth = mi.rcWork.right - mi.rcWork.left;
  const int maxText = std::max(px(120), std::min(px(480), workWidth * 3 / 4 - 2 * margin));
  const UINT textFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
  RECT tr{0, 0, maxText, 0};
  if (!st.text.empty()) DrawTextW(dc, st.text.c_str(), -1, &tr, textFormat | DT_CALCRECT);
  const int textWidth = static_cast<int>(tr.right - tr.left);
  const int textHeight = std::max(static_cast<int>(tr.bottom - tr.top), static_cast<int>(tm.tmHeight));

  // Buttons: one width for all, wide enough for the longest caption.
  std::vector<int> kinds;
  int buttonWidth = px(75);
  for (int k = 0; k < kButtonKindCount; ++k) {
    if (!Has(st.buttons, k)) continue;
    kinds.push_back(k);
    RECT cr{0, 0, 0, 0};
    DrawTextW(dc, kButtons[k].caption, -1, &cr, DT_SINGLELINE | DT_CALCRECT);
    buttonWidth = std::max(buttonWidth, static_cast<int>(cr.right - cr.left) + 2 * buttonPad);
  }
  const int n = static_cast<int>(kinds.size());
  const int rowWidth = n > 0 ? n * buttonWidth + (n - 1) * gap : 0;

  wchar_t titleBuffer[512] = L"";
  GetWindowTextW(dlg, titleBuffer, 512);
  const int titleNeed = CaptionTextWidth(dc, titleBuffer) + 2 * GetSystemMetrics(SM_CXSIZE) + px(16);
  SelectObject(dc, oldFont);
  ReleaseDC(dlg, dc);

  const int clientWidth = std::max({textWidth + 2 * margin, rowWidth + 2 * bandPad, titleNeed, px(200)});
  const int bandHeight = buttonHeight + 2 * bandPad;
  const int clientHeight = margin + textHeight + margin + bandHeight;
  st.bandTop = clientHeight - bandHeight;

  RECT wr{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&wr, static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_EXSTYLE)));
  SetWindowPos(dlg, nullptr, 0, 0, wr.right - wr.left, wr.bottom - wr.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dlg, GWLP_HINSTANCE));
  HWND text = CreateWindowExW(0, L"STATIC", st.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin,
                              margin, textWidth, textHeight, dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xFFFF)),
                              inst, nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(st.font), FALSE);

  int x = clientWidth - bandPad - rowWidth;
  const int y = st.bandTop + bandPad;
  for (int i = 0; i < n; ++i) {
    const int k = kinds[static_cast<size_t>(i)];
    const int id = kButtons[k].result;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (id == st.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (i == 0) style |= WS_GROUP;
    HWND b = CreateWindowExW(0, L"BUTTON", kButtons[k].caption, style, x, y, buttonWidth, buttonHeight, dlg,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(st.font), FALSE);
    st.buttonWindows.push_back(b);
    x += buttonWidth + gap;
  }
}

// With "snap to default button" on, the pointer goes to the centre of the
// button that carries the designated kind's caption.
void SnapCursor(const DialogState& st) {
  BOOL snap = FALSE;
  if (!SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &snap, 0) || !snap) return;
  if (st.designated < 0 || st.designated >= kButtonKindCount) return;
  const std::wstring caption = kButtons[st.designated].caption;
  for (HWND b : st.buttonWindows) {
    wchar_t text[64] = L"";
    GetWindowTextW(b, text, 64);
    if (caption != text) continue;
    RECT r;
    GetWindowRect(b, &r);
    SetCursorPos(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2);
    return;
  }
}

bool IsOwnButton(const DialogState& st, int id) {
  for (HWND b : st.buttonWindows)
    if (GetDlgCtrlID(b) == id) return true;
  return false;
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  DialogState* st = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      st = reinterpret_cast<DialogState*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(st));
      BuildControls(dlg, *st);
      if (st->defaultId != 0) SendMessageW(dlg, DM_SETDEFID, static_cast<WPARAM>(st->defaultId), 0);
      CentreOnCursorMonitor(dlg);
      HWND focus = st->defaultId != 0 ? GetDlgItem(dlg, st->defaultId)
                                      : (st->buttonWindows.empty() ? nullptr : st->buttonWindows.front());
      if (focus) SetFocus(focus);
      PostMessageW(dlg, kSnapMessage, 0, 0);  // once the dialog is on screen
      return FALSE;                           // focus set here
    }
    case kSnapMessage:
      if (st) SnapCursor(*st);
      return TRUE;
    case WM_COMMAND: {
      if (!st) return FALSE;
      int id = LOWORD(wp);
      if (!IsOwnButton(*st, id)) {
        if (id == IDOK)
          id = st->defaultId;  // Enter with no default: nothing
        else if (id == IDCANCEL)
          id = st->cancelId;  // Esc
        else
          id = 0;
      }
      if (id != 0) EndDialog(dlg, id);
      return TRUE;
    }
    case WM_CLOSE:  // title-bar button, Alt+F4
      EndDialog(dlg, kResultClosed);
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
      SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CTLCOLORBTN:
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(dlg, &ps);
      if (st) {
        RECT band;
        GetClientRect(dlg, &band);
        band.top = st->bandTop;
        FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
      }
      EndPaint(dlg, &ps);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// An empty dialog template with the given title; the controls are made at
// WM_INITDIALOG.
std::vector<WORD> DialogTemplate(const std::wstring& title) {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  DLGTEMPLATE* h = reinterpret_cast<DLGTEMPLATE*>(t.data());
  h->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFOREGROUND;
  h->dwExtendedStyle = WS_EX_DLGMODALFRAME;
  h->cdit = 0;
  t.push_back(0);  // no menu
  t.push_back(0);  // standard dialog class
  for (wchar_t c : title) t.push_back(static_cast<WORD>(c));
  t.push_back(0);
  return t;
}

}  // namespace

const wchar_t* ButtonCaption(int kind) {
  return kind >= 0 && kind < kButtonKindCount ? kButtons[kind].caption : L"";
}

int ButtonResult(int kind) {
  return kind >= 0 && kind < kButtonKindCount ? kButtons[kind].result : kResultNone;
}

int ShowMessageDialog(const std::wstring& message, const std::wstring* title, unsigned buttons, int designatedKind) {
  DialogState st;
  st.text = WithLineBreaks(message);
  st.buttons = buttons & ((1u << kButtonKindCount) - 1);
  st.designated = designatedKind;
  if (Has(st.buttons, kButtonOk))
    st.defaultId = kResultOk;
  else if (Has(st.buttons, kButtonYes))
    st.defaultId = kResultYes;
  if (Has(st.buttons, kButtonCancel))
    st.cancelId = kResultCancel;
  else if (Has(st.buttons, kButtonNo))
    st.cancelId = kResultNo;
  else if (Has(st.buttons, kButtonOk))
    st.cancelId = kResultOk;
  st.font = CreateMessageFont();

  const std::vector<WORD> tmpl = DialogTemplate(title ? *title : ProductNameOf());
  MessageBeep(0);
  const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()),
                                            GetActiveWindow(), DialogProc, reinterpret_cast<LPARAM>(&st));
  if (st.font) DeleteObject(st.font);
  return r > 0 ? static_cast<int>(r & 0xFFFF) : kResultNone;
}

void ShowNotice(const std::wstring& message, const std::wstring* title) {
  ShowMessageDialog(message, title, kButtonsOk, kButtonOk);
}

int AskYesNo(const std::wstring& message, const std::wstring& title, int designatedKind) {
  return ShowMessageDialog(message, &title, kButtonsYesNo, designatedKind);
}

}  // namespace zorvik
