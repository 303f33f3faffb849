// Windows-1252 and UTF-8: every code-page text survives the trip through UTF-8, and any
// UTF-8 (well-formed or not) converts to a code-page text that is then stable.
#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = ToUtf8(bytes);
  Require(utf8.size() >= bytes.size(), "every byte becomes at least one UTF-8 byte");
  Require(FromUtf8(utf8) == bytes, "code-page text survives the round trip");

  const std::string codePage = FromUtf8(bytes);
  Require(codePage.size() <= bytes.size(), "decoding never grows the text");
  Require(FromUtf8(ToUtf8(codePage)) == codePage, "a decoded text is stable");
  return 0;
}
