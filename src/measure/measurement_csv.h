// The comma-separated text form of the measurement table: six heading lines, then one line per
// record ("2455260.75000,0.53,,-1.20,  12.33*"). Lines end in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/date_time.h"
#include "measure/measurement_record.h"
#include "util/real.h"

namespace jovi {

// The six heading lines; `written` is the local date and time the file is written.
std::vector<std::string> CsvHeadingLines(const DateTimeRec& written);

// One record line: the date with 5 decimals, then per moon "," and the value with 2 decimals
// (nothing when not measured; "value*" padded to 10 characters when left out of the analysis).
std::string CsvRecordLine(const MeasurementRecord& record);

// The whole file text, CR LF after every line.
std::string CsvText(const DateTimeRec& written, const std::vector<MeasurementRecord>& records);

// Takes one field off the front of `line` (leading blanks dropped): the value, or 100.0 when the
// field is empty or not a number; `included` is false when the field holds a "*".
Real TakeCsvField(std::string& line, std::string_view separator, bool& included);

// Reads a record line; the line always gives a record (date 0 when it has none).
bool ParseCsvRecord(std::string line, MeasurementRecord& record);

// The records of a file's lines: everything after the line containing "Julian Date", empty
// lines skipped. Nothing when there is no such line.
std::vector<MeasurementRecord> ReadCsvRecords(const std::vector<std::string>& lines);
// The same for a whole file's text (lines end in LF or CR LF), read without splitting it first.
// False (with the records read so far) once more than `most_records` records were found.
bool ReadCsvText(std::string_view text, std::size_t most_records,
                 std::vector<MeasurementRecord>& records);

}  // namespace jovi
