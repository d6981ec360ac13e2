// Entries that send a control a query message (combo box, list box,
// trackbar, window text) and the calls that read the same facts: every
// message goes through the catalogue's guarded send, and a control's own
// messages go only to windows of its class (the same numbers mean other
// things, some of them changes, to other windows: TBM_GETRANGEMIN is
// DM_SETDEFID to a dialog and SB_SETTEXT to a status bar).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "apitest/api_handlers.h"
#include "inspection/text_buffer.h"
#include "inspection/window_info.h"

namespace zorvik {

namespace {

// --- list and combo box messages ------------------------------------------

struct BoxMessages {
  bool combo;
  UINT count, cursel, text, textLength;
};
constexpr BoxMessages kCombo{true, CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN};
constexpr BoxMessages kList{false, LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXT, LB_GETTEXTLEN};

const BoxMessages& BoxOf(const ApiEntryInfo& e) { return e.name[0] == 'C' ? kCombo : kList; }

// What the first value row says instead of a value for a window of another class.
constexpr char kNotListBox[] = "リストボックスではないため送信しません";
constexpr char kNotComboBox[] = "コンボボックスではないため送信しません";
constexpr char kNotTrackbar[] = "トラックバーではないため送信しません";

// Whether the target is a box the messages are meant for; otherwise the
// value row says that nothing is sent.
bool IsBoxTarget(T_MyAPIValue& api, const BoxMessages& b) {
  HWND w = api.TargetWindow();
  if (b.combo ? IsWindowOfClass(w, {L"ComboBox"}) : IsWindowOfClass(w, {L"ListBox", L"ComboLBox"})) return true;
  api.AddText(b.combo ? kNotComboBox : kNotListBox);
  return false;
}

UINT MessageOf(const ApiEntryInfo& e) {
  const std::string_view n = e.name;
  const BoxMessages& b = BoxOf(e);
  if (n.find("COUNT") != std::string_view::npos) return b.count;
  if (n.find("CURSEL") != std::string_view::npos) return b.cursel;
  return n.find("LEN") != std::string_view::npos ? b.textLength : b.text;
}

// count and selection: the value in error form when the send succeeds.
void RunBoxValue(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e) || !IsBoxTarget(api, BoxOf(e))) return;
  LRESULT r = 0;
  if (api.Send(api.TargetWindow(), MessageOf(e), 0, 0, r)) api.AddText(ErrorForm(r, BoxOf(e).combo));
}

// The item the text messages read: the selection, item 0 without one.
WPARAM ItemIndex(T_MyAPIValue& api, const BoxMessages& b) {
  LRESULT sel = 0;
  if (!api.Send(api.TargetWindow(), b.cursel, 0, 0, sel) || sel == -1) sel = 0;
  return static_cast<WPARAM>(sel);
}

void RunBoxText(T_MyAPIValue& api, const ApiEntryInfo& e) {
  const BoxMessages& b = BoxOf(e);
  if (!api.Begin(e) || !IsBoxTarget(api, b)) return;
  HWND w = api.TargetWindow();
  const WPARAM index = ItemIndex(api, b);
  AddInt(api, static_cast<LRESULT>(index));
  LRESULT length = 0;
  if (!api.Send(w, b.textLength, index, 0, length)) return;
  std::wstring text;
  LRESULT shown = length;
  // The control writes the whole item: the buffer holds the reported
  // length, the terminator and some slack, and an item over the limit is
  // not read at all.
  const size_t size = length != -1 && length != 0 ? ItemTextBufferSize(length, kLiveTextLimit) : 0;
  if (size > 0) {
    std::wstring buf(size, L'\0');
    LRESULT got = 0;
    if (api.Send(w, b.text, index, reinterpret_cast<LPARAM>(buf.data()), got)) {
      shown = got;
      text.assign(buf.c_str(), wcsnlen(buf.c_str(), size));
    }
  }
  api.AddResult(text);
  api.AddText(ErrorForm(shown, b.combo));
}

void RunBoxTextLength(T_MyAPIValue& api, const ApiEntryInfo& e) {
  const BoxMessages& b = BoxOf(e);
  if (!api.Begin(e) || !IsBoxTarget(api, b)) return;
  const WPARAM index = ItemIndex(api, b);
  AddInt(api, static_cast<LRESULT>(index));
  LRESULT length = 0;
  if (api.Send(api.TargetWindow(), b.textLength, index, 0, length)) api.AddText(ErrorForm(length, b.combo));
}

void RunGetComboBoxInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  COMBOBOXINFO ci{};
  ci.cbSize = sizeof ci;
  // The system asks the control with a message of its own, without a
  // time-out: only a window that answers is asked.
  const bool ok = api.Answers(w) && GetComboBoxInfo(w, &ci);
  AddInt(api, ci.cbSize);
  if (ok) {
    AddRect(api, ci.rcItem);
    AddRect(api, ci.rcButton);
    api.AddText(ComboButtonState(ci.stateButton));
    api.AddWindowResult(ci.hwndCombo);
    api.AddWindowResult(ci.hwndItem);
    api.AddWindowResult(ci.hwndList);
  } else {
    api.AddBlankResults(6);
  }
  AddBool(api, ok);
}

void RunGetListBoxInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  AddInt(api, api.Answers(w) ? static_cast<long long>(GetListBoxInfo(w)) : 0);
}

// --- trackbar messages (sent as ANSI messages) -----------------------------

struct TrackbarMessage {
  const char* name;
  UINT message;
};
const TrackbarMessage kTrackbar[] = {
    {"TBM_GETLINESIZE", TBM_GETLINESIZE},       {"TBM_GETNUMTICS", TBM_GETNUMTICS},
    {"TBM_GETPAGESIZE", TBM_GETPAGESIZE},       {"TBM_GETPOS", TBM_GETPOS},
    {"TBM_GETRANGEMAX", TBM_GETRANGEMAX},       {"TBM_GETRANGEMIN", TBM_GETRANGEMIN},
    {"TBM_GETTHUMBLENGTH", TBM_GETTHUMBLENGTH}, {"TBM_GETTIC", TBM_GETTIC},
    {"TBM_GETTICPOS", TBM_GETTICPOS},           {"TBM_GETTOOLTIPS", TBM_GETTOOLTIPS},
    {"TBM_GETUNICODEFORMAT", 0x2006},  // CCM_GETUNICODEFORMAT
};

int TrackbarValue(T_MyAPIValue& api, UINT message, WPARAM wp = 0) {
  LRESULT r = 0;
  return api.SendAnsi(api.TargetWindow(), message, wp, 0, r) ? static_cast<int>(r) : 0;
}

void RunTrackbar(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  if (!IsWindowOfClass(api.TargetWindow(), {TRACKBAR_CLASSW})) {
    api.AddText(kNotTrackbar);
    return;
  }
  UINT message = 0;
  for (const TrackbarMessage& t : kTrackbar)
    if (std::strcmp(t.name, e.name) == 0) message = t.message;
  if (message != TBM_GETTIC && message != TBM_GETTICPOS) {
    AddInt(api, TrackbarValue(api, message));
    return;
  }
  // The tick just below the thumb; none at either end of the range.
  const int pos = TrackbarValue(api, TBM_GETPOS);
  const int min = TrackbarValue(api, TBM_GETRANGEMIN);
  const int max = TrackbarValue(api, TBM_GETRANGEMAX);
  char text[160];
  if (static_cast<unsigned>(pos) < static_cast<unsigned>(min)) {
    api.AddText("エラー(恐らくウィンドウはトラックバーではありません)");
  } else if (pos == min) {
    snprintf(text, sizeof text, "現在位置がトラックバーの最小値の場合は無効です。(%d)", pos);
    api.AddText(text);
  } else if (pos == max) {
    snprintf(text, sizeof text, "現在位置がトラックバーの最大値の場合は無効です。(%d)", pos);
    api.AddText(text);
  } else {
    AddInt(api, TrackbarValue(api, message, static_cast<WPARAM>(pos - min - 1)));
  }
}

// --- window text ----------------------------------------------------------

// GetWindowText and GetWindowTextLength send WM_GETTEXT(LENGTH) without a
// time-out to a window of this process on another thread; such a window is
// asked only when it answers a guarded message.
bool MayAskForText(T_MyAPIValue& api, HWND w) {
  DWORD pid = 0;
  const DWORD thread = GetWindowThreadProcessId(w, &pid);
  if (pid != GetCurrentProcessId() || thread == GetCurrentThreadId()) return true;
  return api.Answers(w);
}

