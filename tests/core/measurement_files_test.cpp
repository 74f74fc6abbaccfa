// The .DAT and .CSV files of the measurement table and the Data menu's Save and Load.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "astro/coefficient_file.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "measure/measurement_csv.h"
#include "measure/measurement_file_commands.h"
#include "measure/measurement_files.h"
#include "platform/program_dir.h"
#include "support/cli_run.h"
#include "support/file_helpers.h"
#include "support/file_size_limit.h"
#include "core/measurement_test_support.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_dialogs.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

MeasurementRecord Rec(Real jd, std::array<float, 4> offsets,
                      std::array<bool, 4> included = {true, true, true, true}) {
  return {jd, offsets, included};
}

using test::TableDates;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

void Fill(MeasurementStore& store, std::initializer_list<MeasurementRecord> records) {
  for (const MeasurementRecord& r : records) store.table.InsertOrdered(r);
}

TEST(MeasurementBinary, RecordImageAndRoundTrip) {
  MeasurementStore store;
  // A date whose last significand bits a double would lose.
  const Real odd_date = 2455198.5_r + 1.0_r / 3.0_r;
  Fill(store, {Rec(odd_date, {1.25f, -2.5f, 100, 0}, {true, false, true, true}),
               Rec(2455197.5_r, {100, 100, 100, -12.75f})});
  const std::vector<std::uint8_t> image = BinaryFileImage(store.table);
  ASSERT_EQ(image.size(), 64u);
  // The second record in the file is the later one: table order.
  LeReader in(std::span<const std::uint8_t>(image).subspan(32));
  EXPECT_EQ(in.Extended(), odd_date);
  EXPECT_EQ(in.U16(), 0u);
  EXPECT_EQ(in.F32(), 1.25f);
  EXPECT_EQ(in.F32(), -2.5f);
  EXPECT_EQ(in.F32(), 100.0f);
  EXPECT_EQ(in.F32(), 0.0f);
  EXPECT_EQ(in.U8(), 1);
  EXPECT_EQ(in.U8(), 0);
  EXPECT_EQ(in.U8(), 1);
  EXPECT_EQ(in.U8(), 1);
  // 1.25f is 0x3FA00000, little-endian at bytes 12..15 of the record.
  EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 44, image.begin() + 48),
            (std::vector<std::uint8_t>{0x00, 0x00, 0xA0, 0x3F}));

  test::TempDir dir;
  const std::string path = dir.File("a.DAT");
  store.DataSaved = false;
  ASSERT_TRUE(WriteBinaryFile(path, store).Ok());
  EXPECT_TRUE(store.DataSaved);
  EXPECT_EQ(Bytes(test::ReadAll(path)), image);
  const MeasurementFileContent back = ReadBinaryFile(path);
  ASSERT_TRUE(back.Ok());
  MeasurementStore again;
  for (const MeasurementRecord& r : back.records) again.table.InsertOrdered(r);
  EXPECT_EQ(BinaryFileImage(again.table), image);
}

TEST(MeasurementBinary, ShortTailAlignmentBytesAndDamagedValues) {
  MeasurementStore store;
  Fill(store, {Rec(2455001.5_r, {1, 2, 3, 4}), Rec(2455002.5_r, {5, 6, 7, 8})});
  std::vector<std::uint8_t> bytes = BinaryFileImage(store.table);
  bytes[10] = 0xAB;  // alignment bytes are not significant
  bytes[43] = 0xCD;
  bytes.resize(70, 0x55);  // two records and a 6-byte tail
  MeasurementFileContent read = BinaryFileRecords(bytes);
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[1].JulianDay, 2455002.5_r);
  EXPECT_EQ(read.records[1].Offset[3], 8.0f);

  // A date that is not a number is left out; an offset that is not one reads as missing.
  LeWriter out;
  WriteMeasurementRecord(out, Rec(std::numeric_limits<Real>::quiet_NaN(), {1, 1, 1, 1}));
  WriteMeasurementRecord(out, Rec(std::numeric_limits<Real>::infinity(), {1, 1, 1, 1}));
  WriteMeasurementRecord(out, Rec(2455003.5_r, {std::numeric_limits<float>::infinity(),
                                               std::numeric_limits<float>::quiet_NaN(), 2, 3}));
  read = BinaryFileRecords(out.Bytes());
  EXPECT_EQ(read.skipped, 2u);
  ASSERT_EQ(read.records.size(), 1u);
  EXPECT_EQ(read.records[0].Offset, (std::array<float, 4>{100, 100, 2, 3}));
}

