#include "XmltvCommand.h"

#include "CategoryMap.h"
#include "XmltvImport.h"

namespace velomira::service {

int RunXmltvImport(Database& database, const XmltvCommand& command, std::ostream& out,
                   std::ostream& err) {
  std::string error;
  const auto categories = CategoryMap::Load(command.categoryMap, error);
  if (!categories) {
    err << "category map refused: " << error << "\n";
    return 2;
  }
  const std::string name = command.file == "-" ? "standard input" : command.file;
  XmltvImportOptions options;
  options.categories = &*categories;
  options.defaultOffsetMinutes = command.timeZoneMinutes;
  options.now = command.now;
  options.warnings = &err;
  const auto result = ImportXmltv(database, command.file, options);
  if (result.failure) {
    err << name << ":" << result.failure->line << ": " << result.failure->reason
        << "; nothing imported\n";
    return 2;
  }
  out << name << ": imported " << result.summary.stations << " stations and "
      << result.summary.programmes << " programmes, skipped " << result.summary.skipped
      << " programmes" << std::endl;
  return 0;
}

}  // namespace velomira::service