void RunGetWindowText(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  const bool ask = MayAskForText(api, w);
  api.AddBlankResults();  // ANSI版
  {
    const int length = ask ? GetWindowTextLengthA(w) : 0;
    // The caller names the buffer size, so the text is cut to the limit.
    const int size = static_cast<int>(std::min<long long>(std::max(length, 0), 2 * kLiveTextLimit)) + 1;
    std::string buf(static_cast<size_t>(size), '\0');
    const int got = ask ? GetWindowTextA(w, buf.data(), size) : 0;
    buf.resize(strnlen(buf.c_str(), static_cast<size_t>(size)));
    std::wstring wide;
    if (!buf.empty()) {
      const int n = MultiByteToWideChar(CP_ACP, 0, buf.data(), static_cast<int>(buf.size()), nullptr, 0);
      wide.resize(static_cast<size_t>(std::max(n, 0)));
      if (n > 0) MultiByteToWideChar(CP_ACP, 0, buf.data(), static_cast<int>(buf.size()), wide.data(), n);
    }
    api.AddResult(wide);
    AddInt(api, length);
    AddInt(api, got);
  }
  api.AddBlankResults();  // Unicode版
  {
    const int length = ask ? GetWindowTextLengthW(w) : 0;
    const int size = static_cast<int>(std::min<long long>(std::max(length, 0), kLiveTextLimit)) + 1;
    std::wstring buf(static_cast<size_t>(size), L'\0');
    const int got = ask ? GetWindowTextW(w, buf.data(), size) : 0;
    api.AddResult(std::wstring(buf.c_str(), wcsnlen(buf.c_str(), static_cast<size_t>(size))));
    AddInt(api, length);
    AddInt(api, got);
  }
}

void RunGetWindowTextLength(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  const bool ask = MayAskForText(api, w);
  api.AddBlankResults();
  AddInt(api, ask ? GetWindowTextLengthA(w) : 0);
  api.AddBlankResults();
  AddInt(api, ask ? GetWindowTextLengthW(w) : 0);
}

void RunWmGetText(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  LRESULT length = 0;
  if (!api.Send(w, WM_GETTEXTLENGTH, 0, 0, length)) return;
  AddInt(api, length);
  std::wstring text;
  LRESULT copied = 0;
  const size_t size = WindowTextBufferSize(length, kLiveTextLimit);
  if (size > 0) {
    std::wstring buf(size, L'\0');
    if (api.Send(w, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buf.data()), copied))
      text.assign(buf.c_str(), wcsnlen(buf.c_str(), size));
    else
      copied = 0;
  }
  api.AddResult(text);
  AddInt(api, copied);
}

void RunWmGetTextLength(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  LRESULT length = 0;
  if (api.Send(api.TargetWindow(), WM_GETTEXTLENGTH, 0, 0, length)) AddInt(api, length);
}

const ApiHandlerName kHandlers[] = {
    {"CB_GETCOUNT", RunBoxValue},
    {"CB_GETCURSEL", RunBoxValue},
    {"CB_GETLBTEXT", RunBoxText},
    {"CB_GETLBTEXTLEN", RunBoxTextLength},
    {"LB_GETCOUNT", RunBoxValue},
    {"LB_GETCURSEL", RunBoxValue},
    {"LB_GETTEXT", RunBoxText},
    {"LB_GETTEXTLEN", RunBoxTextLength},
    {"GetComboBoxInfo", RunGetComboBoxInfo},
    {"GetListBoxInfo", RunGetListBoxInfo},
    {"GetWindowText", RunGetWindowText},
    {"GetWindowTextLength", RunGetWindowTextLength},
    {"WM_GETTEXT", RunWmGetText},
    {"WM_GETTEXTLENGTH", RunWmGetTextLength},
};

}  // namespace

ApiHandler FindMessageCallHandler(std::string_view name) {
  if (ApiHandler h = FindHandler(kHandlers, name)) return h;
  for (const TrackbarMessage& t : kTrackbar)
    if (name == t.name) return RunTrackbar;
  return nullptr;
}

}  // namespace zorvik
