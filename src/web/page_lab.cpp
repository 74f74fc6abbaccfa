// The page's lab as the page's script sees it.
#include <emscripten/bind.h>

#include "web/page_lab.h"

namespace jovi::web {

EMSCRIPTEN_BINDINGS(jovitrack_page_lab) {
  emscripten::class_<Lab>("Lab")
      .constructor<std::string, std::string>()
      .constructor<std::string, std::string, std::string>()
      .function("exercise", &Lab::exercise)
      .function("caption", &Lab::caption)
      .function("stopOnEclipseAllowed", &Lab::stopOnEclipseAllowed)
      .function("setStopOnEclipse", &Lab::setStopOnEclipse)
      .function("play", &Lab::play)
      .function("playing", &Lab::playing)
      .function("eclipseStop", &Lab::eclipseStop)
      .function("continueAnimation", &Lab::continueAnimation)
      .function("dismissEclipseStop", &Lab::dismissEclipseStop)
      .function("started", &Lab::started)
      .function("message", &Lab::message)
      .function("time", &Lab::time)
      .function("setTime", &Lab::setTime)
      .function("setJD", &Lab::setJD)
      .function("step", &Lab::step)
      .function("next", &Lab::next)
      .function("setMagnification", &Lab::setMagnification)
      .function("frame", &Lab::frame)
      .function("jupiterRect", &Lab::jupiterRect)
      .function("topView", &Lab::topView)
      .function("readingAt", &Lab::readingAt)
      .function("record", &Lab::record)
      .function("pending", &Lab::pending)
      .function("table", &Lab::table)
      .function("setIncluded", &Lab::setIncluded)
      .function("deleteRecord", &Lab::deleteRecord)
      .function("undo", &Lab::undo)
      .function("canUndo", &Lab::canUndo)
      .function("editRecord", &Lab::editRecord)
      .function("valueText", &Lab::valueText)
      .function("csvText", &Lab::csvText)
      .function("datBytes", &Lab::datBytes)
      .function("importFile", &Lab::importFile)
      .function("pendingBytes", &Lab::pendingBytes)
      .function("restorePending", &Lab::restorePending);
}

}  // namespace jovi::web
