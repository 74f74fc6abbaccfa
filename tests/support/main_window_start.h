// Starts the main window as the program starts: the options file written into the program
// folder from the test's options, then the window opened with the given command line (the
// program's name is put first) and shown. Null when the window could not be shown.
#pragma once

#include <QStringList>
#include <QTest>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/sat_lab_form.h"
#include "config/options_file.h"

namespace jovi::test {

inline void WriteOptionsFile(const std::string& path, const OptsRec& options) {
  const std::vector<std::uint8_t> bytes = EncodeOptions(options);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::unique_ptr<TSatLabForm1> OpenMainWindow(const std::string& program_folder,
                                                    const OptsRec& options,
                                                    QStringList arguments) {
  WriteOptionsFile(program_folder + "JUP_OPTS.INI", options);
  arguments.prepend(QStringLiteral("jovitrack"));
  auto form = std::make_unique<TSatLabForm1>(arguments);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
  return form;
}

}  // namespace jovi::test
