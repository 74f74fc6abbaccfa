// The save and open dialogs of the measurement files, as Qt file dialogs.
#pragma once

#include "measure/measurement_file_commands.h"

class QWidget;

namespace jovi {

class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> SavePath(const FileDialogRequest& request) override;
  std::optional<std::string> OpenPath(const FileDialogRequest& request) override;

 private:
  std::optional<std::string> Run(const FileDialogRequest& request, bool save);
  QWidget* parent_;
};

}  // namespace jovi
