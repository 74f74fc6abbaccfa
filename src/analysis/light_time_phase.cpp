#include "analysis/light_time_phase.h"

#include <array>
#include <string>
#include <vector>

namespace jovi {

namespace {

// Word starts that tell a kind of event.
constexpr std::array<std::string_view, 5> kEnteringWords = {"enter", "ingress", "disappear",
                                                            "immers", "begin"};
constexpr std::array<std::string_view, 7> kLeavingWords = {"leav", "exit", "egress", "reappear",
                                                           "emerg", "emers", "end"};
constexpr std::array<std::string_view, 3> kOtherMoons = {"europa", "ganymede", "callisto"};

std::vector<std::string> LowerWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      word += static_cast<char>(c | 0x20);
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

template <std::size_t N>
bool AnyWordStarts(const std::vector<std::string>& words,
                   const std::array<std::string_view, N>& starts) {
  for (const std::string& w : words) {
    for (const std::string_view s : starts) {
      if (std::string_view(w).starts_with(s)) return true;
    }
  }
  return false;
}

// The almanacs' codes: "I.Ec.D" (Io disappears into the shadow), "I.Ec.R" (reappears); "II",
// "III" and "IV" are the other moons.
bool HasCode(const std::vector<std::string>& words, std::string_view kind) {
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == "ec" && words[i + 1] == kind) return true;
  }
  return false;
}

bool NamesAnotherMoon(const std::vector<std::string>& words) {
  if (AnyWordStarts(words, kOtherMoons)) return true;
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if ((words[i] == "ii" || words[i] == "iii" || words[i] == "iv") && words[i + 1] == "ec") {
      return true;
    }
  }
  return false;
}

}  // namespace

EclipsePhase EclipsePhaseOf(std::string_view event_text) {
  const std::vector<std::string> words = LowerWords(event_text);
  if (NamesAnotherMoon(words)) return EclipsePhase::Neither;
  const bool entering = AnyWordStarts(words, kEnteringWords) || HasCode(words, "d");
  const bool leaving = AnyWordStarts(words, kLeavingWords) || HasCode(words, "r");
  if (entering == leaving) return EclipsePhase::Neither;
  return entering ? EclipsePhase::Entering : EclipsePhase::Leaving;
}

}  // namespace jovi
