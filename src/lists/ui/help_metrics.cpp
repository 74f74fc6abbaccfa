#include "lists/ui/help_metrics.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>

#include "util/ui/qt_text.h"

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

void ShowListLines(QWidget& window, QMenuBar& menu, QListWidget& list,
                   const std::vector<std::string>& lines, int min_width, int margin) {
  list.clear();
  for (const std::string& line : lines) list.addItem(ToQt(line));
  const ClientSize size = ListClientSize(lines, HelpListMetrics(list.font()), min_width, margin,
                                         window.screen()->geometry().width());
  window.resize(size.width, size.height + menu.sizeHint().height());
}

int HighlightedRow(const QListWidget& list) {
  return list.currentItem() && list.currentItem()->isSelected() ? list.currentRow() : -1;
}

void HighlightRow(QListWidget& list, int row) {
  if (row < 0 || row >= list.count()) return;
  list.setCurrentRow(row);
  list.scrollToItem(list.item(row));
}

}  // namespace jovi
