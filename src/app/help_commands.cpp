#include "app/help_commands.h"

#include <QAction>

#include "app/event_commands.h"
#include "app/measurement_commands.h"
#include "app/sat_lab_form.h"
#include "lists/help_printout.h"
#include "lists/ui/help_list_dialog.h"
#include "lists/ui/help_print_job.h"
#include "lists/ui/help_window.h"
#include "lists/ui/hotlist_form.h"
#include "report/ui/search_string_dialog.h"
#include "session/ui/date_dialog.h"
#include "session/ui/top_view_window.h"
#include "util/prompter.h"

namespace jovi {

HelpCommands::HelpCommands(TSatLabForm1& form) : form_(form) {
  topic_dialog_ = new THelpLstDlg(state_, form.SearchDialog(), ProgramPrompter(), &form);
  help_window_ =
      new THelpWin(state_, *topic_dialog_, form.SearchDialog(), ProgramPrompter(), &form);
  help_window_->PrintTopic = [this](const std::string& caption,
                                    const std::vector<std::string>& lines) {
    PrintTopic(caption, lines);
  };
  const auto item = [&form](const char* name) {
    return form.findChild<QAction*>(QString::fromLatin1(name));
  };
  QObject::connect(item("Topics1"), &QAction::triggered, &form, [this] { Topics1Click(); });
  QObject::connect(item("OnHelp1"), &QAction::triggered, &form, [this] { OnHelp1Click(); });
  QObject::connect(item("User1"), &QAction::triggered, &form, [this] { User1Click(); });
  form.Measurements().AnalysisHelpRequested = [this] { ShowAnalysisHelp(); };
  QObject::connect(&form.Events().TopView(), &TJSatOrrery::HelpRequested, &form,
                   [this] { ShowTopViewHelp(); });
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::LoadHelpList(const std::string& path) {
  const bool current = state_.CurrentHelpList == main_list_.get();
  main_list_ = jovi::LoadHelpList(path, ProgramPrompter());
  if (current) state_.CurrentHelpList = main_list_.get();
}

void HelpCommands::OpenTopicsOf(HelpList* list) {
  state_.CurrentHelpList = list;
  if (topic_dialog_->exec() != QDialog::Accepted) return;
  help_window_->Browser().TopicChosen(state_);
  state_.HelpFolder = form_.Session().Options().ProgramDir;
  help_window_->ShowTopic();
}

void HelpCommands::ShowWindowHelp(std::unique_ptr<HelpList>& list, const std::string& list_file) {
  if (list_file.empty()) return;
  if (!list)
    list = jovi::LoadHelpList(form_.Session().Options().ProgramDir + list_file, ProgramPrompter());
  if (list) OpenTopicsOf(list.get());
}

void HelpCommands::ShowAnalysisHelp() {
  ShowWindowHelp(analysis_list_, form_.Session().Options().AnalHelpList);
}

void HelpCommands::ShowTopViewHelp() {
  ShowWindowHelp(top_view_list_, form_.Session().Options().TopViewHelpList);
}

void HelpCommands::Topics1Click() {
  if (main_list_) OpenTopicsOf(main_list_.get());
}

void HelpCommands::ShowPage(const std::string& title, const std::string& file_name) {
  if (file_name.empty()) return;
  state_.CurrentHelpEntry = HelpEntry{title, file_name};
  state_.HelpFolder = form_.Session().Options().ProgramDir;
  help_window_->Browser().AddToHistory = true;
  help_window_->ShowTopic();
}

void HelpCommands::OnHelp1Click() { ShowPage("On Help", form_.Session().Options().OnHelpFile); }

void HelpCommands::User1Click() { ShowPage("User Help", form_.Session().Options().UserHelpFile); }

void HelpCommands::PrintTopic(const std::string& caption, const std::vector<std::string>& lines) {
  const ExerciseSession& session = form_.Session();
  PrintListWithDialog(*help_window_,
                      HelpTopicPrintout(caption, lines, session.Students(),
                                        session.Options().LabTable, PrintoutClockNow()),
                      session.Students());
}

void HelpCommands::OpenHotlist() {
  if (hotlist_form_) return;
  hotlist_ = std::make_unique<HotlistModel>(ProgramPrompter());
  hotlist_form_ = new THotListForm1(*hotlist_, form_.Session(), form_.SearchDialog(),
                                    ProgramPrompter(), &form_);
  hotlist_form_->SavedChanged = [this] { UpdateSaveItem(); };
  const OptsRec& options = form_.Session().Options();
  hotlist_->Open(options.UserDir, options.ProgramDir, options.HotlistFile);
}

void HelpCommands::UpdateSaveItem() {
  if (date_dialog_) date_dialog_->SaveUpdatedHotList1->setEnabled(hotlist_ && !hotlist_->Saved());
}

void HelpCommands::AttachDateDialog(TUTTimeDlg& dialog) {
  date_dialog_ = &dialog;
  QObject::connect(dialog.SelectDateTimeFromHotList1, &QAction::triggered, &dialog,
                   [this] { SelectDateTimeFromHotList1Click(); });
  QObject::connect(dialog.PutDateTimeonHotList1, &QAction::triggered, &dialog,
                   [this] { PutDateTimeonHotList1Click(); });
  QObject::connect(dialog.SaveUpdatedHotList1, &QAction::triggered, &dialog,
                   [this] { SaveUpdatedHotList1Click(); });
  UpdateSaveItem();
}

void HelpCommands::PutDateTimeonHotList1Click() {
  OpenHotlist();
  if (date_dialog_ && date_dialog_->ReadFields()) {
    const DateEntry& entry = date_dialog_->Entry();
    hotlist_->Add({entry.Time.Serial, entry.Comment}, form_.Session().Options().EditMode);
  }
  UpdateSaveItem();
}

void HelpCommands::SelectDateTimeFromHotList1Click() {
  OpenHotlist();
  if (hotlist_->Entries().IsEmpty()) {
    ProgramPrompter().Tell("No Data in Hotlist!", "Hotlist Empty!", Icon::Exclamation);
    return;
  }
  hotlist_form_->exec();
  if (const auto& chosen = hotlist_->ChosenEntry(); chosen && date_dialog_) {
    DateEntry& entry = date_dialog_->Entry();
    SetFromSerial(entry.Time, chosen->Serial);
    entry.Comment = chosen->Comment;
    date_dialog_->Prepare(form_.Session().Options().EditMode);
  }
  UpdateSaveItem();
}

void HelpCommands::SaveUpdatedHotList1Click() {
  if (hotlist_form_) hotlist_form_->SaveList1Click();
  UpdateSaveItem();
}

bool HelpCommands::HotlistUnsaved() const { return hotlist_ && !hotlist_->Saved(); }

void HelpCommands::SaveHotlist() {
  if (hotlist_form_) hotlist_form_->SaveList1Click();
}

}  // namespace jovi
