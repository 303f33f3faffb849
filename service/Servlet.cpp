#include "Servlet.h"

#include <algorithm>
#include <cctype>

namespace velomira::service {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

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
