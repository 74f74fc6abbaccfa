#include "measure/ui/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

// "Binary (ZEVA) Format|*.DAT" as Qt names it: "Binary (ZEVA) Format (*.DAT *.dat)", so that
// lower-case names show too.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1].trimmed();
    filters << QStringLiteral("%1 (%2 %3)").arg(parts[i].trimmed(), pattern, pattern.toLower());
  }
  return filters;
}

}  // namespace

std::optional<std::string> QtFileDialogs::SavePath(const FileDialogRequest& request) {
  return Run(request, true);
}

std::optional<std::string> QtFileDialogs::OpenPath(const FileDialogRequest& request) {
  return Run(request, false);
}

std::optional<std::string> QtFileDialogs::Run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ask_before_overwrite);
  const QStringList filters = NameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  dialog.setDefaultSuffix(ToQt(request.default_extension).remove(0, 1));
  dialog.setDirectory(ToQt(request.folder));
  if (!request.file_name.empty()) {
    const QFileInfo name(ToQt(request.file_name));
    if (name.isAbsolute()) dialog.setDirectory(name.absolutePath());
    dialog.selectFile(name.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQt(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

}  // namespace jovi
