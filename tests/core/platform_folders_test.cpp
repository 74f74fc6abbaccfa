#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/folders.h"
#include "platform/optical_media.h"
#include "support/home_sandbox.h"
#include "util/utf8_text.h"

namespace jovi {
namespace {

TEST(OpticalMedia, TheFirstMountedOpticalFileSystemGivesTheRoot) {
  const char* table =
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sr0 /media/student/ZEVA\\040DISC iso9660 ro,nosuid 0 0\n"
      "/dev/sr1 /media/dvd udf ro 0 0\n";
  EXPECT_EQ(FirstOpticalMountPoint(table), "/media/student/ZEVA DISC/");
  EXPECT_EQ(FirstOpticalMountPoint("/dev/sr1 /media/dvd udf ro 0 0\n"), "/media/dvd/");
  EXPECT_EQ(FirstOpticalMountPoint("/dev/sda1 / ext4 rw 0 0\nbroken line\n"), "");
  EXPECT_EQ(FirstOpticalMountPoint(""), "");
}

TEST(PerUserFolder, FollowsXdgDataHomeElseHome) {
  test::HomeSandbox sandbox;
  EXPECT_EQ(PerUserDataFolder("student"), sandbox.PerUserFolder());
  ::setenv("XDG_DATA_HOME", "relative/ignored", 1);  // the XDG rules ignore relative paths
  EXPECT_EQ(PerUserDataFolder("student"), sandbox.PerUserFolder());
  ::setenv("XDG_DATA_HOME", "/srv/share", 1);
  EXPECT_EQ(PerUserDataFolder("student"), "/srv/share/ZEVA/SatLab/");
  EXPECT_EQ(CurrentWorkingFolder(), sandbox.WorkFolder());
}

TEST(PerUserFolder, ConfigurationFollowsXdgConfigHomeElseHome) {
  test::HomeSandbox sandbox;
  EXPECT_EQ(PerUserConfigFolder("student"), sandbox.Home() + ".config/ZEVA/");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(PerUserConfigFolder("student"), sandbox.Home() + ".config/ZEVA/");
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(PerUserConfigFolder("student"), sandbox.Home() + ".config/ZEVA/");
  ::setenv("XDG_CONFIG_HOME", "/etc/xdg-user/", 1);
  EXPECT_EQ(PerUserConfigFolder("student"), "/etc/xdg-user/ZEVA/");
}

TEST(Utf8Text, CutsWholeCharacters) {
  EXPECT_EQ(Utf8Prefix("Ångström", 3), "Ång");
  EXPECT_EQ(Utf8Prefix("abc", 10), "abc");
  EXPECT_EQ(Utf8Length("Zoë"), 3u);
  EXPECT_EQ(Utf8Prefix("\xC3", 1), "\xC3");  // a broken sequence counts byte by byte
  EXPECT_EQ(Utf8Length("a\xE2\x82"), 3u);
}

}  // namespace
}  // namespace jovi
