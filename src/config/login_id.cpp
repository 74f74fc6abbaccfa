#include "config/login_id.h"

#include "config/student_info.h"
#include "util/utf8_text.h"

namespace jovi {

std::string LoginIdentifier(std::string_view first_name) {
  const std::size_t space = first_name.find(' ');
  if (space == std::string_view::npos) return Utf8Prefix(first_name, student_text::kLoginId);
  const std::string first = Utf8Prefix(first_name, 1);
  return Utf8Prefix(first + std::string(first_name.substr(space + 1)), student_text::kLoginId);
}

std::string SafeFolderName(std::string_view login_id) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string name;
  for (std::size_t i = 0; i < login_id.size(); ++i) {
    const auto c = static_cast<unsigned char>(login_id[i]);
    const bool escape = c == '/' || c == '%' || c < 0x20 || c == 0x7F || (i == 0 && c == '.');
    if (escape) {
      name += '%';
      name += kHex[c >> 4];
      name += kHex[c & 0x0F];
    } else {
      name += static_cast<char>(c);
    }
  }
  return name;
}

}  // namespace jovi
