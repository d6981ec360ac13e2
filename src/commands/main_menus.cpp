#include "commands/main_menus.h"

#include <functional>

#include "commands/menu_table.h"

namespace zorvik {

namespace {
std::unique_ptr<kit::MenuNode> NodeFrom(const MenuItemDef& d, kit::ActionList& actions) {
  auto n = std::make_unique<kit::MenuNode>();
  n->name = d.name;
  n->id = d.id;
  n->separator = d.kind == MenuKind::Separator;
  n->caption = d.ownCaption ? d.ownCaption : "";
  n->visible = d.visible;
  n->isDefault = d.isDefault;
  n->radio = d.radio;
  n->group = d.group;
  if (d.command) n->action = actions.Find(d.command);
  return n;
}

// Builds a tree from a flat table in menu order with depths.
void BuildTree(kit::MenuNode& root, const MenuItemDef* table, size_t count, kit::ActionList& actions) {
  std::vector<kit::MenuNode*> stack{&root};
  for (size_t i = 0; i < count; ++i) {
    const MenuItemDef& d = table[i];
    const size_t depth = d.depth;
    while (stack.size() > depth + 1) stack.pop_back();
    kit::MenuNode& added = stack.back()->Add(NodeFrom(d, actions));
    stack.push_back(&added);
  }
}

bool Skipped(const kit::MenuNode& n) { return n.name.rfind("__", 0) == 0; }

void DepthFirst(kit::MenuNode& n, const std::function<void(kit::MenuNode&)>& f) {
  for (auto& c : n.children) {
    if (Skipped(*c)) continue;
    f(*c);
    DepthFirst(*c, f);
  }
}
}  // namespace

void MainMenus::Build() {
  kit::ActionList& actions = actions_;
  menus_.clear();
  auto main = std::make_unique<kit::PopupMenu>("PopupMenu_Main");
  BuildTree(main->Root(), MenuTable(), MenuItemCount(), actions);
  // Write menu captions may spell characters outside the ANSI code page as "$XXXX".
  if (kit::MenuNode* write = main->Find("MenuItem_Write"))
    DepthFirst(*write, [](kit::MenuNode& n) { n.decodeDollar = true; });
  menus_["PopupMenu_Main"] = std::move(main);
  for (size_t i = 0; i < MenuSectionCopyCount(); ++i)
    menus_[MenuSectionCopies()[i].popup] = std::make_unique<kit::PopupMenu>(MenuSectionCopies()[i].popup);
  auto toolbar = std::make_unique<kit::PopupMenu>("PopupMenu_ToolBar");
  BuildTree(toolbar->Root(), ToolBarMenuTable(), ToolBarMenuItemCount(), actions);
  toolbar->stripAccelerators = true;
  menus_["PopupMenu_ToolBar"] = std::move(toolbar);
}

kit::PopupMenu* MainMenus::ByName(const std::string& name) {
  auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second.get();
}

void MainMenus::SnapshotMenuDefaults() {
  defaults_.clear();
  DepthFirst(Main().Root(), [this](kit::MenuNode& n) { defaults_.emplace_back(&n, n.visible); });
}

void MainMenus::ResetToDefaults() {
  for (auto& [node, visible] : defaults_) node->visible = visible;
}

kit::MenuNode* MainMenus::ItemById(uint16_t id) {
  if (id == 0) return nullptr;
  kit::MenuNode* found = nullptr;
  DepthFirst(Main().Root(), [&](kit::MenuNode& n) {
    if (!found && n.id == id) found = &n;
  });
  return found;
}

void MainMenus::ApplyHiddenMenuItems(const std::vector<uint16_t>& ids) {
  DepthFirst(Main().Root(), [](kit::MenuNode& n) { n.visible = true; });
  for (uint16_t id : ids)
    if (kit::MenuNode* n = ItemById(id)) n->visible = false;
}

std::vector<uint16_t> MainMenus::CollectHiddenMenuItems() const {
  std::vector<uint16_t> out;
  DepthFirst(const_cast<kit::MenuNode&>(menus_.at("PopupMenu_Main")->Root()), [&](kit::MenuNode& n) {
    if (!n.visible) out.push_back(n.id);
  });
  return out;
}

std::string MainMenus::UniqueName(const std::string& base) {
  int& next = usedNames_[base];
  return base + "_" + std::to_string(next++);
}

void MainMenus::CloneSections() {
  for (size_t i = 0; i < MenuSectionCopyCount(); ++i) {
    const MenuSectionCopy& c = MenuSectionCopies()[i];
    kit::PopupMenu* target = ByName(c.popup);
    kit::MenuNode* source = Main().Find(c.source);
    if (!target || !source) continue;
    target->Root().children.clear();
    kit::CloneMenuSection(target->Root(), *source, [this](const std::string& b) { return UniqueName(b); });
  }
}

}  // namespace zorvik
