// Copy commands (picture, one value, all values) and the write menu: a cache
// of the information and writing any of its values into another window.
#include "commands/command_table.h"
#include "commands/menu_table.h"
#include "copy/clipboard.h"
#include "copy/info_text.h"
#include "inspection/window_info.h"
#include "magnifier/main_window.h"
#include "magnifier/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }
}  // namespace

void TApp_Zorvik::BuildCopyActions() {
  for (size_t i = 0; i < actions_.Count(); ++i) {
    kit::Action& a = actions_.At(i);
    if (a.name == "Action_Copy_Picture")
      a.onExecute = [this](kit::Action&) { CopyPicture(); };
    else if (StartsWith(a.name, "Action_Copy_"))
      a.onExecute = [this](kit::Action& c) { CopyText(c); };
    else if (a.name == "Action_Write_InfoCash")
      a.onExecute = [this](kit::Action&) { FillWriteCache(); };
    else if (a.name == "Action_Write_ClearCash")
      a.onExecute = [this](kit::Action&) { ClearWriteCache(); };
    else if (StartsWith(a.name, "Action_Write_"))
      a.onExecute = [this](kit::Action& c) { WriteValue(c); };
  }
}

void TApp_Zorvik::CopyPicture() {
  if (IsKeyDown(VK_SHIFT)) {
    if (kit::Action* custom = actions_.Find("Action_Custom_Copy")) custom->Execute();
    return;
  }
  if (!back_.dc) return;
  const int w = back_.width;
  int h = back_.height;
  if (!copyFormats_.InfoAreaOption()) h -= infoRect_.bottom - infoRect_.top;
  if (h < 1) h = 1;
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, back_.dc, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  const bool timer = TimerRunning(kTimerMain);
  StopTimer(kTimerMain);
  PutClipboardBitmap(Handle(), bmp);
  DeleteObject(bmp);
  if (timer) StartTimer(kTimerMain, kMainInterval, [this] { Timer_MainTimer(); });
  ShowStatusMessage(Wide(CopiedMessage(u"ズーム画像", u"")));
}

void TApp_Zorvik::CopyText(kit::Action& command) {
  if (IsKeyDown(VK_SHIFT)) {
    if (kit::Action* custom = actions_.Find("Action_Custom_Copy")) custom->Execute();
    return;
  }
  const bool timer = TimerRunning(kTimerMain);
  StopTimer(kTimerMain);
  struct Restore {
    TApp_Zorvik* self;
    bool timer;
    ~Restore() {
      if (timer) self->StartTimer(kTimerMain, kMainInterval, [s = self] { s->Timer_MainTimer(); });
    }
  } restore{this, timer};
  const InfoFigures figures = InfoFiguresOf(info_, ScreenSize().Layout());
  // A format that does not fit its item throws; the handler shows it.
  const std::wstring text = Wide(CollectInfoText(command.name, copyFormats_, info_, figures));
  PutClipboardText(Handle(), text);
  ShowStatusMessage(Wide(CopiedMessage(FromUtf8(command.caption), std::u16string(text.begin(), text.end()))));
}

// The value commands of the write menu (the items from the RGB value on)
// work only while a cache is held.
void TApp_Zorvik::EnableWriteValueCommands(bool on) {
  bool after = false;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    if (std::string(m.name) == "MenuItem_Write_ColorRGB") after = true;
    if (!after || !StartsWith(m.name, "MenuItem_Write_") || !m.command) continue;
    if (kit::Action* a = actions_.Find(m.command)) a->SetEnabled(on);
  }
}

void TApp_Zorvik::FillWriteCache() {
  writeCache_ = info_;
  EnableWriteValueCommands(true);
  RefreshView();
}

void TApp_Zorvik::ClearWriteCache() {
  writeCache_ = T_DispInfo{};
  EnableWriteValueCommands(false);
  RefreshView();
}

void TApp_Zorvik::WriteValue(kit::Action& command) {
  std::wstring text;
  if (command.name == "Action_Write_ClipboardText") {
    text = ClipboardText(Handle());
  } else if (command.name == "Action_Write_TextClear") {
    text.clear();
  } else {
    if (writeCache_.Handle == 0) return;
    const InfoFigures figures = InfoFiguresOf(writeCache_, ScreenSize().Layout());
    text = Wide(CollectInfoText(command.name, copyFormats_, writeCache_, figures));
  }
  const POINT p = CapturePoint();
  HWND target = nullptr;
  if (!Paused()) {
    target = TopWindowFromPoint(p, [&] {
      const kit::Action* n = actions_.Find("Action_Capture_NoSelfCapture");
      return n && n->Checked() && n->Enabled();
    }(), LupeActive(), Handle());
  } else if (winList_) {
    const T_WinItem* item = winList_->Lookup(p, LupeActive());
    target = item ? item->handle : nullptr;
  }
  if (!target || !IsWindow(target)) return;
  MessageBeep(0);
  LRESULT ignored = 0;
  SendGuarded(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ignored);
}

}  // namespace zorvik
