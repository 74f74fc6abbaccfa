// Finding a mounted optical disc (CD or DVD). Linux has no drive letters: the program keeps the
// mount point of the first mounted optical file system instead.
#pragma once

#include <string>
#include <string_view>

namespace jovi {

// The mount point, ending with "/", of the first iso9660 or udf file system in a mount table in
// the format of /proc/mounts; empty when there is none.
std::string FirstOpticalMountPoint(std::string_view mount_table);

// The same for the running system (/proc/mounts).
std::string FindOpticalMediaRoot();

}  // namespace jovi
