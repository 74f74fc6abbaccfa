// The browser page's lab: one observing session of the orbit exercise, driven as the desktop's
// windows drive the core (the session, the telescope, the measurement table and its review,
// the files' readers and writers), with its answers shaped for the page.
#pragma once

#include <emscripten/val.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "measure/measurement_file_commands.h"
#include "measure/measurement_files.h"
#include "measure/results_entry.h"
#include "measure/review_list.h"
#include "platform/program_dir.h"
#include "session/cursor_reading.h"
#include "session/date_entry.h"
#include "session/exercise_session.h"
#include "session/feature_choice.h"
#include "session/observation_step.h"
#include "session/pending_record.h"
#include "session/random_source.h"
#include "session/session_window.h"
#include "session/telescope.h"
#include "session/top_view_plan.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "util/le_codec.h"
#include "util/prompter.h"
#include "util/real.h"
#include "web/page_picture.h"
#include "web/web_storage.h"

namespace jovi::web {
namespace page {

using emscripten::val;

// The page asks its own questions before it calls the core, so every question the core asks
// is answered with its first button; the last message is kept for the page to word.
class PagePrompter final : public Prompter {
 public:
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons,
             Icon icon) override {
    last_text = text;
    last_caption = caption;
    return SilentPrompter().Ask(text, caption, buttons, icon);
  }
  std::string last_text, last_caption;
};

class PageWindow final : public SessionWindow, public TelescopeWindow {
 public:
  explicit PageWindow(StudentInfo students) : students_(std::move(students)) {}
  void ShowLoginDialog(StudentInfo& record) override { record = students_; }
  ExerciseMode ShowExerciseChoice() override { return ExerciseMode::Newton; }
  void PopUpSaveMenu() override {}
  void Repaint() override {}
  void SetBusy(bool) override {}
  void StartTimer(std::uint16_t) override {}
  void StopTimer() override {}

 private:
  StudentInfo students_;
};

inline val Calendar(Real jd) {
  const CalendarText text = CalendarTextOf(jd);
  val c = val::object();
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  std::sscanf(text.Date.c_str(), "%d/%d/%d", &y, &mo, &d);
  std::sscanf(text.Time.c_str(), "%d:%d:%d", &h, &mi, &s);
  c.set("year", y);
  c.set("month", mo);
  c.set("day", d);
  c.set("hour", h);
  c.set("minute", mi);
  c.set("second", s);
  c.set("jd", static_cast<double>(jd));
  return c;
}

inline val RecordValue(const MeasurementRecord& r) {
  val out = Calendar(r.JulianDay);
  val record = val::object();
  record.set("jd", static_cast<double>(r.JulianDay));
  record.set("time", out);
  val offsets = val::array();
  val included = val::array();
  for (std::size_t i = 0; i < 4; ++i) {
    const bool measured = r.Offset[i] < kNoMeasurement;
    offsets.call<void>("push", measured ? static_cast<double>(r.Offset[i]) : std::nan(""));
    included.call<void>("push", static_cast<bool>(r.Included[i]));
  }
  record.set("offsets", offsets);
  record.set("included", included);
  return record;
}

inline std::vector<std::uint8_t> Bytes(const val& array) {
  return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

inline val ByteArray(const std::vector<std::uint8_t>& bytes) {
  val out = val::global("Uint8Array").new_(bytes.size());
  out.call<void>("set", val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
  return out;
}

inline std::string CssColour(const Rgb& c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r & 255, c.g & 255, c.b & 255);
  return text;
}

inline StudentInfo StudentsOf(const std::string& names, const std::string& table) {
  StudentInfo info;
  std::size_t start = 0;
  for (std::size_t i = 0; i < info.StudentName.size() && start <= names.size(); ++i) {
    const std::size_t comma = names.find(',', start);
    std::string name = names.substr(start, comma == std::string::npos ? std::string::npos
                                                                      : comma - start);
    const std::size_t first = name.find_first_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first);
    info.StudentName[i] = name.substr(0, student_text::kName);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  info.TableNumber = table.substr(0, student_text::kTable);
  return info;
}

}  // namespace page

using namespace page;

class Lab {
 public:
  // `exercise` is "orbits" or "light-time".
  Lab(const std::string& names, const std::string& table,
      const std::string& exercise = "orbits")
      : window_(StudentsOf(names, table)),
        session_(prompter_),
        random_(MakeClockSeededRandom()),
        scope_(session_, window_, prompter_, *random_),
        review_(scope_.Measurements(), prompter_) {
    // The ephemerides and pictures are looked for in the program's folder.
    SetProgramDir(kDataFolder);
    started_ = session_.Start({"jovitrack", exercise == "light-time" ? "ROEMER" : "NEWTON"}, storage_) && session_.LogIn(window_);
    if (!started_) return;
    session_.Run();
    session_.UseMeasurementStore(scope_.Measurements());
    scope_.Start();
    frame_ = scope_.Redraw();
  }

