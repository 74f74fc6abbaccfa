#include "analysis/ui/orb_anal_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>

#include "analysis/analysis_printouts.h"
#include "analysis/plot_image_report.h"
#include "analysis/ui/plot_display.h"
#include "analysis/ui/plot_painter.h"
#include "analysis/ui/plot_parms_dialog.h"
#include "analysis/ui/seven_segment_readout.h"
#include "analysis/ui/sine_parms_dialog.h"
#include "analysis/ui/toggle_switch.h"
#include "report/print_header.h"
#include "session/exercise_session.h"
#include "util/ui/qt_print_surface.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

constexpr ReadoutFormat kTZeroFormat{12, 5, false};
constexpr ReadoutFormat kPeriodFormat{7, 5, false};
constexpr ReadoutFormat kAmplitudeFormat{6, 4, false};
constexpr ReadoutFormat kCrossXFormat{5, 1, false};
constexpr ReadoutFormat kCrossYFormat{6, 2, true};  // the read-out's standard settings

QLabel* Caption(const QString& text, QWidget* parent, int x, int y, int w) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, w, 16);
  return label;
}

void ShowReadout(SevenSegmentReadout* r, const Readout& value) {
  r->SetOn(value.On);
  r->SetValue(value.On ? value.Value : 0);
}

PrintImage ToPrintImage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  PrintImage out;
  out.width = argb.width();
  out.height = argb.height();
  out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
    std::copy(row, row + out.width,
              out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
  }
  return out;
}

}  // namespace

TOrbAnalForm1::TOrbAnalForm1(ExerciseSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session), message_prompter_(this), analysis_(prompter_) {
  prompter_.form = this;
  setWindowTitle(QStringLiteral("Jupiter Satellite Orbit Analysis"));
  Client = new QWidget(this);
  Client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(Client);
  BuildMenus();
  BuildPanel();
  PlotParmsDlg = new TPlotParmsDlg(analysis_, this);
  SineParmsDlg = new TSineParmsDlg(this);
  connect(SineParmsDlg, &TSineParmsDlg::OkPressed, this, &TOrbAnalForm1::SineParmsOk);
  connect(SineParmsDlg, &TSineParmsDlg::Cancelled, this, &TOrbAnalForm1::SineParmsCancelled);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ResetAnalysisWindow();
}

TOrbAnalForm1::~TOrbAnalForm1() = default;

void TOrbAnalForm1::SetPrompter(Prompter* prompter) { test_prompter_ = prompter; }

void TOrbAnalForm1::BuildMenus() {
  QMenu* data = menuBar()->addMenu(QStringLiteral("&Data"));
  QMenu* select = data->addMenu(QStringLiteral("Select &Moon"));
  const QString moons[] = {QStringLiteral("&Io (I)"), QStringLiteral("&Europa (II)"),
                           QStringLiteral("&Ganymede (III)"), QStringLiteral("&Callisto (IV)")};
  for (int k = 0; k < 4; ++k) {
    MoonItems[static_cast<std::size_t>(k)] = select->addAction(moons[k]);
    MoonItems[static_cast<std::size_t>(k)]->setCheckable(true);
    connect(MoonItems[static_cast<std::size_t>(k)], &QAction::triggered, this,
            [this, k] { SelectMoon(k + 1); });
  }
  Plot1 = data->addMenu(QStringLiteral("&Plot"));
  SetDataSpan1 = Plot1->addAction(QStringLiteral("Set &Data Span..."));
  connect(SetDataSpan1, &QAction::triggered, this, &TOrbAnalForm1::SetDataSpan1Click);
  QMenu* type = Plot1->addMenu(QStringLiteral("Plot &Type"));
  ShowPoints1 = type->addAction(QStringLiteral("&Show Points"));
  ConnectPoints1 = type->addAction(QStringLiteral("&Connect Points"));
  for (QAction* a : {ShowPoints1, ConnectPoints1}) a->setCheckable(true);
  connect(ShowPoints1, &QAction::triggered, this, [this] {
    analysis_.SetConnectPoints(false);
    Repaint();
  });
  connect(ConnectPoints1, &QAction::triggered, this, [this] {
    analysis_.SetConnectPoints(true);
    Repaint();
  });
  QMenu* fit = Plot1->addMenu(QStringLiteral("&Fit Sine Curve"));
  SetInitialParameters1 = fit->addAction(QStringLiteral("Set &Initial Parameters..."));
  SetInitialParameters1->setCheckable(true);
  connect(SetInitialParameters1, &QAction::triggered, this,
          &TOrbAnalForm1::SetInitialParameters1Click);
  ShowSineCurve1 = fit->addAction(QStringLiteral("&Show Sine Curve"));
  ShowSineCurve1->setCheckable(true);
  connect(ShowSineCurve1, &QAction::triggered, this, [this] {
    analysis_.ToggleShowCurve();
    Repaint();
  });
  QMenu* print = data->addMenu(QStringLiteral("P&rint"));
  CurrentDisplay1 = print->addAction(QStringLiteral("&Current Display..."));
  connect(CurrentDisplay1, &QAction::triggered, this, &TOrbAnalForm1::CurrentDisplay1Click);
  SineParametersSummary1 = print->addAction(QStringLiteral("&Sine Parameters Summary..."));
  connect(SineParametersSummary1, &QAction::triggered, this,
          &TOrbAnalForm1::SineParametersSummary1Click);
  SavePlotImage1 = data->addAction(QStringLiteral("Save Plot &Image..."));
  connect(SavePlotImage1, &QAction::triggered, this, &TOrbAnalForm1::SavePlotImage1Click);
  data->addSeparator();
  Exit1 = data->addAction(QStringLiteral("E&xit"));
  connect(Exit1, &QAction::triggered, this, &QWidget::hide);
  Help1 = menuBar()->addAction(QStringLiteral("&Help"));
  connect(Help1, &QAction::triggered, this, &TOrbAnalForm1::HelpRequested);
}

