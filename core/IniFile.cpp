#include "IniFile.h"

#include <sys/stat.h>

#include <charconv>
#include <filesystem>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

// Two threads writing the same file must not lose each other's change between the
// read and the rename.
std::mutex g_writeLock;

struct IniText {
  std::vector<std::string> Lines;  // without line ends
  std::string LineEnd = "\r\n";    // the file's own style, kept on rewrite
};

// A missing file reads as empty; nothing when the file is there but cannot be read (no
// access, a folder, a pipe, a read error), so a write never replaces settings unseen.
std::optional<IniText> LoadIni(const std::string& path) {
  IniText ini;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return ini;
  if (error || status.type() != std::filesystem::file_type::regular) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  const std::string text = buffer.str();
  if (text.find('\n') != std::string::npos && text.find("\r\n") == std::string::npos) ini.LineEnd = "\n";

  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    ini.Lines.emplace_back(text, start, end - start);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return ini;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view Key, Value;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// Line numbers of a section: the header line and one past its last line.
struct SectionSpan {
  std::size_t Header, End;
};

std::optional<SectionSpan> FindSection(const IniText& ini, const std::string& section) {
  for (std::size_t i = 0; i < ini.Lines.size(); ++i) {
    const auto name = SectionName(ini.Lines[i]);
    if (!name || !EqualsNoCase(*name, TrimBlanks(section))) continue;
    std::size_t end = i + 1;
    while (end < ini.Lines.size() && !SectionName(ini.Lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

// Names that would not read back as written: a key holding "=" or starting a "[" line,
// a section holding "]", either holding a line break (which could plant keys).
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool IsWritableKey(std::string_view key) {
  if (HasLineBreak(key) || key.find('=') != std::string_view::npos) return false;
  key = TrimBlanks(key);
  return !key.empty() && key.front() != '[';
}

bool IsWritableSection(std::string_view section) {
  return section.find(']') == std::string_view::npos && !HasLineBreak(section);
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
}

// Reading trims blanks and removes one pair of quotes around a value, so a value with
// outer blanks, or already quoted, is written inside quotes to read back whole. A line
// break inside it would add lines of its own (a member-typed proxy address could
// otherwise plant keys), so breaks are dropped.
std::string ValueText(std::string_view value) {
  std::string text(value);
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  if (text != TrimBlanks(text) || IsQuoted(text)) return '"' + text + '"';
  return text;
}

std::optional<std::size_t> FindKey(const IniText& ini, const SectionSpan& span, const std::string& key) {
  for (std::size_t i = span.Header + 1; i < span.End; ++i) {
    const auto entry = SplitKeyLine(ini.Lines[i]);
    if (entry && !entry->Key.empty() && EqualsNoCase(entry->Key, TrimBlanks(key))) return i;
  }
  return std::nullopt;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  try {
    const std::optional<IniText> loaded = LoadIni(ResolvePathCase(path_));
    if (!loaded) return fallback;
    const IniText& ini = *loaded;
    const auto span = FindSection(ini, section);
    if (!span) return fallback;
    const auto line = FindKey(ini, *span, key);
    if (!line) return fallback;
    std::string_view value = SplitKeyLine(ini.Lines[*line])->Value;
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
  } catch (...) {
    return fallback;
  }
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::string text = ReadString(section, key, {});
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.starts_with("$")) {
    base = 16;
    digits.remove_prefix(1);
  } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
    base = 16;
    digits.remove_prefix(2);
  }
  // The magnitude alone, unsigned: one sign only ("--5" and "-$-10" are not numbers),
  // and the most negative value needs no negation that could overflow.
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return fallback;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : INT32_MAX;
  if (magnitude > limit) return fallback;
  return static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!IsWritableKey(key) || !IsWritableSection(section)) return false;
  try {
    std::lock_guard lock(g_writeLock);
    const std::string target = ResolvePathForWrite(path_);
    std::optional<IniText> loaded = LoadIni(target);
    if (!loaded) return false;
    IniText& ini = *loaded;
    const std::string safeValue = ValueText(value);
    const std::string entry = std::string(TrimBlanks(key)) + "=" + safeValue;

    if (const auto span = FindSection(ini, section)) {
      if (const auto line = FindKey(ini, *span, key)) {
        const std::string written(SplitKeyLine(ini.Lines[*line])->Key);  // keep the file's spelling
        ini.Lines[*line] = written + "=" + safeValue;
      } else {
        // After the section's last non-blank line, so a blank separator stays last.
        std::size_t insertAt = span->End;
        while (insertAt > span->Header + 1 && TrimBlanks(ini.Lines[insertAt - 1]).empty()) --insertAt;
        ini.Lines.insert(ini.Lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
      }
    } else {
      ini.Lines.push_back("[" + std::string(TrimBlanks(section)) + "]");
      ini.Lines.push_back(entry);
    }

    std::string content;
    for (const std::string& line : ini.Lines) content += line + ini.LineEnd;
    return ReplaceFileAtomically(target, content);
  } catch (...) {
    return false;
  }
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

}  // namespace velomira
