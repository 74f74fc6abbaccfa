#include "config/ui/desktop_storage_environment.h"

#include <QFileDialog>

#include "util/ui/qt_text.h"

namespace jovi {

std::optional<std::string> DesktopStorageEnvironment::ChooseFolder(const std::string& start) {
  // The chooser offers "Create New Folder", so a folder can be typed and made on the spot.
  const QString folder = QFileDialog::getExistingDirectory(
      nullptr, QStringLiteral("Select Write-Enabled Storage"), ToQt(start));
  if (folder.isEmpty()) return std::nullopt;
  return FromQt(folder);
}

}  // namespace jovi
