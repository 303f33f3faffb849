// Splitting reply texts. Program lists reach several megabytes, so each piece is
// found with one search from the previous delimiter: the work is linear in the text.
#include "dFunc.h"

namespace velomira {

void SplitText(std::string_view text, std::string_view delimiter, std::vector<std::string>& list) {
  list.clear();
  try {
    if (delimiter.empty()) {
      // Nothing to split at (and no endless loop looking for an empty delimiter).
      if (!text.empty()) list.emplace_back(text);
      return;
    }
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(delimiter, start)) != std::string_view::npos;) {
      list.emplace_back(text.substr(start, found - start));
      start = found + delimiter.size();
    }
    if (start < text.size()) list.emplace_back(text.substr(start));
  } catch (...) {
    list.clear();  // out of memory: no pieces rather than some
  }
}

std::string FieldAt(std::string_view text, std::string_view delimiter, int index) {
  if (index < 0) return {};
  if (delimiter.empty()) return index == 0 ? std::string(text) : std::string();
  std::size_t start = 0;
  for (int piece = 0; piece < index; ++piece) {
    const std::size_t found = text.find(delimiter, start);
    if (found == std::string_view::npos) return {};
    start = found + delimiter.size();
  }
  const std::size_t end = text.find(delimiter, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

const std::string& RecordField(const std::vector<std::string>& fields, std::size_t index) {
  static const std::string empty;
  return index < fields.size() ? fields[index] : empty;
}

}  // namespace velomira
