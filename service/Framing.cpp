#include "Framing.h"

#include <ctime>
#include <cstdio>

namespace velomira::service {

std::string ReplyHeader(int code, std::string_view extra) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03d", code % 1000);
  std::string header(digits);
  header.append(extra.substr(0, kHeaderLength - header.size()));
  header.resize(kHeaderLength, ' ');
  return header;
}

std::string Reply(int code, std::string_view body) {
  std::string reply = ReplyHeader(code);
  reply.append(body);
  return reply;
}

RecordWriter& RecordWriter::field(std::string_view text) {
  if (recordOpen_) {
    out_.push_back(kFieldSeparator);
  } else if (records_ > 0) {
    out_.push_back(kRecordSeparator);
  }
  recordOpen_ = true;
  const std::size_t start = out_.size();
  out_.append(text);
  // A stored text must never split a record: separators become blanks.
  for (std::size_t at = out_.find_first_of("\x01\x02", start); at != std::string::npos;
       at = out_.find_first_of("\x01\x02", at + 1)) {
    out_[at] = ' ';
  }
  return *this;
}

RecordWriter& RecordWriter::field(std::int64_t number) { return field(std::to_string(number)); }

void RecordWriter::endRecord() {
  if (recordOpen_) ++records_;
  recordOpen_ = false;
}

std::string ServiceTime(std::int64_t utcSeconds) {
  const std::time_t t = static_cast<std::time_t>(utcSeconds);
  std::tm parts{};
  gmtime_r(&t, &parts);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", parts.tm_year + 1900,
                parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min);
  return text;
}

}  // namespace velomira::service
