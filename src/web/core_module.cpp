// The core as an ES module for the page (build-web/core/jovicore.mjs, embind): the time
// conversions, the moons' scene, and a telescope session whose frame and cursor readings come
// from the same Telescope the desktop window drives. Nothing here decides: every value is the
// core's.
//
// Data: the module reads the shipped files (coefficient file, leap seconds, options, pictures'
// names, help) from its own file system. build-web/data/ holds them, with files.txt listing
// their paths one a line; the caller fetches each one and writes it below dataFolder() with
// Module.FS (creating folders such as "Rotation BMPs" first), then calls dataReady() before
// anything else (tests/web/module_test.mjs does it in node). Answers to questions the core asks are Ok for
// now; the messages are kept for the caller (takeMessages()). A frame names its pictures by
// the page's copies below the data folder (web/page_picture.h), which the page fetches itself.
//
// Usage:
//   import createJoviCore from './core/jovicore.mjs';
//   const core = await createJoviCore();
//   ... write data files below core.dataFolder() with core.FS ...
//   core.deltaT(2461420.5);                  // seconds
//   const scope = new core.TelescopeSession();
//   scope.start(2461420.625); scope.setMagnification(2);
//   const frame = scope.frame();              // picture, marks, labels
//   const reading = scope.readAt(x, y);       // moon, offset and the three texts
#include <emscripten/bind.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/date_time.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "config/storage_environment.h"
#include "config/student_info.h"
#include "platform/program_dir.h"
#include "session/exercise_session.h"
#include "session/random_source.h"
#include "session/session_window.h"
#include "session/telescope.h"
#include "util/prompter.h"
#include "util/real.h"
#include "web/page_picture.h"
#include "web/web_storage.h"

namespace jovi::web {

namespace {

using emscripten::val;

// Keeps every message for the caller and answers Ok (Yes where there is no Ok).
class KeepingPrompter final : public Prompter {
 public:
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) override {
    messages_.push_back(std::string(caption) + ": " + std::string(text));
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
  }
  std::vector<std::string> Take() { return std::exchange(messages_, {}); }

 private:
  std::vector<std::string> messages_;
};

KeepingPrompter& Messages() {
  static KeepingPrompter prompter;
  return prompter;
}

val TakeMessages() {
  val list = val::array();
  for (const std::string& m : Messages().Take()) list.call<void>("push", m);
  return list;
}

std::string DataFolder() { return kDataFolder; }

// The data files are in place: the leap seconds are read (again) from them.
void DataReady() {
  SetProgramDir(kDataFolder);
  SetLeapSecondFile(std::string(kDataFolder) + "Leap Seconds.txt");
}

// ---- Time ----

// The UT calendar date and time of a Julian date.
val Calendar(double jd) {
  DateTimeRec rec;
  SetFromJD(rec, static_cast<Real>(jd));
  val out = val::object();
  out.set("year", rec.Year);
  out.set("month", rec.Month);
  out.set("day", rec.Day);
  out.set("hour", rec.UTTime.Hour);
  out.set("minute", rec.UTTime.Minute);
  out.set("second", rec.UTTime.Second);
  return out;
}

// The Julian date of a UT calendar date and time; -1 for a date that does not exist.
double JulianDate(int year, int month, int day, int hour, int minute, double second) {
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || !(second >= 0 && second < 60)) {
    return -1;
  }
  DateTimeRec rec;
  rec.Year = year;
  rec.Month = static_cast<std::uint8_t>(month);
  rec.Day = static_cast<std::uint8_t>(day);
  if (!IsValidDate(rec)) return -1;
  rec.UTTime.Hour = static_cast<std::uint8_t>(hour);
  rec.UTTime.Minute = static_cast<std::uint8_t>(minute);
  rec.UTTime.Second = static_cast<float>(second);
  RecomputeSerial(rec);
  return static_cast<double>(ToJD(rec));
}

double DeltaTSeconds(double jd) { return static_cast<double>(DeltaT(jd) * 86400); }
double TdtFromUt(double jd) { return static_cast<double>(TDTFromUT(jd)); }
double UtFromTdt(double jde) { return static_cast<double>(UTFromTDT(jde)); }

// ---- The scene ----

// The four moons at a UT Julian date: offsets in Jupiter radii from the Earth and the Sun and
// the disc flags; `jupiterFailed` when Jupiter's place could not be had.
val Scene(double jd) {
  ComputeScene(TDTFromUT(static_cast<Real>(jd)));
  val moons = val::array();
  for (int k = 1; k <= 4; ++k) {
    const SatelliteState& s = ProgramScene().Satellite(k);
    val m = val::object();
    m.set("moon", k);
    m.set("x", static_cast<double>(s.X));
    m.set("y", static_cast<double>(s.Y));
    m.set("z", static_cast<double>(s.Z));
    m.set("sunX", static_cast<double>(s.SunX));
    m.set("sunY", static_cast<double>(s.SunY));
    m.set("sunZ", static_cast<double>(s.SunZ));
    m.set("occulted", s.Occulted);
    m.set("eclipsed", s.Eclipsed);
    m.set("shadowOnDisc", s.ShadowOnDisc);
    moons.call<void>("push", m);
  }
  val out = val::object();
  out.set("moons", moons);
  out.set("jupiterFailed", ProgramScene().Working().jupiter_failed);
  return out;
}

// ---- The telescope ----

