// HelpCommands: the Help menu's topics, "On Help" and "User" pages, the help lists of the
// analysis window and the top view, and the date hotlist behind the date dialog's menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lists/help_browser.h"
#include "lists/hotlist_model.h"

namespace jovi {

class TSatLabForm1;
class THelpLstDlg;
class THelpWin;
class THotListForm1;
class TUTTimeDlg;

class HelpCommands {
 public:
  explicit HelpCommands(TSatLabForm1& form);
  ~HelpCommands();
  HelpCommands(const HelpCommands&) = delete;
  HelpCommands& operator=(const HelpCommands&) = delete;

  // The main window's topic list for the mode (after login and the options dialog).
  void LoadHelpList(const std::string& path);
  // The help list of a window (the option's file name below the program folder), read the
  // first time; the topic dialog offers it and the chosen topic opens in the help window.
  void ShowAnalysisHelp();
  void ShowTopViewHelp();

  // Help > "Topics...", "On Help", "User".
  void Topics1Click();
  void OnHelp1Click();
  void User1Click();

  // The date dialog's "Hotlist" menu, connected once the dialog exists.
  void AttachDateDialog(TUTTimeDlg& dialog);
  void SelectDateTimeFromHotList1Click();
  void PutDateTimeonHotList1Click();
  void SaveUpdatedHotList1Click();
  // The quit question: the hotlist was opened and has unsaved changes.
  bool HotlistUnsaved() const;
  void SaveHotlist();

  HelpState& State() { return state_; }
  HelpList* MainHelpList() { return main_list_.get(); }
  THelpLstDlg& TopicDialog() { return *topic_dialog_; }
  THelpWin& HelpWindow() { return *help_window_; }
  // Nothing until the hotlist is first used.
  THotListForm1* HotlistWindow() { return hotlist_form_; }

 private:
  // Offers `list` in the topic dialog and shows the topic chosen.
  void OpenTopicsOf(HelpList* list);
  void ShowPage(const std::string& title, const std::string& file_name);
  void ShowWindowHelp(std::unique_ptr<HelpList>& list, const std::string& list_file);
  void PrintTopic(const std::string& caption, const std::vector<std::string>& lines);
  void OpenHotlist();
  void UpdateSaveItem();

  TSatLabForm1& form_;
  HelpState state_;
  std::unique_ptr<HelpList> main_list_;
  std::unique_ptr<HelpList> analysis_list_;
  std::unique_ptr<HelpList> top_view_list_;
  THelpLstDlg* topic_dialog_ = nullptr;
  THelpWin* help_window_ = nullptr;
  std::unique_ptr<HotlistModel> hotlist_;
  THotListForm1* hotlist_form_ = nullptr;
  TUTTimeDlg* date_dialog_ = nullptr;
};

}  // namespace jovi
