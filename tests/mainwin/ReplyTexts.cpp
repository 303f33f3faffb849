#include "ReplyTexts.h"

namespace velomira::test {

std::string Framed(const std::string& body, const std::string& code) {
  std::string header = code;
  header.resize(32, ' ');
  return header + body;
}

std::string ProgramLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\x01';
    line += fields[i];
  }
  return line;
}

std::string SampleProgram(const std::string& id, const std::string& address, const std::string& kind,
                          const std::string& media, const std::string& banner) {
  return ProgramLine({id, "icon07", media, "202612101330", "202612101430", "Title " + id, address,
                      "Station", "www.station.test", " ", "", "About " + id, banner, kind, "n", "", "0"});
}

}  // namespace velomira::test
