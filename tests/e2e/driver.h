// A small Win32 test driver: starts the real zorvik.exe, shows known pixels
// on screen, moves the cursor, sends commands and reads the screen back.
// It uses only what any Windows offers, so it runs under Wine and on Windows.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// Pumps this thread's messages for ms milliseconds.
void Pump(int ms);

// A borderless topmost window filled with a known pattern.
class PatternWindow {
public:
  PatternWindow(int x, int y, int w, int h);
  ~PatternWindow();
  HWND hwnd() const { return hwnd_; }
  int x() const { return x_; }
  int y() const { return y_; }
  // Colour (COLORREF) of the pattern at window-local (px, py); variant 1 is
  // another pattern (for telling a frozen picture from a live one).
  static COLORREF ColourAt(int px, int py, int variant = 0);
  // Colour expected on screen at (sx, sy), which must lie inside the window.
  COLORREF ScreenColour(int sx, int sy) const { return ColourAt(sx - x_, sy - y_, variant_); }
  void SetVariant(int v);

private:
  HWND hwnd_ = nullptr;
  int x_, y_;
  int variant_ = 0;
};

// A running zorvik.exe.
class Zorvik {
public:
  // Starts a copy of the program (so that its settings file, which lives
  // beside the executable, belongs to this test) in dir, or in a new scratch
  // folder, and waits for its window.
  explicit Zorvik(const std::wstring& dir = L"");
  const std::wstring& Dir() const { return dir_; }
  std::wstring SettingsFile() const { return dir_ + L"zorvik.bin"; }
  // A new empty scratch folder (with a trailing backslash).
  static std::wstring NewDir();
  // Deletes a scratch folder with the program's copy and settings files in it.
  static void RemoveDir(const std::wstring& dir);
  ~Zorvik();
  bool Running() const;
  HWND hwnd() const { return hwnd_; }
  DWORD pid() const { return pi_.dwProcessId; }
  // Sends WM_COMMAND with a command identifier (or menu command id) and waits for it.
  bool Command(unsigned id);
  // The same for a command of the command table by its name; false for a
  // name the table does not have.
  bool Command(const char* name);
  LRESULT Send(UINT msg, WPARAM wp, LPARAM lp);
  void Post(UINT msg, WPARAM wp, LPARAM lp) { PostMessageW(hwnd_, msg, wp, lp); }
  // Closes the window and waits for the process; returns the exit code or -1.
  int Close(int timeoutMs = 5000);
  RECT ClientOnScreen() const;
  SIZE ClientSize() const;

private:
  PROCESS_INFORMATION pi_{};
  HWND hwnd_ = nullptr;
  std::wstring dir_;
  bool ownDir_ = false;
};

// Pixels of a screen rectangle, COLORREF values, row-major.
struct Shot {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<uint32_t> px;
  COLORREF At(int x, int y) const;  // coordinates relative to the shot
};
Shot ReadScreen(const RECT& r);
// Writes a shot as a 24-bit BMP file (for looking at failures).
bool SaveBmp(const Shot& s, const std::wstring& path);

// Keyboard and mouse input as a user makes it (SendInput).
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Presses vk with the given modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU).
void Tap(WORD vk, std::initializer_list<WORD> modifiers = {});
void RightDrag(POINT from, POINT to);
// Text on the clipboard (Unicode), empty when none. Opening the clipboard is
// retried for a second while the program still holds it.
std::wstring ClipboardUnicode();
// Waits up to ms for text on the clipboard and returns it ("" when none came).
std::wstring WaitForClipboardUnicode(int ms = 3000);
std::string ClipboardAnsi();
void ClearClipboard();
// The visible popup menu window of the system, or null.
HWND VisiblePopupMenu();
// The visible popup menus, the innermost (last opened) first.
std::vector<HWND> VisiblePopupMenus();
// The middle row (window coordinates) of a popup menu's highlighted item, -1
// when no item is highlighted.
int MenuHighlightRow(HWND popup);
// Presses vk in the open menu and waits until the menu shows it took the key
// (the highlight moved or a submenu opened or closed), so that no key is
// sent before the menu's own loop runs and none is lost on a slow machine.
// A key the menu never shows is pressed once more. False when the menu did
// not change.
bool MenuKey(WORD vk);

std::wstring ExeDir();
// A whole file's bytes (empty when it cannot be read), and writing them.
std::vector<uint8_t> ReadAll(const std::wstring& path);
void WriteAll(const std::wstring& path, const std::vector<uint8_t>& bytes);
// True when running under Wine (whose screen copies include layered windows).
bool UnderWine();
std::string Hex(COLORREF c);

// --- windows of the program and their controls ---------------------------

// SendMessageTimeoutW (SMTO_ABORTIFHUNG, 3 s) to a window of the program; 0 when it fails.
LRESULT Ask(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
// A window's class name.
std::wstring ClassOf(HWND h);
// A window's text (up to 8191 characters, asked with a 3 s time-out), "" when it cannot be read.
std::wstring TextOf(HWND h);
// The first (visible, unless visibleOnly is false) top-level window of the process with that class.
HWND TopWindow(DWORD pid, const wchar_t* cls, bool visibleOnly = true);
// TopWindow, looked for every 50 ms for up to ms milliseconds; null when none came.
HWND WaitForTopWindow(DWORD pid, const wchar_t* cls, int ms);
// The visible customisation window ("カスタマイズ") of the process, or null.
HWND CustomWindow(DWORD pid);
// CustomWindow, waited for up to 5 s.
HWND WaitForCustomWindow(DWORD pid);
// Descendants of a class (and caption, when given; only visible ones unless
// visibleOnly is false), left to right.
std::vector<HWND> Children(HWND parent, const wchar_t* cls, const wchar_t* caption = nullptr, bool visibleOnly = true);
// A control of the copy-format page by its row name (the window with its
// number whose parent carries the number of its parent row).
HWND CopyPageControl(HWND custom, const std::string& name);
// The rows of a list box and the items of a combo box.
std::vector<std::wstring> ListRows(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
// The middle of a window's client area, in screen coordinates.
POINT Middle(HWND w);
// A left click at a screen point with SendInput (cursor moved there first).
void ClickAt(POINT p);

// --- the program's message dialogs -----------------------------------------

// The text of a message dialog: its first static control's.
std::wstring DialogText(HWND dialog);
// Presses the dialog's button of that caption, waits up to 3 s for the dialog
// to go and settleMs more; false when it has no such button.
bool Press(HWND dialog, const wchar_t* caption, int settleMs = 200);
// Waits up to waitMs for a visible message dialog ("#32770") of the process and presses its button of that caption.
bool Answer(DWORD pid, const wchar_t* caption, int waitMs = 5000, int settleMs = 300);

}  // namespace e2e
