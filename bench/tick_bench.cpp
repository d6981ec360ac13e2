// Times the main tick (capture, flip, enlarge, grid, marker, status row,
// present) at standard sizes and zooms, against the bare floor it is built
// on (one BitBlt of the square from the screen plus one StretchBlt into a
// back buffer), and the process CPU time of a still cursor with and without
// smooth capture. First, the start-up time (creating the main window, which
// reads and applies the settings file) with a normal settings file against
// damaged ones whose toolbar section holds 65,535 ids.
//   zorvik_bench.exe [--seconds-per-case S] [--idle-seconds N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "inspection/window_info.h"
#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "settings/my_settingfile.h"

using namespace zorvik;

namespace {

double Now() {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER x;
    QueryPerformanceFrequency(&x);
    return x;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Runs the message loop for a while, sleeping while there is nothing to do
// (as the program's own loop does), so CPU figures are the program's.
void Pump(double seconds) {
  const double end = Now() + seconds;
  for (double now = Now(); now < end; now = Now()) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((end - now) * 1000) + 1, QS_ALLINPUT);
  }
}

double CpuSeconds() {
  FILETIME c, e, k, u;
  GetProcessTimes(GetCurrentProcess(), &c, &e, &k, &u);
  auto v = [](FILETIME f) { return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) * 1e-7; };
  return v(k) + v(u);
}

template <typename F>
double TimePerCall(F&& f, double budget) {
  f();  // warm up
  int n = 0;
  const double start = Now();
  double t = start;
  do {
    f();
    ++n;
    t = Now();
  } while (t - start < budget);
  return (t - start) / n * 1000.0;
}

// The floor: copy the square from the screen and stretch the visible part.
struct Floor {
  HDC square = nullptr, back = nullptr;
  HBITMAP sb = nullptr, bb = nullptr;
  Floor(int s, int w, int h) {
    HDC screen = GetDC(nullptr);
    square = CreateCompatibleDC(screen);
    back = CreateCompatibleDC(screen);
    sb = CreateCompatibleBitmap(screen, s, s);
    bb = CreateCompatibleBitmap(screen, w, h);
    SelectObject(square, sb);
    SelectObject(back, bb);
    ReleaseDC(nullptr, screen);
  }
  ~Floor() {
    DeleteDC(square);
    DeleteDC(back);
    DeleteObject(sb);
    DeleteObject(bb);
  }
};

// One floor call: the square from the screen, then its stretch.
void FloorOnce(const Floor& fl, const ViewGeometry& g, POINT p) {
  HDC screen = GetDC(nullptr);
  BitBlt(fl.square, 0, 0, g.SquareSize, g.SquareSize, screen, p.x - g.SquareHalf, p.y - g.SquareHalf,
         SRCCOPY | CAPTUREBLT);
  ReleaseDC(nullptr, screen);
  StretchBlt(fl.back, g.ViewLeft, g.ViewTop, g.StretchSize, g.StretchSize, fl.square, g.SquareOffsetX,
             g.SquareOffsetY, g.SquareSize, g.SquareSize, SRCCOPY);
  GdiFlush();
}

void SetClientSize(HWND h, int cw, int ch) {
  RECT wr, cr;
  GetWindowRect(h, &wr);
  GetClientRect(h, &cr);
  SetWindowPos(h, nullptr, 0, 0, cw + (wr.right - wr.left) - cr.right, ch + (wr.bottom - wr.top) - cr.bottom,
               SWP_NOMOVE | SWP_NOZORDER);
  Pump(0.2);
}

bool WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(f);
  return ok;
}

