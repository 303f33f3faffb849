#include "controls/CodePageText.h"

#include "core/dFunc.h"

namespace velomira {

QString ToQString(std::string_view codePageText) {
  return QString::fromStdString(ToUtf8(codePageText));
}

std::string FromQString(const QString& text) { return FromUtf8(text.toStdString()); }

QString MessageText(std::string_view codePageText) {
  QString text = ToQString(codePageText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

QString ShortcutFreeText(std::string_view codePageText) {
  return ToQString(codePageText).replace(QChar('&'), QStringLiteral("&&"));
}

}  // namespace velomira
