#include "astro/coefficient_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "util/le_codec.h"

namespace jovi {
namespace {

std::string FileOfBlocks(std::initializer_list<float> starts) {
  LeWriter out;
  for (float start : starts) {
    CoefficientBlock block;
    block.StartMJD = start;
    WriteCoefficientBlock(out, block);
  }
  return std::string(out.Bytes().begin(), out.Bytes().end());
}

// Records come from memory while the file is unchanged; a file rewritten in place, replaced or
// removed is seen at once.
TEST(CoefficientFile, ReadsTheFileAsItIsNow) {
  #ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "file times are whole seconds under Emscripten: a rewrite of the same size "
                  "within the second is not seen";
#endif
  test::TempDir dir;
  const std::string path = dir.Write("blocks.dat", FileOfBlocks({100, 200}));
  CoefficientBlock block;
  ASSERT_TRUE(ReadCoefficientRecord(path, 1, block));
  EXPECT_EQ(block.StartMJD, 200);
  EXPECT_FALSE(ReadCoefficientRecord(path, 2, block));  // past the end
  EXPECT_FALSE(ReadCoefficientRecord(path, -1, block));
  EXPECT_EQ(block.StartMJD, 200);                        // untouched by a failed read

  dir.Write("blocks.dat", FileOfBlocks({300, 400}));  // same size, same place
  ASSERT_TRUE(ReadCoefficientRecord(path, 1, block));
  EXPECT_EQ(block.StartMJD, 400);

  dir.Write("blocks.dat", FileOfBlocks({500}));  // shorter
  EXPECT_FALSE(ReadCoefficientRecord(path, 1, block));
  ASSERT_TRUE(ReadCoefficientRecord(path, 0, block));
  EXPECT_EQ(block.StartMJD, 500);

  std::filesystem::remove(path);
  EXPECT_FALSE(ReadCoefficientRecord(path, 0, block));
}

}  // namespace
}  // namespace jovi
