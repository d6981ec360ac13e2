// Text forms of the API catalogue that need no window system: the value
// forms, the hex dump, HRESULT names, the entry order and the row model.
// Texts are UTF-8 here; the Win32 side widens them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// "%d".
std::string IntForm(long long v);
// "0x", 8 upper-case hexadecimal digits, a space and the unsigned decimal
// value ("0x0000002A 42"). `digits` other than 8 give that many digits (the
// atom of GetWindowInfo uses 4). A value that does not fit in 32 bits (an
// address in a 64-bit build) is shown with 16 digits.
std::string HexForm(uint64_t v, int digits = 8);
// "0x%.8X %d %d": the value, its high and its low 16 bits.
std::string HexWordsForm(uint32_t v);
std::string BoolForm(bool b);  // "True" / "False"
std::string PointForm(long x, long y);
std::string RectForm(long left, long top, long right, long bottom);
// "#RRGGBB " and the colour's name (empty when it has none); `colorref` is
// 0x00BBGGRR.
std::string ColourForm(uint32_t colorref);
// The value of a list or combo box message: "CB_ERR(-1)" / "LB_ERR(-1)" for
// -1, the integer otherwise.
std::string ErrorForm(long long v, bool combo);

// Scroll bar and title bar part states: "0x%.8X (part) words".
std::string ScrollPartState(uint32_t state, std::string_view part);
std::string TitlePartState(uint32_t state, std::string_view part);
// The button state of GetComboBoxInfo.
std::string ComboButtonState(uint32_t state);
// The priority class of GetPriorityClass.
std::string PriorityName(uint32_t value);
// The binary type of GetBinaryType.
std::string BinaryTypeText(uint32_t type);
// VS_FIXEDFILEINFO dwFileFlags and dwFileOS.
std::string FileFlagsText(uint32_t flags);
std::string FileOsText(uint32_t os);
// Rows of GetFileAttributes: one per set attribute, in the catalogue's order.
std::vector<std::string> FileAttributeRows(uint32_t attributes);
// GetDeviceCaps(TECHNOLOGY).
std::string TechnologyName(int value);

// "S_OK" for any success, the name of the common failures, else
// "その他のエラー".
std::string HResultName(int32_t hr);

// One line of a hex dump: the 50-character hexadecimal column, the
// 16-byte character column in Shift-JIS (bytes, not yet decoded; unprintable
// bytes and a lead byte without its trail byte are '.'), and for a wide dump
// two spaces and up to 8 UTF-16 characters (empty for a narrow dump).
struct HexDumpLine {
  std::string hex;
  std::string sjis;
  std::u16string wide;
};
std::vector<HexDumpLine> HexDump(const uint8_t* bytes, size_t n, bool wide);

// The order of the sorted list: by group, then by name, ASCII
// case-insensitive; negative, zero or positive.
int CompareEntries(std::string_view groupA, std::string_view nameA, std::string_view groupB,
                   std::string_view nameB);

// Turns the table's line breaks ('\n') into "\r\n".
std::string CrLf(std::string_view text);

// The result table: parameter labels and their descriptions (always the same
// length) beside the values of the last run. Rows = the longer of the two;
// a missing cell reads empty.
template <class S>
class ApiRows {
public:
  void Reset() {
    names_.clear();
    descriptions_.clear();
    results_.clear();
  }
  void ClearResults() { results_.clear(); }
  void AddParam(S label, S description) {
    names_.push_back(std::move(label));
    descriptions_.push_back(std::move(description));
  }
  void AddParamName(S label) { AddParam(std::move(label), S()); }
  void PadParams(size_t count) {
    if (names_.size() < count) {
      names_.resize(count);
      descriptions_.resize(count);
    }
  }
  void AddResult(S text) { results_.push_back(std::move(text)); }
  void AddBlankResults(size_t n = 1) { results_.resize(results_.size() + n); }

  size_t ParamCount() const { return names_.size(); }
  size_t ResultCount() const { return results_.size(); }
  size_t RowCount() const { return names_.size() > results_.size() ? names_.size() : results_.size(); }
  const S& ParamName(size_t i) const { return i < names_.size() ? names_[i] : empty_; }
  const S& ParamDescription(size_t i) const { return i < descriptions_.size() ? descriptions_[i] : empty_; }
  const S& Result(size_t i) const { return i < results_.size() ? results_[i] : empty_; }
  const std::vector<S>& ParamNames() const { return names_; }
  const std::vector<S>& ParamDescriptions() const { return descriptions_; }
  const std::vector<S>& Results() const { return results_; }
  // Replaces the parameter rows (labels and descriptions of equal length).
  void SetParams(std::vector<S> names, std::vector<S> descriptions) {
    names_ = std::move(names);
    descriptions_ = std::move(descriptions);
    descriptions_.resize(names_.size());
  }

private:
  std::vector<S> names_, descriptions_, results_;
  S empty_;
};

}  // namespace zorvik
