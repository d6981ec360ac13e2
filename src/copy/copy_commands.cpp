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
  explicit TicksHeld(CopyHost& host) : host_(host) { host_.SuspendTicks(true); }
  ~TicksHeld() { host_.SuspendTicks(false); }

private:
  CopyHost& host_;
};
}  // namespace

void CopyCommands::Bind() {
  kit::ActionList& actions = app_.Actions();
  styleDetails_ = actions.Find("Action_Copy_WinInfoStyleVerbose");
  formatsPage_ = actions.Find("Action_Custom_Copy");
  for (size_t i = 0; i < actions.Count(); ++i) {
    kit::Action& a = actions.At(i);
    if (a.name == "Action_Copy_Picture")
      a.onExecute = [this](kit::Action& c) {
        if (!OpenFormatsInstead(c)) CopyPicture();
      };
    else if (StartsWith(a.name, "Action_Copy_"))
      a.onExecute = [this](kit::Action& c) { CopyText(c, nullptr); };
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
  if (formatsPage_) {
    requester_ = &command;
    struct Done {
      const kit::Action*& requester;
      ~Done() { requester = nullptr; }
    } done{requester_};
    formatsPage_->Execute();
  }
  return true;
}

void CopyCommands::CopyPicture() {
  HBITMAP bmp = host_.CopyOfView(formats_.InfoAreaOption());
  if (!bmp) return;
  {
    TicksHeld held(host_);
    PutClipboardBitmap(app_.MainWindow(), bmp);
  }
  DeleteObject(bmp);
  host_.ShowStatusMessage(Wide(CopiedMessage(u"ズーム画像", u"")));
}

void CopyCommands::CopyStyleDetails(const TApp_ZorvikWindowStyle& origin) {
  // As running the command would: nothing while it is disabled.
  if (!styleDetails_ || !styleDetails_->Enabled()) return;
  CopyText(*styleDetails_, &origin);
}

void CopyCommands::CopyText(kit::Action& command, const TApp_ZorvikWindowStyle* origin) {
  if (OpenFormatsInstead(command)) return;
  TicksHeld held(host_);
  const T_DispInfo& info = capture_.Current();
  const InfoFigures figures = InfoFiguresOf(info, ScreenSize().Layout());
  // A format that does not fit its item throws; the handler shows it.
  std::wstring text = Wide(CollectInfoText(command.name, formats_, info, figures));
  // The style details are the viewer's when one of its text commands runs this copy.
  if (origin) text = Wide(origin->CopyText(info));
  PutClipboardText(app_.MainWindow(), text);
  host_.ShowStatusMessage(Wide(CopiedMessage(FromUtf8(command.caption), std::u16string(text.begin(), text.end()))));
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
  host_.WriteCache() = capture_.Current();
  EnableWriteValueCommands(true);
  app_.RefreshView();
}

void CopyCommands::ClearWriteCache() {
  host_.WriteCache() = T_DispInfo{};
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
    const T_DispInfo& cache = host_.WriteCache();
    if (cache.Handle == 0) return;
    const InfoFigures figures = InfoFiguresOf(cache, ScreenSize().Layout());
    text = Wide(CollectInfoText(command.name, formats_, cache, figures));
  }
  HWND target = host_.WindowAtCapturePoint();
  if (!target || !IsWindow(target)) return;
  MessageBeep(0);
  LRESULT ignored = 0;
  SendGuarded(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ignored);
}

}  // namespace zorvik
