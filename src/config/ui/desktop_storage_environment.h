// The running system's folders, with the desktop's folder chooser.
#pragma once

#include "config/storage_environment.h"

namespace jovi {

class DesktopStorageEnvironment final : public SystemStorageEnvironment {
 public:
  std::optional<std::string> ChooseFolder(const std::string& start) override;
};

}  // namespace jovi
