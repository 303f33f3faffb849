#pragma once
// What the refresh steps share: data servlet addresses, reply splitting, and the
// download of a missing picture.
#include <string>
#include <string_view>
#include <vector>

#include "core/dFunc.h"

namespace velomira::refresh {

// ServiceRoot + "/servlet/servlet." + name; the data servlets take no query.
std::string DataServletUrl(const std::string& name);

// The reply's records (0x02), each split into its fields (0x01).
std::vector<TextList> SplitRecords(std::string_view reply);
// Every field of every record, in order: the line layout of the lookup files.
TextList AllFields(std::string_view reply);
// A reply of nothing or of one blank carries no list.
bool IsBlankReply(std::string_view reply);

// A picture name from the service is a plain file name; anything else would be
// written outside its folder.
bool IsSafePictureName(std::string_view name);

// Hands State().LocalVersion (the service's newer one) to the main window unless the
// member was told of it already ([UPDATE] NOTIFIED in velomira.Ini).
void AnnounceNewVersion();

// Downloads ServiceRoot + "/down/img/" + downFolder + name through TempDir + "image.gif"
// into folder + name, unless the picture is already there.
void FetchMissingPicture(const std::string& folder, const std::string& downFolder,
                         const std::string& name);

}  // namespace velomira::refresh
