// The outer-planet coefficient file: where it is and how one record is read from it.
#pragma once

#include <cstdint>
#include <string>

#include "astro/coefficient_block.h"

namespace jovi {

inline constexpr const char* kCoefficientFileName = "Outer_Pl_Tbl.dat";

// The program-wide path of the file: ProgramDir() + "Outer_Pl_Tbl.dat" unless set.
std::string CoefficientFile();
void SetCoefficientFile(const std::string& path);  // empty restores the default

// Opens the file, reads record `number` (88 bytes at number x 88) into `block` and closes it.
// False, with `block` untouched, when the file cannot be opened or holds no such record.
bool ReadCoefficientRecord(const std::string& path, std::int32_t number, CoefficientBlock& block);

// How many records have been asked of the file (ReadCoefficientRecord calls) since the start.
std::uint64_t CoefficientFileOpenings();

}  // namespace jovi
