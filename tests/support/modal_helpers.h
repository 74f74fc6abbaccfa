// Acting on the modal dialogs and pop-up menus a window opens while a test drives it.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace jovi::test {

// Polls the event loop until `find` gives a visible widget of type T, then runs `act` on it.
template <typename T>
void WhenShown(std::function<QWidget*()> find, std::function<void(T*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, find, act] {
    T* widget = qobject_cast<T*>(find());
    if (!widget || !widget->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(widget);
  });
  timer->start();
}

// Runs `act` on the next modal widget of type T once it is shown.
template <typename T>
void OnNextModal(std::function<void(T*)> act) {
  WhenShown<T>(&QApplication::activeModalWidget, std::move(act));
}

// Runs `act` on the next pop-up menu once it is shown.
inline void OnNextPopup(std::function<void(QMenu*)> act) {
  WhenShown<QMenu>(&QApplication::activePopupWidget, std::move(act));
}

}  // namespace jovi::test
