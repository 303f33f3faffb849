#pragma once
// Listing fields that need more than a change of code page.
#include <string>
#include <vector>

#include "XmltvReader.h"

namespace velomira::service {

// "S2 E10" from <episode-num system="xmltv_ns">1.9.</episode-num> (counted
// from zero), else the "onscreen" text; empty when neither says anything.
std::string EpisodeLabel(const std::vector<EpisodeNumber>& numbers);

// The icon name of a picture address: its file name without extension, only
// letters, digits, "-" and "_" ("http://x/logos/bbc1.png?v=2" gives "bbc1").
std::string IconName(const std::string& source);

// The address when it is an http or https one a browser can open; else empty.
std::string WebAddress(const std::string& text);

}  // namespace velomira::service
