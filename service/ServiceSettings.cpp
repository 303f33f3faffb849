#include "ServiceSettings.h"

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "Query.h"

namespace velomira::service {

namespace {

struct Entry {
  const char* key;
  int ServiceSettings::*value;
};

constexpr Entry kEntries[] = {
    {"new_check_steps", &ServiceSettings::newCheckSteps},
    {"banner_steps", &ServiceSettings::bannerSteps},
    {"banner_seconds", &ServiceSettings::bannerSeconds},
    {"version", &ServiceSettings::version},
    {"reload_passes", &ServiceSettings::reloadPasses},
    {"new_fetch_checks", &ServiceSettings::newFetchChecks},
};

std::optional<int> PackageVersion(const std::filesystem::path& dataDir) {
  std::error_code error;
  if (dataDir.empty() || !std::filesystem::is_regular_file(dataDir / "app" / "VelomiraMain.zip", error)) {
    return std::nullopt;
  }
  std::ifstream file(dataDir / "app" / "version.txt");
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto number = ParseNumber(text);
  if (!number || *number < 0 || *number > 999999) return std::nullopt;
  return static_cast<int>(*number);
}

}  // namespace

ServiceSettings ReadServiceSettings(Connection& db, const std::filesystem::path& dataDir) {
  ServiceSettings settings;
  for (const auto& entry : kEntries) {
    auto row = db.prepare("SELECT value FROM settings WHERE key = ?");
    row.with(entry.key);
    if (!row.next()) continue;
    if (const auto number = ParseNumber(row.text(0))) settings.*entry.value = static_cast<int>(*number);
  }
  if (const auto version = PackageVersion(dataDir)) settings.version = *version;
  return settings;
}

void WriteServiceSettings(Connection& db, const ServiceSettings& settings) {
  for (const auto& entry : kEntries) {
    db.prepare("INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)")
        .with(entry.key, std::to_string(settings.*entry.value)).run();
  }
}

}  // namespace velomira::service
