// TMoonEventsForm1, "Moon Events": the moons' eclipses, occultations, transits and shadow
// transits from the observation time over a chosen span, in the report viewer (it prints,
// saves as text and searches like the other lists), with the choice of moons and kinds above
// the list. Go To (the Event menu, the button, or a double click on an event) hands the
// observation time a few minutes before the chosen event to the main window.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "almanac/almanac_listing.h"
#include "astro/date_time.h"
#include "lists/ui/info_list_form.h"

class QCheckBox;
class QLabel;
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

  QLabel* FromLabel;
  QSpinBox* SpanEd;
  std::array<QCheckBox*, 4> MoonBox{};
  std::vector<QCheckBox*> KindBox;  // in the order of MoonEventKinds()
  QCheckBox* HiddenBox;
  QCheckBox* MutualBox;
  QPushButton* GoToBtn;
  QAction* GoTo1;

 protected:
  void ListBox1DblClick() override;

 private:
  QWidget* BuildPanel();
  void Search();  // the span or the start changed
  void Relist();  // the moons, kinds or hidden choice changed
  void FitPanel();

  QWidget* panel_ = nullptr;
  DateTimeRec from_;
  long double from_jd_ = 0;
  int searched_days_ = 0;
  std::vector<MoonEvent> found_;  // every moon and kind, hidden ones included
  bool mutual_searched_ = false;  // found_ holds the mutual events of the span too
  QString search_error_;
  AlmanacReport report_;
  std::function<void(const DateTimeRec&)> go_to_;
};

}  // namespace jovi