  bool started() const { return started_; }
  std::string message() const { return prompter_.last_text; }

  std::string exercise() const {
    return session_.Mode() == ExerciseMode::Roemer ? "light-time" : "orbits";
  }
  // The desktop window's caption for the exercise.
  std::string caption() const { return std::string(ExerciseCaption(session_.Mode())); }

  // The features' "Stop Animation on Eclipse": offered when the teacher's options allow the
  // eclipse aids; set as the features dialog sets it. Gives the setting now in force.
  bool stopOnEclipseAllowed() {
    return FeatureBoxesFor(session_.Features(), session_.Options())[3].enabled;
  }
  bool setStopOnEclipse(bool stop) {
    FeatureSettings& features = session_.Features();
    FeatureBoxes boxes = FeatureBoxesFor(features, session_.Options());
    boxes[3].checked = stop && boxes[3].enabled;
    features = FeaturesFromBoxes(boxes);
    return features.StopOnEclipse;
  }

  // The page's animation runs as the desktop's timer does: while it plays, an eclipse seen
  // stops it and leaves a notice.
  void play(bool playing) {
    if (playing) scope_.StartAnimation();
    else scope_.StopAnimation();
  }
  bool playing() const { return scope_.Animating(); }
  // The eclipse that stopped the animation ({moon 1..4, entered}), or null.
  val eclipseStop() const {
    const std::optional<EclipseNotice>& notice = scope_.PendingNotice();
    if (!notice) return val::null();
    val out = val::object();
    out.set("moon", notice->moon);
    out.set("entered", notice->entered);
    return out;
  }
  // The notice's OK: the animation goes on. Dismissing it leaves the animation stopped.
  void continueAnimation() { scope_.AnswerEclipseNotice(); }
  void dismissEclipseStop() {
    scope_.AnswerEclipseNotice();
    scope_.StopAnimation();
  }

  val time() const { return Calendar(ToJD(session_.ObservationTime())); }

  bool setTime(val c) {
    char date[32], time[32];
    std::snprintf(date, sizeof date, "%d/%d/%d", c["year"].as<int>(), c["month"].as<int>(),
                  c["day"].as<int>());
    std::snprintf(time, sizeof time, "%d:%d:%d", c["hour"].as<int>(), c["minute"].as<int>(),
                  c["second"].as<int>());
    const std::optional<Real> jd = ParseCalendarUT(date, time);
    return jd && setJD(static_cast<double>(*jd));
  }

  bool setJD(double jd) {
    if (!StepTarget(jd, 0)) return false;
    session_.SetObservationJD(jd);
    scope_.ComputeScene();
    frame_ = scope_.Redraw();
    return true;
  }

  bool step(double hours) {
    const bool moved = scope_.Step(hours, StepSource::Timer);
    frame_ = scope_.Redraw();
    return moved;
  }

  bool next(double hours) {
    scope_.CommitPending(false);
    const bool moved = scope_.Step(hours, StepSource::Next);
    frame_ = scope_.Redraw();
    return moved;
  }

  void setMagnification(int magnification) {
    scope_.SetMagnification(magnification);
    frame_ = scope_.Redraw();
  }

