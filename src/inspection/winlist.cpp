#include "inspection/winlist.h"

#include <functional>
#include <map>
#include <set>

#include "inspection/window_info.h"
#include "kit/window.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

bool Positive(const RECT& r) { return r.right > r.left && r.bottom > r.top; }
bool OverlapsPositive(const RECT& a, const RECT& b) {
  RECT i;
  return IntersectRect(&i, &a, &b) && Positive(i);
}
bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// What one build of the snapshot remembers between windows: threads that
// let a message time out are not asked again (each further window of theirs
// would cost the same wait), and the executable and version are read once
// per process.
struct BuildMemory {
  std::set<DWORD> silentThreads;
  struct Process {
    std::u16string exe, version;
  };
  std::map<DWORD, Process> processes;
};

std::u16string TextOf(HWND w, BuildMemory& memory) {
  const DWORD thread = GetWindowThreadProcessId(w, nullptr);
  if (memory.silentThreads.count(thread)) return u"";
  bool silent = false;
  const std::u16string text = U16(WindowTextOf(w, kLiveTextLimit, &silent));
  if (silent) memory.silentThreads.insert(thread);
  return text;
}

void ReadFacts(T_WinItem& it, BuildMemory& memory) {
  HWND w = it.handle;
  it.className = U16(ClassNameOf(w));
  it.text = TextOf(w, memory);
  POINT pos{it.rect.left, it.rect.top};
  if (!it.topLevel) {
    HWND parent = GetAncestor(w, GA_PARENT);
    POINT q = pos;
    if (parent && ScreenToClient(parent, &q)) pos = q;
  }
  it.posLeft = pos.x;
  it.posTop = pos.y;
  it.width = it.rect.right - it.rect.left;
  it.height = it.rect.bottom - it.rect.top;
  RECT cr{0, 0, 0, 0};
  if (!GetClientRect(w, &cr)) cr = RECT{0, 0, 0, 0};
  it.clientWidth = cr.right;
  it.clientHeight = cr.bottom;
  POINT o{0, 0};
  ClientToScreen(w, &o);
  LogicalToPhysical(w, o);
  it.clientOrigin = o;
  it.clientRect = RECT{o.x, o.y, o.x + cr.right, o.y + cr.bottom};
  it.controlId = static_cast<int32_t>(GetWindowLongW(w, GWL_ID));
  it.style = static_cast<int32_t>(GetWindowLongW(w, GWL_STYLE));
  it.exStyle = static_cast<int32_t>(GetWindowLongW(w, GWL_EXSTYLE));
  it.enabled = IsWindowEnabled(w) != FALSE;
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  it.processId = pid;
  auto known = memory.processes.find(pid);
  if (known == memory.processes.end()) {
    const std::wstring exe = ExeFileNameOf(w);
    known = memory.processes.emplace(pid, BuildMemory::Process{U16(exe), exe == L"-" ? u"" : U16(FileVersionOf(exe))})
                .first;
  }
  it.executable = known->second.exe;
  it.fileVersion = known->second.version;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  it.regionType = GetWindowRgn(w, rgn);
  if (it.regionType == ERROR) {
    DeleteObject(rgn);
  } else {
    it.region = rgn;
  }
}

struct Builder {
  const TMyScreenSize* screens = nullptr;
  T_WinItem* root = nullptr;
  T_WinItem* top = nullptr;  // the current top-level item
  BuildMemory memory;
};

T_WinItem* FindItem(T_WinItem& from, HWND h) {
  for (auto& c : from.children) {
    if (c->handle == h) return c.get();
    if (T_WinItem* f = FindItem(*c, h)) return f;
  }
  return nullptr;
}

BOOL CALLBACK ChildProc(HWND d, LPARAM lp) {
  auto* b = reinterpret_cast<Builder*>(lp);
  T_WinItem* parent = FindItem(*b->top, GetAncestor(d, GA_PARENT));
  if (!parent) parent = b->top;
  auto item = std::make_unique<T_WinItem>();
  item->handle = d;
  item->parent = parent;
  PhysicalWindowRectOf(d, item->rect);
  bool valid = IsWindowVisible(d) && parent->valid && Positive(item->rect) &&
               OverlapsPositive(item->rect, parent->clientRect);
  for (auto& sibling : parent->children)
    if (Inside(item->rect, sibling->rect)) valid = false;
  item->valid = valid;
  if (valid) ReadFacts(*item, b->memory);
  parent->children.push_back(std::move(item));
  kit::ProcessMessages();
  return TRUE;
}

