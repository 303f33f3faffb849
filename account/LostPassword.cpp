#include "account/LostPassword.h"

#include "core/dFunc.h"

namespace velomira {

bool EmailAddressAcceptable(std::string_view email) {
  // Positions counted from 1, 0 when absent, as the member's dialog always did.
  const auto position = [email](char c) {
    const auto at = email.find(c);
    return at == std::string_view::npos ? std::size_t{0} : at + 1;
  };
  const std::size_t at = position('@');
  const std::size_t dot = position('.');
  return !(at == 0 && dot == 0) && dot >= at;
}

std::string LostPasswordUrl(std::string_view serviceRoot, std::string_view id,
                            std::string_view email) {
  std::string url(serviceRoot);
  url += "/servlet/servlet.LostPassword?usr_id=";
  url += UrlEncode(id);
  url += "&email=";
  url += UrlEncode(email);
  return url;
}

}  // namespace velomira
