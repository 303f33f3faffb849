#pragma once
// The texts and pictures of a program's rows in the main list, from its line's fields.
#include <array>
#include <string>
#include <vector>


namespace velomira {

using ProgramFields = std::vector<std::string>;

// Caption of the date row "D"n (a play time shows the computer's date).
std::string DateLineCaption(const ProgramFields& fields);

// True when field 14 marks a program repeated on weekdays (it gets day pictures).
bool IsRepeatedProgram(const ProgramFields& fields);

// Picture names (without ".gif") for the weekday digits 1-7, red on the days in
// weekdays ("0" = every day), blue on the others.
std::array<std::string, 7> DayPictureNames(const std::string& weekdays);
inline constexpr std::array<int, 7> DayPictureLefts{185, 194, 203, 212, 221, 230, 239};

// Media icon file for a media letter, empty for an unknown letter.
std::string MediaIconName(const std::string& mediaType);

// The address a row label opens: none for kinds "s" and "w", "Http://" put in front of
// an address that does not hold "HTTP://".
std::string RowLabelAddress(const std::string& kind, const std::string& address);

// Hint of the title, date and description rows: f0 + "," + f1 + "," + f13 + ",".
std::string RowHint(const ProgramFields& fields);

// The seven characters after the "[" of a date caption (the preset offer's start text).
std::string PresetStartText(const std::string& dateCaption);

bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EqualsNoCase(const std::string& a, const std::string& b);

}  // namespace velomira
