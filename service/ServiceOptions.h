#pragma once
// Command-line options of velomira-service.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velomira::service {

struct ServiceOptions {
  std::string bind = "127.0.0.1";
  int port = 8470;
  std::filesystem::path dataDir = "velomira-data";
  bool seed = false;
  std::string supportAddress = "support@velomira.example";
  std::int64_t storageCapMb = 1024;
  std::string importXmltv;                // a file, or "-" for standard input
  std::filesystem::path categoryMap;      // empty: the one beside the program
  int timeZoneMinutes = 0;                // listing times without a zone
  bool printUpdateKey = false;
};

// Nothing (and a message in error) when the arguments are not understood.
std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args,
                                                  std::string& error);

extern const char* const kServiceUsage;

}  // namespace velomira::service
