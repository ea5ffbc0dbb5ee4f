#pragma once
// The folders the locations start from, including those derived from the
// computer's folders and the chosen browser profiles.
#include <array>
#include <optional>
#include <string>

#include "cleaner/location_table.h"
#include "cleaner/rule_list.h"

namespace teko {

struct RuleBases {
  // Nothing where a base is undefined; RuleBase::None is the empty text.
  std::array<std::optional<std::wstring>, static_cast<size_t>(RuleBase::Count)> folders;
  std::wstring secondFixedDrive;  // "D:", or empty with fewer than two fixed drives

  const std::optional<std::wstring>& operator[](RuleBase base) const { return folders[static_cast<size_t>(base)]; }
};

RuleBases ResolveRuleBases(const RuleListInputs& inputs, const FileSystem& files);

}  // namespace teko
