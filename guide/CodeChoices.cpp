#include "CodeChoices.h"

#include "core/dFunc.h"

namespace velomira {

std::string CodeChoices::CodeAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= Codes.size()) return {};
  return Codes[static_cast<std::size_t>(index)];
}

CodeChoices ReadCodeChoices(const std::string& path, const std::string& allName) {
  CodeChoices choices;
  if (!FileExistsAnyCase(path)) return choices;
  choices.Names.push_back(allName);
  choices.Codes.push_back("all");
  const TextList lines = ReadLookupFile(path);
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    choices.Codes.push_back(lines[i]);
    choices.Names.push_back(lines[i + 1]);
  }
  return choices;
}

}  // namespace velomira
