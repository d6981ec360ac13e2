// How large a buffer to hand another window for its text. Platform-free so
// that the rule is tested natively.
//
// Reading a text takes two messages: one asks the length, the second hands
// over a buffer to fill. WM_GETTEXT is told the buffer's size, so any length
// can be cut to a limit. The item texts of list and combo boxes
// (LB_GETTEXT, CB_GETLBTEXT) are not: the control writes the whole item, so
// the buffer must hold at least what was just reported, and some more for an
// item that changed between the two messages.
#pragma once
#include <cstddef>

namespace zorvik {

// Characters beyond the reported length (and its terminator) in a buffer for
// an item text: an item may grow by this much between the two messages.
constexpr size_t kItemTextSlack = 1024;

// Buffer size in characters for WM_GETTEXT after WM_GETTEXTLENGTH reported
// `reported`: the text cut to `limit`, plus the terminator; 0 (send nothing)
// for an error or an empty text.
size_t WindowTextBufferSize(long long reported, size_t limit);

// Buffer size in characters for LB_GETTEXT or CB_GETLBTEXT after the length
// message reported `reported`: the length, the terminator and the slack.
// 0 (send nothing, the text is empty) for an error (-1), an empty item, or an
// item longer than `limit`, which could not be cut.
size_t ItemTextBufferSize(long long reported, size_t limit);

}  // namespace zorvik
