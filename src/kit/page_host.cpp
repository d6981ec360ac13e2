#include "kit/page_host.h"

namespace zorvik::kit {

void PageHost::Add(std::string name, std::string caption, Factory factory) {
  slots_.push_back(Slot{std::move(name), std::move(caption), std::move(factory), nullptr});
}

int PageHost::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i].name == name) return static_cast<int>(i);
  return -1;
}

Page* PageHost::Find(std::string_view name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : slots_[static_cast<size_t>(i)].page.get();
}

Page* PageHost::Ensure(std::string_view name, HWND parent, int dpi) {
  const int i = IndexOf(name);
  if (i < 0) return nullptr;
  Slot& slot = slots_[static_cast<size_t>(i)];
  if (!slot.page) {
    if (!slot.factory) return nullptr;
    slot.page = slot.factory();
    if (!slot.page) return nullptr;
  }
  if (!slot.page->Created() && !slot.page->Create(parent, dpi)) return nullptr;
  return slot.page.get();
}

Page* PageHost::Show(std::string_view name, HWND parent, const RECT& area, int dpi) {
  Page* page = Ensure(name, parent, dpi);
  if (!page) return nullptr;
  if (active_ && active_ != page && active_->Handle()) ShowWindow(active_->Handle(), SW_HIDE);
  active_ = page;
  SetWindowPos(page->Handle(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  page->Sync();
  return page;
}

void PageHost::Resize(const RECT& area) const {
  if (active_ && active_->Handle())
    SetWindowPos(active_->Handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zorvik::kit
