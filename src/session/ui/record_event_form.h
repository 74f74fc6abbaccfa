// TRecordEventForm1, "Record Event Date/Time": the light-time exercise's Record. It shows the
// observation time and the Earth-Jupiter distance and, on OK, appends them with the chosen or
// typed event text to the event list.
#pragma once

#include <QDialog>

#include <functional>

#include "astro/date_time.h"
#include "measure/event_record.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace jovi {

class Prompter;

class TRecordEventForm1 : public QDialog {
  Q_OBJECT

 public:
  TRecordEventForm1(EventList& events, Prompter& prompter, QWidget* parent = nullptr);

  // The activation: the fields and the record for a copy of the observation time.
  void PrepareFor(const DateTimeRec& observation_time);
  // PrepareFor, then modal; true when a record was added.
  bool RecordEvent(const DateTimeRec& observation_time);

  const EventRecord& Record() const { return record_; }
  // Called with each record the moment it joins the list (the session journal's hook).
  void SetSavedHook(std::function<void(const EventRecord&)> saved) { saved_ = std::move(saved); }

  QGroupBox* GroupBox1;
  QLineEdit* JDEd;
  QLineEdit* DateEd;
  QLineEdit* TimeEd;
  QLineEdit* AUEd;
  QLineEdit* KmEd;
  QComboBox* EventBox;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();

  EventList& events_;
  Prompter& prompter_;
  EventRecord record_;
  std::function<void(const EventRecord&)> saved_;
};

}  // namespace jovi
