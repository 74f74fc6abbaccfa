#include "web/page_picture.h"

#include <gtest/gtest.h>

#include <string>

namespace jovi::web {
namespace {

// The page's copy of a picture keeps its folder and name and takes the page's extension,
// whatever the case of the bitmap's, and a dot in a folder is no extension.
TEST(PagePicture, NamesTheCopyBesideTheBitmap) {
  const struct {
    const char* bitmap;
    const char* page;
  } cases[] = {
      {"Rotation BMPs/Jup001.BMP", "Rotation BMPs/Jup001.webp"},
      {"Cloud BMPs/Clouds 7.bmp", "Cloud BMPs/Clouds 7.webp"},
      {"/jovitrack/Rotation BMPs/Jup573.BMP", "/jovitrack/Rotation BMPs/Jup573.webp"},
      {"pictures.v2/Jup001", "pictures.v2/Jup001.webp"},
      {"Jup001.old.BMP", "Jup001.old.webp"},
      {"", ""},  // no picture (a clear sky) stays none
  };
  for (const auto& c : cases) EXPECT_EQ(PagePictureName(c.bitmap), c.page) << c.bitmap;
}

}  // namespace
}  // namespace jovi::web
