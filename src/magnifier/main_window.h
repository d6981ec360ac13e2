// The main window TApp_Zorvik: toolbar strip, magnified view with ruler, and
// the information area below it.
#pragma once
#ifndef ZORVIK_MAGNIFIER_INTERNALS
#error "main_window.h belongs to the magnifier; elsewhere reach the main window through its role interfaces (kit/tool_host.h and the others)"
#endif
#include <windows.h>
#include <commctrl.h>

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "commands/keys.h"
#include "commands/gestures.h"
#include "commands/main_menus.h"
#include "commands/toolbar.h"
#include "format/format_engine.h"
#include "inspection/info_text.h"
#include "inspection/disp_info.h"
#include "inspection/winlist.h"
#include "inspection/windowstyle.h"
#include "apitest/sub_api.h"
#include "settings/app_settings.h"
#include "settings/settings_data.h"
#include "custom/custom_window.h"
#include "settings/design_state.h"
#include "copy/copy_commands.h"
#include "inspection/info_area.h"
#include "copy/copy_host.h"
#include "custom/custom_tabs.h"
#include "inspection/capture_state.h"
#include "kit/action.h"
#include "kit/tool_host.h"
#include "kit/window.h"
#include "settings/editable_parts.h"
#include "settings/live_settings.h"
#include "magnifier/grid_plan.h"
#include "magnifier/view_geometry.h"

namespace zorvik {

// A 32-bit top-down DIB section selected into its own memory DC.
struct DibCanvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  uint32_t* bits = nullptr;
  int width = 0, height = 0;

  // Keeps the DC; contents undefined afterwards. Fails (keeping the old
  // bitmap) when the system refuses, or above maxBytes.
  bool Resize(int w, int h);
  static size_t maxBytes;
  void Free();
  PixelView View() const { return PixelView{bits, width, height, width}; }
  ~DibCanvas() { Free(); }
};

enum class BrushKind { Solid, Clear, Hatch, Bitmap };

