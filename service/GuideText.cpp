#include "GuideText.h"

#include <algorithm>

#include "dFunc.h"

namespace velomira::service {

std::string ToGuideText(std::string_view utf8, std::size_t maxBytes) {
  const std::string codePage = velomira::FromUtf8(utf8);
  std::string out;
  out.reserve(std::min(codePage.size(), maxBytes));
  bool space = false;
  for (const char c : codePage) {
    if (out.size() >= maxBytes) break;
    const auto byte = static_cast<unsigned char>(c);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
      space = !out.empty();
    } else if (byte >= 0x20) {
      if (space) {
        if (out.size() + 1 >= maxBytes) break;
        out += ' ';
        space = false;
      }
      out += c;
    }
  }
  return out;
}

}  // namespace velomira::service
