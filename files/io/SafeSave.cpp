#include "files/io/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace orvalis {
namespace {

// Bytes gathered before they go to the file: few system calls for the many
// small pieces of an animation or a table.
constexpr std::size_t writeChunk = 1 << 16;

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
int createTemporaryFile(const std::string& folder, std::string& name) {
  static std::atomic<unsigned> counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        folder + "/.orvalis-save-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
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

// A pipe or a device such as /dev/stdout has no content to replace: the
// bytes go to it as they come.
bool isStream(const std::string& target) {
  struct stat status {};
  return ::stat(target.c_str(), &status) == 0 &&
         (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode));
}

// Opened without blocking, so that a pipe without a reader fails at once
// instead of hanging; written to as usual after that.
int openStream(const std::string& target) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  }
  return fd;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path)
    : target_(resolvedTarget(path)),
      stream_(isStream(target_)),
      file_(stream_ ? openStream(target_) : openTemporary()) {
  if (!stream_ && file_.isOpen() && !adoptPermissions(file_.get(), target_)) {
    discard();
  }
}

ReplacingFile::~ReplacingFile() {
  discard();
}

int ReplacingFile::openTemporary() {
  if (target_.empty() || target_.back() == '/') {
    return -1;
  }
  // A write-protected file is not replaced behind its owner's back.
  if (::access(target_.c_str(), F_OK) == 0 && ::access(target_.c_str(), W_OK) != 0) {
    return -1;
  }
  const int fd = createTemporaryFile(folderOf(target_), temporary_);
  if (fd < 0) {
    temporary_.clear();
    inPlace_ = folderRefusesNewFiles(errno) && ::access(target_.c_str(), W_OK) == 0;
  }
  return fd;
}

bool ReplacingFile::write(std::string_view bytes) {
  failed_ = failed_ || !isOpen();
  if (failed_) {
    return false;
  }
  if (inPlace_ || buffer_.size() + bytes.size() < writeChunk) {
    buffer_.append(bytes);
    return true;
  }
  failed_ = !flushBuffer() || !writeAll(file_.get(), bytes);
  return !failed_;
}

bool ReplacingFile::flushBuffer() {
  const bool written = writeAll(file_.get(), buffer_);
  buffer_.clear();
  return written;
}

bool ReplacingFile::commit() {
  if (stream_) {
    const bool written = file_.isOpen() && !failed_ && flushBuffer();
    return file_.close() && written;
  }
  if (inPlace_) {
    inPlace_ = false;
    return !failed_ && overwriteInPlace(target_, buffer_);
  }
  const bool written = file_.isOpen() && !failed_ && flushBuffer() && ::fsync(file_.get()) == 0;
  if (!file_.close() || !written || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void ReplacingFile::discard() {
  file_.close();
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

bool saveFileReplacing(const std::string& path, std::string_view bytes) {
  ReplacingFile file(path);
  return file.write(bytes) && file.commit();
}

}  // namespace orvalis
