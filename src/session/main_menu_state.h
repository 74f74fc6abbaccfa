// What the main window shows of its menus, panels and caption. The session decides; the
// window only copies these onto its widgets.
#pragma once

#include <string>

namespace jovi {

struct MenuItemState {
  bool enabled = true;
  bool visible = true;
};

struct MainMenuState {
  std::string Caption = "Jovitrack";
  // File
  MenuItemState LogIn1;
  MenuItemState Run1{false, true};
  MenuItemState ObservationDate1{false, true};
  MenuItemState ListSavedDateTime1{false, true};
  MenuItemState Timing1{false, true};
  MenuItemState Features1{false, true};
  MenuItemState MoonEvents1{false, true};  // the events list needs the telescope's time
  MenuItemState DataSep{true, false};
  MenuItemState Data1{true, false};
  MenuItemState ReviewData1{false, true};
  MenuItemState SaveData1{false, true};
  MenuItemState AnalyzeData1{false, true};
  MenuItemState Load1;
  // The light-time exercise's Data menu: the event list saved and loaded as .CSV.
  MenuItemState SaveEvents1{false, false};
  MenuItemState LoadEvents1{true, false};
  MenuItemState PrefSep;
  MenuItemState Preferences1{false, true};
  MenuItemState SaveUpdates1{false, true};
  // Help
  MenuItemState Topics1;
  MenuItemState OnHelpSep;
  MenuItemState OnHelp1;
  MenuItemState UserSep;
  MenuItemState User1;
  // The telescope's panels and its Record button.
  bool PanelsVisible = false;
  bool RecordBtnEnabled = false;
};

}  // namespace jovi
