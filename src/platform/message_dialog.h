// The program's own message dialog: no icon, centred on the monitor under
// the cursor, beeps, and puts the pointer on the designated button when the
// user has Windows snap it to default buttons.
#pragma once
#include <string>

namespace zorvik {

// Button kinds; a button set has bit k for kind k.
enum MessageButtonKind : int {
  kButtonYes = 0,
  kButtonNo = 1,
  kButtonOk = 2,
  kButtonCancel = 3,
  kButtonAbort = 4,
  kButtonRetry = 5,
  kButtonIgnore = 6,
  kButtonAll = 7,
  kButtonNoToAll = 8,
  kButtonYesToAll = 9,
  kButtonHelp = 10,
};
inline constexpr int kButtonKindCount = 11;

constexpr unsigned ButtonBit(int kind) { return 1u << kind; }
inline constexpr unsigned kButtonsYesNo = ButtonBit(kButtonYes) | ButtonBit(kButtonNo);  // 3
inline constexpr unsigned kButtonsOk = ButtonBit(kButtonOk);                                // 4

// Modal results (the Windows dialog result values where there is one).
inline constexpr int kResultNone = 0;  // the dialog could not be shown
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultClosed = 2;  // closed by the title-bar button
inline constexpr int kResultAbort = 3;
inline constexpr int kResultRetry = 4;
inline constexpr int kResultIgnore = 5;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;
inline constexpr int kResultAll = 8;
inline constexpr int kResultNoToAll = 9;
inline constexpr int kResultYesToAll = 10;
inline constexpr int kResultHelp = 11;

// Caption and modal result of a button kind ("" and kResultNone when the
// kind is out of range).
const wchar_t* ButtonCaption(int kind);
int ButtonResult(int kind);

// Shows `message` ("\r" breaks lines) modally, owned by the thread's active
// window, with one button per kind in `buttons`. Title: *title, or the
// product name when null. The first of OK, Yes present is the default
// button; Esc answers Cancel, else No, else OK. Returns the modal result.
int ShowMessageDialog(const std::wstring& message, const std::wstring* title, unsigned buttons, int designatedKind);

// An OK notice; the title defaults to the product name.
void ShowNotice(const std::wstring& message, const std::wstring* title = nullptr);

// A Yes/No question; any result other than kResultYes means no.
int AskYesNo(const std::wstring& message, const std::wstring& title, int designatedKind = kButtonYes);

}  // namespace zorvik
