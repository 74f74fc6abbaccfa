// What the exercise session asks of the window that shows it: the dialogs it opens and the
// repaints it needs. The desktop program's main window implements it; tests script it.
#pragma once

#include <string>

#include "config/exercise_mode.h"
#include "config/student_info.h"

namespace jovi {

class SessionWindow {
 public:
  virtual ~SessionWindow() = default;

  // "Student Accounting", modal, filling `record`.
  virtual void ShowLoginDialog(StudentInfo& record) = 0;
  // "Select Exercise", modal; None when closed without a choice.
  virtual ExerciseMode ShowExerciseChoice() = 0;
  // The pop-up save menu at the centre of the screen, for unsaved measurements at quitting.
  virtual void PopUpSaveMenu() = 0;
  virtual void Repaint() = 0;
  // The hourglass cursor while the session is being configured.
  virtual void SetBusy(bool busy) = 0;

  // The pieces of later subsystems; until they exist nothing is pending or unsaved.
  virtual void RunInstructorPath() {}
  virtual bool ShowOptionsDialog() { return false; }  // true when closed with OK
  virtual void LoadHelpList(const std::string& /*path*/) {}
  virtual void CommitPendingMeasurement() {}
  virtual bool HotlistUnsaved() { return false; }
  virtual void SaveHotlist() {}
};

}  // namespace jovi