void TOrbAnalForm1::BuildPanel() {
  Display1 = new PlotDisplay(Client);
  Display1->move(0, 0);
  connect(Display1, &PlotDisplay::Pressed, this, [this](int x, int y) {
    analysis_.MousePress(x, y);
    Repaint();
  });
  connect(Display1, &PlotDisplay::Moved, this, [this](int x, int y) {
    const int before_x = analysis_.CrossX(), before_y = analysis_.CrossY();
    analysis_.MouseMove(x, y);
    if (analysis_.CrossX() != before_x || analysis_.CrossY() != before_y) Repaint();
  });
  connect(Display1, &PlotDisplay::Released, this, [this](int x, int y) {
    analysis_.MouseRelease(x, y);
    Repaint();
  });
  connect(Display1, &PlotDisplay::DoubleClicked, this, [this](int x, int y) {
    const bool changed = analysis_.DoubleClick(x, y);
    Repaint();
    if (changed) emit IncludedChanged();
  });

  // The instrument panel below the plot.
  auto* panel = new QFrame(Client);
  panel->setGeometry(0, 320, kClientWidth, kClientHeight - 320);
  panel->setFrameShape(QFrame::StyledPanel);

  struct Group {
    const char* caption;
    ReadoutFormat format;
    SevenSegmentReadout** readout;
    QScrollBar** scroll;
    QPushButton** reset;
    const char* hint;
    Slider slider;
  } groups[] = {
      {"T-Zero (Julian Day)", kTZeroFormat, &TReading, &TScroll, &TZRstBtn,
       "Reset the T-Zero Slider", Slider::TZero},
      {"Period (Days)", kPeriodFormat, &PReading, &PScroll, &PRstBtn, "Reset the Period Slider",
       Slider::Period},
      {"Amplitude (Jupiter Diameters)", kAmplitudeFormat, &AReading, &AScroll, &ARstBtn,
       "Reset the Period Slider", Slider::Amplitude},
  };
  const int xs[] = {10, 236, 444};
  for (int i = 0; i < 3; ++i) {
    Group& g = groups[i];
    const int x = xs[i];
    Caption(QString::fromLatin1(g.caption), panel, x, 8, 210);
    *g.readout = new SevenSegmentReadout(g.format, panel);
    (*g.readout)->setGeometry(x, 26, (*g.readout)->sizeHint().width(), 32);
    *g.scroll = new QScrollBar(Qt::Horizontal, panel);
    (*g.scroll)->setRange(kSliderMin, kSliderMax);
    (*g.scroll)->setPageStep(kSliderLargeStep);
    (*g.scroll)->setSingleStep(1);
    (*g.scroll)->setGeometry(x, 66, 150, 18);
    const Slider slider = g.slider;
    connect(*g.scroll, &QScrollBar::valueChanged, this,
            [this, slider](int p) { ScrollChanged(slider, p); });
    *g.reset = new QPushButton(QStringLiteral("Reset"), panel);
    (*g.reset)->setGeometry(x + 154, 63, 50, 24);
    (*g.reset)->setToolTip(QString::fromLatin1(g.hint));
    connect(*g.reset, &QPushButton::clicked, this, [this, slider] { ResetClick(slider); });
  }

  Caption(QStringLiteral("Slider Sensitivity"), panel, 10, 100, 130);
  Caption(QStringLiteral("Coarse"), panel, 10, 128, 44);
  CFToggle = new ToggleSwitch(panel);
  CFToggle->setGeometry(56, 124, 52, 24);
  connect(CFToggle, &ToggleSwitch::toggled, this, &TOrbAnalForm1::CFToggleClick);
  Caption(QStringLiteral("Fine"), panel, 114, 128, 40);

  Caption(QStringLiteral("RMS Residual"), panel, 170, 100, 150);
  RMSDisp = new QLineEdit(panel);
  RMSDisp->setReadOnly(true);
  RMSDisp->setFocusPolicy(Qt::NoFocus);
  RMSDisp->setGeometry(170, 120, 200, 30);
  QFont rms_font = RMSDisp->font();
  rms_font.setFamily(QStringLiteral("Courier"));
  rms_font.setStyleHint(QFont::TypeWriter);
  rms_font.setBold(true);
  RMSDisp->setFont(rms_font);

  Caption(QStringLiteral("X (Mod. JD)"), panel, 400, 100, 90);
  XRdng = new SevenSegmentReadout(kCrossXFormat, panel);
  XRdng->setGeometry(400, 118, XRdng->sizeHint().width(), 32);
  Caption(QStringLiteral("Y (Jp. Diam)"), panel, 500, 100, 110);
  YRdng = new SevenSegmentReadout(kCrossYFormat, panel);
  YRdng->setGeometry(500, 118, YRdng->sizeHint().width(), 32);
}