TEST(MeasurementCsvFile, WrittenFileReadsBackToItsDecimals) {
  MeasurementStore store;
  Fill(store, {Rec(2455001.123456_r, {0.534f, -1.2f, 100, 100}),
               Rec(2455002.5_r, {100, -10.256f, 3.0f, 12.333f}, {true, false, true, false}),
               Rec(2455003.5_r, {100, 100, 100, 100})});
  test::TempDir dir;
  const std::string path = dir.File("b.CSV");
  ASSERT_TRUE(WriteCsvFile(path, store, 0).Ok());
  const std::string text = test::ReadAll(path);
  EXPECT_NE(text.find("\r\nJulian Date,      Io,  Europa,Ganymede, Callisto\r\n"
                      "2455001.12346,0.53,-1.20,,\r\n"
                      "2455002.50000,,   -10.26*,3.00,    12.33*\r\n"
                      "2455003.50000,,,,\r\n"),
            std::string::npos)
      << text;
  const MeasurementFileContent back = ReadCsvFile(path);
  ASSERT_TRUE(back.Ok());
  ASSERT_EQ(back.records.size(), 3u);
  EXPECT_EQ(back.records[0].JulianDay, 2455001.12346_r);
  EXPECT_EQ(back.records[0].Offset, (std::array<float, 4>{0.53f, -1.2f, 100, 100}));
  EXPECT_EQ(back.records[1].Offset, (std::array<float, 4>{100, -10.26f, 3.0f, 12.33f}));
  EXPECT_EQ(back.records[1].Included, (std::array<bool, 4>{true, false, true, false}));
  EXPECT_EQ(back.records[2].Offset, (std::array<float, 4>{100, 100, 100, 100}));
}

TEST(MeasurementCsvFile, HostileTexts) {
  // No heading line: nothing. A very long line: read without trouble. LF-only line ends.
  EXPECT_TRUE(CsvFileRecords("2455001.5,1,2,3,4\r\n2455002.5,1,2,3,4\r\n").records.empty());
  const std::string long_field(1 << 20, '7');
  const MeasurementFileContent long_line =
      CsvFileRecords("Julian Date\n" + long_field + "," + long_field + ",1e40,nan,-inf\n2.5,1\n");
  ASSERT_EQ(long_line.records.size(), 2u);
  EXPECT_EQ(long_line.records[0].Offset, (std::array<float, 4>{100, 100, 100, 100}));
  EXPECT_TRUE(std::isfinite(long_line.records[0].JulianDay));
  EXPECT_EQ(long_line.records[1].Offset[0], 1.0f);
  // Too many records for any table: refused whole.
  std::string many = "Julian Date\n";
  for (std::size_t i = 0; i <= kMostMeasurementRecords; ++i) many += "1\n";
  const MeasurementFileContent refused = CsvFileRecords(many);
  EXPECT_FALSE(refused.Ok());
  EXPECT_TRUE(refused.records.empty());
}

class FileCommandsTest : public ::testing::Test {
 protected:
  std::string WriteTable(const std::string& name, std::initializer_list<MeasurementRecord> r) {
    MeasurementStore other;
    Fill(other, r);
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteBinaryFile(path, other).Ok());
    return path;
  }
  const test::Message& Last() const { return prompter.messages.back(); }

  test::TempDir dir;
  MeasurementStore store;
  test::RecordingPrompter prompter;
  test::ScriptedFileDialogs dialogs;
  MeasurementFileCommands files{store, prompter, dialogs};
};

