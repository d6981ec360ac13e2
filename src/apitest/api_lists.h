// The value lists of GetSystemMetrics and GetDeviceCaps: names, Win32
// values and notes. Platform-free; a Win32 test checks every value against
// the system headers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace zorvik {

struct ApiIndex {
  const char* name;
  int value;
  const char* note;
};

struct ApiFlag {
  const char* name;
  uint32_t value;
  const char* note;
};

struct ApiCapGroup {
  const char* name;  // "CURVECAPS"
  int index;         // the GetDeviceCaps index
  const char* none;  // the row for a value of 0, or nullptr for no row
  const char* note;  // the group row's description
  const ApiFlag* flags;
  size_t flagCount;
};

// The 82 rows of GetSystemMetrics in their order.
const ApiIndex* SystemMetricList(size_t& count);
// The 30 plain indices of GetDeviceCaps in their order.
const ApiIndex* DeviceCapIndices(size_t& count);
// The 7 capability groups in their order.
const ApiCapGroup* DeviceCapGroups(size_t& count);
// "CC_CIRCLES    円を描画できます。": the flag's name padded to the longest
// name of its group, a space and the note.
std::string CapFlagRow(const ApiCapGroup& group, const ApiFlag& flag);
// The value text of one metric: "(%d) %s" for the yes/no metrics,
// SM_ARRANGE and SM_CLEANBOOT, the integer for the rest.
std::string MetricValueText(const ApiIndex& metric, int value);

}  // namespace zorvik
