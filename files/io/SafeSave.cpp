#include "files/io/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "files/io/FileDescriptor.h"

namespace orvalis {
namespace {

// The file that is really replaced: a symbolic link is followed, so that
// the link survives the save.
std::string resolvedTarget(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
    return path;
  }
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : path;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A new, empty file next to the target, created with the usual permissions
// (0666 less the umask). Its name is returned in `name`.
FileDescriptor createTemporaryFile(const std::string& folder, std::string& name) {
  static std::atomic<unsigned> counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        folder + "/.orvalis-save-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return FileDescriptor(fd);
    }
  }
  return FileDescriptor(-1);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// The replacement takes over the old file's permissions and owner.
bool adoptPermissions(int fd, const std::string& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) {
    return errno == ENOENT;
  }
  if (!S_ISREG(status.st_mode)) {
    return false;
  }
  // Without the right to give the file away it stays ours, like any new
  // file, and then must not carry the set-user or set-group bits.
  const bool ownerKept = ::fchown(fd, status.st_uid, status.st_gid) == 0;
  return ::fchmod(fd, status.st_mode & (ownerKept ? 07777 : 0777)) == 0;
}

// A folder that takes no new file may still hold a file that can be
// written: then the file itself is overwritten, keeping its inode, owner and
// permissions. Room for the new content is reserved first, so that a full
// disk fails before the old content is touched.
bool overwriteInPlace(const std::string& target, std::string_view bytes) {
  // Non-blocking, so that a FIFO without a reader cannot hang the save.
  FileDescriptor file(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return false;
  }
  const auto size = static_cast<off_t>(bytes.size());
  if (size > status.st_size) {
    const int reserved = ::posix_fallocate(file.get(), 0, size);
    if (reserved == ENOSPC || reserved == EDQUOT || reserved == EFBIG) {
      return false;
    }
  }
  const bool written =
      writeAll(file.get(), bytes) && ::ftruncate(file.get(), size) == 0 && ::fsync(file.get()) == 0;
  return file.close() && written;
}

bool folderRefusesNewFiles(int error) {
  return error == EACCES || error == EPERM;
}

}  // namespace

bool saveFileReplacing(const std::string& path, std::string_view bytes) {
  const std::string target = resolvedTarget(path);
  if (target.empty() || target.back() == '/') {
    return false;
  }
  // A write-protected file is not replaced behind its owner's back.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
    return false;
  }
  std::string temporary;
  FileDescriptor file = createTemporaryFile(folderOf(target), temporary);
  if (!file.isOpen()) {
    return folderRefusesNewFiles(errno) && overwriteInPlace(target, bytes);
  }
  const bool written = adoptPermissions(file.get(), target) && writeAll(file.get(), bytes) &&
                       ::fsync(file.get()) == 0;
  if (!file.close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace orvalis
