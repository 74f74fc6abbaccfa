// The page's analysis: the orbit analysis of the core over the lab's table, its plot as
// shapes for the page to paint, the three parameters by slider or typed value, and points
// left out or taken back.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <optional>

#include "analysis/analysis_dialogs.h"
#include "analysis/jupiter_mass.h"
#include "analysis/orbit_analysis.h"
#include "analysis/plot_geometry.h"
#include "analysis/plot_picture.h"
#include "web/page_lab.h"

namespace jovi::web {
namespace {

using emscripten::val;

std::string InkName(PlotInk ink) {
  switch (ink) {
    case PlotInk::Background: return "background";
    case PlotInk::Text: return "text";
    case PlotInk::Point: return "point";
    case PlotInk::Excluded: return "excluded";
    case PlotInk::Curve: return "curve";
    case PlotInk::CrossHair: return "cross";
  }
  return "text";
}

std::string KindName(PlotShape::Kind kind) {
  switch (kind) {
    case PlotShape::Kind::Line: return "line";
    case PlotShape::Kind::Frame: return "frame";
    case PlotShape::Kind::Ellipse: return "ellipse";
    case PlotShape::Kind::Text: return "text";
    case PlotShape::Kind::Polyline: return "polyline";
  }
  return "line";
}

val ReadoutValue(const Readout& r) { return r.On ? val(static_cast<double>(r.Value)) : val::null(); }

}  // namespace

class Analysis {
 public:
  explicit Analysis(Lab& lab) : lab_(lab), analysis_(lab.prompter()) {}

  // The table as it stands now; each moon's span is taken again after a change.
  val moons() {
    analysis_.Show(lab_.store().table, lab_.store().TableChanged, lab_.options());
    val out = val::array();
    for (const bool enabled : analysis_.Menu().MoonEnabled) out.call<void>("push", enabled);
    return out;
  }

  void selectMoon(int moon) { analysis_.SelectMoon(moon); }
  int moon() const { return analysis_.SelectedMoon(); }

  // The typed T-zero (a Julian date), period (days) and amplitude (diameters); an empty
  // string when they were taken, else the message saying which is wrong.
  std::string setParameters(const std::string& tzero, const std::string& period,
                            const std::string& amplitude) {
    const bool was_shown = analysis_.Menu().ShowCurveChecked;
    PagePrompter& prompter = lab_.prompter();
    prompter.last_text.clear();
    analysis_.BeginInitialParameters();
    if (analysis_.AcceptInitialParameters({tzero, period, amplitude})) return {};
    analysis_.CancelInitialParameters();
    if (was_shown) analysis_.ToggleShowCurve();
    return prompter.last_text.empty() ? std::string("invalid") : prompter.last_text;
  }

  val parameters() const {
    const SineParameterTexts t = SineParameterDialogTexts(analysis_.Sine(analysis_.SelectedMoon()));
    val out = val::object();
    out.set("tzero", t.TZero);
    out.set("period", t.Period);
    out.set("amplitude", t.Amplitude);
    return out;
  }

  void moveSlider(int slider, int position) {
    analysis_.MoveSlider(static_cast<Slider>(slider), position);
  }
  void resetSlider(int slider) { analysis_.ResetSlider(static_cast<Slider>(slider)); }
  void setFine(bool fine) { analysis_.SetFine(fine); }
  bool fine() const { return analysis_.Sliders().Fine(); }
  int slider(int slider) const { return analysis_.Sliders().At(static_cast<Slider>(slider)); }

  void press(int x, int y) { analysis_.MousePress(x, y); }
  void move(int x, int y) { analysis_.MouseMove(x, y); }
  void release(int x, int y) { analysis_.MouseRelease(x, y); }
  // True when the point under (x, y) was left out or taken back.
  bool togglePoint(int x, int y) { return analysis_.DoubleClick(x, y); }

  // One repaint: the shapes and the read-outs. Each call moves the residual's "before".
  val frame() {
    const AnalysisFrame f = analysis_.Frame();
    val out = val::object();
    out.set("width", kPlotImageWidth);
    out.set("height", kPlotImageHeight);
    val shapes = val::array();
    for (const PlotShape& s : f.Plot.shapes) {
      val shape = val::object();
      shape.set("kind", KindName(s.kind));
      shape.set("ink", InkName(s.ink));
      const PlotColour c = InkColour(s.ink, f.Monochrome);
      char colour[8];
      std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.r, c.g, c.b);
      shape.set("colour", std::string(colour));
      shape.set("x1", s.x1);
      shape.set("y1", s.y1);
      shape.set("x2", s.x2);
      shape.set("y2", s.y2);
      if (!s.text.empty()) shape.set("text", s.text);
      if (!s.points.empty()) shape.set("points", val::array(s.points.begin(), s.points.end()));
      shapes.call<void>("push", shape);
    }
    out.set("shapes", shapes);
    out.set("tzero", ReadoutValue(f.TZero));
    out.set("period", ReadoutValue(f.Period));
    out.set("amplitude", ReadoutValue(f.Amplitude));
    // The mass of Jupiter the student's own period and radius give.
    const std::optional<Real> mass =
        f.Period.On && f.Amplitude.On ? JupiterMassKg(f.Period.Value, f.Amplitude.Value)
                                      : std::nullopt;
    out.set("jupiterMass", mass ? val(static_cast<double>(*mass)) : val::null());
    out.set("crossDay", ReadoutValue(f.CrossX));
    out.set("crossOffset", ReadoutValue(f.CrossY));
    const bool curve = !f.RmsText.empty();
    out.set("rms", curve ? val(static_cast<double>(
                               analysis_.Sine(analysis_.SelectedMoon()).RmsResidual))
                         : val::null());
    out.set("rmsWorse", f.RmsWorse);
    out.set("rmsFirst", f.RmsFirst);
    return out;
  }

 private:
  Lab& lab_;
  OrbitAnalysis analysis_;
};

EMSCRIPTEN_BINDINGS(jovitrack_page_analysis) {
  emscripten::class_<Analysis>("Analysis")
      .constructor<Lab&>()
      .function("moons", &Analysis::moons)
      .function("selectMoon", &Analysis::selectMoon)
      .function("moon", &Analysis::moon)
      .function("setParameters", &Analysis::setParameters)
      .function("parameters", &Analysis::parameters)
      .function("moveSlider", &Analysis::moveSlider)
      .function("resetSlider", &Analysis::resetSlider)
      .function("setFine", &Analysis::setFine)
      .function("fine", &Analysis::fine)
      .function("slider", &Analysis::slider)
      .function("press", &Analysis::press)
      .function("move", &Analysis::move)
      .function("release", &Analysis::release)
      .function("togglePoint", &Analysis::togglePoint)
      .function("frame", &Analysis::frame);
}

}  // namespace jovi::web
