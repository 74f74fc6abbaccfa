#include "lists/ui/help_metrics.h"

#include <QFontMetrics>

#include "app/qt_text.h"

namespace jovi {

QFont HelpListFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(true);
  return font;
}

ListMetrics HelpListMetrics(const QFont& font) {
  const QFontMetrics metrics(font);
  return {[metrics](std::string_view s) { return metrics.horizontalAdvance(ToQt(s)); },
          [metrics](std::string_view) { return metrics.height(); }};
}

}  // namespace jovi
