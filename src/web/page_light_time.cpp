// The page's light-time analysis: the student's exported event list (the .CSV's text), the
// events of one kind, and the delays, residual and speed of light under the student's own
// period and line. The page never gets a fitted answer from here.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/light_time_fit.h"
#include "analysis/light_time_plot.h"
#include "session/event_csv.h"

namespace jovi::web {
namespace {

using emscripten::val;

bool IsPhase(int phase) { return phase == 0 || phase == 1; }

}  // namespace

class LightTimeFit {
 public:
  LightTimeFit(const std::string& csv_text, double zone_hours) {
    const EventCsvContent content = ReadEventCsv(csv_text, static_cast<float>(zone_hours));
    error_ = content.Error;
    for (const int phase : {0, 1}) {
      events_[static_cast<std::size_t>(phase)] =
          EventsOfPhase(content.Records, static_cast<float>(zone_hours),
                        static_cast<EclipsePhase>(phase));
    }
    model_.PeriodDays = kStartPeriodDays;
    Update();
  }

  std::string error() const { return error_; }
  int count(int phase) const {
    return IsPhase(phase) ? static_cast<int>(events_[static_cast<std::size_t>(phase)].size()) : 0;
  }

  void setPhase(int phase) {
    if (!IsPhase(phase) || phase == phase_) return;
    phase_ = phase;
    Update();
  }

  int size() const { return static_cast<int>(points_.size()); }

  void setModel(double period_days, bool allow_for_irregularities, double offset_seconds,
                double slope_seconds_per_au) {
    model_ = {period_days, allow_for_irregularities, offset_seconds, slope_seconds_per_au};
    Update();
  }

  // An index outside the list gives null.
  val point(int i) const {
    if (i < 0 || i >= size()) return val::null();
    const LightTimePoint& p = points_[static_cast<std::size_t>(i)];
    val out = val::object();
    out.set("julianDate", static_cast<double>(p.JulianDate));
    out.set("distanceAU", static_cast<double>(p.DistanceAU));
    out.set("orbits", static_cast<double>(p.Orbits));
    out.set("delaySeconds", static_cast<double>(p.DelaySeconds));
    out.set("text", p.Text);
    return out;
  }

  double residualSeconds() const {
    return static_cast<double>(LightTimeResidualSeconds(points_, model_));
  }
  double speedOfLightKmPerS() const {
    return static_cast<double>(SpeedOfLightKmPerS(model_.SlopeSecondsPerAU));
  }

  val plot() const {
    const LightTimePlotRange r = LightTimePlot(points_, model_);
    val out = val::object();
    out.set("minAU", static_cast<double>(r.MinAU));
    out.set("maxAU", static_cast<double>(r.MaxAU));
    out.set("minDelay", static_cast<double>(r.MinDelay));
    out.set("maxDelay", static_cast<double>(r.MaxDelay));
    return out;
  }

  double startPeriodDays() const { return static_cast<double>(kStartPeriodDays); }

 private:
  void Update() {
    points_ = LightTimePoints(events_[static_cast<std::size_t>(phase_)], model_,
                              static_cast<EclipsePhase>(phase_));
  }

  std::string error_;
  std::array<std::vector<LightTimeEvent>, 2> events_;
  int phase_ = 0;
  LightTimeModel model_;
  std::vector<LightTimePoint> points_;
};

EMSCRIPTEN_BINDINGS(jovitrack_page_light_time) {
  emscripten::class_<LightTimeFit>("LightTimeFit")
      .constructor<const std::string&, double>()
      .function("error", &LightTimeFit::error)
      .function("count", &LightTimeFit::count)
      .function("setPhase", &LightTimeFit::setPhase)
      .function("size", &LightTimeFit::size)
      .function("setModel", &LightTimeFit::setModel)
      .function("point", &LightTimeFit::point)
      .function("residualSeconds", &LightTimeFit::residualSeconds)
      .function("speedOfLightKmPerS", &LightTimeFit::speedOfLightKmPerS)
      .function("plot", &LightTimeFit::plot)
      .function("startPeriodDays", &LightTimeFit::startPeriodDays);
}

}  // namespace jovi::web
