#include "session/ui/event_list_form.h"

namespace jovi {

TEventListForm1::TEventListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                                 QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent) {
  setObjectName(QStringLiteral("TEventListForm1"));
  setWindowTitle(QStringLiteral("Event Data"));
  OfferPrintAndCloseOnly();
}

void TEventListForm1::ShowEvents(const EventList& events, float zone_hours) {
  if (events.Count() > 0) SetLines(EventListLines(events, zone_hours));
  ShowReport();
}

}  // namespace jovi
