#include "RefreshData.h"

#include <cstdio>

namespace velomira::refresh {

std::string DataServletUrl(const std::string& name) {
  return ServiceRoot() + "/servlet/servlet." + name;
}

std::vector<TextList> SplitRecords(std::string_view reply) {
  TextList records;
  SplitText(reply, std::string_view(&RecordSeparator, 1), records);
  std::vector<TextList> split(records.size());
  for (std::size_t i = 0; i < records.size(); ++i)
    SplitText(records[i], std::string_view(&FieldSeparator, 1), split[i]);
  return split;
}

TextList AllFields(std::string_view reply) {
  TextList lines;
  for (TextList& record : SplitRecords(reply))
    for (std::string& field : record) lines.push_back(std::move(field));
  return lines;
}

bool IsBlankReply(std::string_view reply) { return reply.empty() || reply == " "; }

bool IsSafePictureName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

void FetchMissingPicture(const std::string& folder, const std::string& downFolder,
                         const std::string& name) {
  if (FileExistsAnyCase(folder + name)) return;
  const std::string staging = ResolvePathForWrite(State().TempDir + "image.gif");
  if (!HttpGetFile(ServiceRoot() + "/down/img/" + downFolder + name, staging)) return;
  std::rename(staging.c_str(), ResolvePathForWrite(folder + name).c_str());
}

}  // namespace velomira::refresh
