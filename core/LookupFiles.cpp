// Lookup files in DataDir: one value per line, CR LF line ends.
#include <fstream>
#include <iterator>

#include "dFunc.h"

namespace velomira {

bool WriteLookupFile(const std::string& path, const TextList& lines) {
  try {
    std::string content;
    for (const std::string& line : lines) content.append(line).append("\r\n");
    return ReplaceFileAtomically(ResolvePathForWrite(path), content);
  } catch (...) {
    return false;
  }
}

TextList ReadLookupFile(const std::string& path) {
  TextList lines;
  try {
    std::ifstream in(ResolvePathCase(path), std::ios::binary);
    if (!in) return lines;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // CR LF, LF and a lone CR all end a line; the last line needs no line end.
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find_first_of("\r\n", start);
      if (end == std::string::npos) end = text.size();
      lines.emplace_back(text, start, end - start);
      if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
      start = end + 1;
    }
  } catch (...) {
    lines.clear();
  }
  return lines;
}

}  // namespace velomira
