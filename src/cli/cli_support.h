// Shared pieces of the command-line sub-commands: argument parsing and output formats.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "astro/date_time.h"
#include "util/real.h"

namespace jovi::cli {

// Bad input: the message becomes the one line on stderr, and the exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The data files failed (the program's own message has gone to stderr): what was computed is
// printed, the message becomes one more line on stderr, and the exit status 1.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Args = std::vector<std::string>;

// A whole argument as a finite number, or nothing.
std::optional<Real> ParseNumber(std::string_view text);

// A Julian date the calendar can hold (years -4000 to 8000); throws UsageError.
Real ParseJD(std::string_view text);

// A Julian date of an observation (years 100 to 2800); throws UsageError.
Real ObservationJD(std::string_view text);

// Throws UsageError when `to` comes before `from`.
void RequireOrder(Real from, Real to);

// "YYYY/MM/DD" and an optional "hh:mm:ss" as a UT record; throws UsageError.
DateTimeRec ParseDateTime(std::string_view date, std::string_view time);

// "YYYY/MM/DD hh:mm:ss" of a UT Julian date, to the nearest second.
std::string DateTimeText(Real jd);

// Fixed notation with the given decimals.
std::string Fixed(Real value, int decimals);

// A latitude or a longitude as the observing-site dialog reads it ("52.37N", "-33.87");
// throws UsageError with the reason.
double LatitudeArg(const std::string& text);
double LongitudeArg(const std::string& text);

// Throws with the ephemeris's own messages (trailing newlines dropped) as the one line on
// stderr, or a plain reason when it gave none: DataError when the coefficient file failed,
// UsageError for a date it does not serve.
[[noreturn]] void EphemerisUnavailable(std::string messages);

// Throws UsageError unless args has between min and max entries.
void ExpectCount(const Args& args, std::size_t min, std::size_t max, std::string_view usage);

}  // namespace jovi::cli
