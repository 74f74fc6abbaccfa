// Points HOME and the XDG folders at a fresh temporary folder, and makes a data folder the
// working folder, for the life of the object: no test touches a real user profile.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"

namespace jovi::test {

class HomeSandbox {
 public:
  HomeSandbox();
  ~HomeSandbox();
  HomeSandbox(const HomeSandbox&) = delete;
  HomeSandbox& operator=(const HomeSandbox&) = delete;

  const TempDir& Root() const { return root_; }
  // The fake home folder and the working folder the sandbox started in, ending with "/".
  std::string Home() const;
  std::string WorkFolder() const;
  // "<home>/.local/share/ZEVA/SatLab/", the per-user folder of the program.
  std::string PerUserFolder() const;

 private:
  TempDir root_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
  std::string saved_cwd_;
};

}  // namespace jovi::test
