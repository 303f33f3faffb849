#include "XmltvReader.h"

#include <fcntl.h>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

namespace velomira::service {

namespace {

constexpr std::size_t kMaxCategories = 16;
constexpr std::size_t kMaxEpisodeNumbers = 8;
// Entities of the file's own DTD are expanded (libxml2 stops expansions that
// grow out of proportion); external ones are never loaded, and without the
// HUGE option libxml2 also caps nesting depth and the size of one text.
constexpr int kParseOptions = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOCDATA;

#if LIBXML_VERSION >= 21200
using ErrorRecord = const xmlError*;
#else
using ErrorRecord = xmlErrorPtr;
#endif

// The read in progress on this thread, for the entity loader, which libxml2
// calls without our context.
struct ReadInProgress {
  xmlTextReaderPtr reader;
  std::optional<XmltvFailure>* failure;
};
thread_local ReadInProgress* tCurrentRead = nullptr;

void Note(std::optional<XmltvFailure>& failure, int line, std::string reason) {
  if (!failure) failure = XmltvFailure{line, std::move(reason)};
}

xmlParserInputPtr RefuseExternalEntity(const char* url, const char*, xmlParserCtxtPtr) {
  if (tCurrentRead) {
    Note(*tCurrentRead->failure, xmlTextReaderGetParserLineNumber(tCurrentRead->reader),
         std::string("external entity not loaded: ") + (url ? url : ""));
  }
  return nullptr;
}

void RecordError(void* failure, ErrorRecord error) {
  if (!error || error->level < XML_ERR_ERROR) return;
  std::string message = error->message ? error->message : "not well-formed";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  Note(*static_cast<std::optional<XmltvFailure>*>(failure), error->line, std::move(message));
}

struct ReaderDeleter {
  void operator()(xmlTextReaderPtr reader) const { xmlFreeTextReader(reader); }
};

struct FileCloser {
  int fd;
  ~FileCloser() {
    if (fd >= 0) close(fd);
  }
};

bool IsEnglish(std::string_view lang) {
  return lang == "en" || lang.substr(0, 3) == "en-" || lang.substr(0, 3) == "en_";
}

// A text that several elements may give: the first, unless a later one is English.
class LanguageChoice {
public:
  // Where the text of an element in lang goes; nullptr when it is not wanted.
  std::string* offer(std::string& target, std::string_view lang) {
    if (taken_ && (english_ || !IsEnglish(lang))) return nullptr;
    taken_ = true;
    english_ = IsEnglish(lang);
    target.clear();
    return &target;
  }
  void reset() { taken_ = english_ = false; }

private:
  bool taken_ = false;
  bool english_ = false;
};

class ListingReader {
public:
  ListingReader(xmlTextReaderPtr reader, XmltvSink& sink, std::optional<XmltvFailure>& failure)
      : reader_(reader), sink_(sink), failure_(failure) {}

  void run() {
    int status = 0;
    while (!failure_ && (status = xmlTextReaderRead(reader_)) == 1) {
      const int depth = xmlTextReaderDepth(reader_);
      switch (xmlTextReaderNodeType(reader_)) {
        case XML_READER_TYPE_ELEMENT:
          startElement(depth, xmlTextReaderIsEmptyElement(reader_) == 1);
          break;
        case XML_READER_TYPE_END_ELEMENT:
          endElement(depth);
          break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
          if (text_ && depth == 3) append(xmlTextReaderConstValue(reader_));
          break;
        default:
          break;
      }
    }
    if (!failure_ && status != 0) Note(failure_, line(), "not well-formed XML");
    if (!failure_ && !sawRoot_) Note(failure_, line(), "no <tv> element");
  }

private:
  // The line of the node read; the parser itself may be further on.
  int line() const {
    const xmlNodePtr node = xmlTextReaderCurrentNode(reader_);
    const long nodeLine = node ? xmlGetLineNo(node) : -1;
    return nodeLine > 0 ? static_cast<int>(nodeLine) : xmlTextReaderGetParserLineNumber(reader_);
  }

  std::string_view name() const {
    const xmlChar* name = xmlTextReaderConstName(reader_);
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
  }

  std::string attribute(const char* attributeName) const {
    xmlChar* value = xmlTextReaderGetAttribute(reader_, BAD_CAST attributeName);
    if (!value) return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text.size() > kMaxXmltvText ? text.substr(0, kMaxXmltvText) : text;
  }

