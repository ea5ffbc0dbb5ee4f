#include "sysinfo/recorded_cpuid.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace teko {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::optional<uint32_t> ParseHex(std::string_view text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
  uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "eax=0x00000001" -> 1, when the name matches.
std::optional<uint32_t> ParseRegister(std::string_view field, std::string_view name) {
  if (field.size() <= name.size() + 1 || field.substr(0, name.size()) != name || field[name.size()] != '=') {
    return std::nullopt;
  }
  return ParseHex(field.substr(name.size() + 1));
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < line.size()) {
    size_t start = line.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    size_t end = line.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = line.size();
    fields.push_back(line.substr(start, end - start));
    pos = end;
  }
  return fields;
}

}  // namespace

RecordedCpuid RecordedCpuid::FromDump(std::string_view dump) {
  RecordedCpuid recorded;
  int processors = 0;
  while (!dump.empty()) {
    size_t end = dump.find('\n');
    std::string_view line = TrimBlanks(dump.substr(0, end));
    dump.remove_prefix(end == std::string_view::npos ? dump.size() : end + 1);
    if (line.starts_with("CPU")) {
      if (++processors > 1) break;
      continue;
    }
    auto fields = Fields(line);
    if (fields.size() != 6 || !fields[1].ends_with(':')) continue;
    auto leaf = ParseHex(fields[0]);
    auto subleaf = ParseHex(fields[1].substr(0, fields[1].size() - 1));
    auto eax = ParseRegister(fields[2], "eax");
    auto ebx = ParseRegister(fields[3], "ebx");
    auto ecx = ParseRegister(fields[4], "ecx");
    auto edx = ParseRegister(fields[5], "edx");
    if (!leaf || !subleaf || !eax || !ebx || !ecx || !edx) continue;
    recorded.Set(*leaf, *subleaf, {*eax, *ebx, *ecx, *edx});
  }
  return recorded;
}

CpuidRegisters RecordedCpuid::Query(uint32_t leaf, uint32_t subleaf) {
  queries_.emplace_back(leaf, subleaf);
  auto it = leaves_.find({leaf, subleaf});
  return it == leaves_.end() ? CpuidRegisters{} : it->second;
}

bool RecordedCpuid::WasQueried(uint32_t leaf) const {
  return std::any_of(queries_.begin(), queries_.end(), [leaf](const Key& key) { return key.first == leaf; });
}

}  // namespace teko
