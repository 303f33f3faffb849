#pragma once
// The service side of the forgotten-password dialog.
#include <string>
#include <string_view>

namespace velomira {

// The only check made on an address before it is sent: it holds an "@" or a ".", and
// its first "." does not come before its first "@".
bool EmailAddressAcceptable(std::string_view email);

// servlet.LostPassword with both values URL-encoded.
std::string LostPasswordUrl(std::string_view serviceRoot, std::string_view id,
                            std::string_view email);

}  // namespace velomira
