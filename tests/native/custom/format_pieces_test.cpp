#include "custom/format_pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/text.h"

namespace zorvik {
namespace {

using Pieces = std::vector<std::u16string>;

const CopyPanelDef& Panel(const char* name) {
  const CopyPanelDef* p = CopyPanelByName(name);
  EXPECT_NE(p, nullptr) << name;
  return p ? *p : CopyPanels()[0];
}

std::string U8(const std::u16string& s) { return ToUtf8(s); }

}  // namespace

void PrintTo(const CopyPanelState& s, std::ostream* os) {
  *os << (s.checked ? "checked" : "clear") << (s.infoArea ? " info" : "") << " {";
  for (const std::u16string& p : s.pieces) *os << " \"" << ToUtf8(p).substr(0, 40) << "\"";
  *os << " }";
}

namespace {

TEST(CopyPanels, TableMatchesTheSlotsItEdits) {
  ASSERT_EQ(CopyPanelCount(), 26u);
  const int slots[] = {0, 1, 2, 3, 4, 5, 6, 7, 11, 15, 19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 30, 31, 32, 35, 36, 37};
  std::set<std::string> names;
  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& p = CopyPanels()[i];
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.slot, slots[i]);
    EXPECT_TRUE(names.insert(p.name).second);
    EXPECT_EQ(CopyPanelOfSlot(p.slot), &p);
    if (p.kind == CopyPanelKind::kOptions) continue;
    // The panel's specifiers are ones the item allows, and there is one
    // sample argument per specifier.
    const auto allowed = AllowedSpecifiers(p.slot);
    for (const char16_t* specifier : {p.checkedSpecifier, p.uncheckedSpecifier})
      if (specifier) {
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), specifier), allowed.end()) << U8(specifier);
      }
    const size_t args = CopyPanelSampleArgs(p).size();
    EXPECT_EQ(args, p.sampleKind == SampleKind::kPath ? 2u : static_cast<size_t>(p.specifiers));
    EXPECT_EQ(p.HasChoice(), p.checkName != nullptr);
  }
  EXPECT_EQ(CopyPanelOfSlot(23), CopyPanelByName("PosUser"));
  for (int slot : {8, 33, 34, 38, 55, 56, -1}) EXPECT_EQ(CopyPanelOfSlot(slot), nullptr) << slot;
}

// Every built-in default loads into its panel and builds back unchanged, and
// its preview is the sample values in the default form.
TEST(CopyPanels, DefaultsLoadAndBuildBackUnchanged) {
  const std::map<std::string, std::u16string> previews = {
      {"ColorRGB", u"255 255 255"}, {"ColorHTML", u"FFFFFF"},  {"ColorCOLORREF", u"16777215"},
      {"ColorHSV", u"180 50 50"},   {"PosUser", u"100,100"},   {"WinInfoText", u"サンプル"},
      {"WinInfoStyle", u"FFFFFF"},  {"WinInfoExeName", u"C:\\Windows\\calc.exe"},
      {"WinInfoWindowSize", u"100,100,640,480"}, {"Zoom", u""},
  };
  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& p = CopyPanels()[i];
    SCOPED_TRACE(p.name);
    CopyFormats formats;
    const CopyPanelLoad load = LoadCopyPanel(p, formats);
    EXPECT_TRUE(load.fits);
    EXPECT_EQ(load.state.pieces.size(), static_cast<size_t>(p.PieceCount()));
    CopyFormats rebuilt;
    rebuilt.SetCopyFormat(p.slot, u"changed");
    rebuilt.SetCopyFormat(23, u"changed");
    StoreCopyPanel(p, load.state, rebuilt);
    EXPECT_EQ(rebuilt.CopyFormat(p.slot), DefaultCopyFormat(p.slot));
    if (p.kind == CopyPanelKind::kLength) {
      EXPECT_EQ(rebuilt.CopyFormat(23), DefaultCopyFormat(23));
    }
    const auto it = previews.find(p.name);
    if (it != previews.end()) {
      EXPECT_EQ(U8(CopyPanelPreview(p, formats)), U8(it->second));
    }
  }
}

