#include "kit/win_menu.h"

#include <map>

#include "platform/dollar_escapes.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik::kit {

MenuNode& MenuNode::Add(std::unique_ptr<MenuNode> child) {
  child->parent = this;
  children.push_back(std::move(child));
  return *children.back();
}

std::string MenuNode::Caption() const {
  if (!caption.empty()) return caption;
  return action ? action->caption : std::string();
}

namespace {
MenuNode* FindIn(MenuNode& n, const std::string& name) {
  if (n.name == name) return &n;
  for (auto& c : n.children)
    if (MenuNode* f = FindIn(*c, name)) return f;
  return nullptr;
}

void Fill(HMENU menu, const MenuNode& node, bool strip, const std::function<UINT(const Action&)>& commandOf) {
  UINT pos = 0;
  int defaultPos = -1;
  bool lastWasSeparator = true;  // no separator at the top
  for (const auto& c : node.children) {
    if (!c->Shown()) continue;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    if (c->separator) {
      if (lastWasSeparator) continue;
      mi.fMask = MIIM_FTYPE;
      mi.fType = MFT_SEPARATOR;
      InsertMenuItemW(menu, pos++, TRUE, &mi);
      lastWasSeparator = true;
      continue;
    }
    std::wstring text = W(strip ? CaptionWithoutAccelerator(c->Caption()) : c->Caption());
    if (c->decodeDollar) {
      const std::u16string decoded = DecodeDollarEscapes(std::u16string(text.begin(), text.end()));
      text.assign(decoded.begin(), decoded.end());
    }
    mi.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID;
    mi.fType = MFT_STRING | (c->radio ? MFT_RADIOCHECK : 0);
    mi.dwTypeData = text.data();
    mi.fState = 0;
    if (c->action && c->action->Checked()) mi.fState |= MFS_CHECKED;
    if (c->action && !c->action->Enabled()) mi.fState |= MFS_DISABLED;
    mi.wID = c->action && c->children.empty() ? commandOf(*c->action) : 0;
    if (!c->children.empty()) {
      HMENU sub = CreatePopupMenu();
      Fill(sub, *c, strip, commandOf);
      mi.fMask |= MIIM_SUBMENU;
      mi.hSubMenu = sub;
    }
    if (c->isDefault) defaultPos = static_cast<int>(pos);
    InsertMenuItemW(menu, pos++, TRUE, &mi);
    lastWasSeparator = false;
  }
  // No separator at the bottom either.
  const int count = GetMenuItemCount(menu);
  if (count > 0) {
    MENUITEMINFOW last{};
    last.cbSize = sizeof last;
    last.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(count - 1), TRUE, &last) && (last.fType & MFT_SEPARATOR))
      DeleteMenu(menu, static_cast<UINT>(count - 1), MF_BYPOSITION);
  }
  if (defaultPos >= 0) SetMenuDefaultItem(menu, static_cast<UINT>(defaultPos), TRUE);
}

void CollectCommands(const MenuNode& n, const std::function<UINT(const Action&)>& commandOf,
                     std::map<UINT, Action*>& out) {
  for (const auto& c : n.children) {
    if (c->action && c->children.empty()) out[commandOf(*c->action)] = c->action;
    CollectCommands(*c, commandOf, out);
  }
}
}  // namespace

MenuNode* PopupMenu::Find(const std::string& name) { return FindIn(root_, name); }

HMENU PopupMenu::Build(const std::function<UINT(const Action&)>& commandOf) const {
  HMENU menu = CreatePopupMenu();
  Fill(menu, root_, stripAccelerators, commandOf);
  return menu;
}

void PopupMenu::Popup(HWND owner, int x, int y, const std::function<UINT(const Action&)>& commandOf,
                      const RECT* exclude) {
  HMENU menu = Build(commandOf);
  std::map<UINT, Action*> commands;
  CollectCommands(root_, commandOf, commands);
  TPMPARAMS tpm{};
  tpm.cbSize = sizeof tpm;
  if (exclude) tpm.rcExclude = *exclude;
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                         x, y, owner, exclude ? &tpm : nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen == 0) return;
  auto it = commands.find(chosen);
  if (it != commands.end()) it->second->Trigger();
}

void AddMenuRows(MenuNode& parent, const std::vector<MenuRow>& rows, const ActionList& commands) {
  for (const MenuRow& row : rows) {
    auto n = std::make_unique<MenuNode>();
    n->name = row.name;
    n->caption = row.caption;
    n->action = row.command.empty() ? nullptr : commands.Find(row.command);
    n->separator = row.command.empty() && row.caption.empty() && row.items.empty();
    AddMenuRows(parent.Add(std::move(n)), row.items, commands);
  }
}

void CloneMenuSection(MenuNode& target, const MenuNode& source,
                      const std::function<std::string(const std::string&)>& uniqueName) {
  for (const auto& c : source.children) {
    auto copy = std::make_unique<MenuNode>();
    copy->name = uniqueName(c->name + "_Tool");
    copy->caption = c->caption;
    copy->visible = c->visible;
    copy->separator = c->separator;
    copy->isDefault = c->isDefault;
    copy->decodeDollar = c->decodeDollar;
    if (!c->separator) {
      copy->action = c->action;
      copy->group = c->group;
      copy->radio = c->radio;
    }
    MenuNode& added = target.Add(std::move(copy));
    CloneMenuSection(added, *c, uniqueName);
  }
}

}  // namespace zorvik::kit