void TOrbAnalForm1::ShowAnalysis(MeasurementTable& table, bool& table_changed) {
  analysis_.Show(table, table_changed, session_.Options());
  Repaint();
  show();
  raise();
  activateWindow();
}

void TOrbAnalForm1::ResetAnalysisWindow() {
  analysis_.Reset();
  if (SineParmsDlg) SineParmsDlg->hide();
  Repaint();
  hide();
}

void TOrbAnalForm1::ApplyScheme() {
  const QColor segments = ToQColor(ReadoutColour(analysis_.Monochrome()));
  for (SevenSegmentReadout* r : {TReading, PReading, AReading, XRdng, YRdng}) {
    r->SetSegmentColour(segments);
  }
}

void TOrbAnalForm1::SelectMoon(int moon) {
  analysis_.SelectMoon(moon);
  Repaint();
}

void TOrbAnalForm1::SetDataSpan1Click() {
  if (analysis_.SelectedMoon() == 0) return;
  PlotParmsDlg->Load();
  if (PlotParmsDlg->exec() == QDialog::Accepted) Repaint();
}

void TOrbAnalForm1::SetInitialParameters1Click() {
  if (analysis_.SelectedMoon() == 0) return;
  SineParmsDlg->Load(analysis_.BeginInitialParameters());
  Repaint();
  SineParmsDlg->show();
  SineParmsDlg->raise();
}

void TOrbAnalForm1::SineParmsOk() {
  if (!analysis_.AcceptInitialParameters(SineParmsDlg->Texts())) return;
  SineParmsDlg->hide();
  Repaint();
}

void TOrbAnalForm1::SineParmsCancelled() {
  analysis_.CancelInitialParameters();
  Repaint();
}

void TOrbAnalForm1::ScrollChanged(Slider slider, int position) {
  if (syncing_) return;
  analysis_.MoveSlider(slider, position);
  Repaint();
}

void TOrbAnalForm1::ResetClick(Slider slider) {
  analysis_.ResetSlider(slider);
  Repaint();
}

void TOrbAnalForm1::CFToggleClick(bool fine) {
  if (syncing_) return;
  analysis_.SetFine(fine);
  Repaint();
}

