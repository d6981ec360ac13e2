// Entries about devices and the system: device capabilities of a window's
// device context, system metrics, and the icons of an executable.
#include "apitest/api_handlers.h"
#include "apitest/api_lists.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

void RunGetDeviceCaps(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  HDC dc = GetDC(w);
  size_t n = 0;
  const ApiIndex* indices = DeviceCapIndices(n);
  for (size_t i = 0; i < n; ++i) {
    const int value = dc ? GetDeviceCaps(dc, indices[i].value) : 0;
    api.AddText(indices[i].value == TECHNOLOGY ? TechnologyName(value) : IntForm(value));
  }
  // The group rows sit where their flags begin, so the labels depend on how
  // many flags each group has: collect them as the results are added.
  std::vector<std::wstring> names(api.ParamNames().begin(), api.ParamNames().begin() + std::min(api.ParamCount(), n + 1));
  std::vector<std::wstring> descriptions;
  for (size_t i = 0; i < names.size(); ++i) descriptions.push_back(api.ParamDescription(i));
  size_t groupCount = 0;
  const ApiCapGroup* groups = DeviceCapGroups(groupCount);
  for (size_t g = 0; g < groupCount; ++g) {
    const ApiCapGroup& group = groups[g];
    names.resize(api.ResultCount());
    descriptions.resize(api.ResultCount());
    names.push_back(L"nIndex: " + W(group.name));
    descriptions.push_back(W(group.note));
    const uint32_t value = dc ? static_cast<uint32_t>(GetDeviceCaps(dc, group.index)) : 0;
    if (value == 0) {
      if (group.none) api.AddText(group.none);
      else api.AddBlankResults();  // the group's own row stays, without a value
      continue;
    }
    bool any = false;
    for (size_t f = 0; f < group.flagCount; ++f) {
      if (!(value & group.flags[f].value)) continue;
      api.AddText(CapFlagRow(group, group.flags[f]));
      any = true;
    }
    if (!any) api.AddBlankResults();
  }
  if (dc) ReleaseDC(w, dc);
  if (names != api.ParamNames()) {
    api.SetParams(std::move(names), std::move(descriptions));
    // Same entry, other rows: the window must refill its label column.
    if (!api.Rebuilt()) api.SetRebuildOnce();
  }
}

void RunGetSystemMetrics(T_MyAPIValue& api, const ApiEntryInfo& e) {
  api.Begin(e, false);
  size_t n = 0;
  const ApiIndex* metrics = SystemMetricList(n);
  for (size_t i = 0; i < n; ++i) api.AddText(MetricValueText(metrics[i], GetSystemMetrics(metrics[i].value)));
}

void RunExtractIcon(T_MyAPIValue& api, const ApiEntryInfo& e) {
  // The program imports shell32 too (a known DLL, always mapped from the
  // system directory); the entry looks the function up in its own load of
  // it by full path, like every entry that names its library.
  if (!api.Begin(e, true, L"shell32.dll", "ExtractIconW")) return;
  const std::wstring exe = CatalogueExeFileName(api.TargetWindow());
  AddExePath(api, exe);
  using ExtractIcon_t = HICON(WINAPI*)(HINSTANCE, LPCWSTR, UINT);
  const auto extract = reinterpret_cast<ExtractIcon_t>(reinterpret_cast<void*>(api.EntryFunction()));
  const HICON count = extract && !exe.empty() ? extract(GetModuleHandleW(nullptr), exe.c_str(), UINT_MAX) : nullptr;
  AddInt(api, static_cast<long long>(reinterpret_cast<intptr_t>(count)));
}

const ApiHandlerName kHandlers[] = {
    {"GetDeviceCaps", RunGetDeviceCaps},
    {"GetSystemMetrics", RunGetSystemMetrics},
    {"ExtractIcon", RunExtractIcon},
};

}  // namespace

ApiHandler FindGraphicCallHandler(std::string_view name) { return FindHandler(kHandlers, name); }

}  // namespace zorvik
