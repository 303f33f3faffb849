#pragma once
// A drop-down list of the channel search (station categories, states) read from a
// lookup file of code and name lines: "All ..." first, then the names, with the codes
// beside them ("all" for the first entry).
#include <string>

#include "core/ClientState.h"

namespace velomira {

struct CodeChoices {
  TextList Names;
  TextList Codes;
  // The code of a chosen index; empty for none (a list that could not be read).
  std::string CodeAt(int index) const;
};

// A missing file gives no choices at all; a trailing code without its name is left out.
CodeChoices ReadCodeChoices(const std::string& path, const std::string& allName);

}  // namespace velomira
