// The page's hotlist: the shipped dates and the student's own, as the desktop's hotlist window
// keeps them (the student's list saved as the desktop saves it, its bytes kept by the page in
// the browser's storage), chosen from the date control.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "lists/hotlist_model.h"
#include "util/atomic_file.h"
#include "web/page_lab.h"
#include "web/web_storage.h"

namespace jovi::web {
namespace {

using emscripten::val;

class Hotlist {
 public:
  // The list as the desktop opens it: the student's own (the bytes the page kept, when it
  // kept some), else the shipped one.
  Hotlist(const Lab& lab, val saved) : model_(prompter_), notes_(lab.options().EditMode) {
    const std::string own = std::string(kWorkFolder) + lab.options().HotlistFile;
    const std::vector<std::uint8_t> bytes =
        saved.isNull() || saved.isUndefined() ? std::vector<std::uint8_t>{} : page::Bytes(saved);
    std::error_code error;
    std::filesystem::create_directories(kWorkFolder, error);
    if (!bytes.empty()) WriteFileAtomically(own, bytes);
    model_.Open(kWorkFolder, kDataFolder, lab.options().HotlistFile);
  }

  // The lines the list shows in time order; the notes only in the options' edit mode, as on
  // the desktop.
  val lines() {
    model_.Refill(notes_);
    val out = val::array();
    for (const std::string& line : model_.Lines()) out.call<void>("push", line);
    return out;
  }

  // The UT Julian date of the chosen line; NaN for none.
  double choose(int line) {
    if (!model_.Choose(line) || !model_.ChosenEntry()) return std::nan("");
    DateTimeRec rec;
    SetFromSerial(rec, model_.ChosenEntry()->Serial);
    return static_cast<double>(ToJD(rec));
  }

  // The observation instant (UT) put on the list with the student's note.
  void add(double jd, const std::string& note) {
    DateTimeRec rec;
    SetFromJD(rec, jd);
    model_.Add(HotlistEntry{rec.Serial, note}, notes_);
  }

  // Deletes a line; false when there was none to delete.
  bool remove(int line) { return model_.Delete(line).has_value(); }

  // The list's file as the desktop saves it, for the page to keep.
  val bytes() {
    const std::string path = model_.HotlistPath();
    if (!model_.SaveTo(path)) return val::null();
    const FileBytes file = ReadWholeFile(path);
    if (!file.Ok()) return val::null();
    return page::ByteArray(std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end()));
  }

 private:
  page::PagePrompter prompter_;
  HotlistModel model_;
  bool notes_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(jovitrack_page_hotlist) {
  emscripten::class_<Hotlist>("Hotlist")
      .constructor<const Lab&, val>()
      .function("lines", &Hotlist::lines)
      .function("choose", &Hotlist::choose)
      .function("add", &Hotlist::add)
      .function("remove", &Hotlist::remove)
      .function("bytes", &Hotlist::bytes);
}

}  // namespace jovi::web
