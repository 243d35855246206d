#include "cleaning/WindowsHandlers.h"

#include <algorithm>
#include <span>

#include "cleaning/Catalogue.h"

namespace vantrelle::cleaning {

namespace {

// Done by the program's own locations, so never offered twice.
constexpr std::string_view kNeverListed[] = {"Recycle Bin", "DownloadsFolder", "Temporary Files"};

// They need administrator rights: the machine's run alone calls them.
constexpr std::string_view kMachineHandlers[] = {
    "Update Cleanup",
    "Previous Installations",
    "Windows Upgrade Log Files",
    "Device Driver Packages",
    "Windows ESD installation files",
    "Temporary Setup Files",
    "Setup Log Files",
    "Delivery Optimization Files",
    "Windows Defender",
    "Old ChkDsk Files",
    "Upgrade Discarded Files",
    "Service Pack Cleanup",
    "Language Pack",
    "RetailDemo Offline Content",
    "BranchCache",
    "Diagnostic Data Viewer database files",
    "System error memory dump files",
    "System error minidump files",
    "Windows Error Reporting System Archive Files",
    "Windows Error Reporting System Queue Files",
};

constexpr std::string_view kShippedPersonHandlers[] = {
    "Active Setup Temp Folders",
    "Content Indexer Cleaner",
    "Downloaded Program Files",
    "Feedback Hub Archive log files",
    "Offline Pages Files",
    "Temporary Sync Files",
    "User file versions",
    "Windows Error Reporting Files",
    // Windows 10 before 1809 split the error reports into these.
    "Windows Error Reporting Archive Files",
    "Windows Error Reporting Queue Files",
    "Windows Error Reporting Temp Files",
};

struct Consequence {
  std::string_view keyName;
  TextId text;
};

constexpr Consequence kConsequences[] = {
    {"Previous Installations", TextId::ConsequencePreviousInstallations},
    {"Update Cleanup", TextId::ConsequenceUpdateCleanup},
    {"Windows ESD installation files", TextId::ConsequenceInstallationFiles},
    {"Device Driver Packages", TextId::ConsequenceDriverPackages},
};

bool In(std::span<const std::string_view> names, std::string_view keyName) {
  return std::find(names.begin(), names.end(), keyName) != names.end();
}

}  // namespace

bool NeverListedHandler(std::string_view keyName) {
  if (In(kNeverListed, keyName)) return true;
  return std::any_of(Catalogue().begin(), Catalogue().end(),
                     [&](const CatalogueRow& row) { return row.cleanupHandler == keyName; });
}

bool MachineHandler(std::string_view keyName) { return In(kMachineHandlers, keyName); }

std::span<const std::string_view> MachineHandlerNames() { return kMachineHandlers; }

bool PersonHandler(std::string_view keyName) { return !NeverListedHandler(keyName) && !MachineHandler(keyName); }

std::span<const std::string_view> ShippedPersonHandlerNames() { return kShippedPersonHandlers; }

std::optional<TextId> HandlerConsequence(std::string_view keyName) {
  for (const Consequence& consequence : kConsequences) {
    if (consequence.keyName == keyName) return consequence.text;
  }
  return std::nullopt;
}

std::vector<platform::CleanupHandlerInfo> ChoosableHandlers(const std::vector<platform::CleanupHandlerInfo>& all,
                                                            HandlerOwner owner) {
  std::vector<platform::CleanupHandlerInfo> choosable;
  for (const auto& handler : all) {
    if (NeverListedHandler(handler.keyName)) continue;
    if (MachineHandler(handler.keyName) == (owner == HandlerOwner::Machine)) choosable.push_back(handler);
  }
  return choosable;
}

}  // namespace vantrelle::cleaning
