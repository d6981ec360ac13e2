#include "custom/version_page.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "commands/gestures.h"
#include "commands/icons.h"
#include "commands/toolbar.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "kit/control_table.h"
#include "kit/layout_math.h"
#include "kit/owner_list.h"
#include "kit/subclass.h"
#include "platform/general.h"
#include "platform/message_dialog.h"
#include "platform/optional_functions.h"
#include "platform/win_dpi.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

const wchar_t kTitle[] = L"Zorvik";
const wchar_t kHelpRelative[] = L"help\\zorvik-help.html";
constexpr int kCommandIconHeight = 16;  // the list's lines are as high as a command icon at 96 dpi
constexpr int kIconPixels = 32;

// Columns: kind, name, caption, 96-dpi rectangle, parent, flags, hint, command.
// OnResize places everything from the fitted heights; the rectangles are the
// design size's layout. The label spells the path with "/": the page's
// Japanese fonts draw a backslash as a yen sign.
kit::ControlTableDesc VersionPageTable() {
  using kit::ControlKind;
  return {
      {ControlKind::Label, "lblHelp_Ver", "", {48, 8, 444, 16}},
      {ControlKind::Label, "lblHelp_Text", "プログラマ向けデスクトップ拡大鏡", {48, 28, 444, 16}},
      {ControlKind::OwnerList, "lstHelp_ShortCutKey", "", {8, 48, 484, 242}, "", 0, "", "", 0, 100,
       kCommandIconHeight},
      {ControlKind::Panel, "pnlHelp_Bottom", "", {0, 294, 500, 36}},
      {ControlKind::Label, "Label_Help_URL", "help/zorvik-help.html", {8, 10, 300, 16}, "pnlHelp_Bottom", 0,
       "オンラインヘルプを表示"},
      {ControlKind::Button, "Button_Close", "閉じる", {416, 6, 76, 24}, "pnlHelp_Bottom", 0, "", "actFile_Close"},
  };
}

HFONT MakeFixedFont(int height, bool underline) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

int WindowHeight(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

int WindowWidth(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.right - r.left;
}

void Place(HWND w, int x, int y, int width, int height) {
  if (w) SetWindowPos(w, nullptr, x, y, std::max(0, width), std::max(0, height), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Viewers just started by the shell, brought forward once they are ready.
// Polled from a thread timer, so that the user-interface thread never waits
// for another program.
struct Launched {
  HANDLE process;
  DWORD started;
};
std::vector<Launched> g_launched;
UINT_PTR g_launchTimer = 0;
constexpr DWORD kForwardWaitMs = 3000;

HWND FirstVisibleWindowOf(DWORD pid) {
  struct Find {
    DWORD pid;
    HWND found;
  } find{pid, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner != f->pid || !IsWindowVisible(h)) return TRUE;
        f->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

void CALLBACK ForwardLaunched(HWND, UINT, UINT_PTR, DWORD) {
  const DWORD now = GetTickCount();
  for (auto it = g_launched.begin(); it != g_launched.end();) {
    // Ready: idle with a window; given up after a while (a viewer that
    // hands the page to a running copy of itself never shows one).
    HWND w = WaitForInputIdle(it->process, 0) == 0 ? FirstVisibleWindowOf(GetProcessId(it->process)) : nullptr;
    if (w || now - it->started > kForwardWaitMs) {
      if (w) SetForegroundWindow(w);
      CloseHandle(it->process);
      it = g_launched.erase(it);
    } else {
      ++it;
    }
  }
  if (g_launched.empty() && g_launchTimer) {
    KillTimer(nullptr, g_launchTimer);
    g_launchTimer = 0;
  }
}

bool ShellOpen(const std::wstring& path) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = path.c_str();
  info.nShow = SW_SHOWNORMAL;
  // The viewer may come forward by itself too.
  AllowSetForegroundWindow(ASFW_ANY);
  if (!ShellExecuteExW(&info)) return false;
  if (info.hProcess) {
    g_launched.push_back(Launched{info.hProcess, GetTickCount()});
    if (!g_launchTimer) g_launchTimer = SetTimer(nullptr, 0, 100, ForwardLaunched);
    if (!g_launchTimer) {  // no timer: leave the viewer where it is
      for (const Launched& l : g_launched) CloseHandle(l.process);
      g_launched.clear();
    }
  }
  return true;
}

// Drive, backslash and more ("C:\...") or a UNC path ("\\server\...").
bool IsAbsolutePath(const std::wstring& path) {
  if (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/') &&
      ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')))
    return true;
  return path.size() >= 3 && (path[0] == L'\\' || path[0] == L'/') && (path[1] == L'\\' || path[1] == L'/');
}

}  // namespace

std::wstring HelpFileBeside(const std::wstring& modulePath) {
  if (!IsAbsolutePath(modulePath)) return L"";  // never resolved against the current folder
  const size_t slash = modulePath.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : modulePath.substr(0, slash + 1);
  return folder + kHelpRelative;
}

std::wstring VersionLabelText(const std::wstring& modulePath) {
  std::wstring version;
  // version.dll comes from the system directory, loaded by full path.
  const OptionalFunctions& f = Optional();
  DWORD handle = 0;
  const DWORD size = f.GetFileVersionInfoSizeW && f.GetFileVersionInfoW && f.VerQueryValueW
                         ? f.GetFileVersionInfoSizeW(modulePath.c_str(), &handle)
                         : 0;
  std::vector<unsigned char> block(size);
  struct Translation {
    WORD language, codePage;
  };
  Translation* translations = nullptr;
  UINT length = 0;
  if (size != 0 && f.GetFileVersionInfoW(modulePath.c_str(), 0, size, block.data()) &&
      f.VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                       &length) &&
      translations && length >= sizeof(Translation)) {
    wchar_t query[64];
    swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translations[0].language,
             translations[0].codePage);
    wchar_t* value = nullptr;
    length = 0;
    if (f.VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &length) && value && length > 0) {
      version.assign(value, length);
      const size_t nul = version.find(L'\0');
      if (nul != std::wstring::npos) version.resize(nul);
    }
  }
  return std::wstring(kTitle) + L":Ver " + version;
}

