// Copy commands (picture, one value, all values) and the write menu: a cache
// of the information and writing any of its values into another window.
#include "copy/copy_commands.h"

#include "commands/menu_table.h"
#include "copy/clipboard.h"
#include "format/format_engine.h"
#include "inspection/info_text.h"
#include "inspection/disp_info.h"
#include "inspection/window_info.h"
#include "inspection/windowstyle.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {
// Holds the capture timer while the clipboard is busy.
class TicksHeld {
public:
  explicit TicksHeld(AppServices& app) : app_(app) { app_.SuspendTicks(true); }
  ~TicksHeld() { app_.SuspendTicks(false); }

private:
  AppServices& app_;
};
}  // namespace

void CopyCommands::Bind() {
  kit::ActionList& actions = app_.Actions();
  for (size_t i = 0; i < actions.Count(); ++i) {
    kit::Action& a = actions.At(i);
    if (a.name == "Action_Copy_Picture")
      a.onExecute = [this](kit::Action& c) {
        if (!OpenFormatsInstead(c)) CopyPicture();
      };
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

bool CopyCommands::OpenFormatsInstead(kit::Action& command) {
  if (!IsKeyDown(VK_SHIFT)) return false;
  if (kit::Action* custom = app_.ActionNamed("Action_Custom_Copy")) {
    requester_ = &command;
    struct Done {
      const kit::Action*& requester;
      ~Done() { requester = nullptr; }
    } done{requester_};
    custom->Execute();
  }
  return true;
}

void CopyCommands::CopyPicture() {
  HBITMAP bmp = app_.CopyOfView(app_.Formats().InfoAreaOption());
  if (!bmp) return;
  {
    TicksHeld held(app_);
    PutClipboardBitmap(app_.MainWindow(), bmp);
  }
  DeleteObject(bmp);
  app_.ShowStatusMessage(Wide(CopiedMessage(u"ズーム画像", u"")));
}

void CopyCommands::CopyText(kit::Action& command) {
  if (OpenFormatsInstead(command)) return;
  TicksHeld held(app_);
  const T_DispInfo& info = app_.Current();
  const InfoFigures figures = InfoFiguresOf(info, ScreenSize().Layout());
  // A format that does not fit its item throws; the handler shows it.
  std::wstring text = Wide(CollectInfoText(command.name, app_.Formats(), info, figures));
  // The style details are the viewer's when one of its text commands runs this copy.
  if (command.name == "Action_Copy_WinInfoStyleVerbose")
    if (const TApp_ZorvikWindowStyle* viewer = TApp_ZorvikWindowStyle::CopyOrigin()) text = Wide(viewer->CopyText(info));
  PutClipboardText(app_.MainWindow(), text);
  app_.ShowStatusMessage(Wide(CopiedMessage(FromUtf8(command.caption), std::u16string(text.begin(), text.end()))));
}

// The value commands of the write menu (the items from the RGB value on)
// work only while a cache is held.
void CopyCommands::EnableWriteValueCommands(bool on) {
  bool after = false;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    if (std::string(m.name) == "MenuItem_Write_ColorRGB") after = true;
    if (!after || !StartsWith(m.name, "MenuItem_Write_") || !m.command) continue;
    if (kit::Action* a = app_.ActionNamed(m.command)) a->SetEnabled(on);
  }
}

void CopyCommands::FillWriteCache() {
  app_.WriteCache() = app_.Current();
  EnableWriteValueCommands(true);
  app_.RefreshView();
}

void CopyCommands::ClearWriteCache() {
  app_.WriteCache() = T_DispInfo{};
  EnableWriteValueCommands(false);
  app_.RefreshView();
}

void CopyCommands::WriteValue(kit::Action& command) {
  std::wstring text;
  if (command.name == "Action_Write_ClipboardText") {
    text = ClipboardText(app_.MainWindow());
  } else if (command.name == "Action_Write_TextClear") {
    text.clear();
  } else {
    const T_DispInfo& cache = app_.WriteCache();
    if (cache.Handle == 0) return;
    const InfoFigures figures = InfoFiguresOf(cache, ScreenSize().Layout());
    text = Wide(CollectInfoText(command.name, app_.Formats(), cache, figures));
  }
  HWND target = app_.WindowAtCapturePoint();
  if (!target || !IsWindow(target)) return;
  MessageBeep(0);
  LRESULT ignored = 0;
  SendGuarded(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ignored);
}

}  // namespace zorvik
