#include "analysis/orbit_analysis.h"

#include <cstddef>

#include "analysis/moon.h"
#include "analysis/plot_drawing.h"
#include "analysis/plot_geometry.h"
#include "analysis/point_hit_test.h"
#include "util/real.h"

namespace jovi {

namespace {

const MoonPlotState kNoPlotState{};
const SineParameters kNoSineParameters{};

}  // namespace

const MoonPlotState& OrbitAnalysis::PlotState(int moon) const {
  return IsMoon(moon) ? plots_[static_cast<std::size_t>(moon - 1)] : kNoPlotState;
}

const SineParameters& OrbitAnalysis::Sine(int moon) const {
  return IsMoon(moon) ? sine_[static_cast<std::size_t>(moon - 1)] : kNoSineParameters;
}

void OrbitAnalysis::Show(MeasurementTable& table, bool& table_changed, const OptsRec& options) {
  table_ = &table;
  if (table_changed) {
    plots_ = RebuildPlotStates(table);
    menu_.SaveImageEnabled = false;
    for (std::size_t k = 0; k < plots_.size(); ++k) menu_.MoonEnabled[k] = plots_[k].HasData;
    table_changed = false;
    // The selected moon stays on show with its span taken again; one whose data are gone
    // cannot stay selected.
    if (IsMoon(moon_)) {
      if (State().HasData) {
        InitialisePlotState(State(), moon_, prompter_);
      } else {
        Reset();
      }
    }
  }
  menu_.HelpEnabled = !options.AnalHelpList.empty();
  option_monochrome_ = options.MonoDisplay;
  monochrome_ = option_monochrome_;
}

void OrbitAnalysis::Reset() {
  moon_ = 0;
  menu_.MoonChecked = {};
  menu_.PlotEnabled = false;
  menu_.SaveImageEnabled = false;
  menu_.ShowPoints = true;
  menu_.ConnectPoints = false;
  menu_.SetInitialChecked = false;
  menu_.ShowCurveChecked = false;
  menu_.ShowCurveEnabled = false;
  menu_.SummaryEnabled = false;
  sliders_ = SliderSet{};
  ClearReadouts();
}

void OrbitAnalysis::ClearReadouts() {
  previous_rms_ = 0;
  cross_x_ = 0;
  cross_y_ = 0;
  dragging_ = false;
  double_clicked_ = false;
}

void OrbitAnalysis::CoarseWithResets() {
  if (IsMoon(moon_)) {
    SetSensitivity(sliders_, false, State(), Params());
  } else {
    sliders_ = SliderSet{};
  }
}

void OrbitAnalysis::SelectMoon(int moon) {
  if (!IsMoon(moon) || !table_) return;
  MoonPlotState& s = plots_[static_cast<std::size_t>(moon - 1)];
  if (!s.HasData) return;
  if (NeedsInitialising(s)) InitialisePlotState(s, moon, prompter_);
  moon_ = moon;
  for (std::size_t k = 0; k < menu_.MoonChecked.size(); ++k) {
    menu_.MoonChecked[k] = static_cast<int>(k) + 1 == moon;
  }
  menu_.PlotEnabled = true;
  menu_.SaveImageEnabled = true;
  menu_.SetInitialChecked = false;
  menu_.ShowCurveChecked = false;
  menu_.ShowCurveEnabled = CurveDefined(Params());
  menu_.SummaryEnabled = menu_.ShowCurveEnabled;
  if (menu_.ShowCurveEnabled) CoarseWithResets();
  ClearReadouts();
}

DataSpanTexts OrbitAnalysis::DataSpanDialog() const { return DataSpanDialogTexts(PlotState(moon_)); }

bool OrbitAnalysis::AcceptDataSpan(const std::string& start_text, int days_index) {
  if (!IsMoon(moon_)) return false;
  return jovi::AcceptDataSpan(start_text, days_index, State(), prompter_);
}

SineParameterTexts OrbitAnalysis::BeginInitialParameters() {
  menu_.SetInitialChecked = true;
  menu_.ShowCurveChecked = false;
  return SineParameterDialogTexts(Sine(moon_));
}

bool OrbitAnalysis::AcceptInitialParameters(const SineParameterTexts& texts) {
  if (!IsMoon(moon_)) return false;
  if (!AcceptSineParameters(texts, Params(), prompter_)) return false;
  menu_.ShowCurveEnabled = true;
  menu_.SummaryEnabled = true;
  CoarseWithResets();
  menu_.ShowCurveChecked = !menu_.ShowCurveChecked;
  ClearReadouts();
  menu_.SetInitialChecked = false;
  menu_.ShowPoints = true;
  menu_.ConnectPoints = false;
  return true;
}

void OrbitAnalysis::CancelInitialParameters() { menu_.SetInitialChecked = false; }

void OrbitAnalysis::ToggleShowCurve() {
  if (!IsMoon(moon_) || !menu_.ShowCurveEnabled) return;
  menu_.ShowCurveChecked = !menu_.ShowCurveChecked;
}

void OrbitAnalysis::SetConnectPoints(bool connect) {
  menu_.ConnectPoints = connect;
  menu_.ShowPoints = !connect;
}

void OrbitAnalysis::MoveSlider(Slider slider, int position) {
  if (!IsMoon(moon_) || !menu_.ShowCurveChecked) return;
  jovi::MoveSlider(sliders_, slider, position, State(), Params());
}

void OrbitAnalysis::ResetSlider(Slider slider) {
  if (!IsMoon(moon_)) return;
  jovi::ResetSlider(sliders_, slider, State(), Params());
}

void OrbitAnalysis::SetFine(bool fine) {
  if (!IsMoon(moon_)) return;
  SetSensitivity(sliders_, fine, State(), Params());
}

void OrbitAnalysis::MousePress(int x, int y) {
  if (!IsMoon(moon_)) return;
  dragging_ = true;
  cross_x_ = x;
  cross_y_ = y;
}

void OrbitAnalysis::MouseMove(int x, int y) {
  if (!IsMoon(moon_)) return;
  if (double_clicked_) {
    ClearReadouts();
    return;
  }
  if (!dragging_) return;
  cross_x_ = x;
  cross_y_ = y;
}

void OrbitAnalysis::MouseRelease(int x, int y) {
  if (!IsMoon(moon_) || !dragging_) return;
  cross_x_ = x;
  cross_y_ = y;
  dragging_ = false;
}

bool OrbitAnalysis::DoubleClick(int x, int y) {
  if (!IsMoon(moon_) || !table_) return false;
  double_clicked_ = true;
  dragging_ = false;
  return TogglePointAt(*table_, moon_, State(), x, y, prompter_);
}

AnalysisFrame OrbitAnalysis::Frame() {
  AnalysisFrame frame;
  frame.Monochrome = monochrome_;
  PlotView view;
  view.Moon = table_ ? moon_ : 0;
  if (IsMoon(view.Moon)) {
    view.State = &State();
    view.Table = table_;
    view.ConnectPoints = menu_.ConnectPoints;
    view.ShowCurve = menu_.ShowCurveChecked;
    view.CrossX = cross_x_;
    view.CrossY = cross_y_;
    if (view.ShowCurve) {
      ConvertTZero(Params(), State().JDBase);
      view.Sine = &Params();
    }
  }
  frame.Plot = BuildPlotPicture(view);
  frame.ToggleEnabled = view.ShowCurve;
  if (view.ShowCurve) {
    const SineParameters& p = Params();
    frame.TZero = {true, FullTZero(p, State().JDBase)};
    frame.Period = {true, p.Period};
    frame.Amplitude = {true, p.Amplitude};
    const Real rms = ComputeRmsResidual(*table_, moon_, State(), Params());
    const ResidualShown shown = ShowResidual(rms, previous_rms_, monochrome_);
    frame.RmsText = shown.Text;
    frame.RmsColour = shown.Colour;
    frame.RmsWorse = shown.Worse;
    frame.RmsFirst = shown.First;
  }
  if (IsMoon(view.Moon) && InsidePlotArea(cross_x_, cross_y_)) {
    frame.CrossX = {true, XToDay(State(), cross_x_)};
    frame.CrossY = {true, YToOffset(State(), cross_y_)};
  }
  return frame;
}

}  // namespace jovi