TForm_VersionInfo::TForm_VersionInfo(kit::ToolHost& app, EditableParts& parts)
    : kit::Page("TForm_VersionInfo", "バージョン情報 - Zorvik", VersionPageTable(), kDesignWidth, kDesignHeight),
      app_(app),
      parts_(parts) {
  AddCommand("actFile_Close", "閉じる", [this] { CloseHost(app_.MainWindow()); }, "閉じる");
  AddCommand("actScroll_Up", "↑", [this] { ScrollLines(-1); });
  AddCommand("actScroll_Down", "↓", [this] { ScrollLines(1); });
  AddCommand("actHelp_OnlineHelp", "オンラインヘルプ", [this] { OpenHelp(); }, "オンラインヘルプを表示");
  AddCommand("actHelp_Update", "作成", [this] { Rebuild(); });
  AddCommand("actMenu_Popup", "メニュー表示", [this] { OpenPopupMenu(GetFocus()); });
  AddMenu("mnuHelp", {{"mniHelp_OnlineHelp", "actHelp_OnlineHelp"}, {"mniHelp_Line1"}, {"mniFile_Close", "actFile_Close"}});
  SetPageMenu("mnuHelp", true);

  helpFile_ = HelpFileBeside(OwnModulePath());
  open = ShellOpen;
  notify = [](const std::wstring& message) {
    const std::wstring title = kTitle;
    ShowNotice(message, &title);
  };
}

TForm_VersionInfo::~TForm_VersionInfo() {
  // The controls (and the icon window) go before what they draw with and
  // what their handlers use.
  if (Handle()) DestroyWindow(Handle());
  if (iconImage_) DestroyIcon(iconImage_);
  if (statusIcons_) ImageList_Destroy(statusIcons_);
  if (fixedFont_) DeleteObject(fixedFont_);
  if (linkFont_) DeleteObject(linkFont_);
}

