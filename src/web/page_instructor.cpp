// The teacher's settings page over the core: the options the lab starts with (the teacher's
// JUP_OPTS.INI beside the page, which the page put in the data folder, else the shipped one),
// the instructor password by the desktop's rules, the settings the browser uses, and the new
// options file.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "config/instructor_settings.h"
#include "web/page_lab.h"
#include "web/web_storage.h"

namespace jovi::web {
namespace {

using emscripten::val;

class Instructor {
 public:
  Instructor() : settings_(storage_, prompter_) {}

  // "ok", "again" or "denied" (after the third wrong password, for the rest of the visit).
  std::string unlock(const std::string& typed) {
    switch (settings_.Unlock(typed)) {
      case Answer::Ok: return "ok";
      case Answer::No: return "again";
      default: return "denied";
    }
  }

  void lock() { settings_.Lock(); }

  // The browser's controls in the order the page shows them: name, kind and what it shows.
  val controls() const {
    const OptionsFormEntries shown = settings_.Shown();
    val out = val::array();
    for (const char* name : BrowserOptionControls()) {
      val c = val::object();
      c.set("name", std::string(name));
      if (const auto check = shown.checks.find(name); check != shown.checks.end()) {
        c.set("kind", std::string("check"));
        c.set("checked", check->second);
      } else if (const auto text = shown.texts.find(name); text != shown.texts.end()) {
        c.set("kind", std::string("text"));
        c.set("value", text->second);
      } else {
        continue;  // locked: nothing shown
      }
      out.call<void>("push", c);
    }
    return out;
  }

  // OK with the page's values ({name: text or boolean}) and the new password typed twice:
  // "stored", "password-changed", "password-not-confirmed", "bad-number" or "locked".
  std::string apply(val values, const std::string& password, const std::string& confirmation) {
    OptionsFormEntries entries;
    for (const char* name : BrowserOptionControls()) {
      const val v = values[name];
      if (v.isUndefined()) continue;
      if (v.isTrue() || v.isFalse()) entries.checks[name] = v.as<bool>();
      else entries.texts[name] = v.as<std::string>();
    }
    entries.texts[kPasswordControl] = password;
    switch (settings_.Apply(entries, confirmation)) {
      case InstructorSettings::Outcome::Stored: return "stored";
      case InstructorSettings::Outcome::PasswordChanged: return "password-changed";
      case InstructorSettings::Outcome::PasswordNotConfirmed: return "password-not-confirmed";
      case InstructorSettings::Outcome::BadNumber: return "bad-number";
      default: return "locked";
    }
  }

  // The current password as the dialog shows it (the instructor is in).
  std::string password() const {
    const OptionsFormEntries shown = settings_.Shown();
    const auto it = shown.texts.find(kPasswordControl);
    return it == shown.texts.end() ? std::string() : it->second;
  }

  val fileBytes() const { return page::ByteArray(settings_.FileBytes()); }

 private:
  WebStorage storage_;
  page::PagePrompter prompter_;
  InstructorSettings settings_;
};

// The settings of the lab's session that the page applies itself: the steps the clock starts
// with, the animation's pace, the features it offers, the lab table.
val LabSettings(const Lab& lab) {
  const OptsRec& rec = lab.options();
  val out = val::object();
  out.set("observationStepHours", static_cast<double>(rec.ObsStepHrs));
  out.set("animationStepHours", static_cast<double>(rec.AnimStepHrs));
  out.set("animationTimerMs", static_cast<int>(rec.AnimTimerMs));
  out.set("allowAnimation", rec.AllowAnimation);
  out.set("allowTopView", rec.AllowTopView);
  out.set("labTable", rec.LabTable);
  return out;
}

// Where a teacher's options file beside the page goes before the lab starts: the data folder,
// which the program reads before the shipped file in its own folder.
std::string TeacherOptionsFolder() { return kWorkFolder; }
std::string OptionsFileName() { return kOptionsFileName; }

}  // namespace

EMSCRIPTEN_BINDINGS(jovitrack_page_instructor) {
  emscripten::function("labSettings", &LabSettings);
  emscripten::function("teacherOptionsFolder", &TeacherOptionsFolder);
  emscripten::function("optionsFileName", &OptionsFileName);
  emscripten::class_<Instructor>("Instructor")
      .constructor<>()
      .function("unlock", &Instructor::unlock)
      .function("lock", &Instructor::lock)
      .function("controls", &Instructor::controls)
      .function("apply", &Instructor::apply)
      .function("password", &Instructor::password)
      .function("fileBytes", &Instructor::fileBytes);
}

}  // namespace jovi::web
