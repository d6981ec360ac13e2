// Shared pieces of the entry handlers: the value forms appended as results,
// and the handler lookup table type. Used by the handler files only.
#pragma once
#include <windows.h>

#include <string_view>

#include "apitest/my_apivalue.h"
#include "apitest/api_text.h"

namespace zorvik {

inline void AddInt(T_MyAPIValue& api, long long v) { api.AddText(IntForm(v)); }
inline void AddHex(T_MyAPIValue& api, uint64_t v, int digits = 8) { api.AddText(HexForm(v, digits)); }
inline void AddBool(T_MyAPIValue& api, bool b) { api.AddText(BoolForm(b)); }
inline void AddPoint(T_MyAPIValue& api, POINT p) { api.AddText(PointForm(p.x, p.y)); }
inline void AddRect(T_MyAPIValue& api, const RECT& r) { api.AddText(RectForm(r.left, r.top, r.right, r.bottom)); }
inline uint64_t Bits(const void* p) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)); }
inline uint64_t Bits(LONG_PTR v) { return static_cast<uint64_t>(static_cast<uintptr_t>(v)); }
// The path row of the file entries: the executable, or the note that it
// cannot be read.
inline void AddExePath(T_MyAPIValue& api, const std::wstring& exe) {
  api.AddResult(exe.empty() ? L"実行ファイル名を取得できません" : exe);
}

struct ApiHandlerName {
  const char* name;
  ApiHandler handler;
};

template <size_t N>
ApiHandler FindHandler(const ApiHandlerName (&table)[N], std::string_view name) {
  for (const ApiHandlerName& h : table)
    if (name == h.name) return h.handler;
  return nullptr;
}

}  // namespace zorvik
