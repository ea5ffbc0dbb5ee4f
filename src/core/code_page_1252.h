#pragma once
// Text in the Western Windows code page 1252, as the processor names are
// stored, turned into the program's UTF-16 text.
#include <string>
#include <string_view>

namespace teko {

std::wstring WideFromCodePage1252(std::string_view text);

}  // namespace teko
