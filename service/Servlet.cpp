#include "Servlet.h"

namespace velomira::service {

void RequestLog::line(const std::string& text) {
  if (!out_) return;
  std::string clean(text);
  // Member texts end up here: no control character may forge a log line.
  for (char& c : clean) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  std::lock_guard lock(mutex_);
  *out_ << clean << '\n';
  out_->flush();
}

void ServletTable::add(std::string name, ServletHandler handler, bool bare) {
  servlets_[Lower(name)] = Servlet{std::move(handler), bare};
}

const Servlet* ServletTable::find(std::string_view name) const {
  const auto found = servlets_.find(Lower(name));
  return found == servlets_.end() ? nullptr : &found->second;
}

}  // namespace velomira::service
