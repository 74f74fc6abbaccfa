#include "app/event_commands.h"

#include <QAction>

#include "almanac/ui/moon_events_form.h"
#include "app/client_area.h"
#include "app/sat_lab_form.h"
#include "phenomena/ui/phenom_list_form.h"
#include "session/ui/event_list_form.h"
#include "session/ui/record_event_form.h"
#include "session/ui/top_view_window.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

EventCommands::EventCommands(TSatLabForm1& form) : form_(form) {
  record_form_ = new TRecordEventForm1(events_, ProgramPrompter(), &form_);
  form_.Session().UseEventList(events_);
  record_form_->SetSavedHook([this](const EventRecord& r) { form_.Session().EventSaved(r); });
  top_view_ = new TJSatOrrery(form_.Session(), ClientArea::kWidth, &form_);
  top_view_->SetAnimationQuery([this] { return form_.Scope().Animating(); });
  auto item = [this](const char* name) {
    return form_.findChild<QAction*>(QString::fromLatin1(name));
  };
  QObject::connect(item("ListSavedDateTime1"), &QAction::triggered, &form_,
                   [this] { ListSavedDateTime1Click(); });
  QObject::connect(item("JupiterPhenomena1"), &QAction::triggered, &form_,
                   [this] { JupiterPhenomena1Click(); });
  QObject::connect(item("MoonEvents1"), &QAction::triggered, &form_,
                   [this] { MoonEvents1Click(); });
}

EventCommands::~EventCommands() = default;

void EventCommands::RecordEvent() {
  record_form_->RecordEvent(form_.Session().ObservationTime());
  form_.Session().SetSavedEventsEnabled(events_.Count() > 0);
  form_.Repaint();
}

void EventCommands::ListSavedDateTime1Click() {
  if (!event_list_form_) {
    event_list_form_ = new TEventListForm1(form_.Session(), form_.SearchDialog(), &form_);
  }
  if (events_.Count() == 0) return;
  const float zone_hours =
      static_cast<float>(form_.Session().ObservationTime().ZoneOffset * 24.0_r);
  event_list_form_->ShowEvents(events_, zone_hours);
}

void EventCommands::JupiterPhenomena1Click() {
  if (!phenom_list_form_) {
    phenom_list_form_ = new PhenomListForm1(form_.Session(), form_.SearchDialog(), &form_);
  }
  phenom_list_form_->ShowPhenomena(form_.Session().ObservationTime());
}

void EventCommands::MoonEvents1Click() {
  if (!moon_events_form_) {
    moon_events_form_ = new TMoonEventsForm1(form_.Session(), form_.SearchDialog(), &form_);
    moon_events_form_->SetGoTo(
        [this](const DateTimeRec& time) { form_.ObservationTimeChosen(time); });
  }
  moon_events_form_->ShowMoonEvents(form_.Session().ObservationTime());
}

void EventCommands::AfterLogIn() {
  top_view_->SetShowEclipseZone(form_.Session().ShowEclipseZone());
}

void EventCommands::UpdateTopView(bool show_top_view) { top_view_->UpdateTopView(show_top_view); }

bool EventCommands::TopViewVisible() const { return top_view_->isVisible(); }

void EventCommands::MarkMoonOnTopView(int moon) { top_view_->MarkMoon(moon); }

}  // namespace jovi
