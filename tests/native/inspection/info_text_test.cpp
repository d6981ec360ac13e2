#include "inspection/info_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"

namespace zorvik {
namespace {

std::string U8(const std::u16string& s) { return ToUtf8(s); }

// Pure red under the cursor, over a 640x480 window at (100, 100) on the
// second of two monitors.
class InfoTextTest : public testing::Test {
protected:
  InfoTextTest() : monitors_({Rc{0, 0, 1920, 1080}, Rc{1920, 0, 3840, 1080}}) {
    d_.SetColour(0x0000FF);
    d_.InspectedX = 2070;
    d_.InspectedY = 160;
    d_.ClientOriginX = 2000;
    d_.ClientOriginY = 100;
    d_.LengthOriginX = 2060;
    d_.LengthOriginY = 165;
    d_.Handle = 0xA0B0C;
    d_.ClassName = u"TPanel";
    d_.Text = u"サンプル";
    d_.PosLeft = 100;
    d_.PosTop = 100;
    d_.PosWidth = 640;
    d_.PosHeight = 480;
    d_.ClientWidth = 620;
    d_.ClientHeight = 440;
    d_.RectLeft = 2020;
    d_.RectTop = 60;
    d_.RectRight = 2660;
    d_.RectBottom = 540;
    d_.ControlId = 1;
    d_.Style = 0x14CF0000;
    d_.ExStyle = 0x100;
    d_.Enabled = true;
    d_.ParentHandle = 0x10010;
    d_.ParentClassName = u"#32769";
    d_.ProcessId = 4242;
    d_.Executable = u"C:\\Windows\\calc.exe";
    d_.FileVersion = u"2.1.5.96";
  }
  InfoFigures Figures() const { return InfoFiguresOf(d_, monitors_); }

