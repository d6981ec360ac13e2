#include "magnifier/main_window.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "commands/action_setup.h"
#include "commands/icons.h"
#include "commands/menu_table.h"
#include "inspection/window_info.h"
#include "commands/command_table.h"
#include "magnifier/capture_math.h"
#include "magnifier/flip.h"
#include "magnifier/pixels.h"
#include "platform/general.h"
#include "platform/screen_size.h"
#include "platform/message_dialog.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"
#include "platform/private_messages.h"
#include "settings/my_settingfile.h"
#include "custom/copy_page.h"
#include "custom/custom_tabs.h"
#include "kit/subclass.h"

namespace zorvik {

namespace {
constexpr wchar_t kClassName[] = L"TApp_Zorvik";
constexpr wchar_t kTitle[] = L"Zorvik";
constexpr wchar_t kPanelClass[] = L"TPanel_Zorvik";
constexpr int kRulerMargin = 7;
constexpr DWORD kCaptureBlt = 0x40000000;

struct GridChoice {
  const char* name;
  PenMode mode;
};
constexpr GridChoice kGridChoices[] = {
    {"Action_Grid_Gray", PenMode::Copy},      {"Action_Grid_Black", PenMode::Copy},
    {"Action_Grid_White", PenMode::Copy},     {"Action_Grid_Invert", PenMode::Not},
    {"Action_Grid_Transparent", PenMode::Mask},
};
constexpr const char* kSubGridChoices[] = {"Action_Grid_SubNone", "Action_Grid_SubBlue",
                                           "Action_Grid_SubRed"};

struct BrushChoice {
  const char* name;
  BrushKind kind;
  int hatch;
};
constexpr BrushChoice kBrushChoices[] = {
    {"Action_Test_Brush_Solid", BrushKind::Solid, 0},
    {"Action_Test_Brush_Clear", BrushKind::Clear, 0},
    {"Action_Test_Brush_Horizontal", BrushKind::Hatch, HS_HORIZONTAL},
    {"Action_Test_Brush_Vertical", BrushKind::Hatch, HS_VERTICAL},
    {"Action_Test_Brush_FDiagonal", BrushKind::Hatch, HS_FDIAGONAL},
    {"Action_Test_Brush_BDiagonal", BrushKind::Hatch, HS_BDIAGONAL},
    {"Action_Test_Brush_Cross", BrushKind::Hatch, HS_CROSS},
    {"Action_Test_Brush_DiagCross", BrushKind::Hatch, HS_DIAGCROSS},
};

constexpr wchar_t kNoMemoryMessage[] = L"メモリ不足のため拡大画像を表示できません";

// The left (or top) edge of the square in a source bitmap, computed wide so
// that no point, however far off, overflows.
int SourceCoordinate(int point, int half, int origin) {
  const long long v = static_cast<long long>(point) - half - origin;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
}

// Window size that gives the wanted client size with the current frame.
void SetClientSize(HWND hwnd, int cw, int ch) {
  RECT wr, cr;
  GetWindowRect(hwnd, &wr);
  GetClientRect(hwnd, &cr);
  const int fw = (wr.right - wr.left) - cr.right, fh = (wr.bottom - wr.top) - cr.bottom;
  SetWindowPos(hwnd, nullptr, 0, 0, cw + fw, ch + fh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
      // Toolbar notifications belong to the main window.
      return SendMessageW(GetParent(hwnd), msg, wp, lp);
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

// A left press on the toolbar's empty area drags the window; a right press is
// remembered for the gesture and menu logic of the main window.
std::optional<LRESULT> ToolBarMessage(HWND main, HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_LBUTTONDOWN) {
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const LRESULT hit = SendMessageW(hwnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt));
    if (hit < 0) {
      ReleaseCapture();
      SendMessageW(main, WM_SYSCOMMAND, syscmd::kDragMoveFromToolBar, 0);
      return 0;
    }
    // The 1:1 button is held rather than clicked.
    if (SendMessageW(main, msg::kToolBarLeftPress, static_cast<WPARAM>(hit), 0)) return 0;
  } else if (msg == WM_LBUTTONUP) {
    SendMessageW(main, msg::kToolBarLeftRelease, 0, 0);
  } else if (msg == WM_RBUTTONDOWN) {
    SendMessageW(main, msg::kToolBarRightPress, 0, lp);
  }
  return std::nullopt;
}
}  // namespace

// ---------------------------------------------------------------------------
// DibCanvas

size_t DibCanvas::maxBytes = size_t{1} << 30;

bool DibCanvas::Resize(int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  if (bitmap && w == width && h == height) return true;
  if (static_cast<unsigned long long>(w) * static_cast<unsigned long long>(h) * 4 > maxBytes) return false;
  if (!dc) dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* p = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
  if (!bmp) return false;
  HGDIOBJ old = SelectObject(dc, bmp);
  if (bitmap) DeleteObject(bitmap);
  else oldBitmap = old;
  bitmap = bmp;
  bits = static_cast<uint32_t*>(p);
  width = w;
  height = h;
  return true;
}

void DibCanvas::Free() {
  if (dc) {
    if (oldBitmap) SelectObject(dc, oldBitmap);
    DeleteDC(dc);
  }
  if (bitmap) DeleteObject(bitmap);
  dc = nullptr;
  bitmap = nullptr;
  oldBitmap = nullptr;
  bits = nullptr;
  width = height = 0;
}

// ---------------------------------------------------------------------------
// Creation and destruction

TApp_Zorvik::TApp_Zorvik() {
  kit::SetExceptionHandler([this](const std::exception& e) { HandleException(e); });
  for (auto& c : customColours_) c = RGB(255, 255, 255);
}

TApp_Zorvik::~TApp_Zorvik() {
  FormDestroy();
  if (font_) DeleteObject(font_);
  if (squareBrush_) DeleteObject(squareBrush_);
  if (brushBitmap_) DeleteObject(brushBitmap_);
  if (imageIcon_) ImageList_Destroy(imageIcon_);
  if (imageLargeIcon_) ImageList_Destroy(imageLargeIcon_);
  if (iconsDrawn_) ImageList_Destroy(iconsDrawn_);
}

UINT TApp_Zorvik::MenuCommandOf(const kit::Action& a) const {
  if (a.id) return a.id;
  const int i = actions_.IndexOf(&a);
  return i < 0 ? 0 : kUnnumberedCommandBase + static_cast<UINT>(i);
}

kit::Action* TApp_Zorvik::ActionOfMenuCommand(UINT cmd) const {
  if (cmd >= kUnnumberedCommandBase && cmd < kUnnumberedCommandBase + actions_.Count()) {
    kit::Action& a = actions_.At(cmd - kUnnumberedCommandBase);
    return a.id == 0 ? &a : nullptr;
  }
  if (cmd > 0xFFFF) return nullptr;
  return actions_.FindById(static_cast<uint16_t>(cmd));
}

bool TApp_Zorvik::CreateMainWindow() {
  BuildActions();
  menus_.Build();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  HICON icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
  dpi_ = DpiOf(nullptr);
  RECT r{0, 0, Scale(kDesignClientWidth), Scale(kDesignClientHeight)};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  if (!Create(kClassName, kTitle, style, 0, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
              r.bottom - r.top, nullptr, icon, nullptr))
    return false;
  dpi_ = DpiOf(Handle());  // the monitor's, where it differs from the system's
  canExclude_ = ProbeCaptureExclusion(Handle());
  SetClientSize(Handle(), Scale(kDesignClientWidth), Scale(kDesignClientHeight));
  FormCreate();
  return true;
}

void TApp_Zorvik::On(const char* name, std::function<void(kit::Action&)> handler) {
  if (kit::Action* a = actions_.Find(name)) a->onExecute = std::move(handler);
}

void TApp_Zorvik::BuildActions() {
  PopulateActions(actions_);
  for (size_t i = 0; i < actions_.Count(); ++i) {
    kit::Action& a = actions_.At(i);
    if (StartsWith(a.name, "Action_Zoom_") && a.groupIndex == 1)
      a.onExecute = [this](kit::Action& act) { ActionZoom(act); };
    else if (StartsWith(a.name, "Action_Test_Rop_"))
      a.onExecute = [this](kit::Action& act) {
        act.SetChecked(true);
        info_.RasterOp = static_cast<uint32_t>(act.tag);
        RefreshView();
      };
    else if (StartsWith(a.name, "Action_Test_Flip") || StartsWith(a.name, "Action_Test_Rotate"))
      a.onExecute = [this](kit::Action& act) {
        act.SetChecked(true);
        info_.FlipMode = static_cast<uint8_t>(act.tag);
        RefreshView();
      };
  }
  BuildCaptureModeActions();
  infoArea_.BindLineCommands();
  copy_.Bind();
  On("Action_Zoom_Up", [this](kit::Action&) { StepZoom(+1); });
  On("Action_Zoom_Down", [this](kit::Action&) { StepZoom(-1); });

  On("Action_Grid_Disp", [this](kit::Action& a) {
    a.SetChecked(!a.Checked());
    FormResize();
  });
  for (const GridChoice& g : kGridChoices) {
    const PenMode mode = g.mode;
    On(g.name, [this, mode](kit::Action& a) {
      a.SetChecked(true);
      grid_.gridColour = static_cast<uint32_t>(a.tag);
      grid_.gridMode = mode;
      RefreshView();
    });
  }
  for (const char* name : kSubGridChoices)
    On(name, [this](kit::Action& a) {
      a.SetChecked(true);
      if (a.name != "Action_Grid_SubNone") {
        grid_.subColour = static_cast<uint32_t>(a.tag);
        RecomputeSubGrid2();
      }
      grid_.subGridNone = a.name == "Action_Grid_SubNone";
      RefreshView();
    });
  On("Action_Grid_UseSubElseColor", [this](kit::Action&) {
    RecomputeSubGrid2();
    RefreshView();
  });
  for (const char* name : {"Action_Grid_SelColor", "Action_Grid_SelSubColor", "Action_Grid_SelSubElseColor"})
    On(name, [this](kit::Action& a) { SelectGridColour(a); });

  for (const BrushChoice& b : kBrushChoices) {
    const BrushKind kind = b.kind;
    const int hatch = b.hatch;
    On(b.name, [this, kind, hatch](kit::Action& a) {
      a.SetChecked(true);
      brushKind_ = kind;
      hatchStyle_ = hatch;
      ApplyBrush();
      RefreshView();
    });
  }
  On("Action_Test_Brush_Bitmap", [this](kit::Action& a) {
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn)) return;
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bmp) throw std::runtime_error("ビットマップとして読み込めません");
    if (brushBitmap_) DeleteObject(brushBitmap_);
    brushBitmap_ = bmp;
    a.SetChecked(true);
    brushKind_ = BrushKind::Bitmap;
    ApplyBrush();
    RefreshView();
  });
  On("Action_Test_Brush_SelColor", [this](kit::Action& a) {
    if (!ChooseColour(a.tag)) return;
    brushColour_ = static_cast<uint32_t>(a.tag);
    ApplyBrush();
    RefreshView();
  });
  On("Action_Test_Brush_SelBkColor", [this](kit::Action& a) {
    if (!ChooseColour(a.tag)) return;
    info_.HatchBackColour = static_cast<uint32_t>(a.tag) & 0xFFFFFF;
    RefreshView();
  });

  On("Action_Opt_StayOnTop", [this](kit::Action&) {
    ApplyStayOnTop();
    RefreshView();
  });
  On("Action_Opt_TitleBar", [this](kit::Action&) { ApplyTitleBar(); });
  On("Action_Opt_ToolBar", [this](kit::Action&) { ApplyToolBar(); });
  On("Action_Opt_LargeIcon", [this](kit::Action&) { ApplyToolBarIcons(); });
  On("Action_Opt_SelFont", [this](kit::Action&) {
    LOGFONTW lf{};
    GetObjectW(font_, sizeof lf, &lf);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = Handle();
    cf.lpLogFont = &lf;
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS;
    if (!ChooseFontW(&cf)) return;
    HFONT f = CreateFontIndirectW(&lf);
    if (!f) return;
    if (font_) {
      SelectObject(back_.dc, f);
      DeleteObject(font_);
    }
    font_ = f;
    ApplyFont();
  });
  On("Action_Capture_SmoothCapture", [this](kit::Action&) {
    statusMessage_.clear();
    RefreshView();
  });
  On("Action_Capture_NoSelfCapture", [this](kit::Action& a) {
    if (!CanLayerWindows()) {
      a.SetChecked(false);
    } else {
      CheckComposition(&a);
    }
    LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    const bool layered = a.Checked() && a.Enabled();
    if (layered) {
      SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
      if (Optional().SetLayeredWindowAttributes)
        Optional().SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    } else if (ex & WS_EX_LAYERED) {
      SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
    UpdateCaptureExclusion();
    if (CanLayerWindows()) Sleep(100);
    RefreshView();
  });
  On("Action_File_Minimize", [this](kit::Action&) { ShowWindow(Handle(), SW_MINIMIZE); });
  On("Action_File_Exit", [this](kit::Action&) { PostMessageW(Handle(), WM_CLOSE, 0, 0); });
  On("Action_Move_Monitor", [this](kit::Action&) { MoveToMonitor(); });
  On("Action_Test_AeroThemeOnOff", [](kit::Action&) {
    const bool before = IsCompositionEnabled();
    if (!SetComposition(!before) && IsCompositionEnabled() == before) MessageBeep(MB_OK);
  });
}

