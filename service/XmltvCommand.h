#pragma once
// velomira-service --import-xmltv: one file into the guide, reported on the
// command line.
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "Database.h"

namespace velomira::service {

struct XmltvCommand {
  std::string file;  // "-" for standard input
  std::filesystem::path categoryMap;
  int timeZoneMinutes = 0;
  std::int64_t now = 0;
};

// 0 after a one-line summary on out; 2 when the map or the file is refused
// (the reason and its line on err, the guide unchanged).
int RunXmltvImport(Database& database, const XmltvCommand& command, std::ostream& out,
                   std::ostream& err);

}  // namespace velomira::service
