// The outer-planet coefficient file: where it is and how one record is read from it.
#pragma once

#include <cstdint>
#include <string>

#include "astro/coefficient_block.h"
#include "util/real.h"

namespace jovi {

inline constexpr const char* kCoefficientFileName = "Outer_Pl_Tbl.dat";

// The program-wide path of the file: ProgramDir() + "Outer_Pl_Tbl.dat" unless set.
std::string CoefficientFile();
void SetCoefficientFile(const std::string& path);  // empty restores the default

// Opens the file, reads record `number` (88 bytes at number x 88) into `block` and closes it.
// False, with `block` untouched, when the file cannot be opened or holds no such record.
bool ReadCoefficientRecord(const std::string& path, std::int32_t number, CoefficientBlock& block);

// What a checked read of a record gave.
enum class CoefficientRecordRead {
  Read,     // the record, every value a finite number, its block covering the instant
  Missing,  // the file cannot be opened or holds no such record
  Damaged,  // a value that is not a finite number, or a block that does not cover the instant
};

// Reads record `number` as ReadCoefficientRecord does and checks it as it is read: every value
// must be finite and the block must cover `jde` (dynamical JD), the instant the record was
// chosen for. `block` is replaced only when the record is Read.
CoefficientRecordRead ReadCheckedCoefficientRecord(const std::string& path, std::int32_t number,
                                                   Real jde, CoefficientBlock& block);

// Every value of the block a finite number.
bool IsFiniteBlock(const CoefficientBlock& block);

// How many records have been asked of the file (ReadCoefficientRecord calls) since the start.
std::uint64_t CoefficientFileOpenings();

}  // namespace jovi
