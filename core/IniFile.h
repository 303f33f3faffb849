#pragma once
// INI files as the client has always used them: section and key names compare
// case-insensitively, a missing or unreadable file, section or key gives the default,
// and a write keeps every other line (so it refuses a file it could not read). Every call reads the file anew (nothing is cached); every
// write replaces the file atomically through a sibling temporary file.
#include <string>

namespace velomira {

class IniFile {
 public:
  explicit IniFile(std::string path);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

  // Returns false when the file could not be read or written, or when the key (with "=",
  // a line break or a leading "[") or section (with "]" or a line break) would not read
  // back. A value with outer blanks or quotes is written quoted; reading strips one pair.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);  // "1" / "0"

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace velomira
