// The API catalogue's entries as data: name, group, declaration line,
// Japanese description and the parameter rows with their descriptions, in
// registration order. Platform-free; the Win32 side binds a handler to each
// name (apitest/my_apivalue.h).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

struct ApiEntryInfo {
  const char* name;         // "GetWindowRect"
  const char* group;        // "api", "api-info", ...
  const char* declaration;  // the C declaration line
  const char* description;  // summary, one line per parameter, "戻り値" line, a structure; '\n' breaks lines
  // Parameter rows, one per line, "label\tdescription"; '|' breaks a
  // description into two lines. Rows that the run adds itself (the device
  // capability groups, the version entries) are listed here too, so that
  // their descriptions come from this one place.
  const char* rows;
};

struct ApiRowText {
  std::string label, description;  // line breaks as "\r\n"
};

// The seven group keys, in sorted order.
const std::vector<std::string>& ApiGroups();

size_t ApiEntryCount();  // 72
const ApiEntryInfo& ApiEntryAt(size_t index);  // registration order
const ApiEntryInfo* FindApiEntry(std::string_view name);  // exact, case-sensitive
// Indices into the registration order, sorted by group and name.
std::vector<size_t> SortedApiEntries();

// The entry's description with "\r\n" line breaks (GetSystemMetrics lists
// every metric after it).
std::string ApiEntryDescription(const ApiEntryInfo& entry);
// The rows a run shows before its results: the table's rows, except that
// GetSystemMetrics and GetDeviceCaps take their index rows from the value
// lists and VerQueryValue, whose rows depend on the file, builds them as it
// runs (its table rows only describe them).
std::vector<ApiRowText> ApiEntryRows(const ApiEntryInfo& entry);
// The description of a row label of the entry: the table's first row of that
// label; a label the table does not list gets the description of the row
// whose label begins it (" lpSubBlock:\StringFileInfo\..." takes the one of
// " lpSubBlock:"); "" when none.
std::string ApiRowDescription(const ApiEntryInfo& entry, std::string_view label);

}  // namespace zorvik
