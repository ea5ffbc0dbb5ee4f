#include "app/bios_page.h"

#include <string_view>

#include "wmi/wmi_texts.h"

namespace teko {

namespace {

struct BiosRow {
  std::wstring_view property;
  std::wstring_view label;
};

// In the order the values are asked for.
constexpr BiosRow kBiosRows[] = {
    {L"CurrentLanguage", L"LabelLanguage"},     {L"Manufacturer", L"LabelManufacturer"},
    {L"Name", L"LabelBiosName"},                {L"PrimaryBIOS", L"LabelPrimary"},
    {L"SerialNumber", L"LabelSerial"},          {L"SMBIOSBIOSVersion", L"LabelSMVersion"},
    {L"SMBIOSMajorVersion", L"LabelMajor"},     {L"SMBIOSMinorVersion", L"LabelMinor"},
    {L"SMBIOSPresent", L"LabelPresent"},        {L"Status", L"LabelStatus"},
    {L"Version", L"LabelVersion"},              {L"BuildNumber", L"LabelNumber"},
};

constexpr std::wstring_view kBiosClass = L"Win32_BIOS";

}  // namespace

void FillBiosPage(WmiReader& wmi, PageSink& sink) {
  sink.SetText(L"LabelDate", BiosDateText(wmi.Property(kBiosClass, L"ReleaseDate")));
  for (const BiosRow& row : kBiosRows) sink.SetText(row.label, wmi.Property(kBiosClass, row.property));
}

}  // namespace teko
