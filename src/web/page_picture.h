// The browser's copy of a shipped picture: the page draws each picture the core names from a
// lossless WebP file that the web build writes beside where the desktop keeps its bitmap (same
// folder and name, another extension). The converter in tools/page_pictures names its files
// with this too, so the two cannot drift.
#pragma once

#include <string>
#include <string_view>

namespace jovi::web {

inline constexpr std::string_view kPagePictureExtension = ".webp";

// `path` with its extension (the part of its last name from the last dot) replaced by the
// page's; a name without one gains it; an empty path (no picture) stays empty.
inline std::string PagePictureName(std::string_view path) {
  if (path.empty()) return {};
  const std::size_t name = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  const bool has_extension =
      dot != std::string_view::npos && (name == std::string_view::npos || dot > name + 1);
  std::string page(has_extension ? path.substr(0, dot) : path);
  page += kPagePictureExtension;
  return page;
}

}  // namespace jovi::web
