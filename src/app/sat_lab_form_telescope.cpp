// The main window's telescope: Image1 and its buttons, Timer1, and the date, timing and
// features dialogs. Every decision is the Telescope's; this file paints and forwards.
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "app/client_area.h"
#include "app/event_commands.h"
#include "app/help_commands.h"
#include "app/sat_lab_form.h"
#include "measure/ui/results_form.h"
#include "session/ui/date_dialog.h"
#include "session/ui/features_dialog.h"
#include "session/ui/telescope_painter.h"
#include "session/ui/telescope_panel.h"
#include "session/ui/timing_dialog.h"
#include "util/general_error.h"
#include "util/ui/qt_text.h"

namespace jovi {

void TSatLabForm1::CreateTelescope() {
  random_ = MakeClockSeededRandom();
  telescope_ = std::make_unique<Telescope>(session_, *this, ProgramPrompter(), *random_);
  controls_ = std::make_unique<TelescopePanel>(client_->Panel1, client_->Panel2);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  features_form_ = new TFeaturesForm1(this);
  results_form_ = new TResultsForm1(telescope_->Measurements(), ProgramPrompter(), this);

  TelescopeView* image = controls_->Image1;
  image->SetRedrawRequest([this] {
    if (session_.View() == ViewState::Telescope && telescope_->Started()) RedrawView();
  });
  connect(image, &TelescopeView::pressed, this, &TSatLabForm1::Image1MouseDown);
  connect(image, &TelescopeView::moved, this, &TSatLabForm1::Image1MouseMove);
  connect(image, &TelescopeView::released, this, &TSatLabForm1::Image1MouseUp);
  for (int n = 1; n <= 4; ++n) {
    connect(controls_->MagBtn[static_cast<std::size_t>(n - 1)], &QPushButton::clicked, this,
            [this, n] { MagBtnClick(n); });
  }
  connect(controls_->NextBtn, &QPushButton::clicked, this, &TSatLabForm1::NextBtnClick);
  connect(controls_->ContBtn, &QPushButton::clicked, this, &TSatLabForm1::ContBtnClick);
  connect(controls_->RecordBtn, &QPushButton::clicked, this, &TSatLabForm1::RecordBtnClick);
  connect(Timer1, &QTimer::timeout, this, &TSatLabForm1::Timer1Timer);
  auto item = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
  connect(item("SetDateTime1"), &QAction::triggered, this, &TSatLabForm1::ObservationDate1Click);
  connect(item("SaveCurrentDateTime1"), &QAction::triggered, this, &TSatLabForm1::RecordBtnClick);
  connect(item("Timing1"), &QAction::triggered, this, &TSatLabForm1::Timing1Click);
  connect(item("Features1"), &QAction::triggered, this, &TSatLabForm1::Features1Click);
}

void TSatLabForm1::ApplyTelescopeButtons() {
  if (!controls_) return;
  controls_->RecordBtn->setEnabled(session_.Menu().RecordBtnEnabled);
  controls_->ContBtn->setEnabled(session_.Features().Animation);
  controls_->NextBtn->setEnabled(!telescope_->Animating());
}

QCursor TSatLabForm1::ViewCursor() const { return controls_->Image1->cursor(); }

void TSatLabForm1::RedrawView() {
  const TelescopeFrame frame = telescope_->Redraw();
  controls_->ShowLabels(frame.labels);
  controls_->ShowReadouts({});
  ApplyTelescopeButtons();
  const QString error = PaintTelescopeFrame(controls_->Image1->Image(), frame, pictures_);
  controls_->Image1->ShowImage();
  AfterRedraw(error);
}

// Messages of a redraw wait until it is over: they may come from a paint request, and an
// eclipse stop has already stopped the animation.
void TSatLabForm1::AfterRedraw(const QString& error) {
  // A failure is reported once until a redraw succeeds: the report's own message box uncovers
  // the view, and every repaint would otherwise bring the same report back.
  if (!error.isEmpty() && error != reported_error_) {
    QTimer::singleShot(0, this, [error] { ReportGeneralError(FromQt(error), ProgramPrompter()); });
  }
  reported_error_ = error;
  if (telescope_->PendingNotice()) {
    QTimer::singleShot(0, this, [this] {
      telescope_->AnswerEclipseNotice();
      ApplyTelescopeButtons();
    });
  }
}

void TSatLabForm1::StartTimer(std::uint16_t interval_ms) {
  Timer1->start(interval_ms);
  if (controls_) controls_->NextBtn->setEnabled(false);
}

void TSatLabForm1::StopTimer() {
  Timer1->stop();
  if (controls_) controls_->NextBtn->setEnabled(true);
}

void TSatLabForm1::CommitPendingMeasurement() { telescope_->CommitPending(false); }

void TSatLabForm1::MagBtnClick(int magnification) {
  telescope_->SetMagnification(magnification);
  RedrawView();
}

void TSatLabForm1::NextBtnClick() {
  if (results_form_->isVisible()) results_form_->OKBtnClick();
  if (telescope_->Next()) RedrawView();
}

void TSatLabForm1::ContBtnClick() {
  telescope_->ToggleAnimation();
  ApplyTelescopeButtons();
}

void TSatLabForm1::Timer1Timer() {
  if (telescope_->Tick()) RedrawView();
}

void TSatLabForm1::RecordBtnClick() {
  // The light-time exercise records event times; without an exercise Record does nothing.
  if (session_.Mode() == ExerciseMode::Roemer) event_commands_->RecordEvent();
  if (session_.Mode() != ExerciseMode::Newton) return;
  if (telescope_->Record()) results_form_->ShowNonModal();
}

void TSatLabForm1::UpdateTopView(bool show_top_view) {
  if (event_commands_) event_commands_->UpdateTopView(show_top_view);
}

bool TSatLabForm1::TopViewVisible() const {
  return event_commands_ && event_commands_->TopViewVisible();
}

void TSatLabForm1::MarkMoonOnTopView(int moon) {
  if (event_commands_) event_commands_->MarkMoonOnTopView(moon);
}

void TSatLabForm1::Image1MouseDown(QPoint at) {
  controls_->ShowReadouts(telescope_->MouseDown(at.x(), at.y()));
  controls_->Image1->setCursor(cross_hair_);
}

void TSatLabForm1::Image1MouseMove(QPoint at) {
  if (!telescope_->Dragging()) return;
  if (const auto texts = telescope_->MouseMove(at.x(), at.y())) {
    controls_->ShowReadouts(*texts);
    controls_->Image1->setCursor(cross_hair_);
  } else {
    controls_->Image1->setCursor(Qt::ArrowCursor);
  }
}

void TSatLabForm1::Image1MouseUp(QPoint at) {
  const auto texts = telescope_->MouseUp(at.x(), at.y());
  if (!texts) return;
  controls_->ShowReadouts(*texts);
  controls_->Image1->setCursor(Qt::ArrowCursor);
  ApplyTelescopeButtons();
}

void TSatLabForm1::ObservationDate1Click() {
  if (!date_dialog_) {
    date_dialog_ = new TUTTimeDlg(date_entry_, ProgramPrompter(), this);
    help_commands_->AttachDateDialog(*date_dialog_);
    date_entry_.Format = 0;
    connect(date_dialog_, &QDialog::accepted, this,
            [this] { ObservationTimeChosen(date_entry_.Time); });
    // The dialog that opens the session: the telescope starts once it is closed either way.
    connect(date_dialog_, &QDialog::finished, this, [this] {
      if (telescope_->Started() || session_.View() != ViewState::Telescope) return;
      telescope_->Start();
      Repaint();
      RedrawView();
    });
  }
  date_entry_.Time = session_.ObservationTime();
  date_entry_.Comment.clear();
  const bool cancellable = session_.Menu().ObservationDate1.enabled;
  date_dialog_->CancelBtn->setEnabled(cancellable);
  date_dialog_->Prepare(session_.Options().EditMode);
  if (cancellable) {
    date_dialog_->exec();
  } else {
    // At Run the session opens behind the dialog, which keeps the window blocked until closed.
    date_dialog_->open();
  }
}

void TSatLabForm1::ObservationTimeChosen(const DateTimeRec& time) {
  session_.SetObservationTime(time);
  if (!telescope_->Started()) return;
  telescope_->ComputeScene();
  Repaint();
  RedrawView();
}

void TSatLabForm1::Timing1Click() {
  TimingSettings timing = session_.Timing();
  TTimingDlgForm1 dialog(timing, session_.Options(), this);
  dialog.exec();
  // A bad field keeps the new values of the fields read before it.
  session_.SetTiming(timing);
  controls_->ShowLabels(telescope_->Labels());
}

void TSatLabForm1::Features1Click() {
  if (!features_form_->Choose(session_.Features(), session_.Options())) return;
  // Turning the animation off also stops it: Cont. is disabled and could not stop it any more.
  if (!session_.Features().Animation && telescope_->Animating()) telescope_->StopAnimation();
  ApplyTelescopeButtons();
  if (session_.View() == ViewState::Telescope) RedrawView();
}

}  // namespace jovi
