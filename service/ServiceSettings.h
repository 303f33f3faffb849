#pragma once
// The tuning values and program version announced by a_var.
#include <filesystem>

#include "Database.h"

namespace velomira::service {

struct ServiceSettings {
  int newCheckSteps = 10;
  int bannerSteps = 10;
  int bannerSeconds = 8;
  int version = 100;
  int reloadPasses = 3;
  int newFetchChecks = 3;
};

// Stored values over the defaults; an update package in dataDir/app
// (VelomiraMain.zip with its number in version.txt) sets the version.
ServiceSettings ReadServiceSettings(Connection& db, const std::filesystem::path& dataDir);
void WriteServiceSettings(Connection& db, const ServiceSettings& settings);

}  // namespace velomira::service
