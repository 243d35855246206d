#include "cleaning/Catalogue.h"

#include <array>
#include <string_view>

namespace vantrelle::cleaning {

namespace {

using platform::KnownFolder;
using namespace std::string_view_literals;

// Every Chromium browser keeps the same layout under its "User Data".
constexpr CacheTarget kChromiumTargets[] = {
    {true, "Cache", ""},        {true, "Code Cache", ""},     {true, "GPUCache", ""},
    {false, "ShaderCache", ""}, {false, "GrShaderCache", ""}, {false, "GraphiteDawnCache", ""},
};
constexpr std::string_view kChromiumKept[] = {"Cookies*",    "Login Data*", "Web Data*",         "History*",
                                              "Preferences", "Local State", "Secure Preferences"};
constexpr std::string_view kChromiumDescription =
    "Cached pages, scripts and images; your history, passwords, cookies and open tabs stay";

constexpr CacheTarget kFirefoxTargets[] = {{true, "cache2", ""}, {true, "jumpListCache", ""}};
constexpr std::string_view kFirefoxKept[] = {"logins.json", "key4.db", "cookies.sqlite*", "places.sqlite*",
                                             "sessionstore*"};

constexpr CacheTarget kWholeFolder[] = {{false, "", ""}};
constexpr CacheTarget kThumbnailFiles[] = {{false, "", "thumbcache_*.db"}};
constexpr std::string_view kExplorerKept[] = {"iconcache_*.db"};
constexpr CacheTarget kInternetCacheTargets[] = {{false, "INetCache", ""}};
constexpr std::string_view kInternetCacheKept[] = {"WebCache", "INetCookies"};
constexpr CacheTarget kErrorReportTargets[] = {{false, "ReportArchive", ""}, {false, "ReportQueue", ""}};
constexpr CacheTarget kDumpFiles[] = {{false, "", "*.dmp"}};

constexpr CacheTarget kDumpTargets[] = {
    {false, "", "MEMORY.DMP"}, {false, "Minidump", "*.dmp"}, {false, "LiveKernelReports", "*.dmp"}};
constexpr std::string_view kUpdateServices[] = {"wuauserv", "BITS"};

constexpr std::string_view kChrome[] = {"chrome.exe"};
constexpr std::string_view kEdge[] = {"msedge.exe"};
constexpr std::string_view kBrave[] = {"brave.exe"};
constexpr std::string_view kVivaldi[] = {"vivaldi.exe"};
constexpr std::string_view kFirefox[] = {"firefox.exe"};

constexpr std::array kRows = {
    CatalogueRow{"ChromeCache",
                 "Chrome cache",
                 kChromiumDescription,
                 KnownFolder::LocalAppData,
                 "Google\\Chrome\\User Data",
                 "Preferences",
                 kChromiumTargets,
                 kChromiumKept,
                 "Chrome",
                 kChrome,
                 {KnownFolder::LocalAppData, "Google\\Chrome\\User Data\\lockfile"},
                 ""},
    CatalogueRow{"EdgeCache",
                 "Edge cache",
                 kChromiumDescription,
                 KnownFolder::LocalAppData,
                 "Microsoft\\Edge\\User Data",
                 "Preferences",
                 kChromiumTargets,
                 kChromiumKept,
                 "Edge",
                 kEdge,
                 {KnownFolder::LocalAppData, "Microsoft\\Edge\\User Data\\lockfile"},
                 ""},
    CatalogueRow{"BraveCache",
                 "Brave cache",
                 kChromiumDescription,
                 KnownFolder::LocalAppData,
                 "BraveSoftware\\Brave-Browser\\User Data",
                 "Preferences",
                 kChromiumTargets,
                 kChromiumKept,
                 "Brave",
                 kBrave,
                 {KnownFolder::LocalAppData, "BraveSoftware\\Brave-Browser\\User Data\\lockfile"},
                 ""},
    CatalogueRow{"VivaldiCache",
                 "Vivaldi cache",
                 kChromiumDescription,
                 KnownFolder::LocalAppData,
                 "Vivaldi\\User Data",
                 "Preferences",
                 kChromiumTargets,
                 kChromiumKept,
                 "Vivaldi",
                 kVivaldi,
                 {KnownFolder::LocalAppData, "Vivaldi\\User Data\\lockfile"},
                 ""},
    CatalogueRow{"FirefoxCache",
                 "Firefox cache",
                 kChromiumDescription,
                 KnownFolder::LocalAppData,
                 "Mozilla\\Firefox\\Profiles",
                 "*",
                 kFirefoxTargets,
                 kFirefoxKept,
                 "Firefox",
                 kFirefox,
                 {KnownFolder::RoamingAppData, "Mozilla\\Firefox\\Profiles\\*\\parent.lock"},
                 ""},
    CatalogueRow{"InternetCache",
                 "Internet cache",
                 "Pages and files saved by Windows' own web components",
                 KnownFolder::LocalAppData,
                 "Microsoft\\Windows",
                 "",
                 kInternetCacheTargets,
                 kInternetCacheKept,
                 "",
                 {},
                 {},
                 "Internet Cache Files"},
    CatalogueRow{"Thumbnails",
                 "Thumbnails",
                 "Small pictures Explorer makes of files again when needed",
                 KnownFolder::LocalAppData,
                 "Microsoft\\Windows\\Explorer",
                 "",
                 kThumbnailFiles,
                 kExplorerKept,
                 "",
                 {},
                 {},
                 "Thumbnail Cache"},
    CatalogueRow{"ErrorReports",
                 "Error reports",
                 "Reports of programs that stopped, sent or waiting to be sent",
                 KnownFolder::LocalAppData,
                 "Microsoft\\Windows\\WER",
                 "",
                 kErrorReportTargets,
                 {},
                 "",
                 {},
                 {},
                 ""},
    CatalogueRow{"CrashDumps",
                 "Crash dumps",
                 "Memory dumps left by programs that crashed (*.dmp)",
                 KnownFolder::LocalAppData,
                 "CrashDumps",
                 "",
                 kDumpFiles,
                 {},
                 "",
                 {},
                 {},
                 ""},
    CatalogueRow{"ShaderCache",
                 "DirectX shader cache",
                 "Compiled graphics shaders, made again when needed",
                 KnownFolder::LocalAppData,
                 "D3DSCache",
                 "",
                 kWholeFolder,
                 {},
                 "",
                 {},
                 {},
                 "D3D Shader Cache"},
};

constexpr std::array kMachineRows = {
    CatalogueRow{"SystemErrorReports",
                 "System error reports",
                 "Reports of Windows and its services that stopped, sent or waiting to be sent",
                 KnownFolder::ProgramData,
                 "Microsoft\\Windows\\WER",
                 "",
                 kErrorReportTargets,
                 {},
                 "",
                 {},
                 {},
                 ""},
    CatalogueRow{"MemoryDumps",
                 "System memory dumps",
                 "Memory dumps Windows wrote when it stopped (*.dmp)",
                 KnownFolder::Windows,
                 "",
                 "",
                 kDumpTargets,
                 {},
                 "",
                 {},
                 {},
                 ""},
    CatalogueRow{"UpdateDownloads",
                 "Windows Update downloads",
                 "Updates downloaded for installing, fetched again when needed",
                 KnownFolder::Windows,
                 "SoftwareDistribution\\Download",
                 "",
                 kWholeFolder,
                 {},
                 "Windows Update",
                 {},
                 {},
                 "",
                 kUpdateServices},
};

}  // namespace

std::span<const CatalogueRow> Catalogue() { return kRows; }

std::span<const CatalogueRow> MachineCatalogue() { return kMachineRows; }

const CatalogueRow* FindCatalogueRow(std::string_view id) {
  for (const auto rows : {Catalogue(), MachineCatalogue()}) {
    for (const CatalogueRow& row : rows) {
      if (row.id == id) return &row;
    }
  }
  return nullptr;
}

}  // namespace vantrelle::cleaning
