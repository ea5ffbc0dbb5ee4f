#pragma once
// Names of processors that do not report their own, as the record stores
// them: code page 1252 bytes (0xAE is the registered sign, 0x99 trade mark).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace teko {

std::string IntelFallbackName(uint8_t family, uint8_t model, uint32_t level2KB, uint8_t brandIndex);
// Empty for family 8, which has no name.
std::string AmdFallbackName(uint8_t family, uint8_t model);
// Empty for the family 5 models without a name.
std::string CyrixFallbackName(uint8_t family, uint8_t model);

// Copies a text into a fixed field, NUL-padded and cut to the field's size.
void StoreText(std::span<char> field, std::string_view text);
// A field's text up to its first NUL, turned from code page 1252 into UTF-16.
std::wstring FieldText(std::span<const char> field);

}  // namespace teko
