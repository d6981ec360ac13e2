// libFuzzer target for the settings reader: any input must read without a
// fault, and whatever was read must survive writing and reading again.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "commands/command_table.h"
#include "commands/menu_table.h"
#include "settings/my_settingfile.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "settings_fuzz: %s\n", what);
  std::abort();
}

void Check(const uint8_t* data, size_t size) {
  using namespace zorvik;
  const SettingsReadResult first = ReadSettings(data, size);
  if (!first.accepted) {
    if (first.sections != 0 || first.data != SettingsData{}) Fail("rejected file left values behind");
    return;
  }
  if ((first.sections & kSectionPrefix) == 0) Fail("accepted without the prefix");
  // Each id once: the lists can never outgrow the tables (a toolbar of
  // thousands of buttons would take ages to build).
  const auto once = [](std::vector<uint16_t> ids, size_t limit) {
    std::sort(ids.begin(), ids.end());
    return ids.size() <= limit && std::adjacent_find(ids.begin(), ids.end()) == ids.end();
  };
  if (!once(first.data.toolBar, CommandCount())) Fail("toolbar ids repeated or too many");
  if (!once(first.data.hiddenMenuItems, MenuItemCount())) Fail("hidden menu ids repeated or too many");

  const std::vector<uint8_t> bytes = WriteSettings(first.data);
  const SettingsReadResult second = ReadSettings(bytes.data(), bytes.size());
  if (!second.accepted || second.sections != kAllSettingsSections) Fail("written file not read whole");
  if (second.data != first.data) Fail("values changed by writing and reading again");
  if (WriteSettings(second.data) != bytes) Fail("second write differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  // The same bytes behind a valid magic, so that the search does not have to
  // find the magic first to reach the rest of the reader.
  static const uint8_t kMagic[6] = {'Z', 'R', 'V', 'K', 1, 2};
  if (size >= sizeof kMagic && std::memcmp(data, kMagic, sizeof kMagic) != 0) {
    std::vector<uint8_t> patched(data, data + size);
    std::memcpy(patched.data(), kMagic, sizeof kMagic);
    Check(patched.data(), patched.size());
  }
  return 0;
}