// Milliseconds to create the main window (which reads and applies the
// settings file, builds the toolbar and shows the window) with the given
// file, the best of `runs` starts. Each start's exit rewrites the file, so it
// is written afresh before every start. -1 when the window did not open.
double StartUpMs(const std::wstring& path, const std::vector<uint8_t>& bytes, int runs) {
  double best = -1;
  for (int i = 0; i < runs; ++i) {
    if (!WriteBytes(path, bytes)) return -1;
    TApp_Zorvik app;
    app.settingsFile = path;
    app.startShift = app.startCtrl = 0;
    const double start = Now();
    if (!app.CreateMainWindow()) return -1;
    const double ms = (Now() - start) * 1000.0;
    best = best < 0 ? ms : std::min(best, ms);
    Pump(0.1);
    DestroyWindow(app.Handle());
    MSG m;  // the closing window's quit request is not for the benchmark
    PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  return best;
}

void BenchStartUp() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"zorvik-bench-" + std::to_wstring(GetCurrentProcessId()) + L".bin";
  const SettingsData normal;
  SettingsData sameButtons = normal, everyCommand = normal;
  sameButtons.toolBar.clear();
  everyCommand.toolBar.clear();
  std::vector<uint16_t> ids;
  for (size_t i = 0; i < CommandCount(); ++i)
    if (CommandTable()[i].id != 0) ids.push_back(CommandTable()[i].id);
  for (size_t i = 0; i < 65535; ++i) {
    sameButtons.toolBar.push_back(normal.toolBar[i % normal.toolBar.size()]);
    everyCommand.toolBar.push_back(ids[i % ids.size()]);
  }
  const int runs = 5;
  const double normalMs = StartUpMs(path, WriteSettings(normal), runs);
  const double sameButtonsMs = StartUpMs(path, WriteSettings(sameButtons), runs);
  const double everyCommandMs = StartUpMs(path, WriteSettings(everyCommand), runs);
  std::printf("start-up (ms, best of %d): normal settings file %.1f; 65,535 toolbar ids repeating the %zu default "
              "buttons %.1f; 65,535 toolbar ids cycling through all %zu commands %.1f\n",
              runs, normalMs, normal.toolBar.size(), sameButtonsMs, ids.size(), everyCommandMs);
  std::fflush(stdout);
  DeleteFileW(path.c_str());
  DeleteFileW(SettingsTempFileNameFor<wchar_t>(path).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  double perCase = 0.4, idleSeconds = 10;
  for (int i = 1; i + 1 < argc; ++i) {
    if (!wcscmp(argv[i], L"--seconds-per-case")) perCase = _wtof(argv[++i]);
    else if (!wcscmp(argv[i], L"--idle-seconds")) idleSeconds = _wtof(argv[++i]);
  }
  LoadOptionalFunctions();
  SetCursorPos(600, 400);
  BenchStartUp();
  TApp_Zorvik app;
  app.settingsFile.clear();
  if (!app.CreateMainWindow()) return 1;
  Pump(0.5);
  HWND h = app.Handle();
  RECT def;
  GetClientRect(h, &def);

  std::printf("tick benchmark (ms per call; ratio = full tick / floor)\n");
  std::printf("%-10s %5s %5s %9s %9s %7s\n", "client", "zoom", "grid", "tick", "floor", "ratio");
  const SIZE sizes[] = {{def.right, def.bottom}, {1200, 900}};
  const POINT p{600, 400};
  for (const SIZE& size : sizes) {
    if (size.cx != def.right || size.cy != def.bottom) SetClientSize(h, size.cx, size.cy);
    RECT cr;
    GetClientRect(h, &cr);
    for (int zoom : {1, 6, 20}) {
      app.ActionByName(("Action_Zoom_" + std::to_string(zoom)).c_str())->Execute();
      for (bool grid : {true, false}) {
        kit::Action* disp = app.ActionByName("Action_Grid_Disp");
        if (disp->Checked() != grid) disp->Execute();
        Pump(0.05);
        const ViewGeometry g = app.Geometry();
        const double tick = TimePerCall([&] { app.CaptureAndPaint(p); }, perCase);
        Floor fl(g.SquareSize, cr.right, cr.bottom);
        const double floor = TimePerCall([&] { FloorOnce(fl, g, p); }, perCase);
        std::printf("%4ldx%-5ld %5d %5s %9.3f %9.3f %7.2f\n", cr.right, cr.bottom, zoom, grid ? "on" : "off", tick,
                    floor, tick / floor);
        std::fflush(stdout);
      }
    }
  }

  // The information area: default lines against all lines, default size, 6x with grid.
  SetClientSize(h, def.right, def.bottom);
  app.ActionByName("Action_Zoom_6")->Execute();
  if (!app.ActionByName("Action_Grid_Disp")->Checked()) app.ActionByName("Action_Grid_Disp")->Execute();
  Pump(0.1);
  {
    const ViewGeometry g = app.Geometry();
    RECT cr;
    GetClientRect(h, &cr);
    Floor fl(g.SquareSize, cr.right, cr.bottom);
    const double floor = TimePerCall([&] { FloorOnce(fl, g, p); }, perCase);
    app.ResetProfile();
    const uint64_t before = app.CaptureCount();
    const double defaults = TimePerCall([&] { app.CaptureAndPaint(p); }, perCase);
    const auto& pr = app.Profile();
    const double n = static_cast<double>(app.CaptureCount() - before) / 1000.0;  // in ms per call
    std::printf("default lines, per phase (ms): capture %.3f, picture %.3f, window facts %.3f, information area %.3f, "
                "present %.3f\n",
                pr.capture / n, pr.picture / n, pr.facts / n, pr.info / n, pr.present / n);
    for (const char* all : {"Action_Color_InfoOnOff", "Action_Pos_InfoOnOff", "Action_WinInfo_InfoOnOff"})
      app.ActionByName(all)->Execute();
    Pump(0.1);
    const double allLines = TimePerCall([&] { app.CaptureAndPaint(p); }, perCase);
    std::printf("information lines at %ldx%ld, 6x, grid: default lines %.3f ms (%.2f x floor), all lines %.3f ms "
                "(%.2f x floor), floor %.3f ms\n",
                cr.right, cr.bottom, defaults, defaults / floor, allLines, allLines / floor, floor);
    for (const char* all : {"Action_Color_InfoOnOff", "Action_Pos_InfoOnOff", "Action_WinInfo_InfoOnOff"})
      app.ActionByName(all)->Execute();
  }

  // The tool windows that follow the capture: the API test window on two of
  // its entries, and the style viewer, against the plain tick in the same run
  // (default size, 6x, grid). The cases are interleaved over five rounds and
  // the best of each is kept, so a busy machine weighs on all of them alike.
  // The tool windows sit away from the point.
  {
    kit::Action* apiAction = app.ActionByName("Action_Test_APITest");
    kit::Action* viewerAction = app.ActionByName("Action_WinInfo_StyleVerbose");
    TApp_ZorvikAPITest& api = app.APITestWindow();
    const char* names[2] = {"GetWindowRect", "GetDeviceCaps"};
    double plain = 1e9, entries[2] = {1e9, 1e9}, viewer = 1e9;
    auto best = [&](double& keep) { keep = std::min(keep, TimePerCall([&] { app.CaptureAndPaint(p); }, perCase / 2)); };
    for (int round = 0; round < 5; ++round) {
      best(plain);
      apiAction->Trigger();  // on
      Pump(0.1);
      if (round == 0) api.SetBounds(RECT{1300, 40, 1800, 560});
      for (int i = 0; i < 2; ++i) {
        const std::vector<std::string> offered = api.OfferedNames();
        const auto at = std::find(offered.begin(), offered.end(), names[i]);
        if (at == offered.end()) continue;
        api.ChooseEntry(static_cast<int>(at - offered.begin()));
        Pump(0.05);
        best(entries[i]);
      }
      apiAction->Trigger();  // off
      viewerAction->Trigger();  // on
      Pump(0.1);
      if (round == 0) app.StyleViewerWindow().SetBounds(RECT{1300, 600, 1800, 1100});
      best(viewer);
      viewerAction->Trigger();  // off
      Pump(0.05);
    }
    std::printf("tool windows (ms per tick, best of 5 interleaved rounds): plain %.3f; API test window on "
                "GetWindowRect %.3f (%.2f x), on GetDeviceCaps %.3f (%.2f x); style viewer open %.3f (%.2f x)\n",
                plain, entries[0], entries[0] / plain, entries[1], entries[1] / plain, viewer, viewer / plain);
    std::fflush(stdout);
  }

  // What the window facts cost, piece by piece, at the benchmark point.
  {
    HWND w = TopWindowFromPoint(p, false, false, h);
    const double find = TimePerCall([&] { TopWindowFromPoint(p, false, false, h); }, perCase / 2);
    const double text = TimePerCall([&] { WindowTextOf(w); }, perCase / 2);
    T_DispInfo info;
    info.InspectedX = p.x;
    info.InspectedY = p.y;
    const double all = TimePerCall([&] { GatherWindowFacts(info, false, false, h); }, perCase / 2);
    std::printf("window facts at the point: find %.3f ms, text %.3f ms, all facts %.3f ms\n", find, text, all);
  }

  // CPU time of the running program over a still cursor.
  SetClientSize(h, def.right, def.bottom);
  app.ActionByName("Action_Zoom_6")->Execute();
  if (!app.ActionByName("Action_Grid_Disp")->Checked()) app.ActionByName("Action_Grid_Disp")->Execute();
  for (bool smooth : {false, true}) {
    kit::Action* a = app.ActionByName("Action_Capture_SmoothCapture");
    if (a->Checked() != smooth) a->Trigger();
    Pump(1.2);
    const uint64_t captures = app.CaptureCount();
    const double cpu = CpuSeconds(), wall = Now();
    Pump(idleSeconds);
    const double used = CpuSeconds() - cpu, spent = Now() - wall;
    std::printf("still cursor, smooth capture %-3s: %.0f s, %llu captures, CPU %.3f s (%.2f%%)\n", smooth ? "on" : "off",
                spent, static_cast<unsigned long long>(app.CaptureCount() - captures), used, 100.0 * used / spent);
    std::fflush(stdout);
  }
  DestroyWindow(h);
  return 0;
}
