#pragma once

#include <string>
#include <string_view>

#include "files/io/FileDescriptor.h"

namespace orvalis {

// A file written piece by piece that takes the place of the file at `path`
// only when it is committed, so that a half-written file is never seen
// there: the bytes go to a new file in the same folder, every write and the
// flush to disk are checked, and only then is the new file renamed over the
// target. A write that fails, or an end without commit (a stopped command),
// removes the new file and leaves the one at `path` as it was. A
// write-protected file is not replaced; an existing file keeps its
// permissions; a symbolic link keeps pointing to the file, which is
// replaced. Where the folder allows no new file, a writable file is
// overwritten in place at the commit instead, its new content held in
// memory until then; a write that fails there half-way is still reported,
// though the file is then damaged. A pipe or a character device at the path
// (a terminal, /dev/stdout) is written to directly, as it has no content
// to keep.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False when nothing can be written at the path, known before the first
  // byte: a missing folder, a folder or a write-protected file there.
  bool isOpen() const { return file_.isOpen() || inPlace_; }

  // Appends the bytes; false once any write has failed.
  bool write(std::string_view bytes);

  // Puts the written file in place; false, with the old file unchanged,
  // when anything failed. Nothing can be written after it.
  bool commit();

 private:
  int openTemporary();
  bool flushBuffer();
  void discard();

  std::string target_;
  bool stream_;
  std::string temporary_;  // the new file's name while it exists
  bool inPlace_ = false;
  FileDescriptor file_;
  std::string buffer_;
  bool failed_ = false;
};

// Makes `bytes` the content of the file at `path` as a ReplacingFile does;
// false, with nothing at `path` changed, on failure.
bool saveFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace orvalis
