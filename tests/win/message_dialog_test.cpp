// The message dialog is answered from a helper thread (wintest::DialogProbe)
// so the modal call always returns.
#include "platform/message_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/general.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

using Action = wintest::DialogProbe::Action;

const std::wstring kTitle = L"Zorvik test";
const std::wstring kYes = L"はい(&Y)";
const std::wstring kNo = L"いいえ(&N)";

RECT MonitorRectAt(POINT p) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTOPRIMARY), &mi);
  return mi.rcMonitor;
}

// Whether `dialog` is centred on `monitor`, halves truncated.
void ExpectCentredOn(const RECT& dialog, const RECT& monitor) {
  const int w = dialog.right - dialog.left, h = dialog.bottom - dialog.top;
  EXPECT_EQ(dialog.left, monitor.left + (monitor.right - monitor.left - w) / 2);
  EXPECT_EQ(dialog.top, monitor.top + (monitor.bottom - monitor.top - h) / 2);
}

POINT Centre(const RECT& r) { return POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2}; }

class SnapSetting {
public:
  explicit SnapSetting(bool on) {
    SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &saved_, 0);
    SystemParametersInfoW(SPI_SETSNAPTODEFBUTTON, on ? TRUE : FALSE, nullptr, 0);
  }
  ~SnapSetting() { SystemParametersInfoW(SPI_SETSNAPTODEFBUTTON, saved_, nullptr, 0); }
  static bool Get() {
    BOOL v = FALSE;
    SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &v, 0);
    return v != FALSE;
  }

private:
  BOOL saved_ = FALSE;
};

class MessageDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(100, 100);
  }
};

TEST_F(MessageDialogTest, ButtonKindsAndResultsFollowTheirNumbering) {
  EXPECT_EQ(kButtonsYesNo, 3u);
  EXPECT_EQ(kButtonsOk, 4u);
  EXPECT_EQ(ButtonCaption(kButtonYes), kYes);
  EXPECT_EQ(ButtonCaption(kButtonNo), kNo);
  EXPECT_EQ(std::wstring(ButtonCaption(kButtonOk)), L"OK");
  EXPECT_EQ(ButtonResult(kButtonYes), 6);
  EXPECT_EQ(ButtonResult(kButtonNo), 7);
  EXPECT_EQ(ButtonResult(kButtonOk), 1);
  EXPECT_EQ(std::wstring(ButtonCaption(kButtonKindCount)), L"");
  EXPECT_EQ(ButtonResult(-1), kResultNone);
}

TEST_F(MessageDialogTest, EachAnswerGivesItsModalResult) {
  struct Case {
    const char* name;
    unsigned buttons;
    Action action;
    std::wstring caption;
    int expected;
  } cases[] = {
      {"Yes pressed", kButtonsYesNo, Action::Press, kYes, 6},
      {"No pressed", kButtonsYesNo, Action::Press, kNo, 7},
      {"Enter on a question", kButtonsYesNo, Action::Enter, L"", 6},
      {"Esc on a question", kButtonsYesNo, Action::Escape, L"", 7},
      {"close box on a question", kButtonsYesNo, Action::CloseBox, L"", 2},
      {"OK pressed", kButtonsOk, Action::Press, L"OK", 1},
      {"Esc on a notice", kButtonsOk, Action::Escape, L"", 1},
      {"close box on a notice", kButtonsOk, Action::CloseBox, L"", 2},
      {"Esc prefers Cancel", kButtonsYesNo | ButtonBit(kButtonCancel), Action::Escape, L"", 2},
      {"OK is the default before Yes", kButtonsYesNo | kButtonsOk, Action::Enter, L"", 1},
      {"Esc on a lone No", ButtonBit(kButtonNo), Action::Escape, L"", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    wintest::DialogProbe probe(kTitle, c.action, c.caption);
    const int result = ShowMessageDialog(L"質問です", &kTitle, c.buttons, kButtonYes);
    probe.Join();
    EXPECT_TRUE(probe.Answered());
    EXPECT_FALSE(probe.ForcedClose());
    EXPECT_EQ(result, c.expected);
  }
}

TEST_F(MessageDialogTest, ShowsOneButtonPerKindWithTheDefaultOnOkOrYes) {
  struct Case {
    unsigned buttons;
    std::vector<std::wstring> captions;
    int defaultId;
  } cases[] = {
      {kButtonsYesNo, {kYes, kNo}, 6},
      {kButtonsOk, {L"OK"}, 1},
      {kButtonsYesNo | kButtonsOk, {kYes, kNo, L"OK"}, 1},
      {ButtonBit(kButtonNo), {kNo}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.buttons);
    wintest::DialogProbe probe(kTitle, Action::CloseBox);
    ShowMessageDialog(L"x", &kTitle, c.buttons, kButtonOk);
    probe.Join();
    std::vector<std::wstring> captions;
    for (const auto& b : probe.Buttons()) captions.push_back(b.caption);
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(probe.DefaultId(), c.defaultId);
  }
}

TEST_F(MessageDialogTest, NoticeAndQuestionWrappers) {
  {
    wintest::DialogProbe probe(kTitle, Action::Press, L"OK");
    ShowNotice(L"お知らせ", &kTitle);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Buttons().size(), 1u);
  }
  {
    wintest::DialogProbe probe(L"Zorvik", Action::Press, kNo);
    EXPECT_EQ(AskYesNo(L"よろしいですか", L"Zorvik", kButtonYes), kResultNo);
    probe.Join();
    EXPECT_TRUE(probe.Seen());
  }
}

