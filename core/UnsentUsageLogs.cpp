// Usage logs the service did not take, kept for the next exit. The file names are
// rising numbers ("0000000007.log"), so name order is the order the logs were made;
// each file holds the log name, LF, and the log text.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "dFunc.h"

namespace velomira {

namespace {

constexpr std::size_t NumberDigits = 10;
constexpr std::string_view FileSuffix = ".log";

// Empty while the folders are not set up, so nothing lands in the working folder.
std::string UnsentLogFolder() {
  const std::string& data = State().DataDir;
  return data.empty() ? std::string() : ResolvePathForWrite(data + "UnsentLogs/");
}

std::optional<unsigned long long> FileNumber(const std::string& fileName) {
  if (fileName.size() != NumberDigits + FileSuffix.size() || !fileName.ends_with(FileSuffix)) return std::nullopt;
  unsigned long long number = 0;
  for (std::size_t i = 0; i < NumberDigits; ++i) {
    if (fileName[i] < '0' || fileName[i] > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(fileName[i] - '0');
  }
  return number;
}

// The waiting logs' file names, oldest first.
std::vector<std::string> WaitingFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (FileNumber(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string NumberedName(unsigned long long number) {
  std::string digits = std::to_string(number);
  return std::string(NumberDigits - std::min(NumberDigits, digits.size()), '0') + digits + std::string(FileSuffix);
}

std::optional<std::string> ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

}  // namespace

void KeepUnsentUsageLog(const std::string& name, const std::string& text) {
  try {
    const std::string folder = UnsentLogFolder();
    if (folder.empty()) return;
    ::mkdir(folder.c_str(), 0700);
    std::vector<std::string> waiting = WaitingFiles(folder);
    const unsigned long long next = waiting.empty() ? 1 : *FileNumber(waiting.back()) + 1;
    const std::string fileName = NumberedName(next);
    if (!ReplaceFileAtomically(folder + fileName, name + "\n" + text, true)) return;
    waiting.push_back(fileName);
    for (std::size_t i = 0; i + UnsentUsageLogLimit < waiting.size(); ++i) ::unlink((folder + waiting[i]).c_str());
  } catch (...) {
    // Out of memory at exit: this log is lost.
  }
}

bool SendUnsentUsageLogs() {
  try {
    const std::string folder = UnsentLogFolder();
    if (folder.empty()) return true;
    for (const std::string& fileName : WaitingFiles(folder)) {
      const std::string path = folder + fileName;
      const std::optional<std::string> content = ReadFileText(path);
      if (!content) continue;  // left for the limit to drop in time
      const std::size_t lineEnd = content->find('\n');
      // A file without its name line can never be sent: it would block every later log.
      if (lineEnd != std::string::npos && !PostUsageLog(content->substr(0, lineEnd), content->substr(lineEnd + 1)))
        return false;
      ::unlink(path.c_str());
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace velomira
