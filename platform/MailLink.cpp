#include "MailLink.h"

#include "Process.h"

namespace velomira {

bool OpenMailTo(const std::string& address) { return StartDetached("xdg-open", {"mailto:" + address}); }

}  // namespace velomira
