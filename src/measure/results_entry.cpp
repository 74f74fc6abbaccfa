#include "measure/results_entry.h"

#include <cmath>

#include "astro/date_time.h"
#include "util/ascii_case.h"
#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

namespace {

DateTimeRec UtRecord(Real jd) {
  DateTimeRec rec;
  SetZoneAndNow(rec, 0);
  SetFromJD(rec, jd);
  return rec;
}

}  // namespace

std::string ResultsJDText(Real jd) { return "Julian Day: " + JDText(UtRecord(jd), 5); }

std::string ResultsDateTimeText(Real jd) {
  const DateTimeRec rec = UtRecord(jd);
  return NumericDateText(rec) + "  " + TimeText(rec.UTTime, 0, "Hr ", "Min ", "Sec");
}

std::string ResultsFieldText(float offset, bool included) {
  std::string text;
  if (offset != kNoMeasurement) {
    text = FixedText(std::fabs(static_cast<Real>(offset)), 2) + (offset >= 0 ? "W" : "E");
  }
  if (!included) text += '*';
  return text;
}

ResultsField ParseResultsField(std::string_view typed) {
  ResultsField field;
  std::string text(typed);
  if (const std::size_t star = text.find('*'); star != std::string::npos) {
    text.erase(star, 1);
    field.included = false;
  }
  if (text.empty()) return field;
  field.kind = ResultsField::Kind::Invalid;
  std::erase(text, ' ');
  text = AsciiUpper(text);
  if (text.empty() || (text.back() != 'E' && text.back() != 'W')) return field;
  const bool east = text.back() == 'E';
  text.pop_back();
  Real value = 0;
  // The value is kept as a single: one it cannot hold is as wrong as a non-number.
  if (!ParseDecimal(text, value) || !(std::fabs(value) <= 3.0e38_r)) return field;
  field.kind = ResultsField::Kind::Value;
  field.offset = static_cast<float>(east ? -value : value);
  return field;
}

bool TakeResultsFields(MeasurementStore& store, ResultsEntry& entry,
                       const std::array<std::string, 4>& fields, Prompter& prompter) {
  for (std::size_t m = 0; m < fields.size(); ++m) {
    const ResultsField field = ParseResultsField(fields[m]);
    store.pending.Included[m] = field.included;
    if (field.kind == ResultsField::Kind::Invalid) {
      entry.InputError = true;
      prompter.Tell(std::string("Measured value for ") + kMoonNames[m] + " is incorrect!",
                    kInvalidDataCaption, Icon::Stop);
      return false;
    }
    store.pending.Offset[m] = field.offset;
    if (field.kind == ResultsField::Kind::Value) store.NothingPending = entry.Editing;
  }
  entry.InputError = false;
  entry.Editing = false;
  return true;
}

}  // namespace jovi
