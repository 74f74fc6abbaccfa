#include "config/options_version.h"

namespace jovi {

namespace {
std::string_view Significant(std::string_view v) {
  const std::size_t dot = v.find('.');
  return v.substr(0, dot == std::string_view::npos ? 2 : dot + 3);
}
}  // namespace

bool VersionsCompatible(std::string_view a, std::string_view b) {
  return Significant(a) == Significant(b);
}

}  // namespace jovi
