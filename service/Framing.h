#pragma once
// Reply framing: a 32-character header whose first three characters are the
// status code, then records separated by 0x02 and fields by 0x01.
#include <cstdint>
#include <string>
#include <string_view>

namespace velomira::service {

constexpr char kRecordSeparator = '\x02';
constexpr char kFieldSeparator = '\x01';
constexpr std::size_t kHeaderLength = 32;

// The status code as three digits, then extra (at most 29 characters), padded
// with blanks to 32 characters.
std::string ReplyHeader(int code, std::string_view extra = {});
std::string Reply(int code, std::string_view body = {});

// Builds a body of records; field texts never carry the separators.
class RecordWriter {
public:
  RecordWriter& field(std::string_view text);
  RecordWriter& field(std::int64_t number);
  void endRecord();
  int records() const { return records_; }
  const std::string& text() const { return out_; }

private:
  std::string out_;
  bool recordOpen_ = false;
  int records_ = 0;
};

// "yyyymmddhhnn" of a UTC time in seconds since the epoch.
std::string ServiceTime(std::int64_t utcSeconds);

}  // namespace velomira::service
