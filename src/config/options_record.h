// OptsRec: every instructor-adjustable setting, the names of the data and help files, the
// folders the program works in and the scrambled instructor password.
//
// A default-constructed record holds the defaults of every setting.
// Texts are 8-bit strings with the maximum lengths given beside them; the options file keeps
// them as counted strings of those lengths. Folders end with "/".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "util/real.h"

namespace jovi {

struct OptsRec {
  // Kept in memory only.
  std::string ProgVersion;     // 71
  std::string OptsFileName;    // 71
  std::string BackupFileName;  // 71
  std::string ProgramDir;      // where the program and its data files lie
  std::string DataDir;         // write-enabled folder for options, log and data
  std::string UserDir;         // the students' own folder below DataDir + "Users/"
  std::string CdromRoot;       // mount point of an optical disc, or empty
  bool Administrator = false;  // never survives a restart

  // Persisted in the options file (see options_file.h for the layout).
  std::string FileVersion = "2.114";         // 71
  std::string HomeURL = "https://zeva-astronomy.example/";  // 255
  std::string JupImgsDir = "Rotation BMPs";  // 255
  std::string CloudImgsDir = "Cloud BMPs";   // 255
  std::string LogoBmp = "ZEVALOGO.bmp";      // 71
  std::string TitleBmp = "SatLabx.bmp";      // 71
  std::string RoemerBmp = "RoemerSplash.bmp";  // 71
  std::string OnHelpFile;                    // 71
  std::string MainHelpList = "JupHlp.lst";   // 71
  std::string RoemerHelpList = "RoemerHlp.lst";  // 71
  std::string AnalHelpList = "JupAnalHlp.lst";  // 71
  std::string TopViewHelpList = "TopVwHlp.lst";  // 71
  std::string UserHelpFile;                  // 71
  std::string ReminderFile = "REMINDER.jup";  // 71
  std::string OuterPlanetTable = "Outer_Pl_Tbl.dat";  // 71
  std::string LeapSecondTable = "Leap Seconds.txt";  // 71
  std::string HotlistFile = "HotDates.htl";  // 71
  std::string Reserved;                      // 255, never interpreted
  std::string LogFileName = "ZEVALog.log";   // 255, may include a folder
  // The password "TARN", every byte complemented (see password.h).
  std::array<std::uint32_t, 4> PasswordWords{0xB1ADBEABu, 0, 0, 0};
  std::uint8_t PasswordLen = 4;  // 0..16
  std::string LabTable;                      // 4
  bool LoginRequired = true;
  bool TestMode = false;
  bool EditMode = false;
  bool WriteLog = false;
  bool IdentifyMoon = true;
  bool ShowDistance = true;
  bool AutoRecord = true;
  bool NewtonClouds = true;
  bool RoemerClouds = false;
  bool AllowRestart = true;
  bool AllowAnimation = true;
  bool AllowTopView = true;
  bool EclipseVisibility = true;
  bool MonoDisplay = false;
  bool PrintColor = false;
  std::int32_t NewtonCloudyPct = 10;
  std::int32_t RoemerCloudyPct = 10;
  std::uint16_t AnimTimerMs = 10;
  Real AnimStepHrs = 0.1_r;
  Real ObsStepHrs = 24.0_r;
  Real NewtonCloudHrs = 6.0_r;
  Real RoemerCloudHrs = 6.0_r;
  float RedSpotLong = 119.0f;
  float ZoneDiffHrs = 0.0f;
};

namespace option_text {
inline constexpr std::size_t kFileName = 71;
inline constexpr std::size_t kLong = 255;
inline constexpr std::size_t kLabTable = 4;
inline constexpr std::size_t kMaxPassword = 16;
}  // namespace option_text

// The program's own version and the name of its options file.
inline constexpr const char* kProgramVersion = "2.114";
inline constexpr const char* kOptionsFileName = "JUP_OPTS.INI";
inline constexpr const char* kDefaultPassword = "TARN";

// Sets every persisted field to the default above (a default-constructed record holds them
// all) and the password to "TARN"; the versions, file names, folders, CdromRoot, Reserved and
// Administrator stay as they are.
void SetDefaultOptions(OptsRec& rec);

}  // namespace jovi
