// What the settings page's Reset brings back: the state of the settings the
// page shows as the program was designed, taken while the main window is
// created and before the settings file is read. Only the page's own subjects
// are kept (zoom, grid, information lines, window options, capture modes);
// the menu, toolbar, keys, gestures, copy formats, font and API list have
// resets of their own or none.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "kit/action.h"

namespace zorvik {

namespace kit {
class ToolHost;
}
class LiveSettings;

class SettingsDesignState {
public:
  // Takes the checks and colours of the page's commands as they are now.
  void Record(const kit::ActionList& actions, int zoomIndex);
  bool Recorded() const { return recorded_; }

  int ZoomIndex() const { return zoomIndex_; }
  struct Check {
    std::string name;
    bool checked;
  };
  struct Colour {
    std::string name;
    int64_t tag;
  };
  const std::vector<Check>& Checks() const { return checks_; }
  const std::vector<Colour>& Colours() const { return colours_; }

  // Puts everything back, running each changed command's handler so that
  // the main window follows; the length origin returns to (0, 0).
  void Restore(kit::ToolHost& app, LiveSettings& live) const;

private:
  bool recorded_ = false;
  int zoomIndex_ = 0;
  std::vector<Check> checks_;
  std::vector<Colour> colours_;
};

// The zoom commands in zoom-step order (the track bar's positions).
std::vector<kit::Action*> ZoomActions(const kit::ActionList& actions);
// The commands of one category that toggle their check, in list order (the
// rows of the page's check lists).
std::vector<kit::Action*> ToggleActions(const kit::ActionList& actions, const std::string& category);

}  // namespace zorvik
