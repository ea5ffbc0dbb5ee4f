#pragma once
// The recycle bin of the prefix (the Trash of the test's own home folder).
#include <string>

namespace teko::e2e {

// The items in the recycle bins of all drives; -1 when they cannot be counted.
long long ItemsInRecycleBin();
// Moves a file of the test's own to the recycle bin; false when the shell refused.
bool MoveToRecycleBin(const std::wstring& path);

}  // namespace teko::e2e
