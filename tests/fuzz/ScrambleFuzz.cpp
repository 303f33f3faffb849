// The credential scrambler: any text with any key scrambles into three digits per byte
// and unscrambles back to itself; unscrambling any text at all is safe.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto key = input.ConsumeIntegral<std::uint16_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string scrambled = ScrambleText(text, key);
  Require(scrambled.size() == text.size() * 3, "three characters per byte");
  Require(std::all_of(scrambled.begin(), scrambled.end(), [](char c) { return c >= '0' && c <= '9'; }),
          "scrambled text is digits");
  Require(UnscrambleText(scrambled, key) == text, "unscrambling gives the text back");
  Require(UnscrambleText(text, key).size() == text.size() / 3, "one byte per complete group");
  return 0;
}