BOOL CALLBACK TopProc(HWND w, LPARAM lp) {
  auto* b = reinterpret_cast<Builder*>(lp);
  if (!IsWindowVisible(w)) return TRUE;
  const RECT r = WindowRectOf(w);
  if (!Positive(r) || !b->screens->IntersectsAnyMonitor(r)) return TRUE;
  auto item = std::make_unique<T_WinItem>();
  item->handle = w;
  item->topLevel = true;
  item->parent = b->root;
  item->rect = r;
  bool valid = true;
  for (auto& earlier : b->root->children)
    if (!(earlier->exStyle & WS_EX_LAYERED) && Inside(r, earlier->rect)) valid = false;
  item->valid = valid;
  if (valid) {
    ReadFacts(*item, b->memory);
    b->top = item.get();
    b->root->children.push_back(std::move(item));
    EnumChildWindows(w, ChildProc, lp);
  }
  kit::ProcessMessages();
  return TRUE;
}

const T_WinItem* Deepest(const T_WinItem& parent, POINT p, bool skipLayered) {
  for (const auto& c : parent.children) {
    if (skipLayered && (c->exStyle & WS_EX_LAYERED)) continue;
    if (!c->Matches(p)) continue;
    if (c->clientWidth != 0 && c->clientHeight != 0) {
      if (const T_WinItem* d = Deepest(*c, p, false)) return d;
    }
    return c.get();
  }
  return nullptr;
}
}  // namespace

T_WinItem::~T_WinItem() {
  if (region) DeleteObject(region);
}

bool T_WinItem::Matches(POINT p) const {
  if (region) return PtInRegion(region, p.x - rect.left, p.y - rect.top) != FALSE;
  return PtInRect(&rect, p) != FALSE;
}

T_WinList::T_WinList(const TMyScreenSize& screens, HWND) {
  root_ = std::make_unique<T_WinItem>();
  root_->handle = GetDesktopWindow();
  root_->topLevel = true;
  root_->valid = true;
  root_->rect = RECT{screens.VirtualLeft(), screens.VirtualTop(), screens.VirtualLeft() + screens.VirtualWidth(),
                     screens.VirtualTop() + screens.VirtualHeight()};
  root_->clientRect = root_->rect;
  composition_ = IsCompositionEnabled();
  Builder b;
  b.screens = &screens;
  b.root = root_.get();
  root_->className = U16(ClassNameOf(root_->handle));
  root_->text = TextOf(root_->handle, b.memory);
  EnumWindows(TopProc, reinterpret_cast<LPARAM>(&b));
}

const T_WinItem* T_WinList::Lookup(POINT p, bool skipLayered) const {
  if (root_->children.empty()) return nullptr;
  for (const auto& c : root_->children) {
    if (skipLayered && (c->exStyle & WS_EX_LAYERED)) continue;
    if (!c->Matches(p)) continue;
    if (c->clientWidth != 0 && c->clientHeight != 0) {
      if (const T_WinItem* d = Deepest(*c, p, false)) return d;
    }
    return c.get();
  }
  return root_->children.back().get();
}

void T_WinList::CopyFacts(const T_WinItem* it, T_DispInfo& info) {
  if (!it) {
    info.Handle = 0;
    info.ClientOriginX = info.ClientOriginY = 0;
    return;
  }
  info.Handle = reinterpret_cast<uintptr_t>(it->handle);
  info.ClientOriginX = it->clientOrigin.x;
  info.ClientOriginY = it->clientOrigin.y;
  info.ClassName = it->className;
  info.Text = it->text;
  info.RectLeft = it->rect.left;
  info.RectTop = it->rect.top;
  info.RectRight = it->rect.right;
  info.RectBottom = it->rect.bottom;
  info.PosLeft = it->posLeft;
  info.PosTop = it->posTop;
  info.PosWidth = it->width;
  info.PosHeight = it->height;
  info.ClientLeft = info.ClientTop = 0;
  info.ClientWidth = it->clientWidth;
  info.ClientHeight = it->clientHeight;
  info.ControlId = it->controlId;
  info.Style = it->style;
  info.ExStyle = it->exStyle;
  info.Enabled = it->enabled;
  info.ProcessId = it->processId;
  info.Executable = it->executable;
  info.FileVersion = it->fileVersion;
  const T_WinItem* parent = it->parent;
  info.ParentHandle = parent ? reinterpret_cast<uintptr_t>(parent->handle) : 0;
  info.ParentClassName = parent ? parent->className : u"";
  info.ParentText = parent ? parent->text : u"";
}

size_t T_WinList::Count() const {
  std::function<size_t(const T_WinItem&)> count = [&](const T_WinItem& i) {
    size_t n = 1;
    for (auto& c : i.children) n += count(*c);
    return n;
  };
  return count(*root_);
}

}  // namespace zorvik
