#include "Browser.h"

#include <cstdlib>
#include <string_view>

#include "Process.h"
#include "core/dFunc.h"

namespace velomira {

namespace {

// $BROWSER may name several browsers separated by ":"; the first one is used.
std::string FirstBrowserEntry(std::string_view list) {
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string_view::npos) end = list.size();
    if (end > start) return std::string(list.substr(start, end - start));
    start = end + 1;
  }
  return {};
}

}  // namespace

void DetectBrowser() {
  const char* browser = std::getenv("BROWSER");
  std::string command = browser ? FirstBrowserEntry(browser) : std::string();
  State().BrowserCommand = command.empty() ? "xdg-open" : command;
}

void OpenWebPage(const std::string& address) { StartDetached(State().BrowserCommand, {address}); }

}  // namespace velomira
