// The measurement table's two files: ".DAT", the 32-byte records one after another
// (little-endian, no header), and ".CSV", the comma-separated text for spreadsheets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "measure/measurement_store.h"
#include "util/atomic_file.h"
#include "util/le_codec.h"

namespace jovi {

inline constexpr std::size_t kMeasurementRecordBytes = 32;
// No student's table comes near these; a file beyond them is not a measurement file.
inline constexpr std::size_t kMostMeasurementRecords = 100000;
inline constexpr std::size_t kMostMeasurementFileBytes = 8u << 20;

// One record's 32 bytes: the date as an 80-bit extended float, two alignment bytes (written as
// zeros), the four offsets as singles, the four included flags as bytes 0/1.
void WriteMeasurementRecord(LeWriter& out, const MeasurementRecord& record);
MeasurementRecord ReadMeasurementRecord(LeReader& in);

// The binary file's bytes: every record of the table in table order.
std::vector<std::uint8_t> BinaryFileImage(const MeasurementTable& table);

// What a file gave. `error` is empty when the file was read; otherwise it says why nothing
// could be taken from it.
struct MeasurementFileContent {
  std::string error;
  std::vector<MeasurementRecord> records;
  std::size_t skipped = 0;  // binary records whose date is not a number
  bool Ok() const { return error.empty(); }
};

// The records of a binary file's bytes, 32 at a time; a shorter tail is ignored. Records are
// taken as stored, except that one whose date is not a finite number is skipped and an
// offset that is not a finite number reads as not measured.
MeasurementFileContent BinaryFileRecords(std::span<const std::uint8_t> bytes);
// The records of a CSV file's text (see ReadCsvText).
MeasurementFileContent CsvFileRecords(std::string_view text);

// The text file's whole text with its heading dated now (`zone_hours` east of Greenwich).
std::string CsvFileText(const MeasurementTable& table, float zone_hours);

// The readers: the whole file is read first, so a failure leaves nothing half taken.
MeasurementFileContent ReadBinaryFile(const std::string& path);
MeasurementFileContent ReadCsvFile(const std::string& path);

// The writers replace the file whole (a temporary file renamed over it), so a failure leaves
// the old file as it was. `DataSaved` follows the result.
FileWriteResult WriteBinaryFile(const std::string& path, MeasurementStore& store);
// The heading carries the local date and time of writing (`zone_hours` east of Greenwich).
FileWriteResult WriteCsvFile(const std::string& path, MeasurementStore& store, float zone_hours);

}  // namespace jovi
