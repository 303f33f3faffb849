#pragma once
// Opening web pages in the member's browser.
#include <string>

namespace velomira {

// Sets State().BrowserCommand: the first entry of $BROWSER when set, else "xdg-open".
void DetectBrowser();

// Starts State().BrowserCommand with address as its one argument, without waiting and
// without reporting a failure.
void OpenWebPage(const std::string& address);

}  // namespace velomira
