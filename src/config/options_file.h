// The options file "JUP_OPTS.INI": 2383 bytes, little-endian, no header but the version text.
//
//   offset  size      content
//        0  72        FileVersion, counted string of at most 71 characters
//       72  13 x 72   LogoBmp, TitleBmp, RoemerBmp, OnHelpFile, MainHelpList, RoemerHelpList,
//                     AnalHelpList, TopViewHelpList, UserHelpFile, ReminderFile,
//                     OuterPlanetTable, LeapSecondTable, HotlistFile (each 71 characters)
//     1008  5 x 256   HomeURL, JupImgsDir, CloudImgsDir, Reserved, LogFileName (each 255)
//     2288  16        PasswordWords, four 32-bit words
//     2304  1         PasswordLen
//     2305  5         LabTable, counted string of at most 4
//     2310  15        one byte each (nonzero = true): LoginRequired, TestMode, EditMode,
//                     WriteLog, IdentifyMoon, ShowDistance, AutoRecord, NewtonClouds,
//                     RoemerClouds, AllowRestart, AllowAnimation, AllowTopView,
//                     EclipseVisibility, MonoDisplay, PrintColor
//     2325  4 + 4     NewtonCloudyPct, RoemerCloudyPct, signed 32-bit
//     2333  2         AnimTimerMs, unsigned 16-bit
//     2335  4 x 10    AnimStepHrs, ObsStepHrs, NewtonCloudHrs, RoemerCloudHrs, 80-bit extended
//     2375  4 + 4     RedSpotLong, ZoneDiffHrs, IEEE single
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "config/options_record.h"

namespace jovi {

inline constexpr std::size_t kOptionsFileSize = 2383;
inline constexpr std::size_t kOptionsVersionSize = 72;

// The whole file for `rec`.
std::vector<std::uint8_t> EncodeOptions(const OptsRec& rec);

// How far a decoding came.
enum class OptionsDecoding {
  Complete,     // every field read and the bytes ended exactly there
  TooShort,     // the bytes ended inside a field; the fields before it were read
  TooLong,      // every field read, but bytes are left over
};

// Reads the version text alone (the first 72 bytes); false when they are not all there.
bool DecodeOptionsVersion(std::span<const std::uint8_t> bytes, OptsRec& rec);

// Reads every field after the version, in file order, from the 72nd byte on. A field whose
// bytes are not all there is left as it was, and so are the fields after it. A PasswordLen
// above 16 is taken as 16.
OptionsDecoding DecodeOptionsFields(std::span<const std::uint8_t> bytes, OptsRec& rec);

}  // namespace jovi
