// The version page of the customisation window ("バージョン情報 - Zorvik"):
// the program's icon and version, a one-line description, one scrolling
// owner-drawn list that explains the status row's icons and lists the keys,
// gestures and per-command bindings in force, and a label that opens the
// help page written beside the program (help\zorvik-help.html).
//
// The list shows the bindings as they were when it was last built: it is
// rebuilt when the page is made, each time its tab is shown and whenever the
// shortcut page changes a binding (Rebuild).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "help/version_list.h"
#include "kit/page.h"
#include "kit/win_menu.h"

namespace zorvik {

class EditableParts;
namespace kit {
class ToolHost;
}

// "Zorvik:Ver 0.1.0.0": the title and the FileVersion string of the first
// translation of a module's version resource; an empty version when the
// module has none.
std::wstring VersionLabelText(const std::wstring& modulePath);
// help\zorvik-help.html in the folder of the given module; "" unless the
// module's path is absolute (a drive or a UNC path).
std::wstring HelpFileBeside(const std::wstring& modulePath);

class TForm_VersionInfo : public kit::Page {
public:
  static constexpr int kDesignWidth = 500, kDesignHeight = 330;
  // Minimum client size at 96 dpi.
  static constexpr int kMinimumWidth = 480, kMinimumHeight = 280;

  TForm_VersionInfo(kit::ToolHost& app, EditableParts& parts);
  ~TForm_VersionInfo() override;

  // actHelp_Update: the list again from the live bindings and gestures; the
  // top line stays where it was when it still exists.
  void Rebuild();
  const std::vector<VersionLine>& Lines() const { return lines_; }
  std::wstring LineText(int index) const;  // as drawn (headings without their tab)
  HWND List() const { return Control("lstHelp_ShortCutKey"); }
  int TopLine() const;
  // One line up (negative) or down per step, as the keys and the wheel do.
  void ScrollLines(int steps);

  // The help page the label opens, and opening it (actHelp_OnlineHelp).
  const std::wstring& HelpFile() const { return helpFile_; }
  void SetHelpFile(std::wstring path) { helpFile_ = std::move(path); }
  void OpenHelp();
  // How the file is opened and how a missing file or one the shell cannot
  // open is reported (tests replace them); open returns false on failure.
  std::function<bool(const std::wstring& path)> open;
  std::function<void(const std::wstring& message)> notify;

  kit::PopupMenu& PageMenu() { return *Menu("mnuHelp"); }
  HWND IconWindow() const { return icon_; }
  // The bottom panel's height: the help label's height + 16 (scaled).
  int BottomPanelHeight() const;

  void Sync() override;
  bool HostWheel(int delta, WPARAM keys) override;
  bool HostKeyUp(WPARAM vk, LPARAM lp) override;

protected:
  void OnCreate() override;
  void OnResize(int width, int height) override;
  bool OnKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) override;

private:
  bool DrawLine(const DRAWITEMSTRUCT& d, int index) const;
  void Hover(bool on);

  kit::ToolHost& app_;
  EditableParts& parts_;
  std::vector<VersionLine> lines_;
  std::wstring helpFile_;
  HWND icon_ = nullptr;
  HICON iconImage_ = nullptr;
  HIMAGELIST statusIcons_ = nullptr;
  HFONT fixedFont_ = nullptr, linkFont_ = nullptr;
  bool hover_ = false;
  int wheelRest_ = 0;  // wheel delta short of a whole notch
};

}  // namespace zorvik
