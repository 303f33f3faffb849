// Lookup files with any bytes and any mix of line ends: no line holds a line break, and
// the lines written back (CR LF) read back the same.
#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = velomira::fuzz::Scratch().Path();
  const auto read = folder / "genre.dat", rewritten = folder / "genre-copy.dat";
  velomira::fuzz::WriteFileBytes(read, std::string_view(reinterpret_cast<const char*>(data), size));

  const TextList lines = ReadLookupFile(read.string());
  std::string expected;
  for (const std::string& line : lines) {
    Require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line break");
    expected += line + "\r\n";
  }
  Require(WriteLookupFile(rewritten.string(), lines), "lines written");
  Require(velomira::fuzz::ReadFileBytes(rewritten) == expected, "written with CR LF");
  Require(ReadLookupFile(rewritten.string()) == lines, "written lines read back");
  return 0;
}
