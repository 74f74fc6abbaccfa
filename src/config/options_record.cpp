#include "config/options_record.h"

#include <utility>

namespace jovi {

void SetDefaultOptions(OptsRec& rec) {
  OptsRec kept = std::move(rec);
  rec = OptsRec{};
  rec.ProgVersion = std::move(kept.ProgVersion);
  rec.OptsFileName = std::move(kept.OptsFileName);
  rec.BackupFileName = std::move(kept.BackupFileName);
  rec.ProgramDir = std::move(kept.ProgramDir);
  rec.DataDir = std::move(kept.DataDir);
  rec.UserDir = std::move(kept.UserDir);
  rec.CdromRoot = std::move(kept.CdromRoot);
  rec.Reserved = std::move(kept.Reserved);
  rec.Administrator = kept.Administrator;
}

}  // namespace jovi
