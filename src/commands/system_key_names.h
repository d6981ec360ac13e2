// Names of keys outside the fixed key set, as the keyboard layout calls them
// ("Tab", "Num Lock", "Right Ctrl"). The platform-free key table asks for them
// through the source installed here.
#pragma once
#include <cstdint>
#include <string>

namespace zorvik {

// The keyboard layout's name of a virtual key (UTF-8), "" when it has none.
std::string SystemKeyName(uint16_t virtualKey);
// Makes KeyToKeyName use SystemKeyName for keys outside the fixed set.
void InstallSystemKeyNames();

}  // namespace zorvik
