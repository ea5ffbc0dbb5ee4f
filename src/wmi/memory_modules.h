#pragma once
// The installed memory modules as the "MainBoard" page shows them: four
// slots of already formatted texts, filled by the recorder while the module
// properties are walked, kept for the whole program.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

struct MemoryModule {
  std::wstring tag;
  std::wstring manufacturer;
  std::wstring bankLabel;
  std::wstring deviceLocator;
  std::wstring capacity;    // "8192 MB"
  std::wstring speed;       // "1333 MHz"
  std::wstring totalWidth;  // "64 pins"
  std::wstring formFactor;  // "DIMM"
};

class MemoryModuleTable {
 public:
  static constexpr int kSlots = 4;

  // One non-null property value of the module at `position` (0 for the
  // first enumerated). Modules from the fourth on share the last slot.
  void Record(int position, std::wstring_view property, std::wstring_view value);
  // Empties every field except the bank label and the form factor, which
  // keep their texts until a module records new ones.
  void Clear();

  const MemoryModule& Slot(int slot) const { return slots_.at(static_cast<size_t>(slot)); }
  // The bank labels of the slots that have one, in slot order: the entries
  // of the bank list.
  std::vector<std::wstring> BankEntries() const;
  // The slot an entry of BankEntries() stands for, or -1.
  int SlotOfEntry(int entry) const;

 private:
  std::array<MemoryModule, kSlots> slots_;
};

// "Capacity" in bytes as whole MB, half-way values to the even neighbour;
// empty text when it is no unsigned decimal number.
std::wstring ModuleCapacityText(std::wstring_view bytes);
// "FormFactor" as its name; "Unknown" for other values and non-numbers.
std::wstring FormFactorText(std::wstring_view code);

}  // namespace teko
