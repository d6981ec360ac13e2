// The pages of a tabbed window as a table of (name, caption, factory): each
// page object and its window are made the first time the page is shown, at
// most one of each, and live until the host goes.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kit/page.h"

namespace zorvik::kit {

class PageHost {
public:
  using Factory = std::function<std::unique_ptr<Page>()>;

  void Add(std::string name, std::string caption, Factory factory);
  size_t Count() const { return slots_.size(); }
  const std::string& Name(size_t i) const { return slots_[i].name; }
  const std::string& Caption(size_t i) const { return slots_[i].caption; }
  int IndexOf(std::string_view name) const;  // -1 when unknown

  // The page if it was made already, else nullptr.
  Page* Find(std::string_view name) const;
  // Makes the page and its window inside `parent` on first use.
  Page* Ensure(std::string_view name, HWND parent, int dpi = 0);
  // Ensure, then place it over `area` (parent client coordinates), hide the
  // page shown before, show this one and Sync it.
  Page* Show(std::string_view name, HWND parent, const RECT& area, int dpi = 0);
  Page* Active() const { return active_; }
  // The active page follows its area.
  void Resize(const RECT& area) const;

private:
  struct Slot {
    std::string name, caption;
    Factory factory;
    std::unique_ptr<Page> page;
  };
  std::vector<Slot> slots_;
  Page* active_ = nullptr;
};

}  // namespace zorvik::kit
