// OrbitAnalysis: everything the analysis window decides. The window forwards each menu
// item, scroll bar, button and mouse action here, then paints the frame this returns and sets
// its menus from Menu().
#pragma once

#include <array>
#include <string>

#include "analysis/analysis_dialogs.h"
#include "analysis/moon_plot_state.h"
#include "analysis/plot_picture.h"
#include "analysis/residual_display.h"
#include "analysis/sine_model.h"
#include "analysis/slider_rules.h"
#include "config/options_record.h"
#include "measure/measurement_record.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

struct AnalysisMenu {
  std::array<bool, 4> MoonEnabled{};
  std::array<bool, 4> MoonChecked{};
  bool PlotEnabled = false;
  bool SaveImageEnabled = false;
  bool ShowPoints = true;  // "Show Points" and "Connect Points" exclude each other
  bool ConnectPoints = false;
  bool SetInitialChecked = false;
  bool ShowCurveEnabled = false;
  bool ShowCurveChecked = false;
  bool SummaryEnabled = false;
  bool HelpEnabled = false;
};

// A seven-segment read-out: switched off it shows nothing.
struct Readout {
  bool On = false;
  Real Value = 0;
};

// What one repaint shows.
struct AnalysisFrame {
  PlotPicture Plot;
  Readout TZero, Period, Amplitude, CrossX, CrossY;
  std::string RmsText;  // empty while no curve is shown
  PlotColour RmsColour;
  bool RmsWorse = false;  // larger than at the frame before: what RmsColour says, in a flag
  bool RmsFirst = false;  // the first value since the curve was shown: nothing to compare
  bool ToggleEnabled = false;
  bool Monochrome = false;
};

class OrbitAnalysis {
 public:
  explicit OrbitAnalysis(Prompter& prompter) : prompter_(prompter) {}

  // The window is shown over `table`: after a change of the table every moon's data span is
  // taken again and `table_changed` is cleared. The options give the help list and the scheme.
  void Show(MeasurementTable& table, bool& table_changed, const OptsRec& options);
  // After a load: no moon, the menus as at the start, coarse sliders at the centre.
  void Reset();

  void SelectMoon(int moon);

  DataSpanTexts DataSpanDialog() const;
  bool AcceptDataSpan(const std::string& start_text, int days_index);

  // "Set Initial Parameters...": the curve is hidden while the dialog is open.
  SineParameterTexts BeginInitialParameters();
  bool AcceptInitialParameters(const SineParameterTexts& texts);
  void CancelInitialParameters();

  void ToggleShowCurve();
  void SetConnectPoints(bool connect);

  void MoveSlider(Slider slider, int position);
  void ResetSlider(Slider slider);
  void SetFine(bool fine);

  // Mouse on the plot, in plot-image pixels.
  void MousePress(int x, int y);
  void MouseMove(int x, int y);
  void MouseRelease(int x, int y);
  // True when a point's Included flag changed.
  bool DoubleClick(int x, int y);

  // The repaint: the T-zero conversion, the picture, the read-outs and the residual.
  AnalysisFrame Frame();

  // Printing switches the scheme for a while.
  void SetMonochrome(bool monochrome) { monochrome_ = monochrome; }
  bool Monochrome() const { return monochrome_; }
  bool OptionMonochrome() const { return option_monochrome_; }

  const AnalysisMenu& Menu() const { return menu_; }
  int SelectedMoon() const { return moon_; }
  const SliderSet& Sliders() const { return sliders_; }
  const MoonPlotState& PlotState(int moon) const;
  const SineParameters& Sine(int moon) const;
  const SineParameterSet& AllSine() const { return sine_; }
  int CrossX() const { return cross_x_; }
  int CrossY() const { return cross_y_; }
  const MeasurementTable* Table() const { return table_; }

 private:
  MoonPlotState& State() { return plots_[static_cast<std::size_t>(moon_ - 1)]; }
  SineParameters& Params() { return sine_[static_cast<std::size_t>(moon_ - 1)]; }
  void ClearReadouts();
  void CoarseWithResets();

  Prompter& prompter_;
  MeasurementTable* table_ = nullptr;
  MoonPlotStates plots_{};
  SineParameterSet sine_{};
  AnalysisMenu menu_;
  SliderSet sliders_;
  int moon_ = 0;
  Real previous_rms_ = 0;
  int cross_x_ = 0, cross_y_ = 0;
  bool dragging_ = false;
  bool double_clicked_ = false;
  bool monochrome_ = false;
  bool option_monochrome_ = false;
};

}  // namespace jovi
