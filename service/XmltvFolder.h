#pragma once
// The folder of listings the service imports from at start: each file once,
// and again only after it changed (name, size and modification time are kept).
#include <filesystem>
#include <ostream>

#include "Database.h"
#include "XmltvCommand.h"

namespace velomira::service {

// Imports the new and changed files of folder in name order, with the map,
// zone and time of settings (its file is ignored); the number imported.
int ImportXmltvFolder(Database& database, const std::filesystem::path& folder,
                      const XmltvCommand& settings, std::ostream& out, std::ostream& err);

}  // namespace velomira::service
