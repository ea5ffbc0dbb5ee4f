#pragma once
// The typed inventory's keys: which control of which page a key reads and
// how its text becomes a value. The schema beside tekoinfo documents them;
// a key, once published, keeps its name and meaning.
#include <span>
#include <string_view>

namespace teko {

enum class FieldKind {
  Text,     // the text as shown
  Integer,  // the whole number the text starts with ("2600 MHz" -> 2600)
  Decimal,  // the number the text starts with, either separator ("2,45 GHZ" -> 2.45)
  Bytes,    // a figure shown in MB, in bytes: exact where the page knew it
  L3Cache,  // the level-3 size in KB (the page shows whole MB on AMD)
  Boolean,  // a yes/no pair or a picture that shows
  Date,     // "dd.mm.yyyy" as ISO 8601 "yyyy-mm-dd"
  Choice,   // one of several pictures at one place: `value` of the one that shows
  Lines,    // the entries of a list
};

struct InventoryField {
  std::wstring_view control;
  std::string_view key;
  FieldKind kind = FieldKind::Text;
  std::string_view value = {};  // for Choice
};

struct InventorySection {
  std::wstring_view page;  // the report's page name
  std::string_view key;
  std::span<const InventoryField> fields;
};

// The information pages, in page order.
std::span<const InventorySection> InventorySections();

// The fields of one memory module, as selecting its bank shows it.
std::span<const InventoryField> MemoryModuleFields();

}  // namespace teko
