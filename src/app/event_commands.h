// EventCommands: the light-time exercise's event records, the phenomena list and the top view,
// with their menu items in the main window.
#pragma once

#include "measure/event_record.h"

namespace jovi {

class TSatLabForm1;
class TRecordEventForm1;
class TEventListForm1;
class PhenomListForm1;
class TMoonEventsForm1;
class TJSatOrrery;

class EventCommands {
 public:
  explicit EventCommands(TSatLabForm1& form);
  ~EventCommands();
  EventCommands(const EventCommands&) = delete;
  EventCommands& operator=(const EventCommands&) = delete;

  // Record in the light-time exercise: the event record dialog for the observation time;
  // afterwards "View/Print Saved Events" is enabled exactly when there are records.
  void RecordEvent();
  // "&View/Print Saved Events": the event list window, when there are records.
  void ListSavedDateTime1Click();
  // "&Jupiter Phenomena": the phenomena list at the observation time.
  void JupiterPhenomena1Click();
  // "Moon &Events...": the moons' events from the observation time; Go To sets the time
  // through the date dialog's path.
  void MoonEvents1Click();
  // After login: the top view's eclipse zone as the exercise wants it.
  void AfterLogIn();

  // The telescope's hooks for the top view.
  void UpdateTopView(bool show_top_view);
  bool TopViewVisible() const;
  void MarkMoonOnTopView(int moon);

  const EventList& Events() const { return events_; }
  TRecordEventForm1& RecordForm() { return *record_form_; }
  TJSatOrrery& TopView() { return *top_view_; }
  // Created on first use: null until then.
  TEventListForm1* EventListForm() { return event_list_form_; }
  PhenomListForm1* PhenomListForm() { return phenom_list_form_; }
  TMoonEventsForm1* MoonEventsForm() { return moon_events_form_; }

 private:
  TSatLabForm1& form_;
  EventList events_;
  TRecordEventForm1* record_form_ = nullptr;
  TEventListForm1* event_list_form_ = nullptr;
  PhenomListForm1* phenom_list_form_ = nullptr;
  TMoonEventsForm1* moon_events_form_ = nullptr;
  TJSatOrrery* top_view_ = nullptr;
};

}  // namespace jovi
