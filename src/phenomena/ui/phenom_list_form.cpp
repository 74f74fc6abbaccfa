#include "phenomena/ui/phenom_list_form.h"

#include <QMenu>

#include "phenomena/jupiter_phenomena.h"
#include "phenomena/observing_day_lines.h"
#include "session/exercise_session.h"
#include "sky/ui/observing_site_dialog.h"
#include "sky/ui/site_settings.h"

namespace jovi {

PhenomListForm1::PhenomListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                                 QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent) {
  setObjectName(QStringLiteral("PhenomListForm1"));
  setWindowTitle(QStringLiteral("Planetary Phenomena"));
  OfferPrintAndCloseOnly();
  ObservingSite1 = new QAction(QStringLiteral("Observing &Site..."), this);
  ObservingSite1->setObjectName(QStringLiteral("ObservingSite1"));
  List1->insertAction(Close1, ObservingSite1);
  connect(ObservingSite1, &QAction::triggered, this, &PhenomListForm1::EditSite);
}

PhenomListForm1::~PhenomListForm1() = default;

void PhenomListForm1::ShowPhenomena(const DateTimeRec& observation_time) {
  // The root finder reports a failed bracket or search itself; the list is shown regardless.
  if (!calculator_) calculator_ = std::make_unique<TJupPhenomObj>(&WindowPrompter());
  calculator_->ComputePhenomena(observation_time);
  observation_time_ = observation_time;
  phenomena_lines_ = calculator_->Lines();
  RefreshSite();
}

void PhenomListForm1::RefreshSite() {
  std::vector<std::string> lines = phenomena_lines_;
  // The site's times in its own zone; the options' zone difference keeps its other uses.
  const SiteZone zone = SiteZoneOf(SiteTimeZone(LoadSiteTimeZoneId()));
  for (std::string& line :
       ObservingDayLines(LoadObservingSite(), observation_time_, zone, &WindowPrompter())) {
    lines.push_back(std::move(line));
  }
  SetLines(std::move(lines));
  ShowReport();
}

void PhenomListForm1::EditSite() {
  TObservingSiteDlg dialog(this);
  if (dialog.Edit()) RefreshSite();
}

void PhenomListForm1::ListBox1DblClick() {
  if (CurrentLine() >= SiteFirstLine()) EditSite();
}

}  // namespace jovi