TApp_ZorvikWindowStyle& TApp_Zorvik::StyleViewer() {
  if (!styleViewer_)
    styleViewer_ = std::make_unique<TApp_ZorvikWindowStyle>(
        *this, *this, [this](uint16_t key) { return bindings_.HasKey(key); },
        [this](const TApp_ZorvikWindowStyle& origin) { copy_.CopyStyleDetails(origin); });
  return *styleViewer_;
}

void TApp_Zorvik::BuildCustomisation() {
  custom_ = std::make_unique<TApp_ZorvikCustom>(
      *this, CustomisationTabs(CustomisationParts{*this, *this, *this, *this, *apiTest_, designState_}, customPages_));
  const struct {
    const char* command;
    const char* tab;
  } commands[] = {{"Action_Custom_Setting", "TabSheet_Option"}, {"Action_Custom_Menu", "tabMenu"},
                  {"Action_Custom_ToolBar", "tabToolBar"},      {"Action_Custom_ShortCut", "tabShortCut"},
                  {"Action_Custom_Copy", "tabCopy"},            {"Action_Help", "tabHelp"}};
  for (const auto& c : commands) {
    const std::string tab = c.tab;
    On(c.command, [this, tab](kit::Action& a) {
      // Disabled while the page is made, so that a second request waits.
      a.SetEnabled(false);
      struct Enable {
        kit::Action& a;
        ~Enable() { a.SetEnabled(true); }
      } enable{a};
      custom_->ShowCustomisation(tab);
      // A copy command run with Shift held opens the page on its own format.
      if (const kit::Action* from = copy_.FormatsRequester(); from && tab == "tabCopy" && customPages_.copy)
        customPages_.copy->SelectCaption(from->caption, true);
    });
  }
}

