#include "phenomena/ui/phenom_list_form.h"

#include "phenomena/jupiter_phenomena.h"

namespace jovi {

PhenomListForm1::PhenomListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                                 QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent) {
  setObjectName(QStringLiteral("PhenomListForm1"));
  setWindowTitle(QStringLiteral("Planetary Phenomena"));
  OfferPrintAndCloseOnly();
}

PhenomListForm1::~PhenomListForm1() = default;

void PhenomListForm1::ShowPhenomena(const DateTimeRec& observation_time) {
  // The root finder reports a failed bracket or search itself; the list is shown regardless.
  if (!calculator_) calculator_ = std::make_unique<TJupPhenomObj>(&WindowPrompter());
  calculator_->ComputePhenomena(observation_time);
  SetLines(calculator_->Lines());
  ShowReport();
}

}  // namespace jovi
