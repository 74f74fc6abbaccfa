// The observation date as the date dialog edits it: Universal Time calendar text
// ("YYYY/MM/DD", "hh:mm:ss") or a Julian date, read and written without the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/date_time.h"
#include "util/real.h"

namespace jovi {

struct DateEntry {
  std::uint8_t Format = 0;  // 0 calendar, 1 Julian date
  DateTimeRec Time;
  std::string Comment;      // up to 50 characters
};

inline constexpr std::size_t kCommentLength = 50;
inline constexpr std::size_t kJulianDateLength = 15;

// The Julian date of a UT calendar date "Y/M/D" (year of up to four digits, optionally
// signed) and an optional time "h:m[:s[.f]]"; nothing for other text or an invalid date.
std::optional<Real> ParseCalendarUT(std::string_view date, std::string_view time);

// A decimal number with the full stop; nothing for other text.
std::optional<Real> ParseJulianDate(std::string_view text);

// The UT date and time of day of a Julian date, to the nearest second.
struct CalendarText {
  std::string Date;  // "YYYY/MM/DD"
  std::string Time;  // "HH:MM:SS"
};
CalendarText CalendarTextOf(Real jd);
std::string JulianDateText(Real jd);  // six decimals

std::string CalendarErrorText(std::string_view date, std::string_view time);
inline constexpr const char* kCalendarErrorCaption = "Calendar Date Error!";
std::string JulianDateErrorText(std::string_view text);
inline constexpr const char* kJulianDateErrorCaption = "Julian Date Error!";

}  // namespace jovi