TEST_F(FileCommandsTest, SaveChecksTheTableAndTheExtension) {
  store.DataSaved = false;
  EXPECT_FALSE(files.Save(MeasurementFormat::Binary, dir.Path().string(), 0));
  EXPECT_EQ(Last().text, "Nothing to save!");
  EXPECT_EQ(Last().caption, "No Results Recorded!");
  EXPECT_EQ(Last().icon, Icon::Exclamation);
  EXPECT_TRUE(store.DataSaved);
  EXPECT_TRUE(dialogs.requests.empty());

  Fill(store, {Rec(2455001.5_r, {1, 2, 3, 4})});
  store.DataSaved = false;
  const std::string folder = dir.Path().string() + "/";
  dialogs.answers = {folder + "one.dat", folder + "two.txt", folder + "three.CSV",
                     std::nullopt};
  EXPECT_TRUE(files.Save(MeasurementFormat::Binary, folder, 0));
  EXPECT_TRUE(store.DataSaved);
  EXPECT_EQ(test::ReadAll(folder + "one.dat").size(), 32u);
  EXPECT_FALSE(files.Save(MeasurementFormat::Binary, folder, 0));
  EXPECT_EQ(Last().text, "File format (.TXT) is invalid!  Must be .DAT for binary file");
  EXPECT_EQ(Last().caption, "Cannot Save File!");
  EXPECT_EQ(Last().icon, Icon::Stop);
  EXPECT_FALSE(files.Save(MeasurementFormat::Binary, folder, 0));
  EXPECT_EQ(Last().text, "File format (.CSV) is invalid!  Must be .DAT for binary file");
  EXPECT_FALSE(std::filesystem::exists(folder + "two.txt"));
  EXPECT_FALSE(files.Save(MeasurementFormat::Csv, folder, 0));  // cancelled

  ASSERT_EQ(dialogs.requests.size(), 4u);
  EXPECT_EQ(dialogs.requests[0].file_name, "JupSatData1");
  EXPECT_EQ(dialogs.requests[0].default_extension, ".DAT");
  EXPECT_EQ(dialogs.requests[0].filter, "Binary (ZEVA) Format|*.DAT");
  EXPECT_EQ(dialogs.requests[0].folder, folder);
  EXPECT_TRUE(dialogs.requests[0].ask_before_overwrite);
  EXPECT_EQ(dialogs.requests[1].file_name, folder + "one");
  EXPECT_EQ(dialogs.requests[3].file_name, folder + "three");
  EXPECT_EQ(dialogs.requests[3].default_extension, ".CSV");
  EXPECT_EQ(dialogs.requests[3].filter, "Spreadsheet (.CSV) Format|*.CSV");

  dialogs.answers = {folder + "data.CSV"};
  EXPECT_TRUE(files.Save(MeasurementFormat::Csv, folder, 0));
  EXPECT_EQ(ReadCsvFile(folder + "data.CSV").records.size(), 1u);
}

TEST(MeasurementFileNames, ExtensionsAndDefaultNames) {
  EXPECT_EQ(UpperExtension("/a.b/c.dat"), ".DAT");
  EXPECT_EQ(UpperExtension("/a.b/c"), "");
  EXPECT_EQ(UpperExtension("c.tar.csv"), ".CSV");
  EXPECT_EQ(DefaultSaveName(""), "JupSatData1");
  EXPECT_EQ(DefaultSaveName("/home/s/.local/Users/data.v2.DAT"), "/home/s/.local/Users/data");
  EXPECT_EQ(DefaultSaveName("/home/s/plain"), "/home/s/plain");
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFile) {
  JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT();
  const std::string path = WriteTable("old.DAT", {Rec(2455009.5_r, {9, 9, 9, 9})});
  const std::string before = test::ReadAll(path);
  Fill(store, {Rec(2455001.5_r, {1, 2, 3, 4}), Rec(2455002.5_r, {1, 2, 3, 4})});
  store.DataSaved = false;
  dialogs.answers = {path, dir.File("no such folder/new.DAT")};
  {
    const test::FileSizeLimit disk_full(40);  // the new file needs 64 bytes
    EXPECT_FALSE(files.Save(MeasurementFormat::Binary, dir.Path().string(), 0));
  }
  EXPECT_FALSE(store.DataSaved);
  EXPECT_EQ(Last().caption, "File Error");
  EXPECT_EQ(Last().icon, Icon::Stop);
  EXPECT_EQ(Last().text.rfind("Unable to open " + path + " for output.\r\nData not saved!", 0), 0u);
  EXPECT_EQ(test::ReadAll(path), before);
  EXPECT_EQ(test::FolderEntries(dir.Path()), (std::vector<std::string>{"old.DAT"}));
  // A folder that is not there.
  EXPECT_FALSE(files.Save(MeasurementFormat::Binary, dir.Path().string(), 0));
  EXPECT_EQ(Last().caption, "File Error");
  EXPECT_FALSE(store.DataSaved);
}

