// The orbit analysis window offscreen: the plot's key pixels in both schemes, the curve and
// the cross-hair, the dialogs' round trip, both printouts into the recording printer and into
// PDF files, and the saved plot image.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "analysis/plot_drawing.h"
#include "analysis/plot_geometry.h"
#include "analysis/ui/orb_anal_form.h"
#include "analysis/ui/plot_display.h"
#include "analysis/ui/plot_parms_dialog.h"
#include "analysis/ui/seven_segment_readout.h"
#include "analysis/ui/sine_parms_dialog.h"
#include "analysis/ui/toggle_switch.h"
#include "session/exercise_session.h"
#include "support/modal_helpers.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "util/ui/qt_print_surface.h"

using jovi::TOrbAnalForm1;

namespace {

const QColor kNavy(0, 0, 128), kWhite(255, 255, 255), kYellow(255, 255, 0), kAqua(0, 255, 255),
    kGreen(0, 128, 0), kBlack(0, 0, 0), kGrey(128, 128, 128), kMagenta(255, 0, 255);

// Io over ten days from JD 2455201.5: PlotStart 201, 55 pixels a day, 250/9 pixels a diameter.
jovi::MeasurementTable Fixture() {
  jovi::MeasurementTable table;
  const struct {
    jovi::Real jd;
    float offset;
    bool included;
  } readings[] = {{2455201.5_r, 1.0f, true},
                  {2455203.5_r, -2.0f, true},
                  {2455205.0_r, 2.5f, false},
                  {2455207.25_r, 2.5f, true},
                  {2455210.1_r, -1.2f, true}};
  for (const auto& r : readings) {
    jovi::MeasurementRecord record;
    record.JulianDay = r.jd;
    record.Offset[0] = r.offset;
    record.Included[0] = r.included;
    table.InsertOrdered(record);
  }
  return table;
}

int CountColour(const QImage& image, QRect box, const QColor& colour) {
  int n = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) n += image.pixelColor(x, y) == colour;
  }
  return n;
}

}  // namespace

class AnalysisTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<jovi::ExerciseSession> session_;
  std::unique_ptr<TOrbAnalForm1> form_;
  jovi::MeasurementTable table_;
  jovi::test::RecordingPrompter prompter_;

  // The window over the fixture with Io selected and a curve through T-zero 2455201.3.
  void OpenWithCurve() {
    TOrbAnalForm1& form = *form_;
    bool changed = true;
    form.ShowAnalysis(table_, changed);
    QVERIFY(!changed);
    form.MoonItems[0]->trigger();
    form.SetInitialParameters1->trigger();
    QVERIFY(form.SineParmsDlg->isVisible());
    form.SineParmsDlg->TZeroEd->setText(QStringLiteral("2455201.3"));
    form.SineParmsDlg->PeriodEd->setText(QStringLiteral("1.77"));
    form.SineParmsDlg->AmplitudeEd->setText(QStringLiteral("2.9"));
    emit form.SineParmsDlg->OkPressed();
    QVERIFY(!form.SineParmsDlg->isVisible());
    QVERIFY(form.ShowSineCurve1->isChecked());
  }

  QImage Plot() { return form_->Display1->grab().toImage(); }

  void CheckPlotPixels(bool mono) {
    const QImage plot = Plot();
    const QColor background = mono ? kWhite : kNavy, ink = mono ? kBlack : kWhite;
    const QColor point = mono ? kBlack : kYellow, curve = mono ? kBlack : kAqua;
    const QColor cross = mono ? kGrey : kGreen;
    for (QPoint corner : {QPoint(65, 25), QPoint(614, 25), QPoint(65, 274), QPoint(614, 274)}) {
      QCOMPARE(plot.pixelColor(corner), ink);
    }
    QCOMPARE(plot.pixelColor(64, 25), background);
    QCOMPARE(plot.pixelColor(615, 274), background);
    QCOMPARE(plot.pixelColor(640, 200), background);
    // Io's -2 at day 203.5 stands at (203, 206): ringed in the point colour, hollow.
    QVERIFY(CountColour(plot, QRect(201, 204, 5, 5), point) >= 8);
    QCOMPARE(plot.pixelColor(203, 206), background);
    // The excluded point (day 205.0, 2.5 W) is an X in its own colour.
    if (!mono) QVERIFY(CountColour(plot, QRect(282, 77, 9, 9), kMagenta) >= 10);
    // The curve where the core puts it, at a column with nothing else on it.
    const jovi::PlotShape* line = nullptr;
    jovi::AnalysisFrame frame = form_->Analysis().Frame();
    for (const auto& s : frame.Plot.shapes) {
      if (s.kind == jovi::PlotShape::Kind::Polyline && s.ink == jovi::PlotInk::Curve) line = &s;
    }
    QVERIFY(line);
    const int i = 100;  // x 166
    QCOMPARE(plot.pixelColor(line->points[2 * i], line->points[2 * i + 1]), curve);
    // The cross-hair: nine pixels each way, centred on (400, 200).
    QCOMPARE(plot.pixelColor(396, 200), cross);
    QCOMPARE(plot.pixelColor(404, 200), cross);
    QCOMPARE(plot.pixelColor(400, 196), cross);
    QCOMPARE(plot.pixelColor(400, 204), cross);
    QVERIFY(plot.pixelColor(405, 200) != cross);
  }

 private slots:
  void init() {
    session_ = std::make_unique<jovi::ExerciseSession>(prompter_);
    form_ = std::make_unique<TOrbAnalForm1>(*session_);
    form_->SetPrompter(&prompter_);
    table_ = Fixture();
    prompter_.messages.clear();
  }
  void cleanup() {
    form_.reset();
    session_.reset();
  }

  void theWindowStartsWithoutAMoon() {
    TOrbAnalForm1& form = *form_;
    QCOMPARE(form.windowTitle(), QStringLiteral("Jupiter Satellite Orbit Analysis"));
    QCOMPARE(form.Client->size(), QSize(658, 502));
    bool changed = true;
    form.ShowAnalysis(table_, changed);
    QVERIFY(form.MoonItems[0]->isEnabled());
    QVERIFY(!form.MoonItems[1]->isEnabled());
    QVERIFY(!form.Plot1->menuAction()->isEnabled());
    QVERIFY(!form.CFToggle->isEnabled());
    QCOMPARE(form.TScroll->minimum(), -200);
    QCOMPARE(form.TScroll->maximum(), 200);
    QCOMPARE(form.TScroll->pageStep(), 10);
    QCOMPARE(form.TZRstBtn->toolTip(), QStringLiteral("Reset the T-Zero Slider"));
    QCOMPARE(form.ARstBtn->toolTip(), QStringLiteral("Reset the Period Slider"));
    QCOMPARE(Plot().pixelColor(5, 5), kNavy);
    // Switched off, a read-out is a blank face.
    const QImage blank = form.TReading->grab().toImage();
    QCOMPARE(CountColour(blank, blank.rect().adjusted(2, 2, -2, -2), QColor(10, 10, 10)),
             (blank.width() - 4) * (blank.height() - 4));
    jovi::test::SaveScreenshot(form, "analysis_no_moon");
  }

  void thePlotInBothSchemes() {
    OpenWithCurve();
    TOrbAnalForm1& form = *form_;
    QTest::mousePress(form.Display1, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseRelease(form.Display1, Qt::LeftButton, {}, QPoint(400, 200));
    QVERIFY(form.XRdng->IsOn());
    QVERIFY(std::abs(static_cast<double>(form.XRdng->Value()) - (335 / 55.0 + 201)) < 1e-9);
    QVERIFY(form.TReading->IsOn());
    QVERIFY(std::abs(static_cast<double>(form.TReading->Value()) - 2455201.3) < 1e-9);
    const QImage lit = form.TReading->grab().toImage();
    QVERIFY(CountColour(lit, lit.rect(), kGreen) > 100);
    QVERIFY(form.RMSDisp->text().startsWith(QStringLiteral("    ")));
    QVERIFY(form.CFToggle->isEnabled());
    CheckPlotPixels(false);
    jovi::test::SaveScreenshot(form, "analysis_window");

    form.Analysis().SetMonochrome(true);
    form.ShowPoints1->trigger();  // any action repaints
    CheckPlotPixels(true);
    QCOMPARE(form.TReading->SegmentColour(), kWhite);
    jovi::test::SaveScreenshot(form, "analysis_window_mono");
  }

  void slidersAndTheToggle() {
    OpenWithCurve();
    TOrbAnalForm1& form = *form_;
    form.PScroll->setValue(200);
    QVERIFY(std::abs(static_cast<double>(form.PReading->Value()) - 1.2 * 1.77) < 1e-12);
    form.PRstBtn->click();
    QCOMPARE(form.PScroll->value(), 0);
    QVERIFY(std::abs(static_cast<double>(form.PReading->Value()) - 1.2 * 1.77) < 1e-12);
    form.AScroll->setValue(-50);
    const jovi::Real amplitude = form.AReading->Value();
    form.CFToggle->click();  // fine
    QVERIFY(form.Analysis().Sliders().Fine());
    QCOMPARE(form.AScroll->value(), 0);
    QCOMPARE(form.AReading->Value(), amplitude);
    form.ShowSineCurve1->trigger();  // hidden: the toggle is off limits
    QVERIFY(!form.CFToggle->isEnabled());
    QVERIFY(form.RMSDisp->text().isEmpty());
  }

  void aDoubleClickRemovesAPoint() {
    OpenWithCurve();
    QSignalSpy changed(form_.get(), &TOrbAnalForm1::IncludedChanged);
    prompter_.answers.push_back(jovi::Answer::Yes);
    QTest::mouseDClick(form_->Display1, Qt::LeftButton, {}, QPoint(203, 206));
    QCOMPARE(prompter_.messages.size(), std::size_t{1});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(prompter_.messages[0].caption, std::string("Remove Selected Point?"));
    table_.Reset();
    table_.Next();
    QVERIFY(!table_.Next()->Included[0]);
    // Drawn as an X now.
    QVERIFY(CountColour(Plot(), QRect(199, 202, 9, 9), kMagenta) >= 10);
  }

  void theDialogsRoundTrip() {
    OpenWithCurve();
    TOrbAnalForm1& form = *form_;
    // The sine dialog shows what is stored, T-zero as days after the base once converted.
    form.SetInitialParameters1->trigger();
    QCOMPARE(form.SineParmsDlg->TZeroEd->text(), QStringLiteral("201.30000"));
    QCOMPARE(form.SineParmsDlg->AmplitudeEd->text(), QStringLiteral("2.90"));
    QVERIFY(!form.ShowSineCurve1->isChecked());
    QVERIFY(form.SineParmsDlg->windowFlags() & Qt::WindowStaysOnTopHint);
    jovi::test::SaveScreenshot(*form.SineParmsDlg, "analysis_sine_dialog");
    form.SineParmsDlg->PeriodEd->setText(QStringLiteral("x"));
    emit form.SineParmsDlg->OkPressed();
    QVERIFY(form.SineParmsDlg->isVisible());  // refused: stays open
    QCOMPARE(prompter_.messages.back().caption, std::string("Input Error"));
    form.SineParmsDlg->reject();
    QVERIFY(!form.ShowSineCurve1->isChecked());
    QVERIFY(!form.SetInitialParameters1->isChecked());

    // The data span dialog: a bad start keeps it open, a good one re-plots 20 days from 195.
    jovi::test::OnNextModal<jovi::TPlotParmsDlg>([this](jovi::TPlotParmsDlg* dialog) {
      QCOMPARE(dialog->StartEd->text(), QStringLiteral("201"));
      QCOMPARE(dialog->DaysGrp->checkedId(), 0);
      QCOMPARE(dialog->StartLbl->text(), QStringLiteral("2455201.50000"));
      jovi::test::SaveScreenshot(*dialog, "analysis_span_dialog");
      dialog->StartEd->setText(QStringLiteral("a1"));
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
      QVERIFY(dialog->isVisible());
      QCOMPARE(prompter_.messages.back().caption, std::string("Invalid Start Date!"));
      dialog->StartEd->setText(QStringLiteral("195"));
      dialog->DaysGrp->button(1)->setChecked(true);
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    form.SetDataSpan1->trigger();
    QCOMPARE(form.Analysis().PlotState(1).PlotStart, 195);
    QCOMPARE(form.Analysis().PlotState(1).PlotDays, 20);
  }

  void theResetAfterALoadClosesTheWindow() {
    OpenWithCurve();
    form_->ResetAnalysisWindow();
    QVERIFY(!form_->isVisible());
    QVERIFY(!form_->MoonItems[0]->isChecked());
    QVERIFY(!form_->Plot1->menuAction()->isEnabled());
    QVERIFY(!form_->CFToggle->isEnabled());
  }

  void printingIntoTheRecordingPrinter() {
    OpenWithCurve();
    jovi::test::RecordingPrintSurface portrait;
    form_->PrintCurrentDisplayTo(portrait, jovi::PageOrientation::Portrait);
    QCOMPARE(portrait.pages, 0);
    QCOMPARE(portrait.images.size(), std::size_t{1});
    QCOMPARE(portrait.images[0].image_width, 658);
    QCOMPARE(portrait.images[0].image_height, 502);
    QCOMPARE(portrait.images[0].width, 1000);  // the page's width, keeping the shape
    QCOMPARE(portrait.images[0].y, 2 * 12 + 6 * 12);
    QVERIFY(portrait.printed[0].text.find("Laboratory Table Number (Not Recorded)") !=
            std::string::npos);
    // The window is back in its own scheme afterwards.
    QCOMPARE(Plot().pixelColor(5, 5), kNavy);

    jovi::test::RecordingPrintSurface landscape;
    form_->PrintCurrentDisplayTo(landscape, jovi::PageOrientation::Landscape);
    QCOMPARE(landscape.pages, 1);
    QCOMPARE(landscape.images[0].page, 1);
    QCOMPARE(landscape.images[0].y, 50);
    QCOMPARE(landscape.printed.back().text, std::string("\t - Page 2"));

    jovi::test::RecordingPrintSurface summary;
    form_->PrintSineSummaryTo(summary);
    std::vector<std::string> lines;
    for (const auto& p : summary.printed) lines.push_back(p.text);
    const auto io = std::find_if(lines.begin(), lines.end(),
                                 [](const std::string& l) { return l.find("Io (I)") == 8; });
    QVERIFY(io != lines.end());
    QCOMPARE(io->substr(24, 13), std::string("2455201.30000"));
    QCOMPARE(io->substr(39, 8), std::string(" 1.77000"));
    QCOMPARE(io->substr(49, 7), std::string(" 2.9000"));
    for (int k = 1; k <= 3; ++k) {
      QCOMPARE((io + k)->substr(24, 27), std::string("(Parameters not determined)"));
    }
  }

  void printingIntoPdfFiles() {
    OpenWithCurve();
    QTemporaryDir dir;
    for (auto orientation : {jovi::PageOrientation::Portrait, jovi::PageOrientation::Landscape}) {
      const QString path = dir.filePath(orientation == jovi::PageOrientation::Portrait
                                            ? QStringLiteral("display-p.pdf")
                                            : QStringLiteral("display-l.pdf"));
      QPrinter printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      {
        jovi::QtPrintSurface surface(printer);
        form_->PrintCurrentDisplayTo(surface, orientation);
      }
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray pdf = file.readAll();
      QVERIFY(pdf.startsWith("%PDF"));
      const int pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                        pdf.count("/Type /Page/") + pdf.count("/Type /Page>");
      QCOMPARE(pages, orientation == jovi::PageOrientation::Portrait ? 1 : 2);
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("summary.pdf")));
    {
      jovi::QtPrintSurface surface(printer);
      form_->PrintSineSummaryTo(surface);
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("summary.pdf"))).size() > 500);
  }

  void theSavedImageLoadsBackAtTheWindowsSize() {
    OpenWithCurve();
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("IO Results.BMP")).toStdString();
    QVERIFY(form_->SavePlotImageTo(path));
    QCOMPARE(prompter_.messages.back().text, "Image saved to " + path);
    QCOMPARE(prompter_.messages.back().caption, std::string("Plot Image Saved"));
    QImage back(QString::fromStdString(path), "BMP");
    QCOMPARE(back.size(), QSize(658, 502));
    QCOMPARE(back.pixelColor(65, 25), kWhite);

    // Through the menu: the save dialog offers the moon's name and the BMP filter.
    jovi::test::OnNextModal<QFileDialog>([&dir](QFileDialog* dialog) {
      QCOMPARE(dialog->defaultSuffix(), QStringLiteral("BMP"));
      QVERIFY(dialog->nameFilters().join(QString()).contains(QStringLiteral("*.BMP")));
      QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("IO Results.BMP")));
      // The name goes into the dialog's own name field: selectFile may be applied only later
      // on a busy machine, and accepting the offered name, which exists, would ask first.
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name);
      name->setText(dir.filePath(QStringLiteral("menu.BMP")));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    form_->SavePlotImage1->trigger();
    QCOMPARE(QImage(dir.filePath(QStringLiteral("menu.BMP"))).size(), QSize(658, 502));
    QCOMPARE(prompter_.messages.back().caption, std::string("Plot Image Saved"));

    const std::string nowhere = dir.filePath(QStringLiteral("no/such/folder/x.BMP")).toStdString();
    QVERIFY(!form_->SavePlotImageTo(nowhere));
    QCOMPARE(prompter_.messages.back().text, "Unable to save image to " + nowhere);
    QCOMPARE(prompter_.messages.back().caption, std::string("Plot Image Error"));
  }
};

QTEST_MAIN(AnalysisTest)
#include "analysis_test.moc"
#include "util/real.h"
