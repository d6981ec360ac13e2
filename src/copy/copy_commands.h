// The copy commands (the picture, one value, all values) and the write menu:
// a cache of the information, and writing any of its values, the clipboard
// text or nothing into the window under the capture point.
#pragma once
#include "kit/app_services.h"

namespace zorvik {

class CopyCommands {
public:
  explicit CopyCommands(AppServices& app) : app_(app) {}
  // Gives every copy and write action its handler.
  void Bind();
  // The copy command that asked for the copy-format page (Shift held), while
  // Action_Custom_Copy runs on its behalf; null otherwise.
  const kit::Action* FormatsRequester() const { return requester_; }

private:
  void CopyPicture();
  void CopyText(kit::Action& command);
  void WriteValue(kit::Action& command);
  void FillWriteCache();
  void ClearWriteCache();
  void EnableWriteValueCommands(bool on);
  // Shift held: the copy-format page instead of a copy.
  bool OpenFormatsInstead(kit::Action& command);

  AppServices& app_;
  const kit::Action* requester_ = nullptr;
};

}  // namespace zorvik
