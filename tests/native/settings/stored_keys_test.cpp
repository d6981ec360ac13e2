// The key table that goes into the settings file, from a live binding list,
// and what comes back from it at the next start.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "commands/command_table.h"
#include "commands/keys.h"
#include "settings/my_settingfile.h"
#include "settings/settings_data.h"

namespace zorvik {
namespace {

const CommandDef* Cmd(const char* name) {
  const CommandDef* c = CommandByName(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

TEST(StoredKeyBindings, OneBindingPerKey) {
  struct Bind {
    uint16_t key;
    const char* command;
  };
  struct Case {
    const char* name;
    std::vector<Bind> live;
    std::vector<StoredKeyBinding> stored;
  };
  const Case cases[] = {
      {"empty", {}, {}},
      {"distinct keys in binding order", {{0x46, "Action_Help"}, {0x21, "Action_Zoom_Up"}},
       {{0x46, 13001}, {0x21, 1090}}},
      {"the later binding of a key is kept",
       {{0x46, "Action_Capture_Fixed"}, {0x5A, "Action_Copy_Picture"}, {0x46, "Action_Help"}},
       {{0x46, 13001}, {0x5A, 6001}}},
      {"three bindings of one key", {{0x41, "Action_Grid_Disp"}, {0x41, "Action_Help"}, {0x41, "Action_Zoom_Up"}},
       {{0x41, 1090}}},
      {"a command without identifier is stored as 0",
       {{0x52, "Action_Test_Rop_SRCINVERT"}, {0x46, "Action_Capture_Fixed"}}, {{0x52, 0}, {0x46, 7002}}},
      {"a later command without identifier frees the key",
       {{0x46, "Action_Capture_Fixed"}, {0x46, "Action_WinInfo_Enabled"}}, {{0x46, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BindingList live;
    for (const Bind& b : c.live) live.Add(b.key, Cmd(b.command));
    EXPECT_EQ(StoredKeyBindingsOf(live), c.stored);
  }
}

// A key bound to a command without identifier works until exit; after a
// write and a read it is gone, and every other key is read back unchanged.
TEST(StoredKeyBindings, KeyOfACommandWithoutIdentifierIsDroppedAlone) {
  BindingList live = BindingList::Defaults();
  live.RemoveKey(0x46);  // F: Action_Capture_Fixed
  live.Add(0x46, Cmd("Action_Test_Rop_SRCINVERT"));
  live.Add(0x52, Cmd("Action_Test_Brush_Clear"));
  live.Add(0x0D, Cmd("Action_Help"));  // Enter, after the others
  ASSERT_EQ(live.Find(0x46)->id, 0);

  SettingsData s;
  s.keyBindings = StoredKeyBindingsOf(live);
  const std::vector<uint8_t> bytes = WriteSettings(s);
  const SettingsReadResult read = ReadSettings(bytes.data(), bytes.size());
  ASSERT_TRUE(read.accepted);

  BindingList expected = BindingList::Defaults();
  expected.RemoveKey(0x46);
  expected.Add(0x0D, Cmd("Action_Help"));
  std::vector<StoredKeyBinding> want;
  for (int row = 0; row < kKeyCount; ++row)
    if (const CommandDef* c = expected.Find(KeyTable()[row].code)) want.push_back({KeyTable()[row].code, c->id});
  EXPECT_EQ(read.data.keyBindings, want);
}

// The default bindings as the file keeps them: in key-table row order.
TEST(StoredKeyBindings, DefaultsInKeyRowOrder) {
  const StoredKeyBinding kStored[] = {
      {0x31, 7013}, {0x20, 4010}, {0x43, 6007}, {0x46, 7002},  {0x48, 6006},
      {0x49, 2014}, {0x51, 11005}, {0x53, 8007}, {0x55, 2006}, {0x5A, 6001},
      {0x70, 13001}, {0x71, 6090}, {0x79, 10001}, {0x1B, 7011}, {0x21, 1090},
      {0x22, 1091}, {0x26, 11001}, {0x28, 11002}, {0x25, 11003}, {0x27, 11004},
  };
  EXPECT_EQ(DefaultStoredKeyBindings(), std::vector<StoredKeyBinding>(std::begin(kStored), std::end(kStored)));

}

}  // namespace
}  // namespace zorvik
