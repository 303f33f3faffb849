#pragma once
// The service's reply texts the main window tests hand to the canned service.
#include <string>
#include <vector>

namespace velomira::test {

// "100" (or code) padded to the 32-character header, then the body.
std::string Framed(const std::string& body, const std::string& code = "100");
// Fields joined by 0x01.
std::string ProgramLine(const std::vector<std::string>& fields);
// A program line of 17 fields with the given ID, address, kind and media letter.
std::string SampleProgram(const std::string& id, const std::string& address = "www.example.test/p",
                          const std::string& kind = "x", const std::string& media = "v",
                          const std::string& banner = "0");

}  // namespace velomira::test
