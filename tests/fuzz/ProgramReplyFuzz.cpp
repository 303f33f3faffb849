// Whole program-list replies read the way the windows read them: the status code is
// three digits or 0, the body starts after the header, and every field FieldAt finds
// in a record is the field SplitText found.
#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);

  const int code = ReplyCode(reply);
  Require(code >= 0 && code <= 999, "a status code has three digits");
  Require(code == 0 || reply.substr(0, 3) == std::to_string(1000 + code).substr(1), "the code is the first three characters");
  Require(IsSuccessCode(code) == (code >= 100 && code < 200), "success is 1xx");

  const std::string_view body = ReplyBody(reply);
  Require(body.empty() ? reply.size() <= ReplyHeaderLength : reply.substr(ReplyHeaderLength) == body,
          "the body follows the header");

  std::vector<std::string> records, fields;
  SplitText(body, std::string_view(&RecordSeparator, 1), records);
  const std::string_view fieldSeparator(&FieldSeparator, 1);
  for (const std::string& record : records) {
    SplitText(record, fieldSeparator, fields);
    for (std::size_t i = 0; i <= fields.size(); ++i)
      Require(FieldAt(record, fieldSeparator, static_cast<int>(i)) == RecordField(fields, i), "FieldAt finds the field");
  }
  return 0;
}
