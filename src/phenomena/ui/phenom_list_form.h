// PhenomListForm1, "Planetary Phenomena": Jupiter's opposition, conjunction and quadratures
// nearest the observation time and the Earth-Jupiter distance, in a report viewer that can
// only be printed and closed; after them, Jupiter's rising, transit and setting and the Sun's
// setting and rising on the observation date for the observer's place, whose dialog the List
// menu (and a double-click on those lines) opens.
#pragma once

#include <QAction>
#include <memory>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "report/ui/info_list_form.h"

namespace jovi {

class TJupPhenomObj;

class PhenomListForm1 : public TInfoListForm1 {
  Q_OBJECT

 public:
  PhenomListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                  QWidget* parent = nullptr);
  ~PhenomListForm1() override;

  // Computes every phenomenon anew for the observation time (UT) and shows the list.
  void ShowPhenomena(const DateTimeRec& observation_time);
  // The observer's lines anew for the place stored now (after the place changed).
  void RefreshSite();
  // "Observing Site...": the dialog, and the list anew when the place changed.
  void EditSite();

  // The index of the first of the observer's lines.
  int SiteFirstLine() const { return static_cast<int>(phenomena_lines_.size()); }

  QAction* ObservingSite1;

 protected:
  void ListBox1DblClick() override;

 private:
  std::unique_ptr<TJupPhenomObj> calculator_;  // created on first use
  DateTimeRec observation_time_;
  std::vector<std::string> phenomena_lines_;
};

}  // namespace jovi