  val frame() const {
    val f = val::object();
    f.set("width", kTelescopeImageWidth);
    f.set("height", kTelescopeImageHeight);
    f.set("picture", PagePictureName(BelowData(frame_.jupiter_path)));
    f.set("cloud", PagePictureName(BelowData(frame_.cloud_path)));
    val glyph = val::object();
    glyph.set("before", frame_.glyph.Before);
    glyph.set("after", frame_.glyph.After);
    f.set("glyph", glyph);
    val marks = val::array();
    for (const MoonMark& m : frame_.marks) {
      val mark = val::object();
      mark.set("cross", m.kind == MoonMark::Kind::Cross);
      mark.set("moon", m.moon);
      mark.set("x", m.x);
      mark.set("y", m.y);
      mark.set("colour", CssColour(m.colour));
      marks.call<void>("push", mark);
    }
    f.set("marks", marks);
    // Each moon's light in a mutual event, which its mark's colour is already dimmed by.
    val light = val::array();
    for (const Real l : frame_.moon_light) light.call<void>("push", static_cast<double>(l));
    f.set("light", light);
    f.set("clouded", frame_.clouded);
    f.set("magnification", frame_.magnification);
    return f;
  }

  // The top view as the desktop plans it: orbits, Jupiter, the moons, the arrow towards the
  // Earth and the eclipse zone, in pixels of its picture. The arrow icon is `icon` pixels square.
  val topView(int icon) {
    TopViewSettings settings;
    settings.ShowEclipseZone = session_.ShowEclipseZone();
    settings.Eclipses =
        session_.Options().EclipseVisibility ? EclipseDisplay::Plus : EclipseDisplay::DontShow;
    settings.UseIDColors = session_.Features().UseIDColors;
    const Real angle = TopViewAngleAt(TDTFromUT(ToJD(session_.ObservationTime())));
    const TopViewPlan plan =
        PlanTopView(NormalTopView(), ProgramScene().Satellites(), angle, settings, icon, icon);
    val out = val::object();
    out.set("width", plan.Layout.Width);
    out.set("height", plan.Layout.Height);
    val boxes = val::array();
    for (const ViewBox& b : plan.Boxes) {
      boxes.call<void>("push", val::array(std::vector<int>{b.Left, b.Top, b.Right, b.Bottom}));
    }
    out.set("boxes", boxes);
    out.set("orbits", plan.ShowOrbits);
    out.set("arrow", val::array(std::vector<int>{plan.Arrow.Icon.X, plan.Arrow.Icon.Y}));
    out.set("text", val::array(std::vector<int>{plan.Arrow.Text.X, plan.Arrow.Text.Y}));
    out.set("toEarth", std::string(kToEarthText));
    val zone = val::array();
    if (plan.ZoneLines) {
      for (const ViewLine& l : *plan.ZoneLines) {
        zone.call<void>("push", val::array(std::vector<int>{l.From.X, l.From.Y, l.To.X, l.To.Y}));
      }
    }
    out.set("zone", zone);
    out.set("jupiter", CssColour(kMoonColour));
    out.set("orbitColour", CssColour(kTopViewOrbitColour));
    out.set("zoneColour", CssColour(kTopViewZoneColour));
    out.set("textColour", CssColour(kTopViewTextColour));
    val moons = val::array();
    for (std::size_t i = 0; i < plan.Moons.size(); ++i) {
      const TopViewMoon& m = plan.Moons[i];
      val moon = val::object();
      moon.set("moon", static_cast<int>(i) + 1);
      moon.set("x", m.At.X);
      moon.set("y", m.At.Y);
      moon.set("mark", std::string(m.Glyph.Mark == TopViewMark::Dot    ? "dot"
                                   : m.Glyph.Mark == TopViewMark::Plus ? "plus"
                                                                       : "none"));
      moon.set("size", m.Glyph.Size);
      moon.set("colour", CssColour(m.Colour));
      moons.call<void>("push", moon);
    }
    out.set("moons", moons);
    return out;
  }

  // Where Jupiter's picture of the given size is drawn in the field at this magnification.
  val jupiterRect(int picture_width, int picture_height) const {
    const PixelRect rect = JupiterRect(picture_width, picture_height, frame_.magnification,
                                       frame_.centre_x, frame_.centre_y);
    val j = val::object();
    j.set("left", rect.Left);
    j.set("top", rect.Top);
    j.set("right", rect.Right);
    j.set("bottom", rect.Bottom);
    return j;
  }

  val readingAt(int x, int y) {
    scope_.MouseDown(x, y);
    scope_.MouseUp(x, y);
    const CurrentReading& r = scope_.Reading();
    val out = val::object();
    out.set("moon", r.MoonID);
    out.set("offset", static_cast<double>(r.Offset));
    return out;
  }

