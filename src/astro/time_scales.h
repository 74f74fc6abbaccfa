// Universal Time and Terrestrial Dynamical Time. All values are days unless named otherwise.
#pragma once

#include <string>

#include "astro/leap_second_table.h"
#include "util/real.h"

namespace jovi {

// TDT - UT at a Julian date, in days.
Real DeltaT(Real jd);
Real TDTFromUT(Real jd);
Real UTFromTDT(Real jde);
// Julian millennia x 10 from J2000.0.
Real TenMillenniaSinceJ2000(Real jd);
// TAI - UTC in seconds, from the program's leap-second list.
Real LeapSeconds(Real jd);

// The program's leap-second list. Its file is read on first need; changing the file name
// empties the list so the next need reads the new file. Messages go to ProgramPrompter().
LeapSecondTable& ProgramLeapSeconds();
void SetLeapSecondFile(const std::string& path);

}  // namespace jovi