TEST_F(FileCommandsTest, LoadReplacesOrMerges) {
  const std::string a = WriteTable("a.DAT", {Rec(2455001.5_r, {1, 100, 100, 100}),
                                             Rec(2455003.5_r, {3, 100, 100, 100})});
  const std::string b = WriteTable("b.DAT", {Rec(2455002.5_r, {2, 100, 100, 100}),
                                             Rec(2455003.5_r, {-3, 100, 100, 100})});
  // Into an empty table: nothing is asked.
  dialogs.answers = {a};
  ASSERT_TRUE(files.Load(dir.Path().string()));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Data loaded from " + a + ".");
  EXPECT_EQ(Last().caption, "Data Loaded");
  EXPECT_EQ(Last().icon, Icon::Information);
  EXPECT_TRUE(store.DataSaved);
  EXPECT_TRUE(store.TableChanged);

  // Merge: both sides kept, in date order, equal dates side by side.
  prompter.answers = {Answer::Yes};
  dialogs.answers = {b};
  ASSERT_TRUE(files.Load(dir.Path().string()));
  EXPECT_EQ(prompter.messages[1].text, "Do you want to merge the file\r\ndata with your current data?");
  EXPECT_EQ(prompter.messages[1].caption, "Merge Data?");
  EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNo);
  EXPECT_EQ(Last().text, "Data loaded from " + b + ".\r\n\r\nMerged with existing data.");
  EXPECT_EQ(TableDates(store.table),
            (std::vector<Real>{2455001.5_r, 2455002.5_r, 2455003.5_r, 2455003.5_r}));
  EXPECT_FALSE(store.DataSaved);

  // No to merging, No to losing the unsaved table: nothing changes.
  prompter.messages.clear();
  prompter.answers = {Answer::No, Answer::No};
  dialogs.answers = {a};
  store.TableChanged = false;
  EXPECT_FALSE(files.Load(dir.Path().string()));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text,
            "You will lose information if you do not save\r\nthe current data before loading "
            "this file!\r\n\r\nDo you want to continue with this load?");
  EXPECT_EQ(prompter.messages[1].caption, "Data Not Saved!");
  EXPECT_EQ(prompter.messages[1].icon, Icon::Stop);
  EXPECT_EQ(store.table.Count(), 4);
  EXPECT_FALSE(store.TableChanged);

  // No, then Yes: the file replaces the table.
  prompter.answers = {Answer::No, Answer::Yes};
  dialogs.answers = {b};
  ASSERT_TRUE(files.Load(dir.Path().string()));
  EXPECT_EQ(TableDates(store.table), (std::vector<Real>{2455002.5_r, 2455003.5_r}));
  EXPECT_TRUE(store.DataSaved);
}

