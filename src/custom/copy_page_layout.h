// The control table of the copy-format page, made from the table of copy
// panels: the chooser at the top, the scrolling area with the four group
// labels and one panel per edited item, the command buttons at the bottom.
// Platform-free, so that the layout is checked natively.
#pragma once
#include <string>
#include <string_view>

#include "custom/format_pieces.h"
#include "kit/control_desc.h"

namespace zorvik {

// Every row at 96 dpi; the content panel "pnlCopy_Body" is as tall as all
// panels together and moves inside "ScrollBox_Copy".
kit::ControlTableDesc CopyPageTable();

// Names of a panel's labels: the specifier after piece `index` (0-based)
// "lblCopy_ColorRGBSpecifier1", the sample value under it "lblCopy_ColorRGBSample1",
// the title "lblCopy_ColorRGBTitle".
std::string SpecifierLabelName(const CopyPanelDef& panel, int index);
std::string SampleLabelName(const CopyPanelDef& panel, int index);
std::string TitleLabelName(const CopyPanelDef& panel);
// The group labels "lblCopy_Zoom", "lblCopy_Color", "lblCopy_Pos", "lblCopy_WinInfo".
std::string GroupLabelName(std::string_view group);
std::string GroupCaption(std::string_view group);
bool IsGroupLabelName(std::string_view name);
bool IsSampleLabelName(std::string_view name);

}  // namespace zorvik
