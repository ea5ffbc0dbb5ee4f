#pragma once
// The texts the pages make of WMI values. Every value arrives as text
// (empty when it could not be read); these turn it into what a label shows.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace teko {

// A decimal whole number, blanks around it allowed; nothing for other text.
std::optional<int64_t> ParseInteger(std::wstring_view text);
std::optional<uint64_t> ParseUnsigned64(std::wstring_view text);
// A value read as a number where empty text, and any other text that is no
// number, counts as 0.
int64_t WmiNumber(std::wstring_view text);

// "ReleaseDate" (yyyymmdd...) as dd.mm.yyyy; the parts beyond a short text
// stay empty, so empty text gives "..".
std::wstring BiosDateText(std::wstring_view releaseDate);

// "PCSystemType" as its name; empty and unknown codes are "Unspecified".
std::wstring PcTypeText(std::wstring_view code);

// The virtual-machine verdict from a video adapter's description.
std::wstring VmVerdictText(std::wstring_view description);

// "AdapterRAM", a signed 32-bit text standing for an unsigned byte count, in
// whole MB: "256 MB".
std::wstring AdapterRamText(std::wstring_view adapterRam);
// The bus enumerator of a "PNPDeviceID": its first three characters.
std::wstring PnpBusText(std::wstring_view pnpDeviceId);

// "MaxClockSpeed" in MHz as GHz with two decimals: "3.40 GHZ".
std::wstring MaxClockText(std::wstring_view maxClockSpeed, wchar_t decimalSeparator);

}  // namespace teko
