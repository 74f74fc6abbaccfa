// The desktop program's prompter: every question of the core becomes a modal message box.
#pragma once

#include "util/prompter.h"

class QWidget;

namespace jovi {

class MessageBoxPrompter final : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace jovi
