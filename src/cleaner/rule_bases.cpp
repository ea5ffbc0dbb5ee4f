#include "cleaner/rule_bases.h"

#include "cleaner/firefox_profile.h"

namespace teko {

namespace {

std::optional<std::wstring> Defined(const std::wstring& folder) {
  if (folder.empty()) return std::nullopt;
  return folder;
}

// {AppData} up to and including the backslash of its first "\Roaming".
std::optional<std::wstring> AppDataRoot(const std::wstring& appData) {
  size_t at = appData.find(L"\\Roaming");
  if (at == std::wstring::npos) return std::nullopt;
  return appData.substr(0, at + 1);
}

// {AppData} before its first "Roaming", when that starts at the seventh
// character or later.
std::optional<std::wstring> LocalTempRoot(const std::wstring& appData) {
  size_t at = appData.find(L"Roaming");
  if (at == std::wstring::npos || at < 6) return std::nullopt;
  return appData.substr(0, at);
}

// {History} up to and including the backslash of its first "\Microsoft",
// when that is not the first character.
std::optional<std::wstring> HistoryRoot(const std::wstring& history) {
  size_t at = history.find(L"\\Microsoft");
  if (at == std::wstring::npos || at < 1) return std::nullopt;
  return history.substr(0, at + 1);
}

}  // namespace

RuleBases ResolveRuleBases(const RuleListInputs& inputs, const FileSystem& files) {
  RuleBases bases;
  auto set = [&](RuleBase base, std::optional<std::wstring> folder) {
    bases.folders[static_cast<size_t>(base)] = std::move(folder);
  };
  set(RuleBase::None, std::wstring());
  set(RuleBase::Windows, Defined(inputs.windows));
  std::wstring system = inputs.system;
  if (!system.empty() && system.back() != L'\\') system += L'\\';
  set(RuleBase::System, Defined(system));
  set(RuleBase::Temp, Defined(inputs.temp));
  set(RuleBase::CommonFiles, Defined(inputs.commonFiles));
  set(RuleBase::AppData, Defined(inputs.appData));
  set(RuleBase::LocalAppData, Defined(inputs.localAppData));
  set(RuleBase::InternetCache, Defined(inputs.internetCache));
  set(RuleBase::Cookies, Defined(inputs.cookies));
  set(RuleBase::History, Defined(inputs.history));
  set(RuleBase::Profile, Defined(inputs.profile));
  if (!inputs.appData.empty()) {
    set(RuleBase::AppDataRoot, AppDataRoot(inputs.appData));
    set(RuleBase::LocalTempRoot, LocalTempRoot(inputs.appData));
    set(RuleBase::FirefoxRoaming, PickFirefoxProfile(files, inputs.appData + L"\\Mozilla\\Firefox\\Profiles"));
  }
  if (!inputs.history.empty()) {
    auto root = HistoryRoot(inputs.history);
    set(RuleBase::HistoryRoot, root);
    if (root) set(RuleBase::FirefoxLocal, PickFirefoxProfile(files, *root + L"Mozilla\\Firefox\\Profiles"));
  }
  if (!inputs.profile.empty()) {
    set(RuleBase::FirefoxGerman,
        PickFirefoxProfile(files, inputs.profile + L"\\Anwendungsdaten\\Mozilla\\Firefox\\Profiles"));
  }
  if (inputs.fixedDrives.size() >= 2) bases.secondFixedDrive = std::wstring(1, inputs.fixedDrives[1]) + L":";
  return bases;
}

}  // namespace teko
