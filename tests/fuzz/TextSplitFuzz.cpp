// SplitText and FieldAt with any delimiter: the pieces join back to the text (less a
// trailing delimiter, whose empty last piece is dropped), and FieldAt finds the same
// pieces one by one.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string delimiter = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  std::vector<std::string> pieces;
  SplitText(text, delimiter, pieces);

  if (delimiter.empty()) {
    Require(pieces.size() == (text.empty() ? 0u : 1u), "no delimiter gives the text whole");
    Require(FieldAt(text, delimiter, 0) == text, "field 0 without a delimiter is the text");
    return 0;
  }

  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Require(pieces[i].find(delimiter) == std::string::npos, "a piece holds no delimiter");
    Require(FieldAt(text, delimiter, static_cast<int>(i)) == pieces[i], "FieldAt matches SplitText");
    Require(RecordField(pieces, i) == pieces[i], "RecordField gives the piece");
    if (i > 0) joined += delimiter;
    joined += pieces[i];
  }
  Require(joined == text || joined + delimiter == text, "pieces join back to the text");
  Require(FieldAt(text, delimiter, static_cast<int>(pieces.size())).empty(), "past the last piece is empty");
  Require(FieldAt(text, delimiter, -1).empty(), "a negative index is empty");
  Require(RecordField(pieces, pieces.size()).empty(), "a missing field is empty");
  return 0;
}
