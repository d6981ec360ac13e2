// Entries about a screen point: the window at a point, the cursor position
// and the conversions between logical and physical coordinates.
#include "apitest/api_handlers.h"
#include "platform/optional_functions.h"

namespace zorvik {

namespace {

// The target point in the target's client coordinates (unchanged when the
// target is no window).
POINT ClientPoint(const T_MyAPIValue& api) {
  POINT p = api.TargetPoint();
  if (IsWindow(api.TargetWindow())) ScreenToClient(api.TargetWindow(), &p);
  return p;
}

template <HWND(WINAPI* Query)(HWND, POINT)>
void RunChildFromPoint(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const POINT p = ClientPoint(api);
  AddPoint(api, p);
  api.AddWindowResult(Query(api.TargetWindow(), p));
  api.AddWindowResult(CatalogueWindowFromPoint(api.TargetPoint()));
}

void RunChildWindowFromPointEx(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const POINT p = ClientPoint(api);
  AddPoint(api, p);
  for (UINT flags : {CWP_ALL, CWP_SKIPINVISIBLE, CWP_SKIPDISABLED, CWP_SKIPTRANSPARENT})
    api.AddWindowResult(ChildWindowFromPointEx(api.TargetWindow(), p, flags));
  api.AddWindowResult(CatalogueWindowFromPoint(api.TargetPoint()));
}

void RunWindowFromPoint(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false);
  AddPoint(api, api.TargetPoint());
  api.AddWindowResult(WindowFromPoint(api.TargetPoint()));
  api.AddWindowResult(CatalogueWindowFromPoint(api.TargetPoint()));
}

void RunScreenToClient(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false);
  POINT p{0, 0};
  GetCursorPos(&p);
  AddPoint(api, p);
  api.AddTargetWindow();
  const bool ok = ScreenToClient(api.TargetWindow(), &p) != FALSE;
  AddPoint(api, p);
  AddBool(api, ok);
}

void RunGetCursorPos(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false);
  POINT p{0, 0};
  const bool ok = GetCursorPos(&p) != FALSE;
  AddPoint(api, p);
  AddBool(api, ok);
}

void RunGetPhysicalCursorPos(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false);
  const auto physical = Optional().GetPhysicalCursorPos;
  if (!physical) {
    api.AddBlankResults();
    api.AddResult(L"未実装");
    api.AddBlankResults();
    return;
  }
  POINT p{0, 0};
  const bool ok = physical(&p) != FALSE;
  AddPoint(api, p);
  AddBool(api, ok);
  POINT logical{0, 0};
  if (GetCursorPos(&logical)) AddPoint(api, logical);
  else AddBool(api, false);
}

using ConvertPoint = BOOL(WINAPI*)(HWND, LPPOINT);

void RunLogicalToPhysicalPoint(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false, L"user32.dll", "LogicalToPhysicalPoint");
  POINT p{0, 0};
  GetCursorPos(&p);
  AddPoint(api, p);
  const auto convert = reinterpret_cast<ConvertPoint>(reinterpret_cast<void*>(api.EntryFunction()));
  if (!convert) {
    api.AddBlankResults();
    api.AddResult(L"未実装");
    api.AddBlankResults();
  } else {
    api.AddTargetWindow();
    const bool ok = convert(api.TargetWindow(), &p) != FALSE;
    AddPoint(api, p);
    AddBool(api, ok);
  }
  const auto physical = Optional().GetPhysicalCursorPos;
  POINT q{0, 0};
  if (physical && physical(&q)) AddPoint(api, q);
  else AddBool(api, false);
}

void RunPhysicalToLogicalPoint(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false, L"user32.dll", "PhysicalToLogicalPoint");
  POINT p{0, 0};
  if (const auto physical = Optional().GetPhysicalCursorPos) {
    if (!physical(&p)) p = POINT{0, 0};
  }
  AddPoint(api, p);
  const auto convert = reinterpret_cast<ConvertPoint>(reinterpret_cast<void*>(api.EntryFunction()));
  if (!convert) {
    api.AddBlankResults();
    api.AddResult(L"未実装");
    api.AddBlankResults();
    return;
  }
  api.AddTargetWindow();
  const bool ok = convert(api.TargetWindow(), &p) != FALSE;
  AddPoint(api, p);
  AddBool(api, ok);
}

const ApiHandlerName kHandlers[] = {
    {"ChildWindowFromPoint", RunChildFromPoint<ChildWindowFromPoint>},
    {"ChildWindowFromPointEx", RunChildWindowFromPointEx},
    {"RealChildWindowFromPoint", RunChildFromPoint<RealChildWindowFromPoint>},
    {"WindowFromPoint", RunWindowFromPoint},
    {"ScreenToClient", RunScreenToClient},
    {"GetCursorPos", RunGetCursorPos},
    {"GetPhysicalCursorPos", RunGetPhysicalCursorPos},
    {"LogicalToPhysicalPoint", RunLogicalToPhysicalPoint},
    {"PhysicalToLogicalPoint", RunPhysicalToLogicalPoint},
};

}  // namespace

ApiHandler FindPointCallHandler(std::string_view name) { return FindHandler(kHandlers, name); }

}  // namespace zorvik
