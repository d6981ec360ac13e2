// The API test window's choice of entries, as the settings page edits it.
#pragma once
#include <string>
#include <vector>

namespace zorvik {

class ApiEntryChoice {
public:
  virtual ~ApiEntryChoice() = default;
  // Every entry name, in the order the settings page lists them; makes the
  // API test window, hidden, when it does not exist yet.
  virtual std::vector<std::string> CatalogueNames() = 0;
  // The names the window offers now, in its order.
  virtual std::vector<std::string> OfferedNames() const = 0;
  // Offers every entry but these; the selection stays when still offered.
  virtual void SetHiddenNames(const std::vector<std::string>& hidden) = 0;
};

}  // namespace zorvik
