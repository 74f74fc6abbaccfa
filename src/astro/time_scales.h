// Universal Time and Terrestrial Dynamical Time. All values are days unless named otherwise.
#pragma once

#include <string>

#include "astro/leap_second_table.h"

namespace jovi {

// TDT - UT at a Julian date, in days.
long double DeltaT(long double jd);
long double TDTFromUT(long double jd);
long double UTFromTDT(long double jde);
// Julian millennia x 10 from J2000.0.
long double TenMillenniaSinceJ2000(long double jd);
// TAI - UTC in seconds, from the program's leap-second list.
long double LeapSeconds(long double jd);

// The program's leap-second list. Its file is read on first need; changing the file name
// empties the list so the next need reads the new file. Messages go to ProgramPrompter().
LeapSecondTable& ProgramLeapSeconds();
void SetLeapSecondFile(const std::string& path);

}  // namespace jovi
