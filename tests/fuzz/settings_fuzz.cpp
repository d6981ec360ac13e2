// libFuzzer target for the settings reader: any input must read without a
// fault, and whatever was read must survive writing and reading again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "settings/my_settingfile.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "settings_fuzz: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zorvik;
  const SettingsReadResult first = ReadSettings(data, size);
  if (!first.accepted) {
    if (first.sections != 0 || first.data != SettingsData{}) Fail("rejected file left values behind");
    return 0;
  }
  if ((first.sections & kSectionPrefix) == 0) Fail("accepted without the prefix");

  const std::vector<uint8_t> bytes = WriteSettings(first.data);
  const SettingsReadResult second = ReadSettings(bytes.data(), bytes.size());
  if (!second.accepted || second.sections != kAllSettingsSections) Fail("written file not read whole");
  if (second.data != first.data) Fail("values changed by writing and reading again");
  if (WriteSettings(second.data) != bytes) Fail("second write differs");
  return 0;
}
