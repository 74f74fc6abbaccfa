// The results dialog's rules ("Record/Edit Measurements"): how the pending record is shown in
// its labels and four fields, and how the typed fields are taken back into it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "measure/measurement_store.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

inline constexpr std::array<const char*, 4> kMoonNames{"Io", "Europa", "Ganymede", "Callisto"};
inline constexpr std::array<const char*, 4> kResultsFieldLabels{"Io (1):", "Europa (2):",
                                                                "Ganymede (3):", "Callisto (4):"};
inline constexpr const char* kResultsCaption = "Record/Edit Measurements";
inline constexpr const char* kResultsHint =
    "Enter values in Jupiter diameters, followed by E for east or W for west.";
inline constexpr const char* kInvalidDataCaption = "Invalid Data!";

// The dialog's own flags.
struct ResultsEntry {
  bool Editing = false;     // the dialog edits a record of the table (the review window's Edit)
  bool Modal = false;       // shown modally by the review window
  bool InputError = false;  // the last OK found an invalid value
};

// "Julian Day: 2455198.50000".
std::string ResultsJDText(Real jd);
// "2010/01/01  12Hr 00Min 00Sec": the date and the UT time of day.
std::string ResultsDateTimeText(Real jd);

// A value as its field shows it: "3.25W", "1.50E", "" when not measured; "*" appended when the
// value is left out of the analysis.
std::string ResultsFieldText(float offset, bool included);

// One field read back. A "*" (the first one is taken away) leaves the value out of the
// analysis. Empty: not measured. Otherwise the spaces are dropped, the last letter must be E
// or W (either case) and the rest a decimal number; east is negative.
struct ResultsField {
  enum class Kind { Empty, Value, Invalid };
  Kind kind = Kind::Empty;
  float offset = kNoMeasurement;
  bool included = true;
};
ResultsField ParseResultsField(std::string_view text);

// OK: takes the four fields (Io, Europa, Ganymede, Callisto) into the pending record. At the
// first invalid field "Measured value for <moon> is incorrect!" is shown and the later fields
// are not read; the fields before it keep their new values. A value read on a new
// measurement marks the record as awaiting its commit. True when every field was valid.
bool TakeResultsFields(MeasurementStore& store, ResultsEntry& entry,
                       const std::array<std::string, 4>& fields, Prompter& prompter);

}  // namespace jovi