// The main window plays every role its parts are written against: the tool
// host, the capture state, the customisable parts, the live settings and the
// copy commands' host.
class TApp_Zorvik : public kit::Window,
                    public kit::ToolHost,
                    public CaptureState,
                    public EditableParts,
                    public LiveSettings,
                    public CopyHost {
public:
  static constexpr UINT_PTR kTimerMain = 1;
  static constexpr UINT_PTR kTimerInfomation = 2;
  static constexpr UINT_PTR kTimerCaptureMove = 3;
  static constexpr UINT kMainInterval = 60;        // ms
  static constexpr int kIdleRefreshRest = 1000;    // ms, the main timer's tag
  static constexpr int kDesignClientWidth = 271, kDesignClientHeight = 224;
  // Menu command ids of actions without a command identifier.
  static constexpr UINT kUnnumberedCommandBase = 40000;

  TApp_Zorvik();
  ~TApp_Zorvik() override;

  bool CreateMainWindow();
  kit::Action* ActionByName(const char* name) const { return actions_.Find(name); }
  UINT MenuCommandOf(const kit::Action& a) const;
  kit::Action* ActionOfMenuCommand(UINT cmd) const;

  // The layout pass.
  void FormResize();
  int ToolBarHeight() const;
  const ViewGeometry& Geometry() const { return geom_; }

  // One tick of the main timer (also run by RefreshView).
  void Timer_MainTimer();
  // Full tick body without the timing logic, for benchmarks: capture at P.
  void CaptureAndPaint(POINT p);
  // Number of full captures so far (the idle skip keeps it low).
  uint64_t CaptureCount() const { return captureCount_; }
  // Whether this system can leave the window out of screen copies (tried
  // once when the window is made), and whether the window is left out now.
  bool CanExcludeFromCapture() const { return canExclude_; }
  bool ExcludedFromCapture() const { return excluded_; }
  // Time spent in each phase of the full refreshes so far (for the benchmark).
  struct TickProfile {
    double capture = 0, picture = 0, facts = 0, info = 0, present = 0;
  };
  const TickProfile& Profile() const { return profile_; }
  void ResetProfile() { profile_ = TickProfile{}; }

  // Shift and Ctrl as they were when the program started (the entry reads
  // them before any window exists); by default read when settings load.
  int startShift = -1, startCtrl = -1;
  // The settings file read at start and written at exit; empty: none (tests).
  std::wstring settingsFile = DefaultSettingsFile();
  // Run once by the shutdown sequence after the settings were written.
  std::function<void()> onSaveSettings;
  // Run after the screen copy of each full refresh (tests).
  std::function<void()> onCaptured;
  void StepZoom(int direction);
  // The temporary actual-size view while a key or button is held.
  void BeginActualSize();
  void EndActualSize();

  void SetCapturePointX(int x);
  void SetCapturePointY(int y);
  void UpdateCaptureMovePanel();
  const T_WinList* WindowSnapshot() const { return winList_.get(); }
  // The tool windows (the benchmark and tests drive them directly).
  TApp_ZorvikAPITest& APITestWindow() { return *apiTest_; }
  TApp_ZorvikWindowStyle& StyleViewerWindow() { return StyleViewer(); }
  // The customisation window (its window is made on first use) and the
  // design state its settings page resets to.
  TApp_ZorvikCustom& CustomWindow() { return *custom_; }
  const SettingsDesignState& DesignState() const { return designState_; }
  const std::wstring& StatusMessage() const { return statusMessage_; }
  // Pops up a named menu ("PopupMenu_Main", ...) at a screen point.
  void ShowMenu(const std::string& name, POINT screen, const RECT* exclude = nullptr);
  void ShowMainMenuAtClientOrigin();

  // --- kit::ToolHost ------------------------------------------------------
  HWND MainWindow() const override { return Handle(); }
  int Dpi() const override { return dpi_; }
  HFONT InfoFont() const override { return font_; }
  kit::ActionList& Actions() override { return actions_; }
  const kit::ActionList& Actions() const override { return actions_; }
  // The refresh request: capture at once, then once more soon after.
  void RefreshView() override;
  void Relayout() override { FormResize(); }
  int AddTickListener(std::function<void()> listener) override;
  void RemoveTickListener(int id) override;

  // --- CaptureState --------------------------------------------------------
  const T_DispInfo& Current() const override { return info_; }
  POINT CapturePoint() const override { return POINT{info_.InspectedX, info_.InspectedY}; }
  bool Paused() const override;
  bool Fixed() const override;
  int ZoomFactor() const override { return zoomFactor_; }
  bool HoldsWriteCache() const override { return writeCache_.Handle != 0; }

  // --- EditableParts -------------------------------------------------------
  MainMenus& Menus() override { return menus_; }
  MainToolBar& ToolBar() override { return toolbar_; }
  BindingList& Bindings() override { return bindings_; }
  const BindingList& DefaultBindings() const override { return defaultBindings_; }
  GestureBindings& Gestures() override { return gestures_; }
  const GestureBindings& DefaultGestures() const override { return defaultGestures_; }
  CopyFormats& Formats() override { return copyFormats_; }

  // --- LiveSettings --------------------------------------------------------
  void ApplyStayOnTop() override;
  void ApplyTitleBar() override;
  void ApplyToolBar() override;
  void ApplyGrid() override;
  void ApplyCaptureMode() override;
  void SetFlipMode(int mode) override;
  void SetInfoFont(const std::wstring& face, int points) override;
  int DividerX() const override { return infoArea_.DividerX(); }
  void SetDividerX(int x) override;
  RECT WindowBounds() const override;
  void PlaceWindow(int x, int y, int width, int height, bool ensureOnScreen) override;
  int ZoomIndex() const override { return zoomIndex_; }
  void SetZoomIndex(int index) override;
  void SetCapturePoint(POINT p) override;
  void SetLengthOrigin(POINT p) override;

  // --- CopyHost ------------------------------------------------------------
  HWND WindowAtCapturePoint() const override;
  HBITMAP CopyOfView(bool withInfoArea) const override;
  void SuspendTicks(bool suspend) override;
  void ShowStatusMessage(const std::wstring& text) override;
  T_DispInfo& WriteCache() override { return writeCache_; }

  // The loupe command checked and enabled; the smooth capture's check.
  bool LoupeActive() const;
  bool Smooth() const;

protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  void BuildActions();
  void On(const char* name, std::function<void(kit::Action&)> handler);
  void FormCreate();
  void FormDestroy();
  void SaveOnce();
  void FormPaint(HDC dc);
  void CreateToolBar();
  void ApplyToolBarIcons();
  void OnDpiChanged(int dpi, const RECT* suggested);
  void LayoutCaptureMoveButtons();
  void MoveToMonitor();
  void DrawRuler();
  void RecomputeSubGrid2();
  void ApplyBrush();
  bool ChooseColour(int64_t& colour);
  void SelectGridColour(kit::Action& a);
  void ActionZoom(kit::Action& a);
  void OnWheel(int delta);
  void HandleException(const std::exception& e);
  // After the information font or the zoom changed: measure, then lay out.
  void ApplyFont();
  // Switches off what cannot work under desktop composition; command is
  // nullptr (composition changed), the loupe or the no-self-capture action.
  void CheckComposition(const kit::Action* command);
  void BuildCaptureModeActions();
  // Moves the capture point; `track` keeps it on the monitor it was on.
  void MoveCapturePoint(POINT p, bool track);
  void PauseExecute(bool update);
  void FixedExecute();
  void LupeExecute();
  void MoveExecute(const std::string& name);
  void AnimateCapturePoint(POINT target);
  void AnimateCursorTo(bool toLengthOrigin);
  void CapturePointFromCursor();
  void LengthPosSet();
  void CreateCaptureMovePanel();
  void CaptureMoveTick();
  void OnLeftDown(POINT client, WPARAM keys);
  void OnMouseMove(POINT client);
  void OnLeftUp(POINT client, WPARAM keys);
  void OnDoubleClick();
  bool OnSetCursor();
  void ActualSizeButtonPressed();
  bool OnKeyDown(UINT vk);
  bool OnKeyUp(UINT vk, bool pressedHere);
  void OnRightButtonUp(POINT client);
  LRESULT OnNotify(NMHDR* hdr);
  void RunBound(kit::Action& a);
  bool NoSelfCaptureActive() const;
  // Loupe mode and no-self-capture leave the window out of screen copies
  // where the system can; neither active, the window is copied as any other.
  void UpdateCaptureExclusion();
  void ExcludeFromCapture(bool exclude);

  kit::ActionList actions_;
  MainMenus menus_{actions_};
  MainToolBar toolbar_{actions_, [this](const kit::Action& a) { return MenuCommandOf(a); }};
  CopyFormats copyFormats_;
  InfoArea infoArea_{*this, *this};
  CopyCommands copy_{*this, *this, *this, copyFormats_};
  AppSettings settings_{*this, *this, *this, *this};
  BindingList bindings_, defaultBindings_;
  GestureBindings gestures_, defaultGestures_;
  POINT gestureStart_{0, 0};
  std::bitset<256> keysDown_;  // keys whose press this window saw, until their release
  HWND panelToolBar_ = nullptr, toolBar_ = nullptr;
  HIMAGELIST iconsDrawn_ = nullptr;  // the command icons as drawn, 18 pixels
  HIMAGELIST imageIcon_ = nullptr, imageLargeIcon_ = nullptr;
  int dpi_ = 96;  // the window's; sizes designed at 96 dpi are scaled by it
  int Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }
  HFONT font_ = nullptr;
  DibCanvas back_, square_;
  HBITMAP brushBitmap_ = nullptr;
  HBRUSH squareBrush_ = nullptr;
  BrushKind brushKind_ = BrushKind::Solid;
  int hatchStyle_ = HS_HORIZONTAL;
  uint32_t brushColour_ = 0xFFFFFF;

  int readyFlag_ = 0;
  bool shutDown_ = false;
  bool created_ = false;          // the window was fully created: its state may be saved
  bool savedForSession_ = false;  // saved for an ending session (or the exit)
  bool picturePossible_ = true;   // the bitmaps match the view geometry
  RECT infoRect_{};
  RECT splitterRect_{};
  bool moveGuard_ = false;
  POINT rightPressPoint_{-1, -1};

  ViewGeometry geom_;
  int zoomIndex_ = kDefaultZoomIndex;
  int zoomFactor_ = kZoomSteps[kDefaultZoomIndex];
  int savedZoom_ = -1;
  int idleRefresh_ = kIdleRefreshRest;
  DWORD lastCaptureTick_ = 0;
  bool tickBusy_ = false;
  int ticksHeld_ = 0;             // SuspendTicks depth
  bool ticksWereRunning_ = false;
  uint64_t captureCount_ = 0;
  TickProfile profile_;
  std::vector<std::pair<int, std::function<void()>>> tickListeners_;
  int nextTickListener_ = 1;

  GridStyle grid_;
  T_DispInfo info_, writeCache_;
  std::unique_ptr<T_WinList> winList_;  // the window tree of a pause
  DibCanvas pauseSnapshot_, pauseSnapshotLayered_;  // the frozen virtual screen
  bool pauseNotReady_ = false;
  bool canExclude_ = false, excluded_ = false;
  int captureMonitor_ = 0;
  HWND panelCaptureMove_ = nullptr;
  int heldSpeedButton_ = -1;  // 0 left, 1 up, 2 down, 3 right
  bool panActive_ = false, splitterDrag_ = false;
  POINT pressClientPoint_{}, pressScreenPoint_{}, pressCapturePoint_{};
  std::wstring statusMessage_;

  std::vector<Segment> segs_;        // reused by every tick
  std::vector<uint32_t> flipScratch_;
  COLORREF customColours_[16]{};

  // The API test window ("APIテスト"); its window is made on first use.
  std::unique_ptr<TApp_ZorvikAPITest> apiTest_;

  // The window style viewer ("ウィンドウスタイル"), made on first use: its
  // command, or a settings file that was read.
  std::unique_ptr<TApp_ZorvikWindowStyle> styleViewer_;
  TApp_ZorvikWindowStyle& StyleViewer();

  // The customisation window and the pages this window reaches once made.
  void BuildCustomisation();
  SettingsDesignState designState_;
  CustomisationPages customPages_;
  std::unique_ptr<TApp_ZorvikCustom> custom_;
};

}  // namespace zorvik
