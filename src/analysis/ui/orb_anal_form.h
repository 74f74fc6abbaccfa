// TOrbAnalForm1, "Jupiter Satellite Orbit Analysis": one moon's offsets against time, the sine
// curve fitted by hand with three scroll bars, its read-outs and RMS residual. Every decision
// is OrbitAnalysis's; this window forwards the student's actions and paints the result.
#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "analysis/orbit_analysis.h"
#include "measure/measurement_record.h"
#include "util/print_surface.h"
#include "util/ui/message_box_prompter.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace jovi {

class ExerciseSession;
class PlotDisplay;
class SevenSegmentReadout;
class TPlotParmsDlg;
class TSineParmsDlg;
class ToggleSwitch;

class TOrbAnalForm1 : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 658;
  static constexpr int kClientHeight = 502;

  explicit TOrbAnalForm1(ExerciseSession& session, QWidget* parent = nullptr);
  ~TOrbAnalForm1() override;

  // "&Analyze...": shows the window over the measurement table. After a change of the table
  // (`table_changed`, which is cleared) every moon's data are taken again.
  void ShowAnalysis(MeasurementTable& table, bool& table_changed);
  // After every load of a measurement file: no moon, menus as at the start, window closed.
  void ResetAnalysisWindow();

  // The client area as a picture: plot, sliders and read-outs in the current scheme.
  QImage CaptureClientArea();
  // Writes the client area as a Windows bitmap and says how that went.
  bool SavePlotImageTo(const std::string& path);
  // The two printouts into a given printer (the menu items ask for one first).
  void PrintCurrentDisplayTo(PrintSurface& surface, PageOrientation orientation);
  void PrintSineSummaryTo(PrintSurface& surface);

  OrbitAnalysis& Analysis() { return analysis_; }
  Prompter& WindowPrompter() { return prompter_; }
  // For tests: the prompter the window asks through.
  void SetPrompter(Prompter* prompter);

  PlotDisplay* Display1;
  QScrollBar* TScroll;
  QScrollBar* PScroll;
  QScrollBar* AScroll;
  QPushButton* TZRstBtn;
  QPushButton* PRstBtn;
  QPushButton* ARstBtn;
  ToggleSwitch* CFToggle;
  SevenSegmentReadout* TReading;
  SevenSegmentReadout* PReading;
  SevenSegmentReadout* AReading;
  SevenSegmentReadout* XRdng;
  SevenSegmentReadout* YRdng;
  QLineEdit* RMSDisp;
  QWidget* Client;

  std::array<QAction*, 4> MoonItems{};  // Io1, Europa1, Ganymede1, Callisto1
  QMenu* Plot1;
  QAction* SetDataSpan1;
  QAction* ShowPoints1;
  QAction* ConnectPoints1;
  QAction* SetInitialParameters1;
  QAction* ShowSineCurve1;
  QAction* CurrentDisplay1;
  QAction* SineParametersSummary1;
  QAction* SavePlotImage1;
  QAction* Exit1;
  QAction* Help1;
  TPlotParmsDlg* PlotParmsDlg;
  TSineParmsDlg* SineParmsDlg;

 signals:
  // Help: the analysis help list (ProgramDir + AnalHelpList) is to be offered.
  void HelpRequested();
  // A double-click removed a point from the residual or restored it: the table has changed
  // since it was last saved.
  void IncludedChanged();

 private:
  void BuildMenus();
  void BuildPanel();
  void SelectMoon(int moon);
  void SetDataSpan1Click();
  void SetInitialParameters1Click();
  void SineParmsOk();
  void SineParmsCancelled();
  void ScrollChanged(Slider slider, int position);
  void ResetClick(Slider slider);
  void CFToggleClick(bool fine);
  void CurrentDisplay1Click();
  void SineParametersSummary1Click();
  void SavePlotImage1Click();
  // The whole window again from the core: plot, read-outs, residual, menus and controls.
  void Repaint();
  void SyncControls();
  void ApplyScheme();

  ExerciseSession& session_;
  MessageBoxPrompter message_prompter_;
  Prompter* test_prompter_ = nullptr;
  struct ForwardingPrompter final : Prompter {
    TOrbAnalForm1* form;
    Answer Ask(std::string_view t, std::string_view c, Buttons b, Icon i) override {
      return form->test_prompter_ ? form->test_prompter_->Ask(t, c, b, i)
                                  : form->message_prompter_.Ask(t, c, b, i);
    }
  } prompter_;
  OrbitAnalysis analysis_;
  bool image_folder_chosen_ = false;
  bool syncing_ = false;
};

}  // namespace jovi
