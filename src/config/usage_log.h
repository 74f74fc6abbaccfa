// LogFileObj: the usage log. When the working options say WriteLog, a login block is appended
// when the exercise session starts and a logout block, with the elapsed time, when the program
// closes. The file is 8-bit text with CR LF line ends and is only ever added to.
#pragma once

#include <string>

#include "astro/date_time.h"
#include "config/options_record.h"
#include "config/student_info.h"
#include "util/real.h"

namespace jovi {

inline constexpr const char* kLogAppTag = "ZEVA_JUP";

class LogFileObj {
 public:
  // `options` is the working copy whose WriteLog is consulted at every write.
  explicit LogFileObj(const OptsRec& options) : options_(options) {}

  // Keeps the three values, reads the clock (zone difference 0) and starts the elapsed time.
  void Init(std::string app_tag, std::string log_path, const StudentInfo* login);
  void WriteLogin();
  // Reads the clock again and appends the logout block with the time since Init.
  void WriteLogout();

  bool LoginWritten() const { return login_written_; }
  bool LogoutWritten() const { return logout_written_; }
  int LastIoResult() const { return last_io_result_; }  // of the last attempt to write

 private:
  bool Enabled() const;
  bool Append(const std::string& block);

  const OptsRec& options_;
  bool login_written_ = false;
  bool logout_written_ = false;
  int last_io_result_ = 0;
  DateTimeRec clock_;
  Real start_jd_ = 0;
  std::string app_tag_;
  std::string log_path_;
  const StudentInfo* login_ = nullptr;
};

// The log's path: `log_file_name` itself when it names a folder, else `data_dir` + it.
std::string LogPathFor(const std::string& log_file_name, const std::string& data_dir);

// The blocks as they are appended, every line ending in CR LF.
std::string LoginBlockText(const std::string& app_tag, const DateTimeRec& clock,
                           const StudentInfo& login);
std::string LogoutBlockText(const std::string& app_tag, const DateTimeRec& clock,
                            const StudentInfo& login, Real elapsed_days);
// " 0:42:10.50", or "1Days,  2:03:04.00" from one whole day on.
std::string ElapsedTimeText(Real elapsed_days);

}  // namespace jovi
