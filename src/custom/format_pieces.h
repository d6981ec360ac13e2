// The copy format page's model: one panel per edited copy item, which shows a
// format as literal pieces (edit boxes) between fixed specifiers, with a check
// box choosing between the specifiers the item allows. Splitting a stored
// format into a panel's pieces, building the format back from them, the
// preview on sample values and the reset to the built-in default live here, so
// the page only moves texts between these records and its controls.
//
// Texts: formats and pieces are UTF-16 like the format engine; names and
// captions are UTF-8 like the command table.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "format/format_engine.h"

namespace zorvik {

enum class CopyPanelKind : uint8_t {
  kOptions,  // the zoom picture: two option check boxes, no pieces
  kPieces,   // literal pieces around one or more equal specifiers
  kLength,   // slots 22 and 23: width and height, and the origin when switched on
};

enum class SampleKind : uint8_t {
  kDecimal,  // the sample captions are decimal numbers
  kHex,      // one caption read as hexadecimal ("FFFFFF")
  kText,     // text captions
  kPath,     // one path; the preview also passes its file name only
};

struct CopyPanelDef {
  const char* name;   // after the component prefix: pnlCopy_<name>, edtCopy_<name>1, actCopy_<name>Reset
  const char* group;  // its group label lblCopy_<group>: "Zoom", "Color", "Pos", "WinInfo"
  int slot;           // the copy format slot (the length panel also keeps slot 23)
  const char* title;  // panel title (UTF-8)
  CopyPanelKind kind;
  int specifiers;  // specifiers of the format; the length panel: 4 with the origin, 2 without
  // The specifier the check box selects, or the only one when there is no
  // choice; and the one used while the box is clear (nullptr: no choice).
  const char16_t* checkedSpecifier;
  const char16_t* uncheckedSpecifier;
  const char* checkName;     // "chkCopy_ColorRGBHex"; nullptr when the panel has no check box
  const char* checkCaption;  // "16進"
  SampleKind sampleKind;
  const char16_t* samples[4];  // sample captions, the preview's arguments in order; nullptr ends

  int PieceCount() const { return kind == CopyPanelKind::kOptions ? 0 : specifiers + 1; }
  bool HasChoice() const { return uncheckedSpecifier != nullptr || kind == CopyPanelKind::kLength; }
};

// The 26 panels, top to bottom.
const CopyPanelDef* CopyPanels();
size_t CopyPanelCount();
// Panel by its name ("ColorRGB") or by a slot it edits (22 and 23 give the
// length panel); nullptr when none.
const CopyPanelDef* CopyPanelByName(std::string_view name);
const CopyPanelDef* CopyPanelOfSlot(int slot);

// Component names of a panel's controls.
std::string PieceBoxName(const CopyPanelDef& panel, int piece);  // piece 0 -> "edtCopy_ColorRGB1"
std::string ResetActionName(const CopyPanelDef& panel);          // "actCopy_ColorRGBReset"
std::string PreviewLabelName(const CopyPanelDef& panel);         // "lblCopy_ColorRGBDisp"
// Zoom panel's two check boxes and their captions.
extern const char kZoomGridCheckName[];     // "chkCopy_ZoomGrid"
extern const char kZoomGridCheckCaption[];  // "グリッド・カーソルポイント"
extern const char kZoomInfoCheckName[];     // "chkCopy_ZoomInfo"
extern const char kZoomInfoCheckCaption[];  // "情報表示欄"

// What a panel shows.
struct CopyPanelState {
  std::vector<std::u16string> pieces;  // PieceCount() literal pieces, as typed
  bool checked = false;                // the choice; the zoom panel: grid and cursor point
  bool infoArea = false;               // the zoom panel: information area

  bool operator==(const CopyPanelState& o) const {
    return pieces == o.pieces && checked == o.checked && infoArea == o.infoArea;
  }
};

// Every "%" of a typed piece doubled, so that the piece is literal text in a
// format whatever it holds.
std::u16string EscapePercent(std::u16string_view piece);

// Splits the stored formats of the panel's slots into what the panel shows.
// Throws EFormatStringError or EFormatTypeError (NextSpecifier) when a
// specifier is malformed or not allowed for the item, and EFormatTypeError
// when the format holds another number of specifiers than the panel, or
// specifiers that differ (the panel can show one choice for all).
CopyPanelState SplitCopyPanel(const CopyPanelDef& panel, const CopyFormats& formats);

// Builds the formats from the panel's pieces and choice: (slot, format) pairs
// to store, every piece's "%" doubled. The length panel gives slot 22 and the
// origin part for slot 23; the zoom panel "1"/"0" for each option.
std::vector<std::pair<int, std::u16string>> BuildCopyPanel(const CopyPanelDef& panel, const CopyPanelState& state);
void StoreCopyPanel(const CopyPanelDef& panel, const CopyPanelState& state, CopyFormats& formats);

// The load step of the page. A stored format that fits gives its state. One
// that does not gives the state of the built-in default, fits = false and the
// notice to show once (the page then stores the state, which restores the
// default).
struct CopyPanelLoad {
  CopyPanelState state;
  bool fits = true;
  std::u16string notice;  // "\r" separates lines; empty when it fits
};
CopyPanelLoad LoadCopyPanel(const CopyPanelDef& panel, const CopyFormats& formats);

// The reset of one panel: stores the built-in defaults of its slots and
// returns the state they give.
CopyPanelState ResetCopyPanel(const CopyPanelDef& panel, CopyFormats& formats);

// The preview's arguments and text: the stored format expanded with the
// sample values in the strict mode; the error's message when it cannot be.
// Empty for the zoom panel.
FormatArgs CopyPanelSampleArgs(const CopyPanelDef& panel);
std::u16string CopyPanelPreview(const CopyPanelDef& panel, const CopyFormats& formats);

// Texts of the page that come from the copy command of the panel's slot.
// "カラー情報/RGBのコピー形式をデフォルトの設定に戻す"
std::string ResetHintOf(const CopyPanelDef& panel);
// "コピー/カラー情報/RGB\r/コピー形式文字列にエラーがあります\r初期値に戻します"
std::u16string MisfitNoticeOf(const CopyPanelDef& panel);

}  // namespace zorvik