void TForm_VersionInfo::OnCreate() {
  const int fontHeight = kit::ScaledFontHeight(Dpi());
  fixedFont_ = MakeFixedFont(fontHeight, false);
  linkFont_ = CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック");
  HWND ver = Control("lblHelp_Ver");
  SendMessageW(ver, WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont_), FALSE);
  FitLabel(ver);
  SetWindowTextW(ver, VersionLabelText(OwnModulePath()).c_str());

  // The program's icon, 32 x 32 at 96 dpi.
  const int iconSize = Scale(kIconPixels);
  iconImage_ = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, iconSize, iconSize, LR_DEFAULTCOLOR));
  if (!iconImage_) iconImage_ = static_cast<HICON>(CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON,
                                                             iconSize, iconSize, 0));
  icon_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON | SS_REALSIZECONTROL, Scale(8), Scale(8),
                          iconSize, iconSize, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(iconImage_), 0);
  Place(icon_, Scale(8), Scale(8), iconSize, iconSize);

  // The status row's icons, as large as the information area draws them.
  HIMAGELIST drawn = ImageList_Create(kInfoIconSize, kInfoIconSize, ILC_COLOR32 | ILC_MASK, 0, kInfoIconCount);
  FillInfoIcons(drawn);
  const int statusSize = Scale(kInfoIconSize);
  statusIcons_ = statusSize == kInfoIconSize ? drawn : ScaledImageList(drawn, statusSize);
  if (statusIcons_ != drawn) ImageList_Destroy(drawn);

  kit::OwnerList* list = Controls().List("lstHelp_ShortCutKey");
  SendMessageW(list->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont_), FALSE);
  list->FitToFont(Scale(kCommandIconHeight));
  list->onDraw = [this](const DRAWITEMSTRUCT& d, const kit::ListItem&) {
    return DrawLine(d, static_cast<int>(d.itemID));
  };
  kit::SubclassControl(list->Handle(), [this](HWND h, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
    switch (msg) {
      case WM_MOUSEWHEEL:  // one line per notch, not the system's three
        HostWheel(GET_WHEEL_DELTA_WPARAM(wp), wp);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:  // nothing to choose: a click only takes the focus
        SetFocus(h);
        return 0;
      default:
        return std::nullopt;
    }
  });

  // The help label reads as a link: a hand over it, underlined while the pointer is on it.
  kit::SubclassControl(Control("Label_Help_URL"), [this](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    switch (msg) {
      case WM_MOUSEMOVE:
        Hover(true);
        break;
      case WM_MOUSELEAVE:
        Hover(false);
        break;
      case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      default:
        break;
    }
    return std::nullopt;
  });
  OnClick("Label_Help_URL", [this] { OpenHelp(); });

  if (HWND sys = GetAncestor(Handle(), GA_ROOT); sys && sys != Handle() && sys != app_.MainWindow())
    if (HMENU m = GetSystemMenu(sys, FALSE)) {
      DeleteMenu(m, SC_RESTORE, MF_BYCOMMAND);
      DeleteMenu(m, SC_MINIMIZE, MF_BYCOMMAND);
      DeleteMenu(m, SC_MAXIMIZE, MF_BYCOMMAND);
    }

  RECT client{};
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  Rebuild();
}

int TForm_VersionInfo::BottomPanelHeight() const {
  HWND label = Control("Label_Help_URL");
  HWND button = Control("Button_Close");
  const int byLabel = (label ? WindowHeight(label) : 0) + Scale(16);
  // The close button keeps 3 pixels above and below it.
  return std::max(byLabel, (button ? WindowHeight(button) : 0) + Scale(6));
}

void TForm_VersionInfo::OnResize(int width, int height) {
  if (!Control("pnlHelp_Bottom")) return;
  const int gap = Scale(8);
  HWND ver = Control("lblHelp_Ver"), text = Control("lblHelp_Text");
  const int textLeft = gap + Scale(kIconPixels) + gap;
  Place(ver, textLeft, gap, width - textLeft - gap, WindowHeight(ver));
  const int textTop = gap + WindowHeight(ver) + Scale(4);
  Place(text, textLeft, textTop, width - textLeft - gap, WindowHeight(text));
  const int headBottom = std::max(gap + Scale(kIconPixels), textTop + WindowHeight(text));

  const int panelHeight = BottomPanelHeight();
  HWND panel = Control("pnlHelp_Bottom");
  Place(panel, 0, height - panelHeight, width, panelHeight);
  HWND button = Control("Button_Close"), label = Control("Label_Help_URL");
  const int buttonWidth = WindowWidth(button);
  Place(button, width - gap - buttonWidth, (panelHeight - WindowHeight(button)) / 2, buttonWidth,
        WindowHeight(button));
  // The label as wide as its text (so only the text reacts to the pointer).
  int labelWidth = WindowWidth(label);
  if (HDC dc = GetDC(label)) {
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    wchar_t text[256] = L"";
    const int length = GetWindowTextW(label, text, 256);
    SIZE s{};
    GetTextExtentPoint32W(dc, text, length, &s);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    labelWidth = s.cx + Scale(2);
  }
  labelWidth = std::min(labelWidth, width - gap - buttonWidth - 2 * gap);
  Place(label, gap, (panelHeight - WindowHeight(label)) / 2, labelWidth, WindowHeight(label));

  const int listTop = headBottom + gap;
  Place(List(), gap, listTop, width - 2 * gap, height - panelHeight - listTop);
}

void TForm_VersionInfo::Rebuild() {
  const BindingList& bindings = parts_.Bindings();
  const GestureBindings& g = parts_.Gestures();
  GestureCommands gestures{};
  for (int slot = 0; slot < kGestureSlotCount; ++slot) gestures[static_cast<size_t>(slot)] = g.slots[slot];
  lines_ = BuildVersionList(bindings, gestures);
  kit::OwnerList* list = Controls().List("lstHelp_ShortCutKey");
  if (!list) return;
  const int top = TopLine();
  SendMessageW(list->Handle(), WM_SETREDRAW, FALSE, 0);
  list->Clear();
  for (const VersionLine& line : lines_) {
    kit::ListItem item;
    item.text = W(line.Shown());
    item.separator = line.kind == VersionLineKind::kSeparator;
    list->Add(std::move(item));
  }
  SendMessageW(list->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::clamp(top, 0, std::max(0, list->Count() - 1))),
               0);
  SendMessageW(list->Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
}

