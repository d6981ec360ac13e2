// Small helpers shared by many windows: the existence test for tool windows
// created on first use, run-time component names, list membership and
// filtering, text conversion and measurement, and the product name.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zorvik {

// True when `window` is not null and is a current top-level window of this
// process (tool windows created on first use are tested with it before use).
bool FormExists(HWND window);

// Process-wide registry of the names of components created at run time.
// A component registers its name when it is created and unregisters it when
// it goes away; registering a name twice needs two unregistrations.
void RegisterComponentName(const std::wstring& name);
void UnregisterComponentName(const std::wstring& name);
bool ComponentNameRegistered(const std::wstring& name);
// "<base>_<n>" with the smallest n >= 0 whose name is not registered (exact,
// case-sensitive); n goes to *used when given. The name is not registered.
std::wstring UniqueComponentName(const std::wstring& base, int* used = nullptr);
// "<prefix>_<rest>", rest being the part of `name` after its first "_" (the
// whole name when it has none): Action + MenuItem_Copy_RGB -> Action_Copy_RGB.
std::wstring DerivedComponentName(const std::wstring& prefix, const std::wstring& name);

// True when an element equals `text` under the user locale's
// case-insensitive comparison.
bool ContainsText(const std::wstring& text, const std::vector<std::wstring>& list);
// True when an element equals `text` exactly.
bool ContainsExact(const std::wstring& text, const std::vector<std::wstring>& list);

// A list of names with an attached object each.
template <typename T>
using NamedList = std::vector<std::pair<std::wstring, T>>;

// Replaces `dest` with the elements of `source`, in order and with their
// objects, whose names are not in `exclusion` (exact comparison); with no
// exclusion list, with all of `source`.
template <typename T>
void CopyWithout(NamedList<T>& dest, const NamedList<T>& source, const std::vector<std::wstring>* exclusion) {
  NamedList<T> out;
  out.reserve(source.size());
  for (const auto& item : source)
    if (exclusion == nullptr || !ContainsExact(item.first, *exclusion)) out.push_back(item);
  dest = std::move(out);
}

// Text in the system code page, composite characters checked.
std::string ToAnsi(const std::wstring& text);
// Width in pixels of `text`, in its system-code-page form, drawn in `font`
// with `extraSpacing` pixels between characters.
int TextWidthIn(HFONT font, const std::wstring& text, int extraSpacing);
// `count` copies of `c`; empty for a count of 0 or less.
std::wstring RepeatChar(wchar_t c, int count);

// ProductName of the version block of the file `path` (first translation);
// empty when the file has none or any step fails.
std::wstring ProductNameOfFile(const std::wstring& path);
// The full path of the running program; empty when it cannot be had.
std::wstring OwnModulePath();
// ProductName of this program's own executable.
std::wstring ProductNameOf();

// The number of GDI objects this process holds: GetGuiResources where it
// answers (Windows); where it gives 0 (Wine), the handle values 0-0xFFFF that
// name a live object, counted one by one. Read-only.
unsigned CountGdiObjects();

}  // namespace zorvik
