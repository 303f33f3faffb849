#pragma once
// Imports an XMLTV file into the guide in one transaction: its channels become
// stations (kept by their XMLTV id), its programmes replace the programs of
// those stations within the file's time range; members' presets follow a
// program that is listed again (same station and start).
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "CategoryMap.h"
#include "Database.h"
#include "XmltvReader.h"

namespace velomira::service {

struct XmltvImportOptions {
  const CategoryMap* categories = nullptr;
  int defaultOffsetMinutes = 0;  // for times without a zone or with an unknown one
  std::int64_t now = 0;          // when the programs count as put in the guide
  std::ostream* warnings = nullptr;  // programmes skipped and zones not known, with their line
};

struct XmltvImportSummary {
  int stations = 0;
  int programmes = 0;
  int skipped = 0;
};

struct XmltvImportResult {
  std::optional<XmltvFailure> failure;  // set: nothing was changed
  XmltvImportSummary summary;
};

XmltvImportResult ImportXmltv(Database& database, const std::string& path,
                              const XmltvImportOptions& options);

}  // namespace velomira::service
