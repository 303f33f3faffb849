#pragma once
// A streaming reader of XMLTV listings (libxml2's xmlTextReader): hands each
// <channel> and <programme> over as it is read, so memory stays bounded
// whatever the size of the file. Texts are UTF-8 as libxml2 decodes them.
#include <optional>
#include <string>
#include <vector>

namespace velomira::service {

struct XmltvChannel {
  int line = 0;
  std::string id;
  std::string name;  // the first display-name
  std::string url;
  std::string icon;  // src of the first icon
};

struct EpisodeNumber {
  std::string system;  // "xmltv_ns", "onscreen", ...
  std::string text;
};

struct XmltvProgramme {
  int line = 0;
  std::string channel;
  std::string start;
  std::string stop;  // empty when the listing has none
  std::string title;  // lang="en" when there is one, else the first
  std::string subTitle;
  std::string description;
  std::string url;
  std::vector<std::string> categories;
  std::vector<EpisodeNumber> episodes;
};

class XmltvSink {
public:
  virtual ~XmltvSink() = default;
  virtual void channel(const XmltvChannel& channel) = 0;
  virtual void programme(const XmltvProgramme& programme) = 0;
};

struct XmltvFailure {
  int line = 0;
  std::string reason;
};

// Longest text kept of one element; the rest is dropped.
inline constexpr std::size_t kMaxXmltvText = 64 * 1024;

// Reads the whole file (path "-" is standard input) into sink; the line and
// reason when it is not well-formed XML or not XMLTV. Never loads anything
// from the network or an external entity or DTD.
std::optional<XmltvFailure> ReadXmltv(const std::string& path, XmltvSink& sink);

}  // namespace velomira::service
