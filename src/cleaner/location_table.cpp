#include "cleaner/location_table.h"

namespace teko {

namespace {

using B = RuleBase;
using C = RuleCondition;

constexpr std::wstring_view kSafariGerman = L"\\Anwendungsdaten\\Apple Computer\\Safari";
constexpr std::wstring_view kSafariRoaming = L"\\AppData\\Roaming\\Apple Computer\\Safari";
constexpr std::wstring_view kChromeLocal = L"\\AppData\\Local\\Google\\Chrome\\User Data\\default";
constexpr std::wstring_view kChromeGerman =
    L"\\Lokale Einstellungen\\Anwendungsdaten\\Google\\Chrome\\User Data\\Default\\";
constexpr std::wstring_view kSafariLocalGerman = L"\\Lokale Einstellungen\\Anwendungsdaten\\Apple Computer\\Safari";

constexpr LocationRow kLocations[] = {
    {B::Windows, L"\\Temp", L"\\*.* /u", C::Always},
    {B::AppData, L"", L"\\*.tmp", C::Always},
    {B::Temp, L"", L"\\*.* /u", C::Always},
    {B::InternetCache, L"", L"\\*.* /u", C::Browser},
    {B::History, L"\\History.IE5", L"\\*.* /u", C::Browser},
    {B::Cookies, L"", L"\\*.* /u", C::Browser},
    {B::Profile, L"\\Lokale Einstellungen\\Temporary Internet Files\\Content.IE5", L"\\*.* /u", C::Browser},
    {B::AppData, L"\\Opera\\Opera\\profile\\opcache", L"\\*.* /u", C::Browser},
    {B::Profile, L"\\AppData\\Local\\Temp", L"\\*.* /u", C::Always},
    {B::Profile, L"\\AppData\\Local\\1&1\\1&1 Office-Drive Manager\\Cache", L"\\*.tmp", C::Always},
    {B::LocalTempRoot, L"Local\\Temp", L"\\*.* /u", C::ProfileOffSecondDrive},
    {B::AppData, L"\\Microsoft\\Office", L"\\*.tmp", C::Always},
    {B::CommonFiles, L"\\Windows Live\\.cache", L"\\*.tmp", C::Always},
    {B::System, L"wbem\\logs", L"\\*.log", C::Always},
    {B::Windows, L"", L"\\*.log", C::Always},
    {B::None, L"C:\\Users\\All Users\\Microsoft\\eHome\\logs", L"\\*.log", C::Always},
    {B::AppData, L"\\Microsoft\\eHome\\logs", L"\\*.log", C::Always},
    {B::None, L"C:\\ProgramData\\Spybot - Search & Destroy\\Logs", L"\\*.log", C::Always},
    {B::None, L"C:\\Users\\All Users\\Spybot - Search & Destroy\\Logs", L"\\*.log", C::Always},
    {B::None, L"C:\\ProgramData\\Acronis\\TrueImageHome\\ArchiveExplorer", L"\\*.log", C::Always},
    {B::None, L"C:\\ProgramData\\Acronis\\TrueImageHome\\Logs", L"\\*.log", C::Always},
    {B::Profile, L"\\Lokale Einstellungen\\VirtualStore\\Program Files\\Yahoo!\\Messenger\\logs", L"\\*.log",
     C::Always},
    {B::Profile, L"\\Lokale Einstellungen\\VirtualStore\\Program Files\\Yahoo!\\Messenger\\cache", L"\\*.tmp",
     C::Always},
    {B::AppData, L"\\Apple Computer\\Safari", L"\\History.plist", C::Browser},
    {B::AppData, L"\\Apple Computer\\Safari", L"\\LastSession.plist", C::Browser},
    {B::AppData, L"\\Apple Computer\\Safari", L"\\Downloads.plist", C::Browser},
    {B::Profile, kSafariGerman, L"\\History.plist", C::Browser},
    {B::Profile, kSafariGerman, L"\\LastSession.plist", C::Browser},
    {B::Profile, kSafariGerman, L"\\Downloads.plist", C::Browser},
    {B::Profile, kSafariRoaming, L"\\History.plist", C::Browser},
    {B::Profile, kSafariRoaming, L"\\LastSession.plist", C::Browser},
    {B::Profile, kSafariRoaming, L"\\Downloads.plist", C::Browser},
    {B::AppData, L"\\Apple Computer\\Safari\\Cookies", L"\\*.*", C::Browser},
    {B::Profile, L"\\Anwendungsdaten\\Apple Computer\\Safari\\Cookies", L"\\*.*", C::Browser},
    {B::Profile, L"\\AppData\\Roaming\\Apple Computer\\Safari\\Cookies", L"\\*.*", C::Browser},
    {B::AppDataRoot, L"Local\\Apple Computer\\Safari\\History", L"\\*.*", C::Browser},
    {B::AppDataRoot, L"Local\\Apple Computer\\Safari\\Webpage Previews", L"\\*.*", C::Browser},
    {B::AppData, L"\\Apple Computer\\Safari", L"\\Cache.db", C::Browser},
    {B::Profile, kSafariLocalGerman, L"\\Cache.db", C::Browser},
    {B::Profile, L"\\Lokale Einstellungen\\Anwendungsdaten\\Apple Computer\\Safari\\Webpage Previews", L"\\*.*",
     C::Browser},
    {B::FirefoxRoaming, L"", L"\\places.sqlite", C::Browser},
    {B::FirefoxRoaming, L"", L"\\downloads.sqlite", C::Browser},
    {B::FirefoxRoaming, L"", L"\\cookies.sqlite", C::Browser},
    {B::FirefoxRoaming, L"", L"\\history.dat", C::Browser},
    {B::FirefoxRoaming, L"\\Cache", L"\\*.* /u", C::Browser},
    {B::FirefoxRoaming, L"\\OfflineCache", L"\\*.* /u", C::Browser},
    {B::FirefoxLocal, L"\\Cache", L"\\*.* /u", C::Browser},
    {B::FirefoxLocal, L"\\OfflineCache", L"\\*.* /u", C::Browser},
    {B::FirefoxGerman, L"", L"\\places.sqlite", C::Browser},
    {B::FirefoxGerman, L"", L"\\downloads.sqlite", C::Browser},
    {B::FirefoxGerman, L"", L"\\cookies.sqlite", C::Browser},
    {B::AppData, L"\\Opera\\Opera\\profile", L"\\global.dat", C::Browser},
    {B::AppData, L"\\Opera\\Opera\\profile", L"\\global_history.dat", C::Browser},
    {B::AppData, L"\\Opera\\Opera\\profile", L"\\typed_history.xml", C::Browser},
    {B::Profile, kChromeLocal, L"\\History", C::Browser},
    {B::Profile, kChromeLocal, L"\\Visited Links", C::Browser},
    {B::Profile, kChromeLocal, L"\\Archived History", C::Browser},
    {B::Profile, kChromeLocal, L"\\Cookies", C::Browser},
    {B::Profile, L"\\Lokale Einstellungen\\Anwendungsdaten\\Google\\Chrome\\User Data\\Default\\Cache\\", L"\\*.*",
     C::Browser},
    {B::Profile, kChromeGerman, L"\\History", C::Browser},
    {B::Profile, kChromeGerman, L"\\Last Session", C::Browser},
    {B::Profile, kChromeGerman, L"\\Visited Links", C::Browser},
    {B::Profile, kChromeGerman, L"\\Archived History", C::Browser},
    {B::Profile, kChromeGerman, L"\\Cookies", C::Browser},
    {B::Profile, L"\\Lokale Einstellungen\\Anwendungsdaten\\Google\\Chrome\\User Data\\", L"\\*.tmp", C::Browser},
    {B::Windows, L"\\Prefetch", L"\\*.*", C::Prefetch},
    // Where today's Windows keeps the crash dumps and error reports of
    // the user's programs.
    {B::LocalAppData, L"\\CrashDumps", L"\\*.dmp", C::Always},
    {B::LocalAppData, L"\\Microsoft\\Windows\\WER\\ReportArchive", L"\\*.* /u", C::Always},
    {B::LocalAppData, L"\\Microsoft\\Windows\\WER\\ReportQueue", L"\\*.* /u", C::Always},
};

constexpr IndexFileRow kIndexFiles[] = {
    {B::Profile, L"\\Lokale Einstellungen\\Temporary Internet Files\\Content.IE5\\index.dat"},
    {B::InternetCache, L"\\Content.IE5\\index.dat"},
    {B::Cookies, L"\\index.dat"},
    {B::History, L"\\History.IE5\\index.dat"},
    {B::InternetCache, L"\\Low\\Content.IE5\\index.dat"},
};

}  // namespace

std::span<const LocationRow> LocationTable() { return kLocations; }
std::span<const IndexFileRow> IndexFileTable() { return kIndexFiles; }

}  // namespace teko
