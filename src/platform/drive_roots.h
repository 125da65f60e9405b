#pragma once

#include <string>
#include <string_view>
#include <vector>

// What stands in for drive letters in the directory choosers: the file-system
// root, the home directory and the volumes mounted under /media, /mnt and
// /run/media. Each is a cp932 directory ending in '/'.

namespace quilsk {

std::vector<std::string> DriveRoots();

// The mount points under /media/, /mnt/ and /run/media/ named by a mount table
// in the form of /proc/self/mounts (octal escapes decoded), UTF-8, in table order.
std::vector<std::string> RemovableMountPoints(std::string_view mountTable);

}  // namespace quilsk
