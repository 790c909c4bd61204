#include "files/io/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/io/FileDescriptor.h"

namespace orvalis {
namespace {

// Non-blocking, so that a FIFO cannot hang the program before it is found
// to be no regular file.
int openForReading(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

// The size of the open file when it is a regular file.
std::optional<unsigned long long> regularFileSize(const FileDescriptor& file) {
  struct stat status {};
  if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size < 0) {
    return std::nullopt;
  }
  return static_cast<unsigned long long>(status.st_size);
}

}  // namespace

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes) {
  const FileDescriptor file(openForReading(path));
  const auto size = regularFileSize(file);
  if (!size || *size > maxBytes) {
    return std::nullopt;
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(*size));
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

std::optional<std::string> readRegularFileStart(const std::string& path, std::size_t bytes) {
  const FileDescriptor file(openForReading(path));
  if (!regularFileSize(file)) {
    return std::nullopt;
  }
  std::string content(bytes, '\0');
  std::size_t filled = 0;
  while (filled < bytes) {
    const ssize_t count = ::read(file.get(), content.data() + filled, bytes - filled);
    if (count == 0) {
      break;
    }
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(count);
  }
  content.resize(filled);
  return content;
}

}  // namespace orvalis
