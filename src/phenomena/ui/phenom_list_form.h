// PhenomListForm1, "Planetary Phenomena": Jupiter's opposition, conjunction and quadratures
// nearest the observation time and the Earth-Jupiter distance, in a report viewer that can
// only be printed and closed.
#pragma once

#include <memory>

#include "astro/date_time.h"
#include "lists/ui/info_list_form.h"

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

 private:
  std::unique_ptr<TJupPhenomObj> calculator_;  // created on first use
};

}  // namespace jovi
