// The parts of the main window that the user customises and the settings
// file keeps: the menus, the toolbar, the key and gesture bindings (with
// their defaults) and the copy formats.
#pragma once

namespace zorvik {

class MainMenus;
class MainToolBar;
class BindingList;
struct GestureBindings;
class CopyFormats;

class EditableParts {
public:
  virtual ~EditableParts() = default;

  virtual MainMenus& Menus() = 0;
  virtual MainToolBar& ToolBar() = 0;
  virtual BindingList& Bindings() = 0;
  virtual const BindingList& DefaultBindings() const = 0;
  virtual GestureBindings& Gestures() = 0;
  virtual const GestureBindings& DefaultGestures() const = 0;
  virtual CopyFormats& Formats() = 0;
};

}  // namespace zorvik
