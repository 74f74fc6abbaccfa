#include "config/options_file.h"

#include <algorithm>

#include "util/le_codec.h"
#include "util/real.h"

namespace jovi {

namespace {

// The one description of the file's fields after the version, in file order. `Rec` is
// OptsRec or const OptsRec; the visitor writes or reads each field.
template <typename Rec, typename Visitor>
void VisitFields(Rec& r, Visitor& v) {
  constexpr std::size_t kName = option_text::kFileName;
  constexpr std::size_t kLong = option_text::kLong;
  for (auto* s : {&r.LogoBmp, &r.TitleBmp, &r.RoemerBmp, &r.OnHelpFile, &r.MainHelpList,
                  &r.RoemerHelpList, &r.AnalHelpList, &r.TopViewHelpList, &r.UserHelpFile,
                  &r.ReminderFile, &r.OuterPlanetTable, &r.LeapSecondTable, &r.HotlistFile}) {
    v.Text(*s, kName);
  }
  for (auto* s : {&r.HomeURL, &r.JupImgsDir, &r.CloudImgsDir, &r.Reserved, &r.LogFileName}) {
    v.Text(*s, kLong);
  }
  for (auto& word : r.PasswordWords) v.Word(word);
  v.PasswordLength(r.PasswordLen);
  v.Text(r.LabTable, option_text::kLabTable);
  for (auto* b : {&r.LoginRequired, &r.TestMode, &r.EditMode, &r.WriteLog, &r.IdentifyMoon,
                  &r.ShowDistance, &r.AutoRecord, &r.NewtonClouds, &r.RoemerClouds,
                  &r.AllowRestart, &r.AllowAnimation, &r.AllowTopView, &r.EclipseVisibility,
                  &r.MonoDisplay, &r.PrintColor}) {
    v.Flag(*b);
  }
  v.Percent(r.NewtonCloudyPct);
  v.Percent(r.RoemerCloudyPct);
  v.Milliseconds(r.AnimTimerMs);
  for (auto* x : {&r.AnimStepHrs, &r.ObsStepHrs, &r.NewtonCloudHrs, &r.RoemerCloudHrs}) {
    v.Hours(*x);
  }
  v.Single(r.RedSpotLong);
  v.Single(r.ZoneDiffHrs);
}

class FieldWriter {
 public:
  void Text(const std::string& s, std::size_t max_len) { w_.CountedString(s, max_len); }
  void Word(std::uint32_t v) { w_.U32(v); }
  void PasswordLength(std::uint8_t v) { w_.U8(v); }
  void Flag(bool v) { w_.U8(v ? 1 : 0); }
  void Percent(std::int32_t v) { w_.I32(v); }
  void Milliseconds(std::uint16_t v) { w_.U16(v); }
  void Hours(Real v) { w_.Extended(v); }
  void Single(float v) { w_.F32(v); }
  LeWriter& Writer() { return w_; }

 private:
  LeWriter w_;
};

// Reads a field only when all its bytes are there; after the first missing one, nothing more.
class FieldReader {
 public:
  explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), r_(bytes) {}

  void Text(std::string& s, std::size_t max_len) {
    if (Has(max_len + 1)) s = r_.CountedString(max_len);
  }
  void Word(std::uint32_t& v) { if (Has(4)) v = r_.U32(); }
  void PasswordLength(std::uint8_t& v) {
    if (Has(1)) v = std::min<std::uint8_t>(r_.U8(), option_text::kMaxPassword);
  }
  void Flag(bool& v) { if (Has(1)) v = r_.U8() != 0; }
  void Percent(std::int32_t& v) { if (Has(4)) v = r_.I32(); }
  void Milliseconds(std::uint16_t& v) { if (Has(2)) v = r_.U16(); }
  void Hours(Real& v) { if (Has(10)) v = r_.Extended(); }
  void Single(float& v) { if (Has(4)) v = r_.F32(); }

  void Skip(std::size_t n) { if (Has(n)) r_.Skip(n); }
  bool Stopped() const { return stopped_; }
  bool AtEnd() const { return r_.Position() == bytes_.size(); }

 private:
  bool Has(std::size_t n) {
    if (!stopped_ && bytes_.size() - r_.Position() < n) stopped_ = true;
    return !stopped_;
  }
  std::span<const std::uint8_t> bytes_;
  LeReader r_;
  bool stopped_ = false;
};

}  // namespace

std::vector<std::uint8_t> EncodeOptions(const OptsRec& rec) {
  FieldWriter writer;
  writer.Text(rec.FileVersion, kOptionsVersionSize - 1);
  VisitFields(rec, writer);
  return writer.Writer().Bytes();
}

bool DecodeOptionsVersion(std::span<const std::uint8_t> bytes, OptsRec& rec) {
  FieldReader reader(bytes);
  reader.Text(rec.FileVersion, kOptionsVersionSize - 1);
  return !reader.Stopped();
}

OptionsDecoding DecodeOptionsFields(std::span<const std::uint8_t> bytes, OptsRec& rec) {
  FieldReader reader(bytes);
  reader.Skip(kOptionsVersionSize);
  VisitFields(rec, reader);
  if (reader.Stopped()) return OptionsDecoding::TooShort;
  return reader.AtEnd() ? OptionsDecoding::Complete : OptionsDecoding::TooLong;
}

}  // namespace jovi
