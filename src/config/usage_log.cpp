#include "config/usage_log.h"

#include <utility>

#include "util/atomic_file.h"
#include "util/io_error.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr const char* kEol = "\r\n";

std::string ClockTimeText(const DateTimeRec& clock) {
  return TimeText(clock.LocalTime, 2, ":", ":", "");
}

// Date, time, the four names and the table, as both blocks have them.
std::string SharedLines(const DateTimeRec& clock, const StudentInfo& login) {
  std::string text = "Date: " + NumericDateText(clock) + kEol;
  text += "Time: " + ClockTimeText(clock) + kEol;
  for (std::size_t i = 0; i < login.StudentName.size(); ++i) {
    text += "Name" + std::to_string(i + 1) + ": " + login.StudentName[i] + kEol;
  }
  text += "Table: " + login.TableNumber + kEol;
  return text;
}

}  // namespace

std::string LogPathFor(const std::string& log_file_name, const std::string& data_dir) {
  if (log_file_name.find('/') != std::string::npos) return log_file_name;
  return data_dir + log_file_name;
}

std::string LoginBlockText(const std::string& app_tag, const DateTimeRec& clock,
                           const StudentInfo& login) {
  return "Login: " + app_tag + kEol + SharedLines(clock, login) + "EndLogin: " + app_tag + kEol;
}

std::string LogoutBlockText(const std::string& app_tag, const DateTimeRec& clock,
                            const StudentInfo& login, Real elapsed_days) {
  return "Logout: " + app_tag + kEol + SharedLines(clock, login) +
         "Elapsed Time: " + ElapsedTimeText(elapsed_days) + kEol + "EndLogout: " + app_tag +
         kEol;
}

std::string ElapsedTimeText(Real elapsed_days) {
  if (!(elapsed_days > 0)) elapsed_days = 0;  // a clock set back counts as no time
  TimeOfDayRec tod;
  Real days = 0;
  SplitDayFraction(tod, days, elapsed_days);
  const std::string time = TimeText(tod, 2, ":", ":", "");
  if (days < 1) return time;
  return std::to_string(static_cast<long long>(days)) + "Days, " + time;
}

void LogFileObj::Init(std::string app_tag, std::string log_path, const StudentInfo* login) {
  app_tag_ = std::move(app_tag);
  log_path_ = std::move(log_path);
  login_ = login;
  SetZoneAndNow(clock_, 0.0f);
  start_jd_ = ToJD(clock_);
  login_written_ = false;
  logout_written_ = false;
  last_io_result_ = 0;
}

bool LogFileObj::Enabled() const {
  return options_.WriteLog && login_ != nullptr && !log_path_.empty();
}

bool LogFileObj::Append(const std::string& block) {
  const FileWriteResult result = AppendFileAtomically(log_path_, block);
  last_io_result_ = result.Ok() ? 0 : IoCodeFromErrno(result.error, log_path_);
  return result.Ok();
}

void LogFileObj::WriteLogin() {
  if (!Enabled()) return;
  if (Append(LoginBlockText(app_tag_, clock_, *login_))) login_written_ = true;
}

void LogFileObj::WriteLogout() {
  SetNow(clock_);
  const Real elapsed = ToJD(clock_) - start_jd_;
  if (!Enabled()) return;
  if (Append(LogoutBlockText(app_tag_, clock_, *login_, elapsed))) logout_written_ = true;
}

}  // namespace jovi
