#include "config/options_object.h"

#include <unistd.h>

#include <cstdlib>
#include <span>

#include "config/options_file.h"
#include "config/options_version.h"
#include "platform/folders.h"
#include "platform/program_dir.h"
#include "util/atomic_file.h"

namespace jovi {

namespace {

constexpr const char* kFallbackUserName = "ZEVA User";
constexpr const char* kStorageCaption = "Write-Enabled Storage Required";
constexpr const char* kContinueLine = "Program will continue with defaults or alternative file.";
constexpr const char* kShortFileText = "Read beyond end of file";
constexpr const char* kLongFileText = "EOF Not Reached!";

std::span<const std::uint8_t> BytesOf(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

std::string BackupFileNameFor(std::string_view file_name) {
  std::string name(file_name);
  if (const std::size_t dot = name.find('.'); dot != std::string::npos) name.erase(dot, 4);
  return name + ".BAK";
}

bool IsWriteProtected(const std::string& folder) {
  if (folder.empty()) return true;
  std::string probe = WithTrailingSlash(folder) + "Test.tmp.XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return true;
  ::close(fd);
  ::unlink(probe.c_str());
  return false;
}

bool OptsObj::InitOptions(std::string_view file_name, std::string_view version,
                          StorageEnvironment& environment) {
  rec_.ProgVersion = version;
  rec_.OptsFileName = file_name;
  rec_.BackupFileName = BackupFileNameFor(file_name);
  const std::string program_folder = WithTrailingSlash(environment.ProgramFolder());
  std::string data_folder = environment.WorkingFolder();
  if (!data_folder.empty()) data_folder = WithTrailingSlash(data_folder);
  per_user_system_ = environment.IsPerUserSystem();
  if (!SettleDataFolder(environment, data_folder)) return false;

  rec_.ProgramDir = program_folder;
  rec_.DataDir = data_folder;
  rec_.CdromRoot = environment.OpticalMediaRoot();
  if (!LoadOptions(rec_.DataDir + rec_.OptsFileName) &&
      !(rec_.DataDir != rec_.ProgramDir && LoadOptions(rec_.ProgramDir + rec_.OptsFileName))) {
    SetDefaults();
  }
  rec_.Administrator = false;
  return true;
}

bool OptsObj::SettleDataFolder(StorageEnvironment& environment, std::string& data_folder) {
  if (!per_user_system_ || !IsWriteProtected(data_folder)) return true;
  std::string user = environment.UserName();
  if (user.empty()) user = kFallbackUserName;
  const std::string candidate = WithTrailingSlash(environment.PerUserFolder(user));
  if (FolderExists(candidate) || CreateFolderWithParents(candidate)) {
    environment.SetWorkingFolder(candidate);
    data_folder = candidate;
    return true;
  }
  const Answer answer = prompter_.Ask(
      "Path \"" + data_folder + "\" is write-protected!\r\n\r\n"
      "You must provide a path to write-enabled storage.  If you are using removable storage,"
      "\r\nsuch as a USB device, please mount it before continuing, then select it in the "
      "dialog that follows.",
      kStorageCaption, Buttons::OkCancel, Icon::Stop);
  if (answer != Answer::Ok) return false;
  const std::optional<std::string> chosen = environment.ChooseFolder(candidate);
  if (!chosen || chosen->empty()) return false;
  data_folder = WithTrailingSlash(*chosen);
  return true;
}

bool OptsObj::LoadOptions(const std::string& path) {
  if (!FileExists(path)) return false;
  const FileBytes file = ReadWholeFile(path);
  if (!file.Ok()) return false;
  const std::span<const std::uint8_t> bytes = BytesOf(file.bytes);
  if (!DecodeOptionsVersion(bytes, rec_)) {
    ReportInvalid(path, kShortFileText);
    return false;
  }
  if (!VersionsCompatible(rec_.ProgVersion, rec_.FileVersion)) {
    prompter_.Tell("Options File " + path + " is obsolete.\r\n" + kContinueLine,
                   "Version Error", Icon::Information);
    RemoveFile(path);
    return false;
  }
  const OptionsDecoding decoding = DecodeOptionsFields(bytes, rec_);
  if (decoding == OptionsDecoding::TooShort) {
    ReportInvalid(path, kShortFileText);
    return false;
  }
  AfterLoad();
  if (decoding == OptionsDecoding::TooLong) {
    ReportInvalid(path, kLongFileText);
    return false;
  }
  return true;
}

bool OptsObj::SaveOptions(const std::string& folder) {
  if (rec_.EditMode) {
    const Answer answer = prompter_.Ask(
        "Edit Mode is Set!\r\n\r\nStudents using this software in Edit Mode will be able to "
        "access/change data values and program options.\r\n\r\nAre you sure you want to save "
        "these option settings?",
        "Are You Sure?", Buttons::YesNo, Icon::Stop);
    if (answer != Answer::Yes) return false;
  }
  const std::string path = folder + rec_.OptsFileName;
  if (FileExists(path)) {
    const std::string backup = folder + rec_.BackupFileName;
    const FileBytes old = ReadWholeFile(path);
    const FileWriteResult copied =
        old.Ok() ? WriteFileAtomically(backup, std::string_view(old.bytes))
                 : FileWriteResult{old.error};
    if (!copied.Ok()) {
      ReportSaveError(backup, copied.Description());
      return false;
    }
  }
  const std::vector<std::uint8_t> bytes = EncodeOptions(rec_);
  AfterSave();
  const FileWriteResult written = WriteFileAtomically(path, bytes);
  if (!written.Ok()) {
    ReportSaveError(path, written.Description());
    return false;
  }
  return true;
}

void OptsObj::ReportInvalid(const std::string& path, std::string_view description) {
  prompter_.Tell("Options File " + path + " is Invalid.\r\n" + kContinueLine + "\r\n\r\n" +
                     std::string(description),
                 "File Error", Icon::Information);
}

void OptsObj::ReportSaveError(const std::string& file, std::string_view description) {
  prompter_.Tell("Unable to save Options!\r\n\r\nFileName: " + file + "\r\n" +
                     std::string(description),
                 "Options File Error!", Icon::Stop);
}

}  // namespace jovi