void TApp_Zorvik::FormCreate() {
  HWND hwnd = Handle();
  // Design-time state of everything the user customises.
  CreateToolBar();
  for (size_t i = 0; i < DefaultToolBarCount(); ++i) toolbar_.AppendToolButton(actions_.Find(DefaultToolBar()[i]));
  menus_.SnapshotMenuDefaults();
  toolbar_.RecordDefaultToolBar();
  defaultBindings_ = BindingList::Defaults();
  defaultGestures_ = GestureBindings::Defaults();
  bindings_ = defaultBindings_;
  gestures_ = defaultGestures_;
  actions_.onChange = [this](kit::Action&) { toolbar_.SyncStates(); };
  // Open on the monitor under the cursor, 75 pixels in from its corner.
  POINT cur{0, 0};
  CursorPos(cur);
  RECT mon = ScreenSize().MonitorRectAt(cur);
  if (mon.right == mon.left) mon = RECT{0, 0, 0, 0};
  SetWindowPos(hwnd, nullptr, mon.left + 75, mon.top + 75, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  writeCache_ = T_DispInfo{};
  rightPressPoint_ = POINT{-1, -1};
  zoomIndex_ = kDefaultZoomIndex;
  if (kit::Action* z = actions_.Find("Action_Zoom_6")) z->SetChecked(true);
  zoomFactor_ = kZoomSteps[zoomIndex_];
  geom_.ZoomFactor = zoomFactor_;
  savedZoom_ = -1;
  if (kit::Action* g = actions_.Find("Action_Grid_Gray")) grid_.gridColour = static_cast<uint32_t>(g->tag);
  grid_.gridMode = PenMode::Copy;
  if (kit::Action* s = actions_.Find("Action_Grid_SubBlue")) grid_.subColour = static_cast<uint32_t>(s->tag);
  idleRefresh_ = kIdleRefreshRest;

  // System menu: no maximise; the two extra commands on top.
  if (HMENU sys = GetSystemMenu(hwnd, FALSE)) {
    DeleteMenu(sys, SC_MAXIMIZE, MF_BYCOMMAND);
    InsertMenuW(sys, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    const kit::Action* move = actions_.Find("Action_Move_Monitor");
    const kit::Action* setting = actions_.Find("Action_Custom_Setting");
    InsertMenuW(sys, 0, MF_BYPOSITION | MF_STRING, syscmd::kMoveMonitor, W(move ? move->caption : "").c_str());
    InsertMenuW(sys, 0, MF_BYPOSITION | MF_STRING, syscmd::kCustomSetting,
                W(setting ? setting->caption : "").c_str());
  }

  RECT cr;
  GetClientRect(hwnd, &cr);
  font_ = CreateFontW(-Scale(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
  back_.Resize(cr.right, std::max<LONG>(1, cr.bottom - ToolBarHeight()));
  SelectObject(back_.dc, font_);
  SetBkMode(back_.dc, TRANSPARENT);
  square_.Resize(1, 1);
  infoRect_ = RECT{0, cr.bottom, cr.right, cr.bottom};

  if (kit::Action* aero = actions_.Find("Action_Test_AeroThemeOnOff")) aero->SetVisible(CanSetComposition());
  info_.RasterOp = SRCCOPY;
  ApplyBrush();

  infoArea_.PlaceDividerForFont(back_.dc);

  // The keys held while the program starts, read once before anything else.
  const bool shiftHeld = startShift >= 0 ? startShift != 0 : IsKeyDown(VK_SHIFT);
  const bool ctrlHeld = startCtrl >= 0 ? startCtrl != 0 : IsKeyDown(VK_CONTROL);
  // The API test window: its block of the settings file and its command.
  apiTest_ = std::make_unique<TApp_ZorvikAPITest>(*this, *this);
  settings_.AddParticipant([this](const SettingsData& s, uint32_t read) { apiTest_->ApplySettings(s, read); },
                           [this](SettingsData& s) { apiTest_->CollectSettings(s); });
  On("Action_Test_APITest", [this](kit::Action& a) { apiTest_->ActionExecute(a.Checked()); });
  // The window style viewer: its block of the settings file (taken when its
  // window is made; written back as read unless the window exists) and its command.
  settings_.AddParticipant(
      [this](const SettingsData& s, uint32_t read) {
        TApp_ZorvikWindowStyle::Placement p;
        if (read & kSectionStyleViewer) {
          const StoredRect& b = s.styleViewer.bounds;
          p.bounds = RECT{b.left, b.top, b.right, b.bottom};
          p.hintHeight = s.styleViewer.hintHeight;
          p.classMask = s.styleViewer.classMask;
        }
        StyleViewer().SetSavedPlacement(p);
      },
      [this](SettingsData& s) {
        if (!styleViewer_ || !styleViewer_->Exists()) return;
        const TApp_ZorvikWindowStyle::Placement p = styleViewer_->CurrentPlacement();
        s.styleViewer.bounds = StoredRect{p.bounds.left, p.bounds.top, p.bounds.right, p.bounds.bottom};
        s.styleViewer.hintHeight = p.hintHeight;
        s.styleViewer.classMask = p.classMask;
        s.styleViewerClasses = p.classMask;
      });
  On("Action_WinInfo_StyleVerbose", [this](kit::Action& a) {
    if (created_) StyleViewer().FollowCommand(a.Checked());
  });
  BuildCustomisation();
  designState_.Record(actions_, zoomIndex_);  // before the settings file changes anything

  if (!settings_.Load(settingsFile, shiftHeld, ctrlHeld)) {
    // Nothing stored: default keys and gestures, and the two-colour sub-grid rule.
    bindings_ = defaultBindings_;
    gestures_ = defaultGestures_;
    RecomputeSubGrid2();
  }
  ApplyFont();
  menus_.CloneSections();

  readyFlag_ = 1;
  ApplyToolBarIcons();
  FormResize();
  StartTimer(kTimerMain, kMainInterval, [this] { Timer_MainTimer(); });
  ShowWindow(hwnd, SW_SHOWNORMAL);
  kit::Action* top = actions_.Find("Action_Opt_StayOnTop");
  if (!top || !top->Checked()) {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  SetForegroundWindow(hwnd);
  // The capture options take effect once (layering for no-self-capture).
  for (const char* name : {"Action_Capture_NoSelfCapture", "Action_Capture_SmoothCapture"})
    if (kit::Action* a = actions_.Find(name)) a->Execute();
  RefreshView();
  // The API test window comes back when it was shown at exit.
  if (kit::Action* a = actions_.Find("Action_Test_APITest"); a && a->Checked()) apiTest_->ActionExecute(true, false);
  if (!settings_.LoadMessage().empty()) ShowStatusMessage(settings_.LoadMessage());
  created_ = true;  // from here on the live state is worth saving
}

void TApp_Zorvik::SaveOnce() {
  // A start that failed half-way holds no state of the user's: never let it
  // replace the file.
  if (!created_ || savedForSession_) return;
  savedForSession_ = true;
  settings_.Save();
  if (onSaveSettings) onSaveSettings();
}

void TApp_Zorvik::FormDestroy() {
  // Runs once: the end of the session and the window's destruction both ask.
  if (shutDown_) return;
  shutDown_ = true;
  readyFlag_ = 0;
  StopTimer(kTimerMain);
  HWND hwnd = Handle();
  if (hwnd) {
    // The bounds are saved as a restored window has them.
    if (IsIconic(hwnd) || IsZoomed(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
    ShowWindow(hwnd, SW_HIDE);
  }
  SaveOnce();
  back_.Free();
  square_.Free();
}

void TApp_Zorvik::CreateToolBar() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  kit::RegisterPlainClass(kPanelClass, PanelProc);
  RECT cr;
  GetClientRect(Handle(), &cr);
  panelToolBar_ = CreateWindowExW(0, kPanelClass, L"Panel_ToolBar", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  0, 0, cr.right, Scale(25), Handle(), nullptr, inst, nullptr);
  toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"ToolBar_Main",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                 CCS_NOPARENTALIGN | CCS_NODIVIDER,
                             0, 0, cr.right, Scale(24), panelToolBar_, nullptr, inst, nullptr);
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  kit::SubclassControl(toolBar_, [main = Handle()](HWND h, UINT msg, WPARAM, LPARAM lp) {
    return ToolBarMessage(main, h, msg, lp);
  });
  CreateCaptureMovePanel();
  // The icons are drawn at 18 pixels once; the lists in use are made from
  // them at the size the DPI and the large-icon option ask for.
  iconsDrawn_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 0, 16);
  FillCommandIcons(iconsDrawn_);
  imageIcon_ = ScaledImageList(iconsDrawn_, Scale(kIconSize));
  infoArea_.CreateIcons(Scale(kInfoIconSize));
  SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageIcon_));
  toolbar_.Attach(toolBar_);
}

int TApp_Zorvik::ToolBarHeight() const {
  const kit::Action* a = actions_.Find("Action_Opt_ToolBar");
  if (!panelToolBar_ || !a || !a->Checked()) return 0;
  RECT r;
  GetWindowRect(panelToolBar_, &r);
  return r.bottom - r.top;
}

// ---------------------------------------------------------------------------
// Window options

void TApp_Zorvik::ApplyStayOnTop() {
  const kit::Action* a = actions_.Find("Action_Opt_StayOnTop");
  SetWindowPos(Handle(), a && a->Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TApp_Zorvik::ApplyTitleBar() {
  const kit::Action* a = actions_.Find("Action_Opt_TitleBar");
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const bool hasCaption = (style & WS_BORDER) && (style & WS_DLGFRAME);
  if (a && a->Checked() && !hasCaption)
    style |= WS_CAPTION | WS_THICKFRAME;
  else if (a && !a->Checked() && hasCaption)
    style &= ~static_cast<LONG_PTR>(WS_CAPTION);
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  if (readyFlag_ == 1)
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  FormResize();
}

void TApp_Zorvik::ApplyToolBarIcons() {
  const kit::Action* a = actions_.Find("Action_Opt_LargeIcon");
  const bool large = a && a->Checked();
  // 18 or 36 pixels at 96 dpi, in buttons of 24 or 42.
  const int size = Scale(large ? 2 * kIconSize : kIconSize);
  HIMAGELIST& list = large ? imageLargeIcon_ : imageIcon_;
  int cx = 0, cy = 0;
  if (list) ImageList_GetIconSize(list, &cx, &cy);
  if (!list || cx != size) {
    if (list) ImageList_Destroy(list);
    list = ScaledImageList(iconsDrawn_, size);
  }
  const int buttonHeight = size + Scale(6);
  SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
  SendMessageW(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(0, buttonHeight));
  RECT cr;
  GetClientRect(Handle(), &cr);
  SetWindowPos(panelToolBar_, nullptr, 0, 0, cr.right, buttonHeight + 1, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(toolBar_, nullptr, 0, 0, cr.right, buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  FormResize();
}

// Moved to a monitor of another DPI (or its DPI changed): the font keeps its
// size in points, the toolbar, icons and buttons grow or shrink with it, and
// the window takes the rectangle the system suggests. The magnified pixels
// stay z x z screen pixels at any DPI.
void TApp_Zorvik::OnDpiChanged(int dpi, const RECT* suggested) {
  if (dpi < 96 || dpi > 960 || dpi == dpi_) return;
  const int old = dpi_;
  dpi_ = dpi;
  LOGFONTW lf{};
  GetObjectW(font_, sizeof lf, &lf);
  lf.lfHeight = MulDiv(lf.lfHeight, dpi, old);
  if (HFONT f = CreateFontIndirectW(&lf)) {
    SelectObject(back_.dc, f);
    DeleteObject(font_);
    font_ = f;
  }
  infoArea_.CreateIcons(Scale(kInfoIconSize));
  infoArea_.ScaleDivider(dpi, old);
  LayoutCaptureMoveButtons();
  if (suggested)
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyToolBarIcons();
  ApplyFont();
}

void TApp_Zorvik::ApplyFont() {
  RECT cr;
  GetClientRect(Handle(), &cr);
  infoArea_.Measure(back_.dc, geom_.ZoomFactor, cr.right);
  FormResize();
}

void TApp_Zorvik::MoveToMonitor() {
  ScreenSize().Refresh();
  const bool shift = IsKeyDown(VK_SHIFT);
  const int n = ScreenSize().MonitorNumberOfWindow(Handle());
  const Pt target = ScreenSize().Layout().MonitorMoveTarget(n, shift);
  SetWindowPos(Handle(), nullptr, target.x, target.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TApp_Zorvik::CheckComposition(const kit::Action* command) {
  // Where the window can be left out of screen copies, composition takes
  // nothing from either mode.
  if (!IsCompositionEnabled() || canExclude_) return;
  // A pause whose window tree was taken without composition keeps its picture.
  if (Paused() && winList_ && !winList_->CompositionWasOn()) return;
  std::wstring lines;
  for (const char* name : {"Action_Capture_Lupe", "Action_Capture_NoSelfCapture"}) {
    kit::Action* a = actions_.Find(name);
    if (!a || !a->Checked() || (command && command != a)) continue;
    a->SetChecked(false);
    const std::wstring line = L"\u3000・" + W(CaptionWithoutAccelerator(a->caption));
    lines = lines.empty() ? line : lines + L"\r" + line;
  }
  if (!lines.empty())
    ShowNotice(L"Aero テーマが有効の場合以下の機能は使用できません\r\r" + lines + L"\r\r機能を解除します");
}

void TApp_Zorvik::RecomputeSubGrid2() {
  const kit::Action* use = actions_.Find("Action_Grid_UseSubElseColor");
  const kit::Action* second = actions_.Find("Action_Grid_SelSubElseColor");
  grid_.subColour2 = use && use->Checked() && second ? static_cast<uint32_t>(second->tag) : grid_.subColour;
}

bool TApp_Zorvik::ChooseColour(int64_t& colour) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Handle();
  cc.rgbResult = static_cast<COLORREF>(colour) & 0xFFFFFF;
  cc.lpCustColors = customColours_;
  cc.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
  if (!ChooseColorW(&cc)) return false;
  colour = cc.rgbResult;
  return true;
}

void TApp_Zorvik::SelectGridColour(kit::Action& a) {
  const kit::Action* setting = actions_.Find("Action_Custom_Setting");
  if (setting && !setting->Enabled()) return;
  const bool shift = IsKeyDown(VK_SHIFT), ctrl = IsKeyDown(VK_CONTROL);
  const bool isSecond = a.name == "Action_Grid_SelSubElseColor";
  bool set = false;
  if (shift || ctrl) {
    if (shift && ctrl) {
      const CommandDef* def = CommandByName(a.name);
      a.tag = def ? def->tag : a.tag;
    } else if (ctrl) {
      a.tag = info_.ColorRef;
    } else {
      a.tag = 0xFFFFFF - info_.ColorRef;
    }
    if (!isSecond) a.SetChecked(true);
    set = true;
  } else {
    if (!ChooseColour(a.tag)) return;
    if (!isSecond) a.SetChecked(true);
    set = true;
  }
  if (isSecond) {
    RecomputeSubGrid2();
  } else if (a.Checked()) {
    if (a.name == "Action_Grid_SelColor") {
      grid_.gridColour = static_cast<uint32_t>(a.tag);
      grid_.gridMode = PenMode::Copy;
    } else {
      grid_.subColour = static_cast<uint32_t>(a.tag);
      grid_.subGridNone = false;
      RecomputeSubGrid2();
    }
    kit::Action* disp = actions_.Find("Action_Grid_Disp");
    if (set && disp) disp->SetChecked(true);
  }
  FormResize();
}

void TApp_Zorvik::ApplyBrush() {
  HBRUSH b = nullptr;
  switch (brushKind_) {
    case BrushKind::Solid: b = CreateSolidBrush(brushColour_ & 0xFFFFFF); break;
    case BrushKind::Clear: b = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)); break;
    case BrushKind::Hatch: b = CreateHatchBrush(hatchStyle_, brushColour_ & 0xFFFFFF); break;
    case BrushKind::Bitmap: b = brushBitmap_ ? CreatePatternBrush(brushBitmap_) : nullptr; break;
  }
  if (!b) b = CreateSolidBrush(brushColour_ & 0xFFFFFF);
  if (square_.dc) SelectObject(square_.dc, b);
  if (squareBrush_) DeleteObject(squareBrush_);  // stock objects ignore deletion
  squareBrush_ = b;
  info_.BrushColour = brushColour_;
}

// ---------------------------------------------------------------------------
// Layout and painting

void TApp_Zorvik::FormResize() {
  if (kit::Terminating() || readyFlag_ == 0 || !Handle() || IsIconic(Handle())) return;
  readyFlag_ = 0;
  HWND hwnd = Handle();
  const int h = infoArea_.Height();
  RECT cr;
  GetClientRect(hwnd, &cr);
  int cw = cr.right, ch = cr.bottom;
  ch += h - (infoRect_.bottom - infoRect_.top);
  if (ch - h < 50) ch = h + 50;
  if (cw < 50) cw = 50;
  if (cw != cr.right || ch != cr.bottom) {
    SetClientSize(hwnd, cw, ch);
    GetClientRect(hwnd, &cr);
    cw = cr.right;
    ch = cr.bottom;
  }
  const int tb = ToolBarHeight();
  if (panelToolBar_) {
    RECT pr;
    GetWindowRect(panelToolBar_, &pr);
    SetWindowPos(panelToolBar_, nullptr, 0, 0, cw, pr.bottom - pr.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(toolBar_, nullptr, 0, 0, cw, pr.bottom - pr.top - 1, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  infoRect_.left = 0;
  infoRect_.right = cw;
  infoRect_.bottom = ch - tb;
  infoRect_.top = infoRect_.bottom - h;
  if (panelCaptureMove_)
    SetWindowPos(panelCaptureMove_, HWND_TOP, cw - 4 * Scale(14), tb + infoRect_.top + 1, 4 * Scale(14), Scale(14),
                 SWP_NOACTIVATE);
  const int divider = infoArea_.DividerX();
  splitterRect_ = RECT{divider - 2, tb + infoRect_.top + infoArea_.LineHeight(), divider + 2, tb + infoRect_.bottom};
  const kit::Action* gridDisp = actions_.Find("Action_Grid_Disp");
  const bool grid = gridDisp && gridDisp->Checked();
  const int margin = grid ? kRulerMargin : 0;
  // A bitmap that cannot be had (zoom 1 on a huge window) keeps its old size:
  // then the picture is not drawn at all, and the status row says why.
  const bool backOk = back_.Resize(cw, std::max(1, ch - tb)) && back_.width == cw;
  SelectObject(back_.dc, font_);
  geom_ = ComputeViewGeometry(cw - margin, infoRect_.top - margin, zoomFactor_, grid, margin, margin);
  square_.Resize(geom_.SquareSize, geom_.SquareSize);
  picturePossible_ = backOk && SquareFits(geom_, square_.width, square_.height);
  if (grid && picturePossible_) DrawRuler();
  readyFlag_ = 1;
  statusMessage_.clear();
  StopTimer(kTimerInfomation);
  if (!picturePossible_) {
    PatBlt(back_.dc, 0, 0, back_.width, back_.height, WHITENESS);
    statusMessage_ = kNoMemoryMessage;
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  RefreshView();
}

void TApp_Zorvik::DrawRuler() {
  GdiFlush();
  const PixelView v = back_.View();
  FillRect32(v, 0, 0, v.width, geom_.ViewTop, 0xFFFFFF);
  FillRect32(v, 0, 0, geom_.ViewLeft, infoRect_.top, 0xFFFFFF);
  segs_.clear();
  PlanRulerTicks(geom_, segs_);
  DrawSegments(v, segs_);
  Triangle top, left;
  RulerPointers(geom_, top, left);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ op = SelectObject(back_.dc, pen), ob = SelectObject(back_.dc, brush);
  for (const Triangle* t : {&top, &left}) {
    POINT pts[3] = {{t->x[0], t->y[0]}, {t->x[1], t->y[1]}, {t->x[2], t->y[2]}};
    Polygon(back_.dc, pts, 3);
  }
  SelectObject(back_.dc, op);
  SelectObject(back_.dc, ob);
  DeleteObject(pen);
  DeleteObject(brush);
}

void TApp_Zorvik::FormPaint(HDC dc) {
  if (!back_.dc) return;
  RECT cr;
  GetClientRect(Handle(), &cr);
  const int tb = ToolBarHeight();
  BitBlt(dc, 0, tb, cr.right, cr.bottom - tb, back_.dc, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// The tick

void TApp_Zorvik::RefreshView() {
  if (readyFlag_ != 1) return;
  lastCaptureTick_ = 0;
  Timer_MainTimer();
  idleRefresh_ = 100;
}

void TApp_Zorvik::Timer_MainTimer() {
  if (kit::Terminating()) {
    StopTimer(kTimerMain);
    return;
  }
  if (!kit::ProcessMessages() || shutDown_ || !Handle()) return;
  if (tickBusy_) return;
  tickBusy_ = true;
  // An exception thrown by a capture must not leave the view frozen.
  struct BusyReset {
    bool& busy;
    ~BusyReset() { busy = false; }
  } busyReset{tickBusy_};

  POINT p{0, 0};
  if (LoupeActive()) {
    RECT cr;
    GetClientRect(Handle(), &cr);
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    const int tb = ToolBarHeight();
    p.x = origin.x - 1 + geom_.ViewLeft + static_cast<int>(std::lround((cr.right - geom_.ViewLeft) / 2.0));
    p.y = origin.y - 1 + tb + geom_.ViewTop +
          static_cast<int>(std::lround((cr.bottom - tb - geom_.ViewTop - infoArea_.Height()) / 2.0));
  } else if (Fixed() || Paused()) {
    // A stored point may lie anywhere (an old file, another screen layout).
    const Pt q = ClampToVirtual(Pt{info_.InspectedX, info_.InspectedY}, ScreenSize().Layout().Virtual());
    p = POINT{q.x, q.y};
  } else {
    CaptureCursorPos(p);
  }
  DWORD now = GetTickCount();
  const bool same = p.x == info_.InspectedX && p.y == info_.InspectedY;
  const long elapsed = std::labs(static_cast<long>(static_cast<int32_t>(now - lastCaptureTick_)));
  if (same && lastCaptureTick_ != 0 && elapsed <= idleRefresh_ && !Smooth()) return;
  CaptureAndPaint(p);
  lastCaptureTick_ = now ? now : 1;
  if (idleRefresh_ != kIdleRefreshRest) idleRefresh_ = Clamp(kIdleRefreshRest, 1, 60000);
}

void TApp_Zorvik::CaptureAndPaint(POINT p) {
  if (!back_.bits || !square_.bits) return;
  if (!picturePossible_ || !SquareFits(geom_, square_.width, square_.height)) {
    // No bitmaps that match the view: only the information area is drawn.
    info_.InspectedX = p.x;
    info_.InspectedY = p.y;
    infoArea_.Paint(back_.dc, infoRect_, statusMessage_);
    HDC dc = GetDC(Handle());
    FormPaint(dc);
    ReleaseDC(Handle(), dc);
    return;
  }
  ++captureCount_;
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  // Adds the time since the last mark to a phase.
  auto mark = [&](double& phase) {
    QueryPerformanceCounter(&t1);
    phase += static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
    t0 = t1;
  };
  info_.InspectedX = p.x;
  info_.InspectedY = p.y;
  const int s = geom_.SquareSize;

  // Background of the square: the brush (and hatch background colour).
  SetBkColor(square_.dc, info_.HatchBackColour & 0xFFFFFF);
  RECT all{0, 0, s, s};
  FillRect(square_.dc, &all, squareBrush_);

  DWORD rop = info_.RasterOp;
  const bool lupeOn = LoupeActive();
  const bool noSelfOn = NoSelfCaptureActive();
  if (!lupeOn && !noSelfOn) rop |= kCaptureBlt;
  const bool fromPause = Paused() && !pauseNotReady_ && pauseSnapshot_.bitmap && pauseSnapshotLayered_.bitmap;
  if (fromPause) {
    // The frozen screen: without layered windows where our own window must not show.
    const DibCanvas& pic = (lupeOn || (noSelfOn && CanLayerWindows())) ? pauseSnapshot_ : pauseSnapshotLayered_;
    const TMyScreenSize& scr = ScreenSize();
    BitBlt(square_.dc, 0, 0, s, s, pic.dc, SourceCoordinate(p.x, geom_.SquareHalf, scr.VirtualLeft()),
           SourceCoordinate(p.y, geom_.SquareHalf, scr.VirtualTop()), info_.RasterOp);
  } else {
    // The whole virtual screen, also monitors left of or above the primary.
    HDC screen = GetDC(nullptr);
    BitBlt(square_.dc, 0, 0, s, s, screen, SourceCoordinate(p.x, geom_.SquareHalf, 0),
           SourceCoordinate(p.y, geom_.SquareHalf, 0), rop);
    ReleaseDC(nullptr, screen);
  }
  GdiFlush();
  mark(profile_.capture);
  if (onCaptured) onCaptured();

  FlipSquare(square_.bits, s, info_.FlipMode, flipScratch_);
  const PixelView back = back_.View();
  Enlarge(square_.View(), geom_.SquareOffsetX, geom_.SquareOffsetY, geom_.CaptureCols, geom_.CaptureRows,
          geom_.ZoomFactor, back, geom_.ViewLeft, geom_.ViewTop);

  segs_.clear();
  if (geom_.GridShown) PlanGrid(geom_, grid_, back.width, infoRect_.top, segs_);
  PlanMarker(geom_, segs_);
  DrawSegments(back, segs_);

  uint32_t colour = 0;
  if (geom_.CursorCellX >= 0 && geom_.CursorCellX < back.width && geom_.CursorCellY >= 0 &&
      geom_.CursorCellY < back.height)
    colour = PixelToColorRef(back.pixels[static_cast<size_t>(geom_.CursorCellY) * back.stride + geom_.CursorCellX]);
  info_.SetColour(colour);
  info_.CursorCellX = geom_.CursorCellX;
  info_.CursorCellY = geom_.CursorCellY;

  mark(profile_.picture);
  // Window facts of the point (from the window snapshot while paused).
  if (fromPause) {
    if (winList_) T_WinList::CopyFacts(winList_->Lookup(p, lupeOn || noSelfOn), info_);
  } else {
    GatherWindowFacts(info_, noSelfOn, lupeOn, Handle());
  }
  mark(profile_.facts);

  infoArea_.Paint(back_.dc, infoRect_, statusMessage_);
  mark(profile_.info);
  HDC dc = GetDC(Handle());
  FormPaint(dc);
  ReleaseDC(Handle(), dc);
  GdiFlush();
  mark(profile_.present);
  // Tool windows that follow the capture (a listener may remove itself).
  const auto listeners = tickListeners_;
  for (const auto& l : listeners) l.second();
}

// ---------------------------------------------------------------------------
// Zoom

void TApp_Zorvik::ActionZoom(kit::Action& a) {
  a.SetChecked(true);
  const int factor = static_cast<int>(std::llabs(a.tag));
  for (int i = 0; i < kZoomStepCount; ++i)
    if (kZoomSteps[i] == factor) zoomIndex_ = i;
  zoomFactor_ = kZoomSteps[zoomIndex_];
  geom_.ZoomFactor = zoomFactor_;
  ApplyFont();  // the zoom caption's width moves the state icons
}

void TApp_Zorvik::StepZoom(int direction) {
  if (savedZoom_ > 0) return;
  const int next = StepZoomIndex(zoomIndex_, direction);
  if (next < 0) return;
  const std::string name = "Action_Zoom_" + std::to_string(kZoomSteps[next]);
  if (kit::Action* a = actions_.Find(name)) a->Execute();
}

void TApp_Zorvik::OnWheel(int delta) {
  const bool up = delta > 0;
  if (GetKeyState(VK_MENU) < 0) {
    if (kit::Action* a = actions_.Find(up ? "Action_Move_Left" : "Action_Move_Right")) a->Execute();
  } else if (GetKeyState(VK_CONTROL) < 0) {
    if (kit::Action* a = actions_.Find(up ? "Action_Move_Up" : "Action_Move_Down")) a->Execute();
  } else {
    const kit::Action* reverse = actions_.Find("Action_Opt_ZoomWheel");
    const bool zoomIn = (reverse && reverse->Checked()) ? !up : up;
    StepZoom(zoomIn ? +1 : -1);
  }
  kit::ProcessMessages();
}

void TApp_Zorvik::BeginActualSize() {
  if (savedZoom_ >= 0) return;
  savedZoom_ = zoomFactor_;
  zoomFactor_ = 1;
  lastCaptureTick_ = 0;
  FormResize();
}

void TApp_Zorvik::EndActualSize() {
  if (savedZoom_ <= 0) return;
  zoomFactor_ = savedZoom_;
  savedZoom_ = -1;
  lastCaptureTick_ = 0;
  FormResize();
}

void TApp_Zorvik::HandleException(const std::exception& e) {
  if (kit::Action* top = actions_.Find("Action_Opt_StayOnTop")) {
    top->SetChecked(false);
    if (Handle()) ApplyStayOnTop();
  }
  ShowNotice(W(e.what()));
}

// ---------------------------------------------------------------------------
// What the roles ask of the window

void TApp_Zorvik::ShowStatusMessage(const std::wstring& text) {
  statusMessage_ = text;
  if (!TimerRunning(kTimerInfomation))
    StartTimer(kTimerInfomation, 2000, [this] {
      statusMessage_.clear();
      StopTimer(kTimerInfomation);
      RefreshView();
    });
  RefreshView();
}

bool TApp_Zorvik::Smooth() const {
  const kit::Action* a = actions_.Find("Action_Capture_SmoothCapture");
  return a && a->Checked();
}

bool TApp_Zorvik::NoSelfCaptureActive() const {
  const kit::Action* a = actions_.Find("Action_Capture_NoSelfCapture");
  return a && a->Checked() && a->Enabled();
}

void TApp_Zorvik::SetCapturePoint(POINT p) {
  MoveCapturePoint(p, false);
  RefreshView();
}

void TApp_Zorvik::SetLengthOrigin(POINT p) {
  info_.LengthOriginX = p.x;
  info_.LengthOriginY = p.y;
  RefreshView();
}

void TApp_Zorvik::SetZoomIndex(int index) {
  const int zoom = Clamp(index, 0, kZoomStepCount - 1);
  if (kit::Action* z = actions_.Find("Action_Zoom_" + std::to_string(kZoomSteps[zoom]))) {
    zoomIndex_ = zoom;
    z->SetChecked(true);
    zoomFactor_ = kZoomSteps[zoom];
    geom_.ZoomFactor = zoomFactor_;
  }
}

void TApp_Zorvik::ApplyGrid() {
  for (const GridChoice& g : kGridChoices)
    if (const kit::Action* a = actions_.Find(g.name); a && a->Checked()) {
      grid_.gridColour = static_cast<uint32_t>(a->tag);
      grid_.gridMode = g.mode;
    }
  if (const kit::Action* a = actions_.Find("Action_Grid_SelColor"); a && a->Checked()) {
    grid_.gridColour = static_cast<uint32_t>(a->tag);
    grid_.gridMode = PenMode::Copy;
  }
  for (const char* name : kSubGridChoices)
    if (const kit::Action* a = actions_.Find(name); a && a->Checked()) {
      grid_.subGridNone = a->name == "Action_Grid_SubNone";
      if (!grid_.subGridNone) grid_.subColour = static_cast<uint32_t>(a->tag);
    }
  if (const kit::Action* a = actions_.Find("Action_Grid_SelSubColor"); a && a->Checked()) {
    grid_.subGridNone = false;
    grid_.subColour = static_cast<uint32_t>(a->tag);
  }
  RecomputeSubGrid2();
  RefreshView();
}

void TApp_Zorvik::ApplyCaptureMode() {
  const kit::Action* lupe = actions_.Find("Action_Capture_Lupe");
  if (lupe && lupe->Checked()) LupeExecute();
  else UpdateCaptureMovePanel();
  UpdateCaptureExclusion();
}

void TApp_Zorvik::SetFlipMode(int mode) {
  info_.FlipMode = static_cast<uint8_t>(mode & 0xFF);
  RefreshView();
}

void TApp_Zorvik::SetInfoFont(const std::wstring& face, int points) {
  LOGFONTW lf{};
  GetObjectW(font_, sizeof lf, &lf);
  lf.lfHeight = -MulDiv(points, dpi_, 72);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  if (HFONT f = CreateFontIndirectW(&lf)) {
    if (back_.dc) SelectObject(back_.dc, f);
    if (font_) DeleteObject(font_);
    font_ = f;
  }
}

void TApp_Zorvik::SetDividerX(int x) {
  RECT cr;
  GetClientRect(Handle(), &cr);
  infoArea_.SetDividerX(x, cr.right);
}

RECT TApp_Zorvik::WindowBounds() const {
  RECT wr{};
  GetWindowRect(Handle(), &wr);
  wr.bottom -= infoRect_.bottom - infoRect_.top;
  return wr;
}

void TApp_Zorvik::PlaceWindow(int x, int y, int width, int height, bool ensureOnScreen) {
  SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The bounds leave out the information area, which the layout adds back.
  infoRect_.top = infoRect_.bottom;
  if (ensureOnScreen) ScreenSize().EnsureOnScreen(Handle());
}

HWND TApp_Zorvik::WindowAtCapturePoint() const {
  const POINT p = CapturePoint();
  if (!Paused()) return TopWindowFromPoint(p, NoSelfCaptureActive(), LoupeActive(), Handle());
  if (!winList_) return nullptr;
  const T_WinItem* item = winList_->Lookup(p, LoupeActive());
  return item ? item->handle : nullptr;
}

HBITMAP TApp_Zorvik::CopyOfView(bool withInfoArea) const {
  if (!back_.dc) return nullptr;
  const int w = back_.width;
  int h = back_.height;
  if (!withInfoArea) h -= infoRect_.bottom - infoRect_.top;
  if (h < 1) h = 1;
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, back_.dc, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return bmp;
}

void TApp_Zorvik::SuspendTicks(bool suspend) {
  if (suspend) {
    if (ticksHeld_++ == 0) {
      ticksWereRunning_ = TimerRunning(kTimerMain);
      StopTimer(kTimerMain);
    }
  } else if (ticksHeld_ > 0 && --ticksHeld_ == 0 && ticksWereRunning_ && !shutDown_) {
    StartTimer(kTimerMain, kMainInterval, [this] { Timer_MainTimer(); });
  }
}

int TApp_Zorvik::AddTickListener(std::function<void()> listener) {
  tickListeners_.emplace_back(nextTickListener_, std::move(listener));
  return nextTickListener_++;
}

void TApp_Zorvik::RemoveTickListener(int id) {
  tickListeners_.erase(std::remove_if(tickListeners_.begin(), tickListeners_.end(),
                                      [id](const auto& l) { return l.first == id; }),
                       tickListeners_.end());
}

void TApp_Zorvik::ApplyToolBar() {
  const kit::Action* a = actions_.Find("Action_Opt_ToolBar");
  if (panelToolBar_) ShowWindow(panelToolBar_, a && a->Checked() ? SW_SHOWNA : SW_HIDE);
  FormResize();
}

// ---------------------------------------------------------------------------
// Messages

LRESULT TApp_Zorvik::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      FormPaint(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) FormResize();
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wp));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == 0 || HIWORD(wp) == 1) {
        if (kit::Action* a = ActionOfMenuCommand(LOWORD(wp))) a->Trigger();
        return 0;
      }
      break;
    case WM_SYSCOMMAND: {
      const UINT cmd = static_cast<UINT>(wp);
      if ((cmd & 0xFFF0) == SC_MAXIMIZE) return 0;  // also the caption double click
      if (cmd == syscmd::kIconClick) {  // our menu instead of the system menu
        ShowMainMenuAtClientOrigin();
        return 0;
      }
      if (cmd == syscmd::kCustomSetting) {
        if (kit::Action* a = actions_.Find("Action_Custom_Setting")) a->Trigger();
        return 0;
      }
      if (cmd == syscmd::kMoveMonitor) {
        if (kit::Action* a = actions_.Find("Action_Move_Monitor")) a->Trigger();
        return 0;
      }
      break;
    }
    case msg::kToolBarRightPress:
      rightPressPoint_ = POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      return 0;
    case msg::kToolBarLeftPress:  // wParam: the button index, from anyone: checked unsigned
      if (wp < static_cast<WPARAM>(toolbar_.Count()) && toolbar_.At(static_cast<int>(wp)).action &&
          toolbar_.At(static_cast<int>(wp)).action->name == "Action_Capture_Disp_x1") {
        ActualSizeButtonPressed();
        return 1;
      }
      return 0;
    case msg::kToolBarLeftRelease:
      EndActualSize();
      return 0;
    case msg::kCaptureMoveRelease:
      heldSpeedButton_ = -1;
      StopTimer(kTimerCaptureMove);
      return 0;
    case msg::kCountGdiObjects:  // read-only, for leak checks from outside
      return static_cast<LRESULT>(CountGdiObjects());
    case WM_LBUTTONDOWN:
      OnLeftDown(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, wp);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, wp);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
    case WM_RBUTTONDOWN:
      rightPressPoint_ = POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      gestureStart_ = rightPressPoint_;
      return 0;
    case WM_RBUTTONUP:
      OnRightButtonUp(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_CONTEXTMENU:
      return 0;  // menus open from the right-button and key handlers
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      keysDown_.set(wp & 0xFF);
      if (OnKeyDown(static_cast<UINT>(wp))) return 0;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // A release whose press went elsewhere (the Esc that closed a menu, a
      // key pressed in another window just before ours took the focus) runs
      // nothing.
      const bool pressedHere = keysDown_.test(wp & 0xFF);
      keysDown_.reset(wp & 0xFF);
      if (OnKeyUp(static_cast<UINT>(wp), pressedHere)) return 0;
      break;
    }
    case WM_KILLFOCUS:
      keysDown_.reset();
      break;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_MOVE: {
      if (!moveGuard_) {
        moveGuard_ = true;
        const bool refresh = LoupeActive();
        if (refresh) RefreshView();
        moveGuard_ = false;
        if (refresh) return 0;
      }
      return 1;
    }
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_DISPLAYCHANGE: {
      const kit::Action* pause = actions_.Find("Action_Capture_Pause");
      if (!pause || !pause->Checked()) ScreenSize().Refresh();
      break;
    }
    case WM_DWMCOMPOSITIONCHANGED:
      CheckComposition(nullptr);
      return 0;
    case WM_ACTIVATEAPP:
      if (!wp) EndActualSize();
      RefreshView();
      break;
    case WM_QUERYENDSESSION:
      // Another program may still cancel the end of the session: save now,
      // but keep running until it really ends.
      SaveOnce();
      return TRUE;
    case WM_ENDSESSION:
      if (wp) {
        FormDestroy();
      } else {
        savedForSession_ = false;  // cancelled: what changes from now on is saved at exit
      }
      return 0;
    case WM_CLOSE:
      FormDestroy();
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      if (msg - msg::kCaptureMovePress < msg::kCaptureMoveButtonCount) {  // a capture-move button pressed
        heldSpeedButton_ = static_cast<int>(msg - msg::kCaptureMovePress);
        CaptureMoveTick();
        int delay = 1;
        if (!SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0)) delay = 1;
        StartTimer(kTimerCaptureMove, static_cast<UINT>(RepeatDelayMs(delay)), [this] { CaptureMoveTick(); });
        return 0;
      }
      break;
  }
  return kit::Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik
