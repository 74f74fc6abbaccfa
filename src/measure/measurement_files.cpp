#include "measure/measurement_files.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "astro/date_time.h"
#include "measure/measurement_csv.h"
#include "util/io_error.h"

namespace jovi {

namespace {

std::vector<MeasurementRecord> TableRecords(const MeasurementTable& table) {
  std::vector<MeasurementRecord> records;
  records.reserve(static_cast<std::size_t>(table.Count()));
  table.ForEach([&](const MeasurementRecord& r) { records.push_back(r); });
  return records;
}

std::string TooManyRecords() {
  return "The file holds more than " + std::to_string(kMostMeasurementRecords) +
         " records: it is not a measurement file";
}

// The whole file, refusing what is not a plain file or is far larger than any table.
MeasurementFileContent ReadBounded(const std::string& path, std::string& bytes) {
  MeasurementFileContent content;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    content.error = "Unable to read " + path + ": it is not a file";
    return content;
  }
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                      &std::fclose);
  if (!file) {
    content.error =
        "Unable to open " + path + " (" + IoErrorText(IoCodeFromErrno(errno, path)) + ")";
    return content;
  }
  char buf[65536];
  for (;;) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, file.get());
    bytes.append(buf, n);
    if (bytes.size() > kMostMeasurementFileBytes) {
      content.error = TooManyRecords();
      return content;
    }
    if (n < sizeof buf) break;
  }
  if (std::ferror(file.get())) {
    content.error = "Unable to read " + path + " (" +
                    IoErrorText(IoCodeFromErrno(errno ? errno : EIO, path)) + ")";
  }
  return content;
}

FileWriteResult Saved(MeasurementStore& store, FileWriteResult result) {
  store.DataSaved = result.Ok();
  return result;
}

}  // namespace

void WriteMeasurementRecord(LeWriter& out, const MeasurementRecord& record) {
  out.Extended(record.JulianDay);
  out.Zeros(2);
  for (const float offset : record.Offset) out.F32(offset);
  for (const bool included : record.Included) out.U8(included ? 1 : 0);
}

MeasurementRecord ReadMeasurementRecord(LeReader& in) {
  MeasurementRecord record;
  record.JulianDay = in.Extended();
  in.Skip(2);
  for (float& offset : record.Offset) offset = in.F32();
  for (bool& included : record.Included) included = in.U8() != 0;
  return record;
}

std::vector<std::uint8_t> BinaryFileImage(const MeasurementTable& table) {
  LeWriter out;
  table.ForEach([&](const MeasurementRecord& r) { WriteMeasurementRecord(out, r); });
  return out.Bytes();
}

MeasurementFileContent BinaryFileRecords(std::span<const std::uint8_t> bytes) {
  MeasurementFileContent content;
  const std::size_t count = bytes.size() / kMeasurementRecordBytes;
  if (count > kMostMeasurementRecords) {
    content.error = TooManyRecords();
    return content;
  }
  LeReader in(bytes.first(count * kMeasurementRecordBytes));
  for (std::size_t i = 0; i < count; ++i) {
    MeasurementRecord record = ReadMeasurementRecord(in);
    // A date that is not a number has no place in a table ordered by date.
    if (!std::isfinite(record.JulianDay)) {
      ++content.skipped;
      continue;
    }
    for (float& offset : record.Offset) {
      if (!std::isfinite(offset)) offset = kNoMeasurement;
    }
    content.records.push_back(record);
  }
  return content;
}

MeasurementFileContent CsvFileRecords(std::string_view text) {
  MeasurementFileContent content;
  if (!ReadCsvText(text, kMostMeasurementRecords, content.records)) {
    content.records.clear();
    content.error = TooManyRecords();
  }
  return content;
}

MeasurementFileContent ReadBinaryFile(const std::string& path) {
  std::string bytes;
  MeasurementFileContent read = ReadBounded(path, bytes);
  if (!read.Ok()) return read;
  return BinaryFileRecords(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size()));
}

MeasurementFileContent ReadCsvFile(const std::string& path) {
  std::string text;
  MeasurementFileContent read = ReadBounded(path, text);
  if (!read.Ok()) return read;
  return CsvFileRecords(text);
}

FileWriteResult WriteBinaryFile(const std::string& path, MeasurementStore& store) {
  const std::vector<std::uint8_t> image = BinaryFileImage(store.table);
  return Saved(store, WriteFileAtomically(path, std::span<const std::uint8_t>(image)));
}

std::string CsvFileText(const MeasurementTable& table, float zone_hours) {
  DateTimeRec written;
  SetZoneAndNow(written, zone_hours);
  return CsvText(written, TableRecords(table));
}

FileWriteResult WriteCsvFile(const std::string& path, MeasurementStore& store, float zone_hours) {
  return Saved(store, WriteFileAtomically(path, CsvFileText(store.table, zone_hours)));
}

}  // namespace jovi