// Stored formats as the panel shows them, and the ones it cannot show.
TEST(CopyPanels, SplitStoredFormats) {
  struct Case {
    const char* panel;
    std::u16string stored;
    std::optional<CopyPanelState> expected;  // nullopt: does not fit
    std::u16string rebuilt;                  // "" : the stored format itself
  };
  const Case cases[] = {
      {"ColorRGB", u"%x-%X-%x", CopyPanelState{{u"", u"-", u"-", u""}, true}, u"%x-%x-%x"},
      {"ColorRGB", u"(%d, %d, %d)", CopyPanelState{{u"(", u", ", u", ", u")"}, false}, u""},
      {"ColorRGB", u"%d %x %d", std::nullopt, u""},    // one choice for all three
      {"ColorRGB", u"%d %d", std::nullopt, u""},       // a specifier missing
      {"ColorRGB", u"%d %d %d %d", std::nullopt, u""}, // one too many
      {"ColorRGB", u"%5d %d %d", std::nullopt, u""},   // a width is not allowed
      {"ColorRGBRed", u"x=%5y", std::nullopt, u""},    // malformed
      {"ColorRGBRed", u"%X", CopyPanelState{{u"", u""}, true}, u"%x"},  // same digits either way
      {"ColorRGBRed", u"a%%b%d100%%", CopyPanelState{{u"a%b", u"100%"}, false}, u""},
      {"ColorRGBRed", u"%d50%", CopyPanelState{{u"", u"50%"}, false}, u"%d50%%"},  // lone "%" at the end
      {"ColorRGBRed", u"%d%5", CopyPanelState{{u"", u"%5"}, false}, u"%d%%5"},     // unfinished specifier
      {"ColorCOLORREF", u"0x%.6X", CopyPanelState{{u"0x", u""}, true}, u"0x%.6x"},
      {"ColorHTML", u"#%.6x;", CopyPanelState{{u"#", u";"}, false}, u""},
      {"ColorHTML", u"#%x", std::nullopt, u""},
      {"WinInfoExeName", u"[%1:S]", CopyPanelState{{u"[", u"]"}, true}, u"[%1:s]"},
      {"WinInfoExeName", u"%0:s %1:s", std::nullopt, u""},
      {"WinInfoClassName", u"", std::nullopt, u""},
      {"Zoom", u"10", CopyPanelState{{}, true, false}, u""},
      {"Zoom", u"01", CopyPanelState{{}, false, true}, u""},
      {"Zoom", u"x", CopyPanelState{{}, true, true}, u"11"},  // only "0" is off
      {"Zoom", u"", CopyPanelState{{}, true, true}, u"11"},
  };
  for (const Case& c : cases) {
    const CopyPanelDef& p = Panel(c.panel);
    SCOPED_TRACE(std::string(c.panel) + " " + U8(c.stored));
    CopyFormats formats;
    formats.SetCopyFormat(p.slot, c.stored);
    const CopyPanelLoad load = LoadCopyPanel(p, formats);
    EXPECT_EQ(load.fits, c.expected.has_value());
    if (!c.expected) {
      EXPECT_THROW(SplitCopyPanel(p, formats), EFormatError);
      // The default stands in, and storing it restores the default.
      EXPECT_EQ(load.state, ResetCopyPanel(p, formats));
      EXPECT_FALSE(load.notice.empty());
      continue;
    }
    EXPECT_EQ(load.state, *c.expected);
    EXPECT_TRUE(load.notice.empty());
    StoreCopyPanel(p, load.state, formats);
    EXPECT_EQ(U8(formats.CopyFormat(p.slot)), U8(c.rebuilt.empty() ? c.stored : c.rebuilt));
  }
}

TEST(CopyPanels, ChoiceSelectsTheSpecifiers) {
  CopyFormats formats;
  const CopyPanelDef& rgb = Panel("ColorRGB");
  CopyPanelState s = LoadCopyPanel(rgb, formats).state;
  s.checked = true;
  StoreCopyPanel(rgb, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(1)), "%x %x %x");
  EXPECT_EQ(U8(CopyPanelPreview(rgb, formats)), "FF FF FF");

  const CopyPanelDef& exe = Panel("WinInfoExeName");
  s = LoadCopyPanel(exe, formats).state;
  s.checked = true;
  StoreCopyPanel(exe, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(36)), "%1:s");
  EXPECT_EQ(U8(CopyPanelPreview(exe, formats)), "calc.exe");

  const CopyPanelDef& zoom = Panel("Zoom");
  StoreCopyPanel(zoom, CopyPanelState{{}, false, true}, formats);
  EXPECT_EQ(U8(formats.CopyFormat(0)), "01");
  EXPECT_FALSE(formats.GridCursorOption());
  EXPECT_TRUE(formats.InfoAreaOption());
}

// Typing 50% into the last HSV box stores 50%% and the copy ends in 50%.
TEST(CopyPanels, TypedPercentIsLiteral) {
  CopyFormats formats;
  const CopyPanelDef& hsv = Panel("ColorHSV");
  CopyPanelState s = LoadCopyPanel(hsv, formats).state;
  s.pieces[3] = u" 50%";
  StoreCopyPanel(hsv, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(7)), "%d %d %d 50%%");
  EXPECT_EQ(U8(ExpandFormat(formats.CopyFormat(7), {10, 20, 30})), "10 20 30 50%");
}

