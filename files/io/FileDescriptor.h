#pragma once

#include <unistd.h>

namespace orvalis {

// Owns a POSIX file descriptor and closes it at the end of its scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { close(); }

  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }

  // Closes now and tells whether the close succeeded: for a written file a
  // failed close can mean lost data.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace orvalis
