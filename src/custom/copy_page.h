// The copy-format page of the customisation window ("コピーカスタマイズ -
// Zorvik"): one panel per edited copy item, in a scrolling area under an item
// chooser. A panel shows its format as edit boxes for the literal pieces
// between fixed specifiers, a check box choosing the specifier where the item
// allows a choice, its sample values, the preview of the format on them and a
// reset button. Every edit is stored into the item's slot at once; a stored
// format the panel cannot show is reported once and replaced by the default.
// The panels come from the table of copy panels (custom/format_pieces.h).
#pragma once
#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "custom/format_pieces.h"
#include "kit/page.h"

namespace zorvik {

class EditableParts;
namespace kit {
class ToolHost;
}

class TForm_Custom_Copy : public kit::Page {
public:
  static constexpr int kDesignWidth = 500, kDesignHeight = 330;
  // Longest text an edit box keeps: the longest format a panel builds
  // (five pieces, every character three UTF-8 bytes) stays within the
  // settings file's 16-bit length of a stored format.
  static constexpr int kMaxPieceLength = 4096;

  TForm_Custom_Copy(kit::ToolHost& app, EditableParts& parts);

  // The chooser: the captions of the copy submenu's items in menu order.
  int EntryCount() const { return static_cast<int>(entries_.size()); }
  std::wstring EntryText(int entry) const;
  int SelectedEntry() const;
  // Selects an entry and scrolls its panel to the top of the visible area
  // (entries without a panel do not scroll); fromKey also focuses the
  // panel's first control while the page is visible.
  void SelectEntry(int entry, bool fromKey);
  // Selects the entry of a copy command's caption; false when none has it.
  bool SelectCaption(const std::string& caption, bool fromKey);

  // The scrolling area: its position and range (page pixels).
  HWND ScrollBox() const { return Control("ScrollBox_Copy"); }
  int ScrollPos() const { return scroll_; }
  int ScrollMax() const;
  void ScrollTo(int pos);
  // A panel's window; its top within the scrolled content.
  HWND PanelWindow(const CopyPanelDef& panel) const;
  int PanelTop(const CopyPanelDef& panel) const;

  // The load step of one panel: with `fromDefault` the built-in default is
  // stored first (its reset button); a stored format that does not fit is
  // reported once and replaced by the default.
  void LoadPanel(const CopyPanelDef& panel, bool fromDefault);
  // Every panel back to its default, after a Yes.
  void ResetAll();
  // Re-expands a panel's stored format into its preview.
  void UpdatePreview(const CopyPanelDef& panel);
  std::wstring PreviewText(const CopyPanelDef& panel) const;

  // The question and the notice (tests answer them without a dialog).
  std::function<int(const std::wstring& message, const std::wstring& title)> ask;
  std::function<void(const std::wstring& message)> notify;

  bool HostWheel(int delta, WPARAM keys) override;
  bool HostKeyUp(WPARAM vk, LPARAM lp) override;

protected:
  void OnCreate() override;
  void OnResize(int width, int height) override;
  bool OnKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  struct Entry {
    std::string caption;             // UTF-8, as the command has it
    const CopyPanelDef* panel;       // null: an item without a panel
  };
  void Show(const CopyPanelDef& panel, const CopyPanelState& state);
  CopyPanelState Read(const CopyPanelDef& panel);
  void Edited(const CopyPanelDef& panel);
  void ShowChoice(const CopyPanelDef& panel, bool checked);
  void UpdateScrollBar();
  bool Wheel(int delta, WPARAM keys);
  bool FocusInScrollBox() const;
  void StepEntry(int step);
  static bool PageKey(WPARAM vk);
  void ScrollIntoView(HWND control);

  kit::ToolHost& app_;
  EditableParts& parts_;
  std::vector<Entry> entries_;
  int scroll_ = 0;
  int loading_ = 0;  // boxes being filled: their changes are not edits
  std::set<HWND> failedPreviews_;  // previews showing an error
};

}  // namespace zorvik
