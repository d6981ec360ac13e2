// The settings file and the live state: read once while the main window is
// created, written once when it goes away. Every stored field is one row of
// one table (where it lives in SettingsData, how it is applied, how it is
// collected), so reading and writing cannot drift apart.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "inspection/capture_state.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "settings/live_settings.h"
#include "settings/settings_data.h"

namespace zorvik {

// zorvik.bin beside the executable.
std::wstring DefaultSettingsFile();

class AppSettings {
public:
  // The main window's roles: the commands, window, font and DPI; the capture
  // state; the customisable parts; the state applied at once.
  AppSettings(kit::ToolHost& app, const CaptureState& capture, EditableParts& parts, LiveSettings& live)
      : app_(app), capture_(capture), parts_(parts), live_(live) {}

  // Reads `file` and applies what it holds. False when nothing was applied
  // (no file, Shift and Ctrl held, or a file that was not taken). A file
  // that is there but cannot be taken is kept as "<file>.bak" first; when
  // even that fails, this run never writes the file.
  bool Load(const std::wstring& file, bool shiftHeld, bool ctrlHeld);
  // Collects the live state and writes it through a temporary file.
  void Save();
  SettingsData Collect() const;
  // A message for the status row about the file, once the window shows.
  const std::wstring& LoadMessage() const { return loadMessage_; }

  // A part that keeps a block of its own in the file (a tool window): told
  // what was read (with the sections read completely, SettingsSection bits)
  // and asked to fill in what it holds before each write. A part that never
  // changed its block leaves it as read. Register before Load.
  using ApplyBlock = std::function<void(const SettingsData& read, uint32_t sectionsRead)>;
  using CollectBlock = std::function<void(SettingsData& out)>;
  void AddParticipant(ApplyBlock apply, CollectBlock collect);

private:
  kit::ToolHost& app_;
  const CaptureState& capture_;
  EditableParts& parts_;
  LiveSettings& live_;
  std::wstring file_;          // empty: never written
  std::wstring loadMessage_;
  SettingsData loaded_;        // blocks of windows not yet open are written back as read
  std::vector<std::pair<ApplyBlock, CollectBlock>> participants_;
};

}  // namespace zorvik
