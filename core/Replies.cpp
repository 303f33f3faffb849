// The reply framing: a 32-character header whose first three characters are the
// status code, then the body.
#include "dFunc.h"

namespace velomira {

int ReplyCode(std::string_view reply) {
  if (reply.size() < 3) return 0;
  int code = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (reply[i] < '0' || reply[i] > '9') return 0;
    code = code * 10 + (reply[i] - '0');
  }
  return code;
}

std::string_view ReplyBody(std::string_view reply) {
  return reply.size() > ReplyHeaderLength ? reply.substr(ReplyHeaderLength) : std::string_view();
}

bool IsSuccessCode(int code) { return code >= 100 && code <= 199; }

bool ReplyFailed(std::string_view reply) {
  const int code = ReplyCode(reply);
  return reply.empty() || (code != 0 && !IsSuccessCode(code));
}

}  // namespace velomira
