// What both fuzz targets do with the records a reader gave: put them into a table and write
// everything the program shows or saves of it, so hostile values pass through every formatter.
#pragma once

#include <cstdlib>

#include "astro/date_time.h"
#include "measure/measurement_csv.h"
#include "measure/measurement_files.h"
#include "measure/review_list.h"

namespace jovi::fuzz {

inline void UseRecords(const MeasurementFileContent& content) {
  if (!content.Ok() && !content.records.empty()) std::abort();  // a refused file gives nothing
  MeasurementTable table;
  for (const MeasurementRecord& r : content.records) table.InsertOrdered(r);
  if (table.Count() != static_cast<std::int32_t>(content.records.size())) std::abort();
  // The table stays in date order.
  const MeasurementRecord* previous = nullptr;
  table.ForEach([&](const MeasurementRecord& r) {
    if (previous && previous->JulianDay > r.JulianDay) std::abort();
    previous = &r;
  });
  const std::vector<std::string> lines = ReviewLines(table);
  if (lines.size() != content.records.size() + kReviewHeadingLines) std::abort();
  const std::vector<std::uint8_t> image = BinaryFileImage(table);
  if (image.size() != content.records.size() * kMeasurementRecordBytes) std::abort();
  // What the binary file gives back is what went in.
  const MeasurementFileContent again = BinaryFileRecords(image);
  if (again.records.size() != content.records.size()) std::abort();
  std::vector<MeasurementRecord> records(content.records);
  DateTimeRec written;
  const std::string csv = CsvText(written, records);
  std::vector<MeasurementRecord> back;
  if (!ReadCsvText(csv, kMostMeasurementRecords, back) || back.size() != records.size()) {
    std::abort();
  }
}

}  // namespace jovi::fuzz
