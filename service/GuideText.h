#pragma once
// Texts from outside (listings) in the form the guide keeps them: the
// client's code page, Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>

namespace velomira::service {

// UTF-8 to Windows-1252: runs of white space become one space (none at either
// end), the other control bytes (0x00-0x1F, among them the record and field
// separators of replies) are dropped, characters the code page lacks become
// "?"; at most maxBytes.
std::string ToGuideText(std::string_view utf8, std::size_t maxBytes);

}  // namespace velomira::service