void TOrbAnalForm1::SyncControls() {
  syncing_ = true;
  const AnalysisMenu& m = analysis_.Menu();
  for (std::size_t k = 0; k < MoonItems.size(); ++k) {
    MoonItems[k]->setEnabled(m.MoonEnabled[k]);
    MoonItems[k]->setChecked(m.MoonChecked[k]);
  }
  Plot1->setEnabled(m.PlotEnabled);
  Plot1->menuAction()->setEnabled(m.PlotEnabled);
  SavePlotImage1->setEnabled(m.SaveImageEnabled);
  ShowPoints1->setChecked(m.ShowPoints);
  ConnectPoints1->setChecked(m.ConnectPoints);
  SetInitialParameters1->setChecked(m.SetInitialChecked);
  ShowSineCurve1->setEnabled(m.ShowCurveEnabled);
  ShowSineCurve1->setChecked(m.ShowCurveChecked);
  SineParametersSummary1->setEnabled(m.SummaryEnabled);
  Help1->setEnabled(m.HelpEnabled);
  const SliderSet& s = analysis_.Sliders();
  TScroll->setValue(s.At(Slider::TZero));
  PScroll->setValue(s.At(Slider::Period));
  AScroll->setValue(s.At(Slider::Amplitude));
  CFToggle->setChecked(s.Fine());
  syncing_ = false;
}

void TOrbAnalForm1::Repaint() {
  ApplyScheme();
  AnalysisFrame frame = analysis_.Frame();
  Display1->SetPicture(std::move(frame.Plot), frame.Monochrome);
  ShowReadout(TReading, frame.TZero);
  ShowReadout(PReading, frame.Period);
  ShowReadout(AReading, frame.Amplitude);
  ShowReadout(XRdng, frame.CrossX);
  ShowReadout(YRdng, frame.CrossY);
  RMSDisp->setText(ToQt(frame.RmsText));
  QPalette palette = RMSDisp->palette();
  palette.setColor(QPalette::Base, frame.Monochrome ? Qt::black : QColor(10, 10, 10));
  palette.setColor(QPalette::Text, ToQColor(frame.RmsColour));
  RMSDisp->setPalette(palette);
  CFToggle->setEnabled(frame.ToggleEnabled);
  SyncControls();
}

QImage TOrbAnalForm1::CaptureClientArea() {
  Repaint();
  return Client->grab().toImage();
}

bool TOrbAnalForm1::SavePlotImageTo(const std::string& path) {
  const QImage image = CaptureClientArea().convertToFormat(QImage::Format_RGB888);
  const bool saved = image.save(ToQt(path), "BMP");
  ReportPlotImage(saved, path, prompter_);
  return saved;
}

void TOrbAnalForm1::SavePlotImage1Click() {
  QString folder;
  if (!image_folder_chosen_) folder = ToQt(session_.Options().UserDir);
  const QString suggested = (folder.isEmpty() ? QString() : folder + QStringLiteral("/")) +
                            ToQt(SuggestedImageName(analysis_.SelectedMoon())) +
                            QStringLiteral(".BMP");
  QFileDialog dialog(this, QStringLiteral("Save Plot Image"), suggested,
                     QStringLiteral("Windows Bitmap File (*.BMP *.bmp)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("BMP"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  image_folder_chosen_ = true;
  SavePlotImageTo(FromQt(dialog.selectedFiles().front()));
}

void TOrbAnalForm1::PrintCurrentDisplayTo(PrintSurface& surface, PageOrientation orientation) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setEnabled(false);
  const bool colour = session_.Options().PrintColor;
  const bool before = analysis_.Monochrome();
  if (!colour) analysis_.SetMonochrome(true);
  const PrintImage picture = ToPrintImage(CaptureClientArea());
  PrintDisplayPages(surface, orientation, session_.Students(), PrintClockTextNow(), picture);
  analysis_.SetMonochrome(before);
  Repaint();
  setEnabled(true);
  QApplication::restoreOverrideCursor();
}

void TOrbAnalForm1::PrintSineSummaryTo(PrintSurface& surface) {
  PrintSineSummary(surface, analysis_.AllSine(), session_.Students(), session_.Options().LabTable,
                   PrintClockTextNow());
}

void TOrbAnalForm1::CurrentDisplay1Click() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QtPrintSurface surface(printer);
  PrintCurrentDisplayTo(surface, printer.pageLayout().orientation() == QPageLayout::Landscape
                                     ? PageOrientation::Landscape
                                     : PageOrientation::Portrait);
}

void TOrbAnalForm1::SineParametersSummary1Click() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QtPrintSurface surface(printer);
  PrintSineSummaryTo(surface);
}

}  // namespace jovi
