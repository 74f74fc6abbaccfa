// The lines a list widget shows, for comparing with what a window was given.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace jovi::test {

inline QStringList Items(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
  return items;
}

}  // namespace jovi::test
