# The XMLTV import and what it needs of the service: SQLite and libxml2.
# Included after the target loop; XmltvImport is one of FUZZ_TARGETS.
pkg_check_modules(FUZZ_SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
pkg_check_modules(FUZZ_LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
set(XMLTV_SOURCES CategoryMap Database GuideText Schema TimeZone XmltvFields XmltvImport XmltvReader
                  XmltvTimes)
list(TRANSFORM XMLTV_SOURCES PREPEND ${SOURCE_ROOT}/service/)
list(TRANSFORM XMLTV_SOURCES APPEND .cpp)
add_library(fuzz_service_xmltv STATIC ${XMLTV_SOURCES})
target_include_directories(fuzz_service_xmltv PUBLIC ${SOURCE_ROOT}/service)
target_link_libraries(fuzz_service_xmltv PUBLIC fuzz_core PkgConfig::FUZZ_SQLITE3 PkgConfig::FUZZ_LIBXML2)
target_link_libraries(XmltvImportFuzz PRIVATE fuzz_service_xmltv)
target_compile_definitions(XmltvImportFuzz PRIVATE
  VELOMIRA_XMLTV_MAP="${SOURCE_ROOT}/service/xmltv-categories.map")
