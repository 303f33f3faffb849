// INI write and re-read over any file: a value written reads back as written (less the
// line breaks a value cannot hold), every other key keeps its value, and a refused
// write leaves the file as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzSupport.h"
#include "core/AsciiText.h"
#include "core/IniFile.h"

using namespace velomira;
using velomira::fuzz::Require;

namespace {

const std::string Missing = "\x7f(missing)";

bool SameName(std::string_view a, std::string_view b) { return EqualsNoCase(TrimBlanks(a), TrimBlanks(b)); }

std::string WithoutLineBreaks(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(32);
  const std::string key = input.ConsumeRandomLengthString(32);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string otherSection = input.ConsumeRandomLengthString(32);
  const std::string otherKey = input.ConsumeRandomLengthString(32);
  const std::string content = input.ConsumeRemainingBytesAsString();

  const auto path = velomira::fuzz::Scratch().Path() / "user.ini";
  velomira::fuzz::WriteFileBytes(path, content);
  IniFile ini(path.string());
  const std::string otherBefore = ini.ReadString(otherSection, otherKey, Missing);

  if (!ini.WriteString(section, key, value)) {
    Require(velomira::fuzz::ReadFileBytes(path) == content, "a refused write leaves the file alone");
    return 0;
  }
  Require(ini.ReadString(section, key, Missing) == WithoutLineBreaks(value), "the value reads back");
  if (!SameName(section, otherSection) || !SameName(key, otherKey))
    Require(ini.ReadString(otherSection, otherKey, Missing) == otherBefore, "other keys keep their values");
  return 0;
}
