#include "measure/measurement_file_commands.h"

#include "measure/measurement_files.h"
#include "util/ascii_case.h"
#include "util/general_error.h"

namespace jovi {

namespace {

std::size_t FileNameStart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

bool AskYes(Prompter& prompter, const char* text, const char* caption, Icon icon) {
  return prompter.Ask(text, caption, Buttons::YesNo, icon) == Answer::Yes;
}

}  // namespace

std::string UpperExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < FileNameStart(path)) return {};
  return AsciiUpper(path.substr(dot));
}

std::string DefaultSaveName(const std::string& last_save_path) {
  if (last_save_path.empty()) return kDefaultSaveName;
  // Only the file name's dot: the folders above it may hold dots of their own.
  const std::size_t dot = last_save_path.find('.', FileNameStart(last_save_path));
  return last_save_path.substr(0, dot);
}

MeasurementImport ImportMeasurementBytes(MeasurementStore& store, const std::string& file_name,
                                         std::span<const std::uint8_t> bytes, bool merge) {
  MeasurementImport import;
  const std::string extension = UpperExtension(file_name);
  if (extension != ".DAT" && extension != ".CSV") {
    import.result = MeasurementImport::Result::WrongExtension;
    return import;
  }
  if (bytes.size() > kMostMeasurementFileBytes) {
    import.error = "The file is larger than any measurement file";
    return import;
  }
  const MeasurementFileContent content =
      extension == ".DAT"
          ? BinaryFileRecords(bytes)
          : CsvFileRecords(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                            bytes.size()));
  import.skipped = content.skipped;
  import.records = content.records.size();
  if (!content.Ok()) {
    import.error = content.error;
    return import;
  }
  if (content.records.empty()) {
    import.result = MeasurementImport::Result::NoRecords;
    return import;
  }
  TakeLoadedRecords(store, content.records, merge);
  import.result = MeasurementImport::Result::Taken;
  return import;
}

MeasurementFileCommands::MeasurementFileCommands(MeasurementStore& store, Prompter& prompter,
                                                 FileDialogs& dialogs)
    : store_(store), prompter_(prompter), dialogs_(dialogs) {}

bool MeasurementFileCommands::Save(MeasurementFormat format, const std::string& user_dir,
                                   float zone_hours) {
  if (store_.table.IsEmpty()) {
    prompter_.Tell("Nothing to save!", "No Results Recorded!", Icon::Exclamation);
    store_.DataSaved = true;
    return false;
  }
  const bool binary = format == MeasurementFormat::Binary;
  const std::string wanted = binary ? ".DAT" : ".CSV";
  FileDialogRequest request;
  request.default_extension = wanted;
  request.filter = binary ? kBinarySaveFilter : kCsvSaveFilter;
  request.folder = user_dir;
  request.file_name = DefaultSaveName(last_save_path_);
  request.ask_before_overwrite = true;
  const std::optional<std::string> chosen = dialogs_.SavePath(request);
  if (!chosen) return false;
  const std::string& path = *chosen;
  last_save_path_ = path;
  const std::string extension = UpperExtension(path);
  if (extension != wanted) {
    prompter_.Tell("File format (" + extension + ") is invalid!  Must be " +
                       (binary ? ".DAT for binary file" : ".CSV"),
                   "Cannot Save File!", Icon::Stop);
    return false;
  }
  const FileWriteResult result =
      binary ? WriteBinaryFile(path, store_) : WriteCsvFile(path, store_, zone_hours);
  if (result.Ok()) {
    if (store_.observer) store_.observer->TableSaved(store_.table);
    return true;
  }
  prompter_.Tell("Unable to open " + path + " for output.\r\nData not saved!\r\n\r\n" +
                     result.Description() + ".",
                 "File Error", Icon::Stop);
  return false;
}

bool MeasurementFileCommands::Load(const std::string& user_dir) {
  FileDialogRequest request;
  const bool csv_before = UpperExtension(last_load_path_) == ".CSV";
  request.default_extension = csv_before ? ".CSV" : ".DAT";
  request.filter_index = csv_before ? 2 : 1;
  request.filter = kLoadFilter;
  request.folder = user_dir;
  request.file_name = last_load_path_;
  const std::optional<std::string> chosen = dialogs_.OpenPath(request);
  if (!chosen) return false;
  const std::string& path = *chosen;
  last_load_path_ = path;
  const std::string extension = UpperExtension(path);
  if (extension != ".DAT" && extension != ".CSV") {
    prompter_.Tell("File format (" + extension + ") is invalid!  Must be .DAT or .CSV.",
                   "Cannot Load File!", Icon::Stop);
    return false;
  }
  // The file is read whole before anything changes: one that cannot be read leaves the table.
  const MeasurementFileContent content =
      extension == ".DAT" ? ReadBinaryFile(path) : ReadCsvFile(path);
  if (!content.Ok()) {
    ReportGeneralError(content.error, prompter_);
    return false;
  }

  bool merge = false;
  if (!store_.table.IsEmpty()) {
    merge = AskYes(prompter_, "Do you want to merge the file\r\ndata with your current data?",
                   "Merge Data?", Icon::Question);
  }
  if (!merge && !store_.DataSaved &&
      !AskYes(prompter_,
              "You will lose information if you do not save\r\nthe current data before loading "
              "this file!\r\n\r\nDo you want to continue with this load?",
              "Data Not Saved!", Icon::Stop)) {
    return false;
  }
  TakeLoadedRecords(store_, content.records, merge);

  if (store_.table.IsEmpty()) {
    prompter_.Tell(path + " contains no valid data!", "No Data Loaded", Icon::Information);
  } else {
    std::string text = "Data loaded from " + path + ".";
    if (merge) text += "\r\n\r\nMerged with existing data.";
    if (content.skipped > 0) {
      text += "\r\n\r\n" + std::to_string(content.skipped) +
              " damaged record(s) without a valid date were left out.";
    }
    prompter_.Tell(text, "Data Loaded", Icon::Information);
  }
  return true;
}

}  // namespace jovi
