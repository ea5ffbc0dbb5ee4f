#include "sysinfo/processor_names.h"

#include <algorithm>

#include "core/code_page_1252.h"

namespace teko {

namespace {

std::string Numbered(std::string_view prefix, int number, std::string_view suffix = {}) {
  return std::string(prefix) + std::to_string(number) + std::string(suffix);
}

std::string IntelFamily6Name(uint8_t model, uint32_t level2KB, uint8_t brandIndex) {
  const bool xeonSizedLevel2 = level2KB == 1024 || level2KB == 2048;
  switch (model) {
    case 1: return "Pentium Pro";
    case 3: return "Pentium II";
    case 5: return level2KB == 0 ? "Celeron" : xeonSizedLevel2 ? "Pentium II Xeon" : "Pentium II";
    case 6: return level2KB == 0 || level2KB == 128 ? "Celeron" : "Pentium II";
    case 7: return xeonSizedLevel2 ? "Pentium III Xeon" : "Pentium III";
    case 8: return brandIndex == 1 ? "Celeron" : brandIndex == 3 ? "Pentium III Xeon" : "Pentium III";
    case 10: return "Pentium III Xeon";
    case 11: return "Pentium III";
    default: return Numbered("P6 (Model ", model, ")");
  }
}

std::string Intel486Name(uint8_t model) {
  switch (model) {
    case 1: return "Intel 486DX Processor";
    case 2: return "Intel 486SX Processor";
    case 3: return "Intel DX2 Processor";
    case 5: return "Intel SX2 Processor";
    case 7: return "Write-Back Enhanced Intel DX2 Processor";
    case 8: return "Intel DX4 Processor";
    default: return "Intel 486 Processor";
  }
}

std::string AmdFamily5Name(uint8_t model) {
  switch (model) {
    case 0: case 1: case 2: case 3: return Numbered("AMD-K5 (Model ", model, ")");
    case 6: case 7: return Numbered("AMD-K6\xAE (Model ", model, ")");
    case 8: return "AMD-K6\xAE-2 (Model 8)";
    case 9: return "AMD-K6\xAE-III (Model 9)";
    default: return Numbered("Unknown AMD (Model ", model, ")");
  }
}

std::string AmdFamily6Name(uint8_t model) {
  switch (model) {
    case 1: case 2: case 4: return Numbered("AMD Athlon\x99 (Model ", model, ")");
    case 3: case 7: return Numbered("AMD Duron\x99 (Model ", model, ")");
    case 6: case 8: case 10: return Numbered("AMD Athlon\x99 XP (Model ", model, ")");
    default: return Numbered("Unknown AMD (Model ", model, ")");
  }
}

}  // namespace

std::string IntelFallbackName(uint8_t family, uint8_t model, uint32_t level2KB, uint8_t brandIndex) {
  switch (family) {
    case 4: return Intel486Name(model);
    case 5: return "Pentium";
    case 6: return IntelFamily6Name(model, level2KB, brandIndex);
    case 15: return brandIndex == 1 ? "Celeron" : brandIndex == 14 ? "Xeon" : "Pentium 4";
    default: return Numbered("P", family);
  }
}

std::string AmdFallbackName(uint8_t family, uint8_t model) {
  switch (family) {
    case 4: return "Am486(R) or Am5x86";
    case 5: return AmdFamily5Name(model);
    case 6: return AmdFamily6Name(model);
    case 8: return {};
    default: return "Unknown AMD Chip";
  }
}

std::string CyrixFallbackName(uint8_t family, uint8_t model) {
  switch (family) {
    case 4: return "Cyrix MediaGX";
    case 5: return model == 2 ? "Cyrix 6x86" : model == 4 ? "Cyrix GXm" : std::string();
    case 6: return "6x86MX";
    default: return Numbered("", family, "x86");
  }
}

void StoreText(std::span<char> field, std::string_view text) {
  std::fill(field.begin(), field.end(), '\0');
  std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
}

std::wstring FieldText(std::span<const char> field) {
  auto end = std::find(field.begin(), field.end(), '\0');
  return WideFromCodePage1252(std::string_view(field.data(), static_cast<size_t>(end - field.begin())));
}

}  // namespace teko
