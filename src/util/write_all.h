// Writing a whole buffer to a file descriptor, through short writes and interruptions.
#pragma once

#include <cstddef>

namespace jovi {

// Writes size bytes from data to fd; 0, or the errno of the write that failed.
int WriteAll(int fd, const char* data, std::size_t size);

}  // namespace jovi
