// Text between the core (UTF-8 in std::string) and Qt, for every window of the program.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace jovi {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) { return text.toStdString(); }

// A message of the core ("\r\n" between its lines) as a message box shows it.
inline QString MessageToQt(std::string_view text) {
  QString message = ToQt(text);
  message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return message;
}

}  // namespace jovi
