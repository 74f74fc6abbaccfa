// TMoonEventsForm1, "Moon Events": the moons' eclipses, occultations, transits and shadow
// transits from the observation time over a chosen span, in the report viewer (it prints,
// saves as text and searches like the other lists), with the choice of moons and kinds above
// the list. Go To (the Event menu, the button, or a double click on an event) hands the
// observation time a few minutes before the chosen event to the main window.
// "Visible from <place>" keeps the events seen from the observing site (sky/visibility.h),
// within two limits typed in the window, each with Jupiter's altitude.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "almanac/almanac_listing.h"
#include "almanac/almanac_search.h"
#include "almanac/moon_events_report.h"
#include "almanac/visible_events.h"
#include "astro/date_time.h"
#include "report/ui/info_list_form.h"
#include "sky/sky_ephemeris.h"
#include "util/real.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace jovi {

class TMoonEventsForm1 : public TInfoListForm1 {
  Q_OBJECT

 public:
  TMoonEventsForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                   QWidget* parent = nullptr);

  // Lists the events from `from` (the observation time) over the chosen span and shows the
  // window.
  void ShowMoonEvents(const DateTimeRec& from);
  // Where Go To sends the new observation time (the zone of `from` kept).
  void SetGoTo(std::function<void(const DateTimeRec&)> go_to) { go_to_ = std::move(go_to); }

  // The event of the selected line, if an event line is selected.
  std::optional<MoonEvent> SelectedEvent() const;
  // Go To the selected event; false (after saying so) when no event line is selected.
  bool GoToSelected();

  const AlmanacReport& Report() const { return report_; }
  AlmanacFilter Filter() const;

  // Reads the observer's place anew (after it changed elsewhere) and relists.
  void RefreshSite();
  // The limits the visible list uses: the last ones typed that were good.
  const VisibilityLimits& Limits() const { return limits_; }

  QLabel* FromLabel;
  QSpinBox* SpanEd;
  std::array<QCheckBox*, 4> MoonBox{};
  std::vector<QCheckBox*> KindBox;  // in the order of MoonEventKinds()
  QCheckBox* HiddenBox;
  QCheckBox* MutualBox;
  QPushButton* GoToBtn;
  QAction* GoTo1;
  // "Visible from <place>", its two limits and the observing-site dialog.
  QCheckBox* VisibleBox;
  QLineEdit* MinAltEd;
  QLineEdit* SunBelowEd;
  QLabel* LimitErrorLbl;
  QPushButton* SiteBtn;

 protected:
  void ListBox1DblClick() override;

 private:
  QWidget* BuildPanel();
  void Search();  // the span or the start changed
  void Relist();  // the moons, kinds or hidden choice changed
  void FitPanel();
  QLayout* BuildVisibilityRow(QWidget* panel);
  void EditSite();
  void ReadLimits();   // a limit field was edited
  void JudgeEvents();  // the events, the place or the limits changed

  QWidget* panel_ = nullptr;
  DateTimeRec from_;
  Real from_jd_ = 0;
  AlmanacSearch search_;  // every moon and kind, hidden ones included
  AlmanacReport report_;
  std::optional<ObserverPlace> place_;
  VisibilityLimits limits_;
  SkyEphemeris sky_;
  std::optional<VisibleChoice> visible_;  // the search's events from place_ within limits_
  std::function<void(const DateTimeRec&)> go_to_;
};

}  // namespace jovi