// The window around the session: no dialogs of its own yet, no timer (the page steps).
class QuietWindow final : public SessionWindow, public TelescopeWindow {
 public:
  void ShowLoginDialog(StudentInfo& record) override { record.StudentName[0] = "Student"; }
  ExerciseMode ShowExerciseChoice() override { return ExerciseMode::Newton; }
  void PopUpSaveMenu() override {}
  void Repaint() override {}
  void SetBusy(bool) override {}
  void StartTimer(std::uint16_t) override {}
  void StopTimer() override {}
};

class MathRandom final : public RandomSource {
 public:
  double Uniform() override { return val::global("Math").call<double>("random"); }
};

val LabelsObject(const TimeLabels& labels) {
  val out = val::object();
  out.set("date", labels.Date);
  out.set("ut", labels.UT);
  out.set("jd", labels.JD);
  out.set("interval", labels.Interval);
  out.set("animation", labels.Animation);
  return out;
}

val ReadoutObject(const ReadoutTexts& texts, const CurrentReading& reading) {
  val out = val::object();
  out.set("moon", reading.MoonID);
  out.set("offset", reading.Offset);
  out.set("jd", static_cast<double>(reading.JulianDay));
  out.set("id", texts.Id);
  out.set("cursor", texts.Cursor);
  out.set("reading", texts.Reading);
  return out;
}

class TelescopeSession {
 public:
  TelescopeSession() : session_(Messages()), scope_(session_, window_, Messages(), random_) {}

  // The orbit exercise observing at a UT Julian date; false (with the reason in the
  // messages) when the session cannot start.
  bool Start(double jd) {
    if (!session_.Start({"jovitrack", "NEWTON"}, storage_)) return false;
    if (!session_.LogIn(window_)) return false;
    session_.Run();
    session_.SetObservationJD(static_cast<Real>(jd));
    scope_.Start();
    return true;
  }

  void SetTime(double jd) {
    session_.SetObservationJD(static_cast<Real>(jd));
    scope_.ComputeScene();
  }
  bool Step(double hours) { return scope_.Step(static_cast<Real>(hours), StepSource::Next); }
  bool Next() { return scope_.Next(); }
  void SetMagnification(int magnification) {
    if (magnification >= 1 && magnification <= 4) scope_.SetMagnification(magnification);
  }
  double JulianDate() const { return static_cast<double>(ToJD(session_.ObservationTime())); }

  // One redraw: Jupiter's rotation picture, the magnification, the moons' and shadows' marks
  // in painting order, the clouds and the labels.
  val Frame() {
    const TelescopeFrame frame = scope_.Redraw();
    val out = val::object();
    out.set("picture", frame.jupiter_picture);
    out.set("picturePath", PagePictureName(BelowData(frame.jupiter_path)));
    out.set("magnification", frame.magnification);
    out.set("magnificationLabel", frame.magnification_label);
    out.set("centreX", frame.centre_x);
    out.set("centreY", frame.centre_y);
    out.set("glyphBefore", frame.glyph.Before);
    out.set("glyphAfter", frame.glyph.After);
    val marks = val::array();
    for (const MoonMark& m : frame.marks) {
      val mark = val::object();
      mark.set("kind", m.kind == MoonMark::Kind::Glyph ? "glyph" : "cross");
      mark.set("moon", m.moon);
      mark.set("x", m.x);
      mark.set("y", m.y);
      mark.set("r", m.colour.r);
      mark.set("g", m.colour.g);
      mark.set("b", m.colour.b);
      marks.call<void>("push", mark);
    }
    out.set("marks", marks);
    val pixels = val::array();
    for (const MoonPixels& p : scope_.Pixels()) {
      val pixel = val::object();
      pixel.set("x", p.X);
      pixel.set("y", p.Y);
      pixel.set("shadowX", p.ShadowX);
      pixel.set("shadowY", p.ShadowY);
      pixels.call<void>("push", pixel);
    }
    out.set("pixels", pixels);
    out.set("clouded", frame.clouded);
    out.set("cloudPath", PagePictureName(BelowData(frame.cloud_path)));
    out.set("labels", LabelsObject(frame.labels));
    return out;
  }

  // The cross-hair put down and lifted at image pixel (x, y).
  val ReadAt(int x, int y) {
    scope_.MouseDown(x, y);
    const std::optional<ReadoutTexts> texts = scope_.MouseUp(x, y);
    return ReadoutObject(texts ? *texts : ReadoutTexts{}, scope_.Reading());
  }

 private:
  WebStorage storage_;
  QuietWindow window_;
  MathRandom random_;
  ExerciseSession session_;
  Telescope scope_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(jovicore) {
  SetProgramPrompter(&Messages());
  SetProgramDir(kDataFolder);
  emscripten::function("dataFolder", &DataFolder);
  emscripten::function("dataReady", &DataReady);
  emscripten::function("takeMessages", &TakeMessages);
  emscripten::function("calendar", &Calendar);
  emscripten::function("julianDate", &JulianDate);
  emscripten::function("deltaT", &DeltaTSeconds);
  emscripten::function("tdtFromUt", &TdtFromUt);
  emscripten::function("utFromTdt", &UtFromTdt);
  emscripten::function("scene", &Scene);
  emscripten::class_<TelescopeSession>("TelescopeSession")
      .constructor<>()
      .function("start", &TelescopeSession::Start)
      .function("setTime", &TelescopeSession::SetTime)
      .function("step", &TelescopeSession::Step)
      .function("next", &TelescopeSession::Next)
      .function("setMagnification", &TelescopeSession::SetMagnification)
      .function("julianDate", &TelescopeSession::JulianDate)
      .function("frame", &TelescopeSession::Frame)
      .function("readAt", &TelescopeSession::ReadAt);
}

}  // namespace jovi::web
