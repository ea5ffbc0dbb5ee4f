#pragma once
#include <cstdint>

namespace teko {

// The default input language handle (SPI_GETDEFAULTINPUTLANG), 0 when the
// query fails.
uint32_t QueryDefaultInputLanguage();

}  // namespace teko
