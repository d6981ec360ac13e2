// The copy commands (the picture, one value, all values) and the write menu:
// a cache of the information, and writing any of its values, the clipboard
// text or nothing into the window under the capture point.
#pragma once
#include "copy/copy_host.h"
#include "inspection/capture_state.h"
#include "kit/tool_host.h"

namespace zorvik {

class CopyFormats;
class TApp_ZorvikWindowStyle;

class CopyCommands {
public:
  CopyCommands(kit::ToolHost& app, const CaptureState& capture, CopyHost& host, const CopyFormats& formats)
      : app_(app), capture_(capture), host_(host), formats_(formats) {}
  // Gives every copy and write action its handler.
  void Bind();
  // The copy command that asked for the copy-format page (Shift held), while
  // Action_Custom_Copy runs on its behalf; null otherwise.
  const kit::Action* FormatsRequester() const { return requester_; }
  // The copy of the style details as the style viewer runs it: the listing
  // is `origin`'s, with its switches (the command itself has none to copy).
  void CopyStyleDetails(const TApp_ZorvikWindowStyle& origin);

private:
  void CopyPicture();
  void CopyText(kit::Action& command, const TApp_ZorvikWindowStyle* origin);
  void WriteValue(kit::Action& command);
  void FillWriteCache();
  void ClearWriteCache();
  void EnableWriteValueCommands(bool on);
  // Shift held: the copy-format page instead of a copy.
  bool OpenFormatsInstead(kit::Action& command);

  kit::ToolHost& app_;
  const CaptureState& capture_;
  CopyHost& host_;
  const CopyFormats& formats_;
  const kit::Action* requester_ = nullptr;
  // Resolved by Bind.
  kit::Action* styleDetails_ = nullptr;  // Action_Copy_WinInfoStyleVerbose
  kit::Action* formatsPage_ = nullptr;   // Action_Custom_Copy
};

}  // namespace zorvik