  bool record(int x, int y) {
    readingAt(x, y);
    MeasurementStore& store = scope_.Measurements();
    const bool had_pending = !store.NothingPending;
    const int before = store.table.Count();
    const bool recorded = RecordReadingConfirmed(store, scope_.Reading(), prompter_);
    if (had_pending && store.table.Count() > before) session_.SetDataSaved(false);
    session_.SetNothingPending(store.NothingPending);
    return recorded;
  }

  val pending() const {
    const MeasurementStore& store = scope_.Measurements();
    // Only values still waiting to join the table; after Next they are in it.
    if (store.pending.JulianDay == 0 || store.NothingPending) return val::null();
    return RecordValue(store.pending);
  }

  val table() const {
    val out = val::array();
    scope_.Measurements().table.ForEach(
        [&](const MeasurementRecord& r) { out.call<void>("push", RecordValue(r)); });
    return out;
  }

  bool setIncluded(int index, int moon, bool included) {
    return review_.SetIncluded(kReviewHeadingLines + index, moon, included);
  }
  bool deleteRecord(int index) { return review_.DeleteSelectedLine(kReviewHeadingLines + index); }
  bool undo() { return review_.UndoEditDelete(); }
  bool canUndo() const { return review_.UndoEnabled(); }

  // 0 when the four fields were taken, else the moon (1..4) of the first invalid one.
  int editRecord(int index, val fields) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) texts[i] = fields[i].as<std::string>();
    int invalid = 0;
    review_.EditSelectedLine(kReviewHeadingLines + index, [&](MeasurementStore& store) {
      ResultsEntry entry;
      entry.Editing = entry.Modal = true;
      const bool ok = TakeResultsFields(store, entry, texts, prompter_);
      if (!ok) {
        for (std::size_t i = 0; i < 4; ++i) {
          if (ParseResultsField(texts[i]).kind == ResultsField::Kind::Invalid) {
            invalid = static_cast<int>(i) + 1;
            break;
          }
        }
      }
      return ok;
    });
    return invalid;
  }

  std::string valueText(double offset, bool included) const {
    return ResultsFieldText(static_cast<float>(offset), included);
  }

  std::string csvText(double zone_hours) const {
    return CsvFileText(scope_.Measurements().table, static_cast<float>(zone_hours));
  }

  val datBytes() const { return ByteArray(BinaryFileImage(scope_.Measurements().table)); }

  val importFile(const std::string& name, val bytes, bool merge) {
    const std::vector<std::uint8_t> data = Bytes(bytes);
    const MeasurementImport import =
        ImportMeasurementBytes(scope_.Measurements(), name, data, merge);
    static constexpr const char* kResults[] = {"taken", "wrong-extension", "unreadable",
                                               "no-records"};
    val out = val::object();
    out.set("result", std::string(kResults[static_cast<int>(import.result)]));
    out.set("error", import.error);
    out.set("records", static_cast<double>(import.records));
    out.set("skipped", static_cast<double>(import.skipped));
    return out;
  }

  // The pending record and whether it awaits its commit, for the browser's storage.
  val pendingBytes() const {
    const MeasurementStore& store = scope_.Measurements();
    LeWriter out;
    WriteMeasurementRecord(out, store.pending);
    out.U8(store.NothingPending ? 0 : 1);
    return ByteArray(out.Bytes());
  }

  void restorePending(val bytes) {
    const std::vector<std::uint8_t> data = Bytes(bytes);
    if (data.size() != kMeasurementRecordBytes + 1) return;
    LeReader in(data);
    MeasurementStore& store = scope_.Measurements();
    MeasurementRecord record = ReadMeasurementRecord(in);
    if (!std::isfinite(record.JulianDay)) return;
    store.pending = record;
    store.NothingPending = data.back() == 0;
    session_.SetNothingPending(store.NothingPending);
  }

 // For the other views of the page over the same session.
  MeasurementStore& store() { return scope_.Measurements(); }
  const DateTimeRec& observationTime() const { return session_.ObservationTime(); }
  const OptsRec& options() const { return session_.Options(); }
  PagePrompter& prompter() { return prompter_; }

 private:
  WebStorage storage_;
  PagePrompter prompter_;
  PageWindow window_;
  ExerciseSession session_;
  std::unique_ptr<RandomSource> random_;
  Telescope scope_;
  MeasurementReview review_;
  TelescopeFrame frame_;
  bool started_ = false;
};

}  // namespace jovi::web
