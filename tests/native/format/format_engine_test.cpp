#include "format/format_engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "commands/command_table.h"
#include "platform/text.h"

namespace zorvik {
namespace {

std::string U8(const std::u16string& s) { return ToUtf8(s); }

struct Expansion {
  const char16_t* format;
  FormatArgs args;
  const char16_t* expected;
};

// Formats that fit their arguments: both modes give the same text.
TEST(FormatEngine, ExpandsInBothModes) {
  const Expansion cases[] = {
      {u"%d %d %d", {255, 128, 0}, u"255 128 0"},
      {u"%x %x %x", {255, 128, 0}, u"FF 80 0"},
      {u"%.6x", {0xFF8000}, u"FF8000"},
      {u"%x", {0x14CF0000}, u"14CF0000"},
      {u"%.8x", {0xFF}, u"000000FF"},
      {u"%x %u", {-1, -1}, u"FFFFFFFF 4294967295"},
      {u"%d", {INT_MIN}, u"-2147483648"},
      {u"S=%d %%", {50}, u"S=50 %"},
      {u"%-5d|", {7}, u"7    |"},
      {u"%5d", {7}, u"    7"},
      {u"%.3d", {7}, u"007"},
      {u"%.3d|%5.3d", {-7, -7}, u"-007| -007"},
      {u"%05d", {7}, u"    7"},  // "0" is a width digit, not a flag
      {u"%X%D%S", {10, 10, u"t"}, u"A10t"},
      {u"50%", {}, u"50%"},
      {u"%5", {1}, u"%5"},  // ends inside a specifier: literal
      {u"%.2s|%-6s|%6s", {u"abcdef", u"ab", u"ab"}, u"ab|ab    |    ab"},
      {u"%2:d %0:d %d", {1, 2, 3}, u"3 1 2"},  // an index moves the current argument
      {u"0x%0:.8x %0:d %2:s", {255, 0, u"Red"}, u"0x000000FF 255 Red"},
      {u"L=%2:d T=%3:d W=%0:d H=%1:d", {640, 480, 100, 100}, u"L=100 T=100 W=640 H=480"},
      {u"%*d|%-*.*d|", {5, 42, 4, 3, 7}, u"   42|007 |"},
      {u"%*d", {-3, 9}, u"9"},                 // a negative "*" counts as 0
      {u"%.1s", {u"\U0001F600x"}, u""},        // never half a surrogate pair
      {u"%.2s", {u"\U0001F600x"}, u"\U0001F600"},
      {u"ｽｸﾘｰﾝ %d倍", {6}, u"ｽｸﾘｰﾝ 6倍"},
  };
  for (const Expansion& c : cases) {
    SCOPED_TRACE(U8(c.format));
    EXPECT_EQ(U8(ExpandFormat(c.format, c.args, FormatMode::kStrict)), U8(c.expected));
    EXPECT_EQ(U8(ExpandFormat(c.format, c.args, FormatMode::kLenient)), U8(c.expected));
  }
}

TEST(FormatEngine, StarDigitsFollowTheDigitsRead) {
  EXPECT_EQ(ExpandFormat(u"%1*d", {5, 9}), std::u16string(14, u' ') + u"9");  // width 15
  EXPECT_EQ(ExpandFormat(u"%.*s|", {3, u"abcdef"}), u"abc|");
}

TEST(FormatEngine, HugeWidthsAreClamped) {
  EXPECT_EQ(ExpandFormat(u"%999999999d", {7}).size(), size_t(kMaxFieldWidth));
  EXPECT_EQ(ExpandFormat(u"%.99999999999999999999x", {7}).size(), size_t(kMaxFieldWidth));
  EXPECT_EQ(ExpandFormat(u"%*d", {INT_MAX, 7}).size(), size_t(kMaxFieldWidth));
  // A cutting precision is not clamped: long texts survive it.
  const std::u16string longText(3000, u'a');
  EXPECT_EQ(ExpandFormat(u"%.2000s", {longText}).size(), 2000u);
  // An enormous index is just an argument outside the list.
  EXPECT_EQ(ExpandFormat(u"%99999999999999:d|", {1}, FormatMode::kLenient), u"|");
}

enum class Failure { kNone, kString, kType };

struct ModeCase {
  const char16_t* format;
  FormatArgs args;
  const char16_t* lenient;  // nullptr: raises EFormatTypeError in the lenient mode too
  Failure strict;
  const char16_t* named;    // specifier the error names
};

Failure Expand(const ModeCase& c, FormatMode mode, std::u16string* text, std::u16string* named) {
  try {
    *text = ExpandFormat(c.format, c.args, mode);
    return Failure::kNone;
  } catch (const EFormatStringError& e) {
    *named = e.Specifier();
    return Failure::kString;
  } catch (const EFormatTypeError& e) {
    *named = e.Specifier();
    return Failure::kType;
  }
}

// Where a specifier does not fit, the modes part ways.
TEST(FormatEngine, StrictRaisesWhereLenientGivesEmptyPieces) {
  const ModeCase cases[] = {
      {u"%d %d|", {1}, u"1 |", Failure::kType, u"%d"},                 // argument outside the list
      {u"%3:d|", {1, 2}, u"|", Failure::kType, u"%3:d"},
      {u"[%5s]", {5}, u"[]", Failure::kType, u"%5s"},                  // "s" of a number: empty piece, no padding
      {u"x=%5y d", {7}, u"x=    7", Failure::kString, u"%5"},        // lenient passes over y and the blank
      {u"a%5yb", {7}, u"a%5yb", Failure::kString, u"%5"},            // ... and keeps an unended specifier
      {u"50% off", {}, u"50f", Failure::kString, u"%"},              // "% of" reads as %f of a missing argument
      {u"%d", {u"text"}, nullptr, Failure::kType, u"%d"},            // number conversion of a text
      {u"%x", {u"text"}, nullptr, Failure::kType, u"%x"},
      {u"%f", {1}, nullptr, Failure::kType, u"%f"},                  // no real-number arguments
      {u"%p", {u"t"}, nullptr, Failure::kType, u"%p"},
      {u"%*d", {u"t", 1}, nullptr, Failure::kType, u"%*"},
      {u"%*d|", {}, u"|", Failure::kType, u"%*"},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(U8(c.format));
    std::u16string text, named;
    const Failure lenient = Expand(c, FormatMode::kLenient, &text, &named);
    if (c.lenient) {
      EXPECT_EQ(lenient, Failure::kNone);
      EXPECT_EQ(U8(text), U8(c.lenient));
    } else {
      EXPECT_EQ(lenient, Failure::kType);
      EXPECT_EQ(U8(named), U8(c.named));
    }
    named.clear();
    EXPECT_EQ(Expand(c, FormatMode::kStrict, &text, &named), c.strict);
    EXPECT_EQ(U8(named), U8(c.named));
  }
}

TEST(FormatEngine, ExpansionErrorsNameWhatWouldFit) {
  try {
    ExpandFormat(u"%s", {5});
    FAIL();
  } catch (const EFormatTypeError& e) {
    EXPECT_EQ(e.Allowed(), (std::vector<std::u16string>{u"%d", u"%u", u"%x"}));
  }
  try {
    ExpandFormat(u"%d", {u"t"}, FormatMode::kLenient);
    FAIL();
  } catch (const EFormatTypeError& e) {
    EXPECT_EQ(e.Allowed(), (std::vector<std::u16string>{u"%s"}));
  }
}

TEST(FormatEngine, ErrorMessagesAreExact) {
  const EFormatStringError s(u"%5");
  EXPECT_STREQ(s.what(), "コピーの形式指定子にエラーがあります\r形式指定子が正しく終了していません\r%5");
  EXPECT_EQ(s.Message(), u"コピーの形式指定子にエラーがあります\r形式指定子が正しく終了していません\r%5");
  const EFormatTypeError t({u"%d", u"%x"}, u"%5d");
  EXPECT_STREQ(t.what(),
               "コピーの形式指定子にエラーがあります\r指定できる指定子は\r %d %x\rですが %5d が指定されています");
  const std::exception& base = t;  // both are ordinary standard exceptions
  EXPECT_STREQ(base.what(), t.what());
}

struct Split {
  const char16_t* literal;
  const char16_t* specifier;
};

TEST(FormatSpecifier, SplitsLiteralsAndSpecifiers) {
  const struct {
    const char16_t* text;
    std::vector<Split> pieces;
  } cases[] = {
      {u"%d %d %d", {{u"", u"%d"}, {u" ", u"%d"}, {u" ", u"%d"}}},
      {u"A%%B%", {{u"A%B%", u""}}},
      {u"ab%0:s-cd", {{u"ab", u"%0:s"}, {u"-cd", u""}}},
      {u"ab%5", {{u"ab%5", u""}}},  // ends inside a specifier
      {u"x%-3.2Xy", {{u"x", u"%-3.2X"}, {u"y", u""}}},
      {u"plain", {{u"plain", u""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(U8(c.text));
    std::u16string rest = c.text;
    for (const Split& p : c.pieces) {
      const SpecifierSplit s = NextSpecifier(rest);
      EXPECT_EQ(U8(s.literal), U8(p.literal));
      EXPECT_EQ(U8(s.specifier), U8(p.specifier));
      EXPECT_EQ(s.HasSpecifier(), *p.specifier != 0);
    }
    EXPECT_TRUE(rest.empty());
  }
}

TEST(FormatSpecifier, ChecksTheAllowedList) {
  const std::vector<std::u16string> allowed = {u"%d", u"%x"};
  std::u16string rest = u"a%Xb";
  EXPECT_EQ(NextSpecifier(rest, &allowed).specifier, u"%X");  // case ignored, kept as written
  EXPECT_EQ(rest, u"b");

  rest = u"a%5d";
  try {
    NextSpecifier(rest, &allowed);
    FAIL();
  } catch (const EFormatTypeError& e) {
    EXPECT_EQ(e.Specifier(), u"%5d");
    EXPECT_EQ(e.Message(), u"コピーの形式指定子にエラーがあります\r指定できる指定子は\r %d %x\rですが %5d が指定されています");
  }
  EXPECT_EQ(rest, u"a%5d");  // unchanged on an error

  rest = u"x=%5y";
  try {
    NextSpecifier(rest, &allowed);
    FAIL();
  } catch (const EFormatStringError& e) {
    EXPECT_EQ(e.Specifier(), u"%5");
  }
  EXPECT_EQ(rest, u"x=%5y");
}

TEST(FormatSlots, DefaultsAndOutOfRangeSlots) {
  EXPECT_EQ(DefaultCopyFormat(0), u"11");
  EXPECT_EQ(DefaultCopyFormat(5), u"%.6x");
  EXPECT_EQ(DefaultCopyFormat(23), u",%d,%d");
  EXPECT_EQ(DefaultCopyFormat(31), u"%x");
  EXPECT_EQ(DefaultCopyFormat(36), u"%0:s");
  EXPECT_EQ(DefaultCopyFormat(55), u"%d");

  CopyFormats formats;
  for (int slot = 0; slot < kCopySlotCount; ++slot) EXPECT_EQ(formats.CopyFormat(slot), DefaultCopyFormat(slot));
  for (int slot : {-1, 56}) {
    EXPECT_EQ(formats.CopyFormat(slot), u"");
    EXPECT_EQ(DefaultCopyFormat(slot), u"");
    EXPECT_EQ(DisplayFormat(slot), u"");
    EXPECT_EQ(DisplayLabel(slot), u"");
    EXPECT_TRUE(AllowedSpecifiers(slot).empty());
    formats.SetCopyFormat(slot, u"changed");
  }
  for (int slot = 0; slot < kCopySlotCount; ++slot) EXPECT_EQ(formats.CopyFormat(slot), DefaultCopyFormat(slot));
  formats.SetCopyFormat(1, u"%x");
  EXPECT_EQ(formats.CopyFormat(1), u"%x");
  formats.ResetAll();
  EXPECT_EQ(formats.CopyFormat(1), u"%d %d %d");
}

TEST(FormatSlots, EveryEditedDefaultPassesItsAllowedList) {
  int edited = 0;
  for (int slot = 1; slot < kCopySlotCount; ++slot) {
    const std::vector<std::u16string> allowed = AllowedSpecifiers(slot);
    if (allowed.empty()) continue;
    ++edited;
    std::u16string rest = DefaultCopyFormat(slot);
    EXPECT_NO_THROW(while (!rest.empty()) NextSpecifier(rest, &allowed)) << slot;
  }
  EXPECT_EQ(edited, 26);  // the panels of the copy format page, with the length origin part (23)
  EXPECT_EQ(AllowedSpecifiers(6), (std::vector<std::u16string>{u"%d", u"%.6x"}));
  EXPECT_EQ(AllowedSpecifiers(36), (std::vector<std::u16string>{u"%0:s", u"%1:s"}));
  EXPECT_TRUE(AllowedSpecifiers(8).empty());
}

TEST(FormatSlots, PictureOptions) {
  const struct {
    const char16_t* format;
    bool grid, info;
  } cases[] = {{u"11", true, true}, {u"01", false, true}, {u"10", true, false}, {u"", true, true}, {u"0", false, true}};
  for (const auto& c : cases) {
    CopyFormats f;
    f.SetCopyFormat(0, c.format);
    EXPECT_EQ(f.GridCursorOption(), c.grid) << U8(c.format);
    EXPECT_EQ(f.InfoAreaOption(), c.info) << U8(c.format);
  }
  EXPECT_TRUE(DefaultGridCursorOption());
  EXPECT_TRUE(DefaultInfoAreaOption());
}

TEST(FormatSlots, CommandsAndMenuItemsOfTheSlots) {
  int copyCommands = 0;
  for (int slot = 0; slot < kCopySlotCount; ++slot) {
    SCOPED_TRACE(slot);
    const std::string copy = CopyCommandOfSlot(slot), write = WriteCommandOfSlot(slot);
    const bool hasItem = !(slot == 23 || slot == 33 || slot == 34);
    EXPECT_EQ(!copy.empty(), hasItem);
    EXPECT_EQ(!write.empty(), hasItem && slot != 0);
    if (!copy.empty()) {
      ++copyCommands;
      EXPECT_NE(CommandByName(copy), nullptr) << copy;
      EXPECT_EQ(SlotOfCommand(copy), slot);
    }
    if (!write.empty()) {
      EXPECT_NE(CommandByName(write), nullptr) << write;
      EXPECT_EQ(SlotOfCommand(write), slot);
    }
    // Slots linked to a menu item are exactly those the settings file stores.
    EXPECT_EQ(MenuIdOfCopySlot(slot) != -1, hasItem && slot < 38) << copy;
    EXPECT_EQ(CopyFormatMode(slot) == FormatMode::kLenient, slot == 25 || slot == 26 || slot == 36);
  }
  EXPECT_EQ(copyCommands, 53);  // the picture and the 52 value items with a format
  // Every copy command of the command table except these has a slot.
  for (size_t i = 0; i < CommandCount(); ++i) {
    const std::string name = CommandTable()[i].name;
    if (name.rfind("Action_Copy_", 0) != 0) continue;
    const bool none = name == "Action_Copy_All" || name == "Action_Copy_WinInfoStyleVerbose";
    EXPECT_EQ(SlotOfCommand(name) == -1, none) << name;
  }
  EXPECT_EQ(SlotOfCommand("Action_Write_Picture"), -1);
  EXPECT_EQ(SlotOfCommand("Action_Zoom_6"), -1);
  EXPECT_EQ(SlotOfCommand("Action_Copy_"), -1);
}

}  // namespace
}  // namespace zorvik