std::wstring TForm_VersionInfo::LineText(int index) const {
  if (index < 0 || index >= static_cast<int>(lines_.size())) return {};
  return W(lines_[static_cast<size_t>(index)].Shown());
}

int TForm_VersionInfo::TopLine() const {
  HWND list = List();
  return list ? static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TForm_VersionInfo::ScrollLines(int steps) {
  HWND list = List();
  if (!list) return;
  for (int i = 0; i < std::abs(steps); ++i)
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(steps < 0 ? SB_LINEUP : SB_LINEDOWN, 0), 0);
}

void TForm_VersionInfo::Sync() {
  if (Created()) Rebuild();
  kit::Page::Sync();
}

void TForm_VersionInfo::OpenHelp() {
  if (helpFile_.empty()) {  // the program's own path could not be read
    if (notify) notify(L"ヘルプファイルが見つかりません\r" + std::wstring(kHelpRelative));
    return;
  }
  if (GetFileAttributesW(helpFile_.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (notify) notify(L"ヘルプファイルが見つかりません\r" + helpFile_);
    return;
  }
  // A file the shell cannot open (no program for it) is said too, rather
  // than a click that seems to do nothing.
  if (open && !open(helpFile_) && notify) notify(L"ヘルプファイルを開けません\r" + helpFile_);
}

bool TForm_VersionInfo::DrawLine(const DRAWITEMSTRUCT& d, int index) const {
  if (index < 0 || index >= static_cast<int>(lines_.size())) return false;
  const VersionLine& line = lines_[static_cast<size_t>(index)];
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  const bool heading = line.kind == VersionLineKind::kHeading;
  FillRect(dc, &r, GetSysColorBrush(heading ? COLOR_BTNFACE : COLOR_WINDOW));
  if (line.kind != VersionLineKind::kSeparator) r.left += Scale(8);
  if (line.kind == VersionLineKind::kIcon && statusIcons_) {
    int w = 0, h = 0;
    ImageList_GetIconSize(statusIcons_, &w, &h);
    const int top = r.top + std::max(0, static_cast<int>(r.bottom - r.top - h) / 2);
    ImageList_Draw(statusIcons_, line.icon, dc, r.left, top, ILD_TRANSPARENT);
    r.left += w;
  }
  r.left += Scale(2);
  r.right -= Scale(2);
  if (line.kind == VersionLineKind::kSeparator) {
    const int y = (r.top + r.bottom) / 2;
    RECT rule{r.left, y, r.right, y + std::max(1, Scale(1))};
    FillRect(dc, &rule, GetSysColorBrush(COLOR_BTNSHADOW));
    return true;
  }
  const std::wstring text = W(line.Shown());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(heading ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  return true;
}

void TForm_VersionInfo::Hover(bool on) {
  if (hover_ == on) return;
  hover_ = on;
  HWND label = Control("Label_Help_URL");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(on ? linkFont_ : Font()), TRUE);
  if (on) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, label, 0};
    TrackMouseEvent(&t);
  }
}

bool TForm_VersionInfo::HostWheel(int delta, WPARAM) {
  wheelRest_ += delta;
  const int notches = wheelRest_ / WHEEL_DELTA;
  wheelRest_ -= notches * WHEEL_DELTA;
  ScrollLines(-notches);  // away from the user: up
  return true;
}

bool TForm_VersionInfo::HostKeyUp(WPARAM vk, LPARAM) {
  return vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT || vk == VK_HOME || vk == VK_END;
}

bool TForm_VersionInfo::OnKey(HWND, UINT msg, WPARAM vk, LPARAM) {
  if (msg != WM_KEYDOWN && msg != WM_KEYUP) return false;
  const bool down = msg == WM_KEYDOWN;
  HWND list = List();
  auto scroll = [&](WORD code) {
    if (down && list) SendMessageW(list, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
    return true;
  };
  // The list is something to read, not to choose from: the keys move the view.
  switch (vk) {
    case VK_UP: return scroll(SB_LINEUP);
    case VK_DOWN: return scroll(SB_LINEDOWN);
    case VK_PRIOR: return scroll(SB_PAGEUP);
    case VK_NEXT: return scroll(SB_PAGEDOWN);
    case VK_HOME: return scroll(SB_TOP);
    case VK_END: return scroll(SB_BOTTOM);
    case VK_F1:
      if (GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
        if (down) OpenHelp();
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace zorvik
