#pragma once
// The typed inventory: one JSON document per machine, with a schema name and
// version, the pages as objects under readable keys, numbers as numbers.
#include <optional>
#include <string>
#include <string_view>

#include "app/inventory_fields.h"
#include "app/report_document.h"

namespace teko {

inline constexpr std::string_view kInventorySchemaName = "teko-inventory";
inline constexpr int kInventorySchemaVersion = 1;

// The JSON value of a field: a number's digits, "true"/"false", or a quoted
// text; the shown text where a number was due but the text holds none.
// `amd` decides the unit of the level-3 size.
std::string InventoryValue(const ReportEntry& entry, const InventoryField& field, bool amd);

std::string InventoryJson(const ReportDocument& document);

}  // namespace teko
