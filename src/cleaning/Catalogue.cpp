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

// Windows writes live kernel reports into sub-folders of their own (WATCHDOG, USBHUB3, ...).
constexpr CacheTarget kDumpTargets[] = {
    {false, "", "MEMORY.DMP"}, {false, "Minidump", "*.dmp"}, {false, "LiveKernelReports", "*.dmp", true}};
constexpr std::string_view kUpdateServices[] = {"wuauserv", "BITS"};

constexpr std::string_view kChrome[] = {"chrome.exe"};
constexpr std::string_view kEdge[] = {"msedge.exe"};
constexpr std::string_view kBrave[] = {"brave.exe"};
constexpr std::string_view kVivaldi[] = {"vivaldi.exe"};
constexpr std::string_view kFirefox[] = {"firefox.exe"};

constexpr std::array kRows = {
    CatalogueRow{"ChromeCache",
                 TextId::CatalogueChromeCache,
                 TextId::CatalogueBrowserCacheDescription,
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
                 TextId::CatalogueEdgeCache,
                 TextId::CatalogueBrowserCacheDescription,
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
                 TextId::CatalogueBraveCache,
                 TextId::CatalogueBrowserCacheDescription,
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
                 TextId::CatalogueVivaldiCache,
                 TextId::CatalogueBrowserCacheDescription,
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
                 TextId::CatalogueFirefoxCache,
                 TextId::CatalogueBrowserCacheDescription,
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
                 TextId::CatalogueInternetCache,
                 TextId::CatalogueInternetCacheDescription,
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
                 TextId::CatalogueThumbnails,
                 TextId::CatalogueThumbnailsDescription,
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
                 TextId::CatalogueErrorReports,
                 TextId::CatalogueErrorReportsDescription,
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
                 TextId::CatalogueCrashDumps,
                 TextId::CatalogueCrashDumpsDescription,
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
                 TextId::CatalogueShaderCache,
                 TextId::CatalogueShaderCacheDescription,
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
                 TextId::CatalogueSystemErrorReports,
                 TextId::CatalogueSystemErrorReportsDescription,
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
                 TextId::CatalogueMemoryDumps,
                 TextId::CatalogueMemoryDumpsDescription,
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
                 TextId::CatalogueUpdateDownloads,
                 TextId::CatalogueUpdateDownloadsDescription,
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
