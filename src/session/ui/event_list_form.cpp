#include "session/ui/event_list_form.h"

#include <QAction>
#include <QMenu>

namespace jovi {

TEventListForm1::TEventListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                                 QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent) {
  setObjectName(QStringLiteral("TEventListForm1"));
  setWindowTitle(QStringLiteral("Event Data"));
  OfferPrintAndCloseOnly();
  SaveEvents2 = new QAction(QStringLiteral("Sa&ve Events (.CSV)..."), this);
  SaveEvents2->setObjectName(QStringLiteral("SaveEvents2"));
  LoadEvents2 = new QAction(QStringLiteral("&Load Events (.CSV)..."), this);
  LoadEvents2->setObjectName(QStringLiteral("LoadEvents2"));
  List1->insertActions(Print1, {SaveEvents2, LoadEvents2});
}

void TEventListForm1::ShowEvents(const EventList& events, float zone_hours) {
  if (events.Count() > 0) SetLines(EventListLines(events, zone_hours));
  ShowReport();
}

}  // namespace jovi