TEST_F(FileCommandsTest, LoadNamesAndFilesThatGiveNothing) {
  const std::string folder = dir.Path().string() + "/";
  const std::string no_heading = dir.Write("plain.csv", "2455001.5,1,2,3,4\r\n");
  dialogs.answers = {folder + "x.txt", no_heading, std::nullopt};
  EXPECT_FALSE(files.Load(folder));
  EXPECT_EQ(Last().text, "File format (.TXT) is invalid!  Must be .DAT or .CSV.");
  EXPECT_EQ(Last().caption, "Cannot Load File!");
  EXPECT_EQ(Last().icon, Icon::Stop);
  EXPECT_EQ(dialogs.requests[0].filter,
            "Binary (ZEVA Format) Files|*.DAT|Comma-Separated (.CSV) Files|*.CSV");
  EXPECT_EQ(dialogs.requests[0].filter_index, 1);
  EXPECT_EQ(dialogs.requests[0].default_extension, ".DAT");
  EXPECT_TRUE(files.Load(folder));
  EXPECT_EQ(Last().text, no_heading + " contains no valid data!");
  EXPECT_EQ(Last().caption, "No Data Loaded");
  // The open dialog follows the kind of file loaded last.
  EXPECT_FALSE(files.Load(folder));
  EXPECT_EQ(dialogs.requests[2].filter_index, 2);
  EXPECT_EQ(dialogs.requests[2].default_extension, ".CSV");
  EXPECT_EQ(dialogs.requests[2].file_name, no_heading);

  // Files that cannot be read leave the table alone, with a message.
  Fill(store, {Rec(2455001.5_r, {1, 2, 3, 4})});
  const std::string huge = dir.File("huge.DAT");
  std::filesystem::resize_file(dir.Write("huge.DAT", ""), kMostMeasurementFileBytes + 1);
  for (const std::string& path : {folder + "missing.DAT", huge, folder + "sub.DAT"}) {
    // The general error report: what went wrong, under the program's title.
    if (path.ends_with("sub.DAT")) std::filesystem::create_directory(path);
    prompter.messages.clear();
    dialogs.answers = {path};
    EXPECT_FALSE(files.Load(folder)) << path;
    ASSERT_EQ(prompter.messages.size(), 1u) << path;
    EXPECT_EQ(Last().caption, "Jovitrack") << path;
    EXPECT_EQ(Last().text.back(), '.') << path;
    EXPECT_EQ(store.table.Count(), 1) << path;
  }
  EXPECT_EQ(prompter.messages.size(), 1u);
  dialogs.answers = {folder + "missing.DAT"};
  files.Load(folder);
  EXPECT_EQ(Last().text, "Unable to open " + folder + "missing.DAT (File Not Found!).");
}

TEST(MeasurementImportBytes, TakesWhatTheFileGivesOrLeavesTheTableAlone) {
  MeasurementStore store;
  Fill(store, {Rec(2455001.5L, {1, 2, 3, 4})});
  store.DataSaved = false;
  MeasurementTable other;
  other.InsertOrdered(Rec(2455002.5L, {-2, 100, 100, 100}, {false, true, true, true}));
  const std::vector<std::uint8_t> dat = BinaryFileImage(other);
  const std::string csv = CsvFileText(other, 0.0f);

  // Files that give nothing: the table, its flags and the pending record stay as they were.
  struct Bad {
    const char* name;
    std::string bytes;
    MeasurementImport::Result result;
  };
  const Bad bad[] = {
      {"table.txt", csv, MeasurementImport::Result::WrongExtension},
      {"table", csv, MeasurementImport::Result::WrongExtension},
      {"cut.CSV", csv.substr(0, csv.find("Julian Date")), MeasurementImport::Result::NoRecords},
      {"foreign.csv", "\x89PNG\r\n\x1a\n", MeasurementImport::Result::NoRecords},
      {"short.DAT", std::string(31, '\0'), MeasurementImport::Result::NoRecords},
      {"huge.DAT", std::string(kMostMeasurementFileBytes + 1, '\0'),
       MeasurementImport::Result::Unreadable},
  };
  for (const Bad& b : bad) {
    const MeasurementImport import = ImportMeasurementBytes(store, b.name, Bytes(b.bytes), false);
    EXPECT_EQ(import.result, b.result) << b.name;
    EXPECT_EQ(import.result == MeasurementImport::Result::Unreadable, !import.error.empty())
        << b.name;
    EXPECT_EQ(TableDates(store.table), std::vector<long double>{2455001.5L}) << b.name;
    EXPECT_FALSE(store.DataSaved) << b.name;
  }

  // Both formats merge the same record, flags included; replacing makes the table the file.
  for (const auto& [name, bytes] : {std::pair{std::string("t.dat"), dat},
                                    std::pair{std::string("t.CSV"), Bytes(csv)}}) {
    MeasurementStore s;
    Fill(s, {Rec(2455001.5L, {1, 2, 3, 4})});
    s.TableChanged = false;
    const MeasurementImport merged = ImportMeasurementBytes(s, name, bytes, true);
    EXPECT_EQ(merged.result, MeasurementImport::Result::Taken) << name;
    EXPECT_EQ(merged.records, 1u) << name;
    EXPECT_EQ(TableDates(s.table), (std::vector<long double>{2455001.5L, 2455002.5L})) << name;
    EXPECT_FALSE(s.table.ItemAt(1)->Included[0]) << name;
    EXPECT_FLOAT_EQ(s.table.ItemAt(1)->Offset[0], -2.0f) << name;
    EXPECT_TRUE(s.TableChanged) << name;
    EXPECT_FALSE(s.DataSaved) << name;
    ASSERT_EQ(ImportMeasurementBytes(s, name, bytes, false).result,
              MeasurementImport::Result::Taken);
    EXPECT_EQ(TableDates(s.table), std::vector<long double>{2455002.5L}) << name;
    EXPECT_TRUE(s.DataSaved) << name;
  }
}

