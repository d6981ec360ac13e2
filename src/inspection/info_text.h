// Texts of the information area: the value of each information line and of
// each copy / write item, read from one snapshot, and the "copy all" text.
// The window side only paints these texts and puts them on the clipboard.
// All texts are UTF-16 (see format/format_engine.h).
#pragma once
#include <string>
#include <string_view>

#include "format/format_engine.h"
#include "inspection/colour_models.h"
#include "inspection/disp_info.h"
#include "inspection/position_info.h"

namespace zorvik {

// Figures derived from a snapshot, computed once per painting or copy run.
struct InfoFigures {
  ColourTriple hsv;     // 360 / 100 / 100
  ColourTriple hls;     // 360 / 100 / 100
  ColourTriple hlsWin;  // 240 / 240 / 240
  std::u16string colourName;
  PositionFigures pos;
};
InfoFigures InfoFiguresOf(const T_DispInfo& info, const MonitorLayout& monitors);

// One item of the information area, in painting order.
struct InfoLineItem {
  int lineSlot;         // slot of its line (label and display format)
  int secondLineSlot;   // the extended style line of the style item; -1 for none
  const char* shownBy;  // menu item (the length line: command) whose check shows the line
  int copySlots[5];     // slots of its copy and write items, -1 after the last
};
const InfoLineItem* InfoLineItems();
int InfoLineItemCount();  // 23

// Arguments of an information line, in the order its display format uses.
FormatArgs LineArguments(int lineSlot, const T_DispInfo& info, const InfoFigures& figures);
// Arguments of a copy or write item.
FormatArgs CopyArguments(int copySlot, const T_DispInfo& info, const InfoFigures& figures);

// The value text of a line: its display format expanded leniently. Empty for
// a slot without a line.
std::u16string LineValue(int lineSlot, const T_DispInfo& info, const InfoFigures& figures);
// The text of a copy or write item, the slot's format expanded in the slot's
// mode, not yet trimmed. Raises the format errors of a format that does not
// fit (format_engine.h).
std::u16string CopyItemValue(int copySlot, const CopyFormats& formats, const T_DispInfo& info,
                             const InfoFigures& figures);

// Every line's value in painting order, shown or not, without labels, joined
// with CR LF, trailing characters up to U+0020 removed.
std::u16string CopyAllText(const T_DispInfo& info, const InfoFigures& figures);

// What a command collects: the item's text for a copy or write command of a
// value item, the copy-all text for "Action_Copy_All", else "". Trailing
// characters up to U+0020 are removed.
std::u16string CollectInfoText(std::string_view command, const CopyFormats& formats, const T_DispInfo& info,
                               const InfoFigures& figures);

// Removes trailing characters up to U+0020 (blanks, line breaks, controls).
std::u16string TrimTrailingBlanks(std::u16string_view text);

// The zoom caption of the status row (" 6倍").
std::u16string ZoomCaption(int zoom);

// Status message after a copy: "<caption>をコピー <text>".
std::u16string CopiedMessage(std::u16string_view caption, std::u16string_view text);

// The part after the last "\", "/" or ":" (the whole text when there is none).
std::u16string FileNameOnly(std::u16string_view path);

}  // namespace zorvik
