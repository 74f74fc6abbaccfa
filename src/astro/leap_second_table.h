// TAI - UTC from 1972 on: the leap-second list, read from its text file on first need, with a
// built-in table to fall back on.
//
// File format: a line containing "**" anywhere is a comment; every other line holds the Julian
// date from which a value applies and TAI - UTC in seconds, separated by a comma (blanks and
// commas before each number are skipped). The newest entry comes first. A date before 1900 or
// after 3000, or a difference of more than an hour, is not an entry but a damaged line.
#pragma once

#include <string>

#include "util/ordered_list.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

inline constexpr Real kFirstLeapSecondJD = 2415020.5_r;  // 1900 January 1
inline constexpr Real kLastLeapSecondJD = 2816787.5_r;   // 3000 January 1
inline constexpr Real kMostLeapSeconds = 3600;

struct LeapSecondEntry {
  Real JD = 0;       // from this Julian date (UTC) on ...
  Real Seconds = 0;  // ... TAI - UTC is this many seconds
};

// The list is kept newest first; entries are appended in file order.
struct LeapSecondOrder {
  static bool Equal(const LeapSecondEntry& a, const LeapSecondEntry& b) { return a.JD == b.JD; }
  static bool Greater(const LeapSecondEntry& a, const LeapSecondEntry& b) { return a.JD < b.JD; }
};

using LeapSecondList = OrderedList<LeapSecondEntry, LeapSecondOrder>;

class LeapSecondTable {
 public:
  explicit LeapSecondTable(std::string path) : path_(std::move(path)) {}

  // TAI - UTC at jd: the first entry from the head whose JD <= jd, else the oldest entry.
  // Loads the list on the first call, reporting problems through `prompter`.
  Real SecondsAt(Real jd, Prompter& prompter);

  const std::string& Path() const { return path_; }
  const LeapSecondList& Entries() const { return list_; }
  bool Loaded() const { return !list_.IsEmpty(); }
  bool FromFile() const { return from_file_; }

 private:
  void Load(Prompter& prompter);
  void LoadBuiltIn();

  std::string path_;
  LeapSecondList list_;
  bool from_file_ = false;
};

// The built-in table (25 rows, 1972 January 1 through 2009 January 1).
LeapSecondList BuiltInLeapSeconds();

}  // namespace jovi