TEST_F(MessageDialogTest, WithoutATitleTheProductNameIsShown) {
  const std::wstring product = ProductNameOf();
  wintest::DialogProbe probe(product, Action::Press, L"OK");
  ShowNotice(L"題名なし");
  probe.Join();
  EXPECT_TRUE(probe.Seen());
  // The program's version block names the product "Zorvik"; a test build
  // without one shows an empty title.
  if (!product.empty()) {
    EXPECT_EQ(product, L"Zorvik");
  }
}

TEST_F(MessageDialogTest, JapaneseTextKeepsItsLineBreaksAndFits) {
  const std::wstring message = L"メニュー表示の設定をリセットします\rよろしいですか";
  wintest::DialogProbe probe(L"Zorvik", Action::Press, kYes);
  EXPECT_EQ(AskYesNo(message, L"Zorvik", kButtonYes), kResultYes);
  probe.Join();
  EXPECT_EQ(probe.Text(), L"メニュー表示の設定をリセットします\r\nよろしいですか");
  // The dialog is sized to the text: two lines fit above the buttons.
  HDC dc = GetDC(nullptr);
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  HFONT f = CreateFontIndirectW(&ncm.lfMessageFont);
  HGDIOBJ old = SelectObject(dc, f);
  SIZE line{};
  GetTextExtentPoint32W(dc, L"メニュー表示の設定をリセットします", 17, &line);
  SelectObject(dc, old);
  DeleteObject(f);
  ReleaseDC(nullptr, dc);
  const RECT r = probe.Rect();
  EXPECT_GT(r.right - r.left, line.cx);
  ASSERT_FALSE(probe.Buttons().empty());
  EXPECT_GT(probe.Buttons().front().rect.top - r.top, 2 * line.cy);
}

TEST_F(MessageDialogTest, CentredOnTheMonitorUnderTheCursor) {
  for (POINT at : {POINT{5, 5}, POINT{600, 400}}) {
    SetCursorPos(at.x, at.y);
    wintest::DialogProbe probe(kTitle, Action::Press, L"OK");
    ShowNotice(L"中央に出ます", &kTitle);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    ExpectCentredOn(probe.Rect(), MonitorRectAt(at));
  }
}

TEST_F(MessageDialogTest, SnappingPutsThePointerOnTheDesignatedButton) {
  struct Case {
    const char* name;
    bool snap;
    int designated;
    const std::wstring* target;  // null: the cursor stays
  } cases[] = {
      {"snap on, Yes designated", true, kButtonYes, &kYes},
      {"snap on, No designated", true, kButtonNo, &kNo},
      {"snap on, designated kind absent", true, kButtonOk, nullptr},
      {"snap off", false, kButtonYes, nullptr},
  };
  const bool before = SnapSetting::Get();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SnapSetting snap(c.snap);
    ASSERT_EQ(SnapSetting::Get(), c.snap);
    SetCursorPos(7, 9);
    wintest::DialogProbe probe(L"Zorvik", Action::Press, kNo);
    AskYesNo(L"リセットしますか", L"Zorvik", c.designated);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    POINT expected{7, 9};
    if (c.target) {
      const auto* b = probe.Find(*c.target);
      ASSERT_NE(b, nullptr);
      expected = Centre(b->rect);
    }
    EXPECT_EQ(probe.Cursor().x, expected.x);
    EXPECT_EQ(probe.Cursor().y, expected.y);
  }
  EXPECT_EQ(SnapSetting::Get(), before);  // restored
}

TEST_F(MessageDialogTest, OwnedByTheActiveWindow) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(owner);
  SetActiveWindow(owner);
  wintest::Pump(50);
  ASSERT_EQ(GetActiveWindow(), owner);
  wintest::DialogProbe probe(kTitle, Action::Press, L"OK");
  ShowNotice(L"持ち主", &kTitle);
  probe.Join();
  EXPECT_EQ(probe.Owner(), owner);
  EXPECT_TRUE(IsWindowEnabled(owner));  // enabled again after the dialog
  DestroyWindow(owner);
}

TEST_F(MessageDialogTest, TheExistingCloserAnswersAQuestionWithItsDefault) {
  wintest::DialogCloser closer(L"Zorvik");
  EXPECT_EQ(AskYesNo(L"閉じます", L"Zorvik", kButtonYes), kResultYes);
  EXPECT_TRUE(closer.Seen());
}

// Desktop with a 640x480 monitor at x = -640 left of an 800x600 primary.
class TwoMonitorsMessageDialog : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "needs two monitors";
  }
};

TEST_F(TwoMonitorsMessageDialog, CentredOnTheMonitorUnderTheCursor) {
  struct Case {
    POINT cursor;
    RECT monitor;
  } cases[] = {
      {{-300, 200}, {-640, 0, 0, 480}},
      {{300, 500}, {0, 0, 800, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cursor.x);
    SetCursorPos(c.cursor.x, c.cursor.y);
    const RECT m = MonitorRectAt(c.cursor);
    ASSERT_EQ(m.left, c.monitor.left);
    ASSERT_EQ(m.right, c.monitor.right);
    ASSERT_EQ(m.bottom, c.monitor.bottom);
    wintest::DialogProbe probe(kTitle, Action::Press, L"OK");
    ShowNotice(L"左のモニター", &kTitle);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    ExpectCentredOn(probe.Rect(), c.monitor);
  }
}

}  // namespace
}  // namespace zorvik