// Whatever is typed into the boxes gives a format that expands strictly on
// the samples and loads back into the same boxes.
TEST(CopyPanels, AnyTypedTextBuildsAFormatThatExpands) {
  const std::u16string typed[] = {
      u"%", u"%%%", u"%d", u"%5y", u"%0:s%*.*x", u"100%", std::u16string(5000, u'%'),
      std::u16string(3000, u'w'), u"\U0001F600", std::u16string(1, char16_t(0xD800)), std::u16string(1, u'\0'),
      u"\r\n\t",
  };
  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& p = CopyPanels()[i];
    for (const std::u16string& text : typed) {
      for (bool checked : {false, true}) {
        SCOPED_TRACE(std::string(p.name) + " " + U8(text.substr(0, 12)));
        CopyPanelState s;
        s.pieces.assign(static_cast<size_t>(p.PieceCount()), text);
        s.checked = checked;
        CopyFormats formats;
        StoreCopyPanel(p, s, formats);
        EXPECT_NO_THROW(ExpandFormat(formats.CopyFormat(p.slot), CopyPanelSampleArgs(p), FormatMode::kStrict));
        const CopyPanelLoad back = LoadCopyPanel(p, formats);
        ASSERT_TRUE(back.fits);
        s.checked = s.checked && p.HasChoice();
        if (p.kind != CopyPanelKind::kOptions) {
          EXPECT_EQ(back.state, s);
        }
      }
    }
  }
}

// The length panel keeps the origin part in slot 23 while it is switched off.
TEST(CopyPanels, LengthOriginSwitch) {
  const CopyPanelDef& len = Panel("PosUser");
  CopyFormats formats;
  CopyPanelState s = LoadCopyPanel(len, formats).state;
  EXPECT_FALSE(s.checked);
  EXPECT_EQ(s.pieces, (Pieces{u"", u",", u",", u",", u""}));

  s = CopyPanelState{{u"W=", u" H=", u" (", u"; ", u")"}, true};
  StoreCopyPanel(len, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(22)), "W=%d H=%d (%d; %d)");
  EXPECT_EQ(U8(formats.CopyFormat(23)), " (%d; %d");
  EXPECT_EQ(U8(CopyPanelPreview(len, formats)), "W=100 H=100 (100; 100)");

  s.checked = false;
  StoreCopyPanel(len, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(22)), "W=%d H=%d)");
  EXPECT_EQ(U8(formats.CopyFormat(23)), " (%d; %d");

  // Reopened while off: the origin pieces come from slot 23; switched on
  // again, they are back in the copy format.
  s = LoadCopyPanel(len, formats).state;
  EXPECT_EQ(s, (CopyPanelState{{u"W=", u" H=", u" (", u"; ", u")"}, false}));
  s.checked = true;
  StoreCopyPanel(len, s, formats);
  EXPECT_EQ(U8(formats.CopyFormat(22)), "W=%d H=%d (%d; %d)");

  // Switched on, slot 22 itself holds the origin pieces in use; slot 23 (not
  // kept in the settings file) does not override them after a restart.
  CopyFormats restarted;
  restarted.SetCopyFormat(22, formats.CopyFormat(22));
  EXPECT_EQ(LoadCopyPanel(len, restarted).state, s);

  for (const char16_t* bad : {u"%d", u"%d,%d,%d", u"%d%d%d%d%d"}) {
    CopyFormats f;
    f.SetCopyFormat(22, bad);
    EXPECT_FALSE(LoadCopyPanel(len, f).fits) << U8(bad);
  }
  CopyFormats f;
  f.SetCopyFormat(23, u",%d");
  EXPECT_FALSE(LoadCopyPanel(len, f).fits);
  const CopyPanelState reset = ResetCopyPanel(len, f);
  EXPECT_EQ(f.CopyFormat(23), DefaultCopyFormat(23));
  EXPECT_EQ(reset, LoadCopyPanel(len, CopyFormats()).state);
}

TEST(CopyPanels, PreviewShowsTheStrictError) {
  CopyFormats formats;
  formats.SetCopyFormat(25, u"%d");  // a number conversion of the class name
  const std::string preview = U8(CopyPanelPreview(Panel("WinInfoClassName"), formats));
  EXPECT_NE(preview.find("コピーの形式指定子にエラーがあります"), std::string::npos) << preview;
}

TEST(CopyPanels, TextsAndNames) {
  const CopyPanelDef& rgb = Panel("ColorRGB");
  EXPECT_EQ(ResetHintOf(rgb), "カラー情報/RGBのコピー形式をデフォルトの設定に戻す");
  EXPECT_EQ(U8(MisfitNoticeOf(rgb)), "コピー/カラー情報/RGB\r/コピー形式文字列にエラーがあります\r初期値に戻します");
  EXPECT_EQ(PieceBoxName(rgb, 0), "edtCopy_ColorRGB1");
  EXPECT_EQ(PieceBoxName(rgb, 3), "edtCopy_ColorRGB4");
  EXPECT_EQ(PieceBoxName(Panel("WinInfoControlID"), 1), "edtCopy_WinInfoControlIDEdit2");
  EXPECT_EQ(ResetActionName(Panel("PosUser")), "actCopy_PosUserReset");
  EXPECT_EQ(PreviewLabelName(rgb), "lblCopy_ColorRGBDisp");
  EXPECT_EQ(EscapePercent(u"%a%%"), u"%%a%%%%");
}

}  // namespace
}  // namespace zorvik
