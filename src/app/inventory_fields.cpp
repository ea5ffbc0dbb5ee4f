#include "app/inventory_fields.h"

namespace teko {

namespace {

using K = FieldKind;

constexpr InventoryField kSystem[] = {
    {L"LabelName", "productName"},
    {L"LabelID", "productId"},
    {L"LabelVersionM", "versionMajor", K::Integer},
    {L"LabelVersionMin", "versionMinor", K::Integer},
    {L"LabelBuild", "build", K::Integer},
    {L"LabelPackName", "servicePack"},
    {L"LabelSPVersion", "servicePackVersion", K::Integer},
    {L"LabelIE", "internetExplorerVersion"},
    {L"LabelDirectX", "directXVersion"},
    {L"LabelCompany", "registeredCompany"},
    {L"LabelRegUser", "registeredOwner"},
    {L"LabelDefBrowser", "defaultBrowser"},
    {L"LabelPType", "pcType"},
    {L"Label113", "virtualMachine"},
};

constexpr InventoryField kCpu[] = {
    {L"LabelCPU", "name"},
    {L"LabelModel", "manufacturer"},
    {L"LabelCore", "physicalCores", K::Integer},
    {L"LabelGHZ", "clockGHz", K::Decimal},
    {L"LabelCCache", "l1CodeCacheKB", K::Integer},
    {L"LabelDCache", "l1DataCacheKB", K::Integer},
    {L"LabelL2", "l2CacheKB", K::Integer},
    {L"LabelL3", "l3CacheKB", K::L3Cache},
    {L"Image64bit1", "is64Bit", K::Boolean},
    {L"ImageHyper1", "hyperThreading", K::Boolean},
    {L"ImageMMX1", "mmx", K::Boolean},
    {L"ImageNow1", "threeDNow", K::Boolean},
    {L"LabelVendor", "vendorId"},
    {L"LabelVolt", "currentVoltageV", K::Decimal},
    {L"LabelSocket", "socket"},
    {L"LabelProcID", "processorId"},
    {L"LabelRole", "role"},
    {L"LabelMaxSpeed", "maxClockGHz", K::Decimal},
};

constexpr InventoryField kFolders[] = {
    {L"LabelAppdata", "appData"},
    {L"LabelDesktop", "commonDesktop"},
    {L"LabelStartUp", "commonStartUp"},
    {L"LabelFavorites1", "commonFavorites"},
    {L"LabelCookies", "cookies"},
    {L"LabelMyDesktop", "desktop"},
    {L"LabelMyFavorites", "favorites"},
    {L"LabelHistory", "history"},
    {L"LabelInternet", "internetCache"},
    {L"LabelMyStartUp", "startUp"},
    {L"LabelSystem", "system"},
    {L"LabelTemp", "temp"},
};

constexpr InventoryField kNetwork[] = {
    {L"LabelDomain", "domainName"},
    {L"LabelIP", "ipAddress"},
    {L"LabelCName", "computerName"},
    {L"LabelWorkgroup", "workgroup"},
    {L"LabelUser", "userName"},
    {L"ImageOnline", "online", K::Boolean},
};

constexpr InventoryField kMemory[] = {
    {L"LabelTotalPhysMem", "totalPhysicalBytes", K::Bytes},
    {L"LabelFreePhys", "freePhysicalBytes", K::Bytes},
    {L"LabelPhys2", "freePhysicalPercent", K::Integer},
    {L"LabelMemLoad", "memoryLoadPercent", K::Integer},
    {L"LabelMem2", "usedPhysicalBytes", K::Bytes},
    {L"LabelTotalVMem", "totalVirtualBytes", K::Bytes},
    {L"LabelFreeVMem", "freeVirtualBytes", K::Bytes},
    {L"LabelVPercent", "freeVirtualPercent", K::Integer},
    {L"LabelTotalPMem", "totalPageFileBytes", K::Bytes},
    {L"LabelFreePageMem", "freePageFileBytes", K::Bytes},
    {L"LabelPPercent", "freePageFilePercent", K::Integer},
    {L"LabelSwapSize", "swapFileUsedBytes", K::Integer},
    {L"LabelSwapUse", "swapFileUsagePercent", K::Integer},
};

constexpr InventoryField kDisplay[] = {
    {L"LabelColor", "colors"},
    {L"LabelSWidth", "widthPixels", K::Integer},
    {L"LabelSHeight", "heightPixels", K::Integer},
    {L"LabelDpi", "dpi", K::Integer},
    {L"LabelHZ", "refreshRateHz", K::Integer},
    {L"LabelBits", "bitsPerPixel", K::Integer},
    {L"LabelIHeight", "iconHeightPixels", K::Integer},
    {L"LabelIWidth", "iconWidthPixels", K::Integer},
    {L"LabelIcons", "iconLocation"},
    {L"LabelSSaver", "screensaver"},
    {L"LabelWallpaper", "wallpaper"},
    {L"LabelMonitor", "monitors", K::Integer},
    {L"LabelGCard", "adapter"},
    {L"LabelGRam", "adapterRamBytes", K::Bytes},
    {L"LabelGRefresh", "adapterFramesPerSecond", K::Integer},
    {L"LabelGProc", "adapterProcessor"},
    {L"LabelGDevice", "driverVersion"},
    {L"LabelPNP", "pnpDeviceId"},
    {L"LabelGStatus", "adapterStatus"},
};

constexpr InventoryField kApm[] = {
    {L"Labelpercent", "batteryLifePercent", K::Integer},
    {L"ImageLineOff", "acLineStatus", K::Choice, "offline"},
    {L"ImageLineOn", "acLineStatus", K::Choice, "online"},
    {L"ImageUnKnown", "acLineStatus", K::Choice, "unknown"},
};

constexpr InventoryField kBios[] = {
    {L"LabelDate", "releaseDate", K::Date},
    {L"LabelLanguage", "language"},
    {L"LabelManufacturer", "manufacturer"},
    {L"LabelBiosName", "name"},
    {L"LabelPrimary", "primaryBios"},
    {L"LabelSerial", "serialNumber"},
    {L"LabelSMVersion", "smbiosVersion"},
    {L"LabelMajor", "smbiosMajorVersion", K::Integer},
    {L"LabelMinor", "smbiosMinorVersion", K::Integer},
    {L"LabelPresent", "smbiosPresent"},
    {L"LabelStatus", "status"},
    {L"LabelVersion", "version"},
    {L"LabelNumber", "buildNumber"},
};

constexpr InventoryField kMainBoard[] = {
    {L"LabelBDescription", "description"},
    {L"LabelBManufacturer", "manufacturer"},
    {L"LabelBProduct", "product"},
    {L"LabelBVersion", "version"},
    {L"LabelBModel", "model"},
    {L"LabelBName", "name"},
    {L"LabelHosting", "hostingBoard"},
    {L"LabelBSerial", "serialNumber"},
    {L"LabelPowered", "poweredOn"},
    {L"LabelBTag", "tag"},
    {L"LabelBusType", "primaryBusType"},
    {L"LabelBoardState", "status"},
};

constexpr InventoryField kMemoryModule[] = {
    {L"ComboBox1", "bank"},
    {L"LabelMemTag", "tag"},
    {L"LabelMemSpeed", "speedMHz", K::Integer},
    {L"LabelMemModule", "module"},
    {L"LabelMemCapacity", "capacityBytes", K::Bytes},
    {L"LabelMemSocket", "totalWidthBits", K::Integer},
    {L"LabelMemManufacturer", "manufacturer"},
    {L"LabelMemForm", "formFactor"},
};

constexpr InventorySection kSections[] = {
    {L"System", "system", kSystem},    {L"CPU", "cpu", kCpu},        {L"Folders", "folders", kFolders},
    {L"Network", "network", kNetwork}, {L"Memory", "memory", kMemory}, {L"Display", "display", kDisplay},
    {L"APM", "apm", kApm},             {L"Bios", "bios", kBios},     {L"MainBoard", "mainboard", kMainBoard},
};

}  // namespace

std::span<const InventorySection> InventorySections() { return kSections; }

std::span<const InventoryField> MemoryModuleFields() { return kMemoryModule; }

}  // namespace teko