// The table the browser's tests import as "written by the desktop": its .DAT is exactly what
// the desktop writes for its .CSV (a value left out included), so a page that reads it and
// writes it back byte for byte shares the desktop's files.
TEST(MeasurementBinary, TheSharedFixtureIsTheDesktopsOwnFile) {
  const std::string folder = std::string(JOVI_TEST_FIXTURES) + "/measurements/";
  const MeasurementFileContent csv = ReadCsvFile(folder + "desktop-table.CSV");
  const MeasurementFileContent dat = ReadBinaryFile(folder + "desktop-table.DAT");
  ASSERT_TRUE(csv.Ok() && dat.Ok());
  ASSERT_EQ(csv.records.size(), 10u);
  MeasurementTable table;
  for (const MeasurementRecord& r : csv.records) table.InsertOrdered(r);
  const std::string bytes = test::ReadAll(folder + "desktop-table.DAT");
  EXPECT_EQ(BinaryFileImage(table), Bytes(bytes));
  ASSERT_EQ(dat.records.size(), csv.records.size());
  EXPECT_FALSE(dat.records[2].Included[0]);
  EXPECT_EQ(dat.records[4].Offset[0], kNoMeasurement);
}

TEST(MeasurementCsvFile, TheCommandLineTableLoadsThroughTheReader) {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  ProgramScene().JupiterDistance = 0;  // as in a fresh process
  const test::CliResult r = test::RunCliCommand({"table", "2455198.5", "2455199.5", "6"});
  ASSERT_EQ(r.status, 0) << r.err;
  const MeasurementFileContent read = CsvFileRecords(r.out);
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.records.size(), 5u);
  for (std::size_t i = 0; i < read.records.size(); ++i) {
    EXPECT_EQ(read.records[i].JulianDay, 2455198.5_r + 0.25_r * static_cast<Real>(i));
  }
  // Each moon's value is its offset at that instant, to the two decimals written.
  int measured = 0;
  for (const MeasurementRecord& record : read.records) {
    ComputeScene(TDTFromUT(record.JulianDay));
    for (int k = 1; k <= 4; ++k) {
      const SatelliteState& s = ProgramScene().Satellite(k);
      const float v = record.Offset[static_cast<std::size_t>(k - 1)];
      if (s.Occulted || s.Eclipsed) {
        EXPECT_EQ(v, kNoMeasurement);
        continue;
      }
      ++measured;
      EXPECT_NEAR(v, static_cast<double>(s.X / 2), 0.0051) << k;
      EXPECT_TRUE(record.Included[static_cast<std::size_t>(k - 1)]);
    }
  }
  EXPECT_GE(measured, 10);
}

}  // namespace
}  // namespace jovi
