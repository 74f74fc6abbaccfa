// Writes the shipped default options file "JUP_OPTS.INI": the options record's defaults through
// the program's own encoder, so the file is the program's format by construction.
//
// Usage: make_default_options OUTPUT
#include <cstdio>

#include "config/options_file.h"
#include "config/options_record.h"
#include "util/atomic_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_default_options OUTPUT\n");
    return 2;
  }
  jovi::OptsRec defaults;
  jovi::SetDefaultOptions(defaults);
  const jovi::FileWriteResult written =
      jovi::WriteFileAtomically(argv[1], jovi::EncodeOptions(defaults));
  if (!written.Ok()) {
    std::fprintf(stderr, "make_default_options: %s: %s\n", argv[1], written.Description().c_str());
    return 1;
  }
  return 0;
}
