#pragma once
// The boundary between core texts (Windows-1252 bytes) and Qt's QString.
#include <QString>
#include <string>
#include <string_view>

namespace velomira {

QString ToQString(std::string_view codePageText);
std::string FromQString(const QString& text);
// A message for a label: CR LF and lone CR become line breaks (callers use both).
QString MessageText(std::string_view codePageText);
// A caption for a control that reads "&" as a shortcut mark (buttons, group boxes):
// doubled, so it shows literally.
QString ShortcutFreeText(std::string_view codePageText);

}  // namespace velomira
