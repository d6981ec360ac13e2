// The window style viewer TApp_ZorvikWindowStyle ("ウィンドウスタイル"): every
// window style and extended window style of the window under the capture
// point, one line each with its explanation, and on demand the styles read
// as button, edit, static, combo box or list box styles. It follows the
// capture after each full refresh while "ウィンドウスタイル詳細表示(&V)" is on,
// rebuilding its list only when the style pair (or a class switch) changes;
// while the capture is paused a clicked line is explained below the list.
// Its "コピー(&C)" runs the main window's copy of the style details, handed
// this viewer as the origin of the listing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspection/capture_state.h"
#include "kit/action.h"
#include "kit/tool_host.h"
#include "kit/tool_window.h"
#include "kit/win_menu.h"

namespace zorvik {

struct T_DispInfo;

class TApp_ZorvikWindowStyle : public kit::ToolWindow {
public:
  static constexpr int kDesignWidth = 520, kDesignHeight = 360;
  // The list's items are this high at 96 dpi (higher when the font needs it).
  static constexpr int kDesignItemHeight = 16;
  static constexpr int kDesignHintHeight = 64;

  // Whether the main window binds a key (keys pass there first), and the
  // main window's copy of the style details, taking the listing of `origin`.
  using BoundKeyQuery = std::function<bool(uint16_t key)>;
  using StyleCopy = std::function<void(const TApp_ZorvikWindowStyle& origin)>;
  TApp_ZorvikWindowStyle(kit::ToolHost& app, const CaptureState& capture, BoundKeyQuery isBoundKey,
                         StyleCopy copyStyleDetails);
  ~TApp_ZorvikWindowStyle() override;

  // What the settings file keeps of the viewer.
  struct Placement {
    RECT bounds{};          // screen; empty: nothing stored
    int hintHeight = 0;     // pixels
    uint32_t classMask = 0; // StyleClassSwitch bits of the checked switches
  };
  // What was read at start, taken when the window is created: with non-zero
  // bounds the window goes there (into the nearest work area) and takes the
  // hint height and switches.
  void SetSavedPlacement(const Placement& saved);
  // The live values; meaningful once the window exists.
  Placement CurrentPlacement() const;

  // Action_WinInfo_StyleVerbose switched on (create, show, refresh) or off (hide).
  void FollowCommand(bool on);

  // Lists a window in the viewer's own list, creating the window when
  // needed; nothing happens while the style pair is the one last listed.
  void ListStyles(uintptr_t handle, int32_t exStyle, int32_t style, std::u16string_view text,
                  std::u16string_view className);
  // The next ListStyles rebuilds the list whatever the styles.
  void Invalidate() { listed_.reset(); }

  uint32_t ClassMask() const { return classMask_; }
  // Checks the switches of `mask` (as clicking them would, without the refresh).
  void SetClassMask(uint32_t mask);

  // The copied text for a snapshot: "ウィンドウスタイル詳細" and the listing
  // with the switches as they are now.
  std::u16string CopyText(const T_DispInfo& info) const;
  // Runs the main window's copy of the style details from this viewer
  // ("コピー(&C)" and "開く(&O)").
  void RunCopy();

  kit::ActionList& Actions();
  kit::PopupMenu& Menu();
  // The menu at the client's top-left corner, as F10, Apps and the title-bar
  // icon open it.
  void OpenMenu();

  // --- what shows (tests) ---------------------------------------------------
  HWND List() const;
  HWND HintMemo() const;
  HWND Switch(uint32_t bit) const;  // the check box of a class switch
  std::vector<std::wstring> Lines() const;
  std::wstring HintText() const;
  int Rebuilds() const { return rebuilds_; }
  bool ShowsPaused() const { return paused_; }

protected:
  void OnCreate() override;

private:
  class StylePage;
  friend class StylePage;

  void OnTick();
  void SyncWithApp();  // paused colours and hint, the information font
  void SwitchClicked();
  void LineSelected(int index);
  void Layout();
  bool DrawItem(const DRAWITEMSTRUCT& d, const std::wstring& text) const;
  HBRUSH ListBrush() const;

  // Action_WinInfo_StyleVerbose, looked up on first use.
  kit::Action* Command() const;

  kit::ToolHost& app_;
  const CaptureState& capture_;
  BoundKeyQuery isBoundKey_;
  StyleCopy copyStyleDetails_;
  mutable kit::Action* command_ = nullptr;
  std::unique_ptr<StylePage> page_;
  int tickListener_ = 0;
  Placement saved_;
  uint32_t classMask_ = 0;
  int hintHeight_ = 0;
  bool paused_ = false;
  bool ticking_ = false;  // OnTick is running
  HFONT listFont_ = nullptr;  // the main window's information font (not owned)
  // The style and extended style last listed; empty: rebuild on the next call.
  std::optional<std::pair<int32_t, int32_t>> listed_;
  int rebuilds_ = 0;
};

}  // namespace zorvik