  void append(const xmlChar* value) {
    if (!value) return;
    const std::string_view piece(reinterpret_cast<const char*>(value));
    if (text_->size() < kMaxXmltvText) text_->append(piece.substr(0, kMaxXmltvText - text_->size()));
  }

  void startElement(int depth, bool empty) {
    if (depth == 0) {
      if (name() != "tv") {
        Note(failure_, line(), "the root element is <" + std::string(name()) + ">, not <tv>");
      }
      sawRoot_ = true;
    } else if (depth == 1) {
      startRecord();
      if (empty) endRecord();
    } else if (depth == 2) {
      text_ = record_ == Record::kChannel     ? channelField()
              : record_ == Record::kProgramme ? programmeField()
                                              : nullptr;
      if (empty) text_ = nullptr;
    }
  }

  void endElement(int depth) {
    if (depth == 2) text_ = nullptr;
    if (depth == 1) endRecord();
  }

  void startRecord() {
    const std::string_view element = name();
    if (element == "channel") {
      record_ = Record::kChannel;
      channel_ = XmltvChannel{line(), attribute("id"), {}, {}, {}};
      nameTaken_ = false;
    } else if (element == "programme") {
      record_ = Record::kProgramme;
      programme_ = XmltvProgramme{};
      programme_.line = line();
      programme_.channel = attribute("channel");
      programme_.start = attribute("start");
      programme_.stop = attribute("stop");
      title_.reset();
      subTitle_.reset();
      description_.reset();
    } else {
      record_ = Record::kNone;
    }
  }

  void endRecord() {
    if (record_ == Record::kChannel) sink_.channel(channel_);
    if (record_ == Record::kProgramme) sink_.programme(programme_);
    record_ = Record::kNone;
    text_ = nullptr;
  }

  std::string* channelField() {
    const std::string_view element = name();
    if (element == "display-name" && !nameTaken_) {
      nameTaken_ = true;
      return &channel_.name;
    }
    if (element == "url" && channel_.url.empty()) return &channel_.url;
    if (element == "icon" && channel_.icon.empty()) channel_.icon = attribute("src");
    return nullptr;
  }

  std::string* programmeField() {
    const std::string_view element = name();
    if (element == "title") return title_.offer(programme_.title, attribute("lang"));
    if (element == "sub-title") return subTitle_.offer(programme_.subTitle, attribute("lang"));
    if (element == "desc") return description_.offer(programme_.description, attribute("lang"));
    if (element == "url" && programme_.url.empty()) return &programme_.url;
    if (element == "category" && programme_.categories.size() < kMaxCategories) {
      return &programme_.categories.emplace_back();
    }
    if (element == "episode-num" && programme_.episodes.size() < kMaxEpisodeNumbers) {
      return &programme_.episodes.emplace_back(EpisodeNumber{attribute("system"), {}}).text;
    }
    return nullptr;
  }

  enum class Record { kNone, kChannel, kProgramme };

  xmlTextReaderPtr reader_;
  XmltvSink& sink_;
  std::optional<XmltvFailure>& failure_;
  bool sawRoot_ = false;
  Record record_ = Record::kNone;
  XmltvChannel channel_;
  bool nameTaken_ = false;  // the first display-name wins, even an empty one
  XmltvProgramme programme_;
  LanguageChoice title_, subTitle_, description_;
  std::string* text_ = nullptr;  // the field the text being read belongs to
};

}  // namespace

std::optional<XmltvFailure> ReadXmltv(const std::string& path, XmltvSink& sink) {
  const bool standardInput = path == "-";
  const int fd = standardInput ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return XmltvFailure{0, std::string("cannot open: ") + std::strerror(errno)};
  FileCloser closer{standardInput ? -1 : fd};

  xmlSetExternalEntityLoader(RefuseExternalEntity);
  std::unique_ptr<xmlTextReader, ReaderDeleter> reader(
      xmlReaderForFd(fd, standardInput ? "stdin" : path.c_str(), nullptr, kParseOptions));
  if (!reader) return XmltvFailure{0, "cannot start the XML reader"};

  std::optional<XmltvFailure> failure;
  xmlTextReaderSetStructuredErrorHandler(reader.get(), RecordError, &failure);
  ReadInProgress read{reader.get(), &failure};
  tCurrentRead = &read;
  struct ClearCurrent {
    ~ClearCurrent() { tCurrentRead = nullptr; }
  } clear;
  ListingReader(reader.get(), sink, failure).run();
  return failure;
}

}  // namespace velomira::service
