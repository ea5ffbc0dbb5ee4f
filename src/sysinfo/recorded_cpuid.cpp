#include "sysinfo/recorded_cpuid.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace teko {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Hex digits, optionally after "0x"; at most eight digits.
std::optional<uint32_t> ParseHex(std::string_view text, bool prefixRequired) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else if (prefixRequired) {
    return std::nullopt;
  }
  if (text.empty() || text.size() > 8) return std::nullopt;
  uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "eax=0x00000001" -> 1, when the name matches.
std::optional<uint32_t> ParseRegister(std::string_view field, std::string_view name) {
  if (field.size() <= name.size() + 1 || field.substr(0, name.size()) != name || field[name.size()] != '=') {
    return std::nullopt;
  }
  return ParseHex(field.substr(name.size() + 1), true);
}

// Up to seven blank-separated fields; a seventh means too many.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < line.size() && fields.size() < 7) {
    size_t start = line.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    size_t end = line.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = line.size();
    fields.push_back(line.substr(start, end - start));
    pos = end;
  }
  return fields;
}

// "CPU:" or "CPU 12:", the tool's heading of each processor.
bool IsProcessorHeading(std::string_view line) {
  if (!line.starts_with("CPU") || !line.ends_with(':')) return false;
  std::string_view number = TrimBlanks(line.substr(3, line.size() - 4));
  return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The line without its comment and surrounding blanks.
std::string_view Content(std::string_view line) {
  size_t hash = line.find('#');
  if (hash != std::string_view::npos) line = line.substr(0, hash);
  return TrimBlanks(line);
}

// What a reader of the message needs of a bad line: its start, printable.
std::string Quoted(std::string_view line) {
  std::string shown;
  for (char c : line.substr(0, 60)) shown += (c >= 0x20 && c < 0x7F) ? c : '?';
  return "\"" + shown + (line.size() > 60 ? "...\"" : "\"");
}

}  // namespace

std::optional<CpuidDumpLine> ParseCpuidDumpLine(std::string_view line) {
  auto fields = Fields(TrimBlanks(line));
  if (fields.size() != 6) return std::nullopt;
  std::optional<uint32_t> leaf, subleaf, eax, ebx, ecx, edx;
  if (fields[1].ends_with(':')) {
    leaf = ParseHex(fields[0], true);
    subleaf = ParseHex(fields[1].substr(0, fields[1].size() - 1), true);
    eax = ParseRegister(fields[2], "eax");
    ebx = ParseRegister(fields[3], "ebx");
    ecx = ParseRegister(fields[4], "ecx");
    edx = ParseRegister(fields[5], "edx");
  } else {
    leaf = ParseHex(fields[0], false);
    subleaf = ParseHex(fields[1], false);
    eax = ParseHex(fields[2], false);
    ebx = ParseHex(fields[3], false);
    ecx = ParseHex(fields[4], false);
    edx = ParseHex(fields[5], false);
  }
  if (!leaf || !subleaf || !eax || !ebx || !ecx || !edx) return std::nullopt;
  return CpuidDumpLine{{*leaf, *subleaf}, {*eax, *ebx, *ecx, *edx}};
}

RecordedCpuid RecordedCpuid::FromDump(std::string_view dump) {
  RecordedCpuid recorded;
  int processors = 0;
  if (dump.starts_with("\xEF\xBB\xBF")) dump.remove_prefix(3);
  while (!dump.empty()) {
    size_t end = dump.find('\n');
    std::string_view line = Content(dump.substr(0, end));
    dump.remove_prefix(end == std::string_view::npos ? dump.size() : end + 1);
    if (IsProcessorHeading(line)) {
      if (++processors > 1) break;
      continue;
    }
    auto parsed = ParseCpuidDumpLine(line);
    if (parsed && !recorded.leaves_.contains(parsed->key)) recorded.leaves_[parsed->key] = parsed->registers;
  }
  return recorded;
}

CpuidDump ParseCpuidDump(std::string_view text) {
  CpuidDump dump;
  if (text.size() > kMaxCpuidDumpBytes) {
    dump.error = "larger than " + std::to_string(kMaxCpuidDumpBytes / 1024) + " KB: a CPUID dump takes a few KB";
    return dump;
  }
  if (text.find('\0') != std::string_view::npos) {
    dump.error = "holds NUL bytes: not a text file (a UTF-16 or binary file?)";
    return dump;
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::map<RecordedCpuid::Key, CpuidRegisters> seen;
  size_t lineNumber = 0;
  bool later = false;  // past the first processor: its lines are checked, not kept
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    std::string_view line = Content(raw);
    if (line.empty()) continue;
    if (IsProcessorHeading(line)) {
      later = ++dump.processors > 1;
      continue;
    }
    auto parsed = ParseCpuidDumpLine(line);
    if (!parsed) {
      dump.error = "line " + std::to_string(lineNumber) +
                   " is not a register line (\"leaf subleaf eax ebx ecx edx\" in hex," +
                   " or the output of cpuid -r): " + Quoted(raw);
      return dump;
    }
    if (later) continue;
    auto [it, added] = seen.emplace(parsed->key, parsed->registers);
    if (!added) {
      // Some recording tools repeat a subleaf under a wrong number: the first stands.
      if (!(it->second == parsed->registers)) dump.repeated.push_back(parsed->key);
      continue;
    }
    if (seen.size() > kMaxCpuidDumpLeaves) {
      dump.error = "more than " + std::to_string(kMaxCpuidDumpLeaves) + " leaves: not the dump of one processor";
      return dump;
    }
    dump.cpuid.Set(parsed->key.first, parsed->key.second, parsed->registers);
  }
  if (seen.empty()) {
    dump.error = "holds no CPUID register line";
  } else if (!dump.cpuid.HasLeaf(0)) {
    dump.error = "has no leaf 0, which names the vendor and the highest standard leaf";
  }
  return dump;
}

bool RecordedCpuid::HasLeaf(uint32_t leaf) const {
  auto it = leaves_.lower_bound({leaf, 0});
  return it != leaves_.end() && it->first.first == leaf;
}

CpuidRegisters RecordedCpuid::Query(uint32_t leaf, uint32_t subleaf) {
  queries_.emplace_back(leaf, subleaf);
  auto it = leaves_.find({leaf, subleaf});
  return it == leaves_.end() ? CpuidRegisters{} : it->second;
}

bool RecordedCpuid::WasQueried(uint32_t leaf) const {
  return std::any_of(queries_.begin(), queries_.end(), [leaf](const Key& key) { return key.first == leaf; });
}

std::vector<uint32_t> RecordedCpuid::MissingLeaves() const {
  std::set<uint32_t> missing;
  for (const Key& key : queries_) {
    if (!HasLeaf(key.first)) missing.insert(key.first);
  }
  return {missing.begin(), missing.end()};
}

}  // namespace teko