  MonitorLayout monitors_;
  T_DispInfo d_;
};

TEST_F(InfoTextTest, DisplayLinesOfEverySlot) {
  const struct {
    int slot;
    const char16_t* value;
  } cases[] = {
      {1, u"R=255 G=0   B=0  "},
      {5, u"#FF0000 Red"},
      {6, u"0x000000FF 255 Red"},
      {7, u"H=  0\" S=100% V=100%"},
      {11, u"H=  0\" S=100% L= 50%"},
      {15, u"E=  0  S=240  L=120"},
      {19, u"X=2070 Y=160"},
      {20, u"X=150 Y=160 (2)"},
      {21, u"X=70 Y=60 (2000,100)"},
      {22, u"W=11 H=6 (2060,165)"},
      {24, u"0x000A0B0C 658188"},
      {25, u"TPanel"},
      {26, u"\"サンプル\""},
      {27, u"L=100 T=100 W=640 H=480"},
      {28, u"W=620 H=440"},
      {29, u"L=2020 T=60 R=2660 B=540"},
      {30, u"0x00000001 1"},
      {31, u"0x14CF0000 349110272"},
      {32, u"0x00000100 256"},
      {33, u"True"},
      {34, u"0x00010010 65552 #32769 \"\""},
      {35, u"0x00001092 4242"},
      {36, u"C:\\Windows\\calc.exe"},
      {37, u"2.1.5.96"},
  };
  const InfoFigures f = Figures();
  for (const auto& c : cases) EXPECT_EQ(U8(LineValue(c.slot, d_, f)), U8(c.value)) << c.slot;
  // Slots without a line.
  for (int slot : {0, 2, 23, 38, 55, 56, -1}) EXPECT_EQ(LineValue(slot, d_, f), u"") << slot;
}

TEST_F(InfoTextTest, ColourLinesOfOtherColours) {
  d_.SetColour(0x996633);  // (51, 102, 153)
  EXPECT_EQ(U8(LineValue(7, d_, Figures())), U8(u"H=210\" S= 67% V= 60%"));
  EXPECT_EQ(U8(LineValue(15, d_, Figures())), U8(u"E=140  S=121  L= 96"));
  // A colour without a name: the COLORREF value ends in a blank.
  d_.SetColour(0x563412);
  EXPECT_EQ(U8(LineValue(6, d_, Figures())), "0x00563412 5649426 ");
  EXPECT_EQ(U8(LineValue(5, d_, Figures())), "#123456 ");
  d_.Enabled = false;
  EXPECT_EQ(LineValue(33, d_, Figures()), u"False");
}

TEST_F(InfoTextTest, CopyItemsWithTheDefaultFormats) {
  const struct {
    const char* command;
    const char16_t* text;
  } cases[] = {
      {"Action_Copy_ColorRGB", u"255 0 0"},
      {"Action_Copy_ColorRGBRed", u"255"},
      {"Action_Copy_ColorHTML", u"FF0000"},
      {"Action_Copy_ColorCOLORREF", u"255"},
      {"Action_Copy_ColorHLSWin", u"0 240 120"},
      {"Action_Copy_ColorHSVValue", u"100"},
      {"Action_Copy_PosScreen", u"2070,160"},
      {"Action_Copy_PosMonitor", u"150,160"},
      {"Action_Copy_PosClientY", u"60"},
      {"Action_Copy_PosLength", u"11,6"},
      {"Action_Copy_WinInfoHandle", u"658188"},
      {"Action_Copy_WinInfoText", u"サンプル"},
      {"Action_Copy_WinInfoWindowSize", u"100,100,640,480"},
      {"Action_Copy_WinInfoRectBottom", u"540"},
      {"Action_Copy_WinInfoStyle", u"14CF0000"},
      {"Action_Copy_WinInfoExeName", u"C:\\Windows\\calc.exe"},
      {"Action_Copy_WinInfoFileVersion", u"2.1.5.96"},
      {"Action_Write_ColorRGB", u"255 0 0"},  // write commands share the slot
      {"Action_Copy_Picture", u""},           // not a text item
      {"Action_Copy_WinInfoStyleVerbose", u""},
      {"Action_Zoom_6", u""},
  };
  const CopyFormats formats;
  const InfoFigures f = Figures();
  for (const auto& c : cases) EXPECT_EQ(U8(CollectInfoText(c.command, formats, d_, f)), U8(c.text)) << c.command;
}

TEST_F(InfoTextTest, EveryDefaultFormatFitsItsArguments) {
  const CopyFormats formats;
  const InfoFigures f = Figures();
  int items = 0;
  for (int i = 0; i < InfoLineItemCount(); ++i)
    for (int slot : InfoLineItems()[i].copySlots) {
      if (slot < 0) break;
      ++items;
      EXPECT_NO_THROW(ExpandFormat(DefaultCopyFormat(slot), CopyArguments(slot, d_, f), FormatMode::kStrict))
          << slot;
    }
  EXPECT_EQ(items, 52);
  // The length origin part is expanded with the origin.
  EXPECT_EQ(ExpandFormat(DefaultCopyFormat(22) + DefaultCopyFormat(23), CopyArguments(22, d_, f)),
            u"11,6,2060,165");
}

TEST_F(InfoTextTest, UserFormatsAndTheirModes) {
  CopyFormats formats;
  const InfoFigures f = Figures();
  formats.SetCopyFormat(36, u"%1:s");
  EXPECT_EQ(CollectInfoText("Action_Copy_WinInfoExeName", formats, d_, f), u"calc.exe");
  // Lenient items: a missing argument gives an empty piece, then trailing
  // blanks go.
  formats.SetCopyFormat(25, u"%s %s\r\n");
  EXPECT_EQ(CollectInfoText("Action_Copy_WinInfoClassName", formats, d_, f), u"TPanel");
  // Strict items raise on a specifier without an argument.
  formats.SetCopyFormat(1, u"%d %d %d %d");
  EXPECT_THROW(CollectInfoText("Action_Copy_ColorRGB", formats, d_, f), EFormatTypeError);
  // ... and even lenient items on a number conversion of a text.
  formats.SetCopyFormat(26, u"%d");
  EXPECT_THROW(CollectInfoText("Action_Copy_WinInfoText", formats, d_, f), EFormatTypeError);
  formats.SetCopyFormat(2, u"[%x]  ");
  EXPECT_EQ(CollectInfoText("Action_Write_ColorRGBRed", formats, d_, f), u"[FF]");
}

TEST_F(InfoTextTest, CopyAllJoinsEveryLineInPaintingOrder) {
  const InfoFigures f = Figures();
  const std::u16string all = CollectInfoText("Action_Copy_All", CopyFormats(), d_, f);
  std::vector<std::u16string> lines;
  for (size_t start = 0;;) {
    const size_t end = all.find(u"\r\n", start);
    lines.push_back(all.substr(start, end - start));
    if (end == std::u16string::npos) break;
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 24u);  // 23 items, the style item has two lines
  EXPECT_EQ(U8(lines[0]), "R=255 G=0   B=0  ");  // inner lines keep their blanks
  EXPECT_EQ(U8(lines[1]), "#FF0000 Red");
  EXPECT_EQ(U8(lines[13]), "L=100 T=100 W=640 H=480");
  EXPECT_EQ(U8(lines[17]), "0x14CF0000 349110272");
  EXPECT_EQ(U8(lines[18]), "0x00000100 256");
  EXPECT_EQ(U8(lines[23]), "2.1.5.96");

  // Empty values at the end leave no trailing blanks or line breaks.
  d_.Executable.clear();
  d_.FileVersion.clear();
  d_.SetColour(0x563412);
  const std::u16string trimmed = CopyAllText(d_, Figures());
  EXPECT_NE(trimmed.back(), u'\n');
  EXPECT_EQ(U8(trimmed.substr(trimmed.rfind(u"\r\n") + 2)), "0x00001092 4242");
}

TEST(InfoText, SmallHelpers) {
  EXPECT_EQ(U8(ZoomCaption(6)), U8(u" 6倍"));
  EXPECT_EQ(U8(ZoomCaption(12)), U8(u"12倍"));
  EXPECT_EQ(U8(CopiedMessage(u"カラー情報/RGB", u"255 0 0")), U8(u"カラー情報/RGBをコピー 255 0 0"));
  EXPECT_EQ(TrimTrailingBlanks(u"a b \t\r\n\x01 "), u"a b");
  EXPECT_EQ(TrimTrailingBlanks(u" \r\n"), u"");
  const struct {
    const char16_t* path;
    const char16_t* name;
  } names[] = {{u"C:\\Windows\\calc.exe", u"calc.exe"}, {u"calc.exe", u"calc.exe"}, {u"C:calc.exe", u"calc.exe"},
               {u"/usr/bin/x", u"x"},                  {u"dir\\", u""},            {u"", u""}};
  for (const auto& n : names) EXPECT_EQ(U8(FileNameOnly(n.path)), U8(n.name)) << U8(n.path);
}

TEST(DisplayLines, EveryLineHasALabelAndAFormat) {
  int lines = 0;
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    for (int slot : {item.lineSlot, item.secondLineSlot}) {
      if (slot < 0) continue;
      ++lines;
      EXPECT_FALSE(DisplayLabel(slot).empty()) << slot;
      EXPECT_FALSE(DisplayFormat(slot).empty()) << slot;
    }
  }
  EXPECT_EQ(lines, 24);
  EXPECT_EQ(U8(DisplayLabel(19)), "ｽｸﾘｰﾝ");
  EXPECT_EQ(U8(DisplayLabel(34)), "親ｳｨﾝﾄﾞｳ");
  EXPECT_EQ(DisplayLabel(0), u"");
  EXPECT_EQ(U8(DisplayFormat(0)), "%2d倍");
}

}  // namespace
}  // namespace zorvik
