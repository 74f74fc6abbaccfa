// The page's help: the desktop's help lists and topics read by the core's own readers from
// the files' text, which the page fetches.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "lists/help_browser.h"
#include "lists/help_list.h"
#include "lists/help_topic.h"

namespace jovi::web {
namespace {

using emscripten::val;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The list's lines as the topic dialog shows them: headings, topics and their files.
val HelpEntries(const std::string& list_text) {
  HelpList list;
  BuildHelpList(list, Lines(list_text));
  val out = val::array();
  list.Entries.ForEach([&](const HelpEntry& e) {
    if (e.IsSeparator()) return;
    val entry = val::object();
    entry.set("title", ShownTopicTitle(e));
    entry.set("file", e.FileName);
    entry.set("heading", e.IsHeading());
    out.call<void>("push", entry);
  });
  return out;
}

// The shown lines of a topic of a help file; null when the file does not hold it.
val TopicText(const std::string& file_text, const std::string& title) {
  const auto topic = TopicLines(Lines(file_text), title);
  if (!topic) return val::null();
  const TopicDisplay shown = DisplayTopic(*topic);
  val out = val::object();
  out.set("lines", val::array(shown.lines.begin(), shown.lines.end()));
  out.set("related", shown.RelatedIndex);
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(jovitrack_page_help) {
  emscripten::function("helpEntries", &HelpEntries);
  emscripten::function("topicText", &TopicText);
}

}  // namespace jovi::web
