#include "settings/settings_data.h"

#include <algorithm>
#include <string_view>

#include "commands/command_table.h"
#include "commands/keys.h"
#include "commands/menu_table.h"

namespace zorvik {

std::vector<StoredKeyBinding> DefaultStoredKeyBindings() {
  std::vector<StoredKeyBinding> out;
  const BindingList defaults = BindingList::Defaults();
  for (const KeyBinding& b : defaults.Items()) {
    const uint16_t command = CommandIdOf(b.command);
    if (KeyRowOf(b.key) >= 0 && command != 0) out.push_back({b.key, command});
  }
  // The file keeps one binding per key, in row order.
  std::stable_sort(out.begin(), out.end(), [](const StoredKeyBinding& a, const StoredKeyBinding& b) {
    return KeyRowOf(a.key) < KeyRowOf(b.key);
  });
  out.erase(std::unique(out.begin(), out.end(),
                        [](const StoredKeyBinding& a, const StoredKeyBinding& b) { return a.key == b.key; }),
            out.end());
  return out;
}

std::vector<StoredKeyBinding> StoredKeyBindingsOf(const BindingList& bindings) {
  std::vector<StoredKeyBinding> out;
  for (const KeyBinding& b : bindings.Items()) {
    if (!b.command) continue;
    const StoredKeyBinding stored{b.key, CommandIdOf(b.command)};
    auto same = std::find_if(out.begin(), out.end(), [&](const StoredKeyBinding& k) { return k.key == b.key; });
    if (same == out.end()) out.push_back(stored);
    else *same = stored;
  }
  return out;
}

std::array<uint16_t, 4> DefaultStoredGestures() {
  std::array<uint16_t, 4> out{};
  for (int i = 0; i < kGestureSlotCount; ++i)
    out[static_cast<size_t>(i)] = CommandIdOf(DefaultGestureCommand(i));
  return out;
}

std::vector<uint16_t> DefaultHiddenMenuItems() {
  std::vector<uint16_t> out;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& item = MenuTable()[i];
    if (!item.visible && item.id != 0 && std::string_view(item.name).substr(0, 2) != "__")
      out.push_back(item.id);
  }
  return out;
}

std::vector<uint16_t> DefaultStoredToolBar() {
  std::vector<uint16_t> out;
  for (size_t i = 0; i < DefaultToolBarCount(); ++i) {
    const uint16_t id = CommandIdOf(DefaultToolBar()[i]);
    if (id != 0) out.push_back(id);
  }
  return out;
}

bool operator==(const StoredRect& a, const StoredRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool operator==(const StoredKeyBinding& a, const StoredKeyBinding& b) {
  return a.key == b.key && a.command == b.command;
}

bool operator==(const StoredCopyFormat& a, const StoredCopyFormat& b) {
  return a.menuId == b.menuId && a.text == b.text;
}

bool operator==(const StoredStyleViewer& a, const StoredStyleViewer& b) {
  return a.bounds == b.bounds && a.hintHeight == b.hintHeight && a.classMask == b.classMask;
}

bool operator==(const StoredApiTest& a, const StoredApiTest& b) {
  return a.bounds == b.bounds && a.selectedIndex == b.selectedIndex && a.hintHeight == b.hintHeight;
}

bool operator==(const StoredFontInfo& a, const StoredFontInfo& b) {
  return a.name == b.name && a.size == b.size && a.separatorX == b.separatorX;
}

bool SettingsData::operator==(const SettingsData& o) const {
  return bounds == o.bounds && zoomIndex == o.zoomIndex && gridFlags == o.gridFlags &&
         gridColorItem == o.gridColorItem && subGridColorItem == o.subGridColorItem &&
         gridColor == o.gridColor && subGridColor == o.subGridColor &&
         subGridElseColor == o.subGridElseColor && colorLines == o.colorLines &&
         posLines == o.posLines && lengthOriginX == o.lengthOriginX &&
         lengthOriginY == o.lengthOriginY && winInfoLines == o.winInfoLines &&
         styleViewerClasses == o.styleViewerClasses && options == o.options &&
         captureMode == o.captureMode && fixedPointX == o.fixedPointX &&
         fixedPointY == o.fixedPointY && keyBindings == o.keyBindings && gestures == o.gestures &&
         hiddenMenuItems == o.hiddenMenuItems && toolBar == o.toolBar &&
         copyFormats == o.copyFormats && styleViewer == o.styleViewer && apiTest == o.apiTest &&
         apiList == o.apiList && flipMode == o.flipMode && font == o.font;
}

}  // namespace zorvik
