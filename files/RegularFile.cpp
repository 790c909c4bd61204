#include "files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/FileDescriptor.h"

namespace orvalis {

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!file.isOpen()) {
    return std::nullopt;
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
      static_cast<unsigned long long>(status.st_size) > maxBytes) {
    return std::nullopt;
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(status.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count == 0) {
      return content;
    }
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    // The file may grow while it is read.
    if (content.size() + static_cast<std::size_t>(count) > maxBytes) {
      return std::nullopt;
    }
    content.append(buffer, static_cast<std::size_t>(count));
  }
}

}  // namespace orvalis
