#include "core/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pictorio {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Opened without waiting: a pipe with no writer would otherwise hold the game
// at open(). The mode is checked on what was opened, not on the name, so
// nothing can be swapped in between.
int OpenRegular(const std::string& nativePath, std::string* error) {
  const int fd = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = "Cannot open file \"" + nativePath + "\". " + std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    if (error) *error = "Cannot open file \"" + nativePath + "\": it is not a plain file.";
    return -1;
  }
  return fd;
}

}  // namespace

bool ReadRegularFile(const std::string& nativePath, std::string* bytes, std::string* error,
                     std::size_t most) {
  const Descriptor file(OpenRegular(nativePath, error));
  if (file.get() < 0) return false;
  bytes->clear();
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      if (error) *error = "Cannot read file \"" + nativePath + "\". " + std::strerror(errno);
      return false;
    }
    if (static_cast<std::size_t>(got) > most - bytes->size()) {
      if (error) *error = "Cannot read file \"" + nativePath + "\": the file is too large.";
      return false;
    }
    bytes->append(chunk, static_cast<std::size_t>(got));
  }
}

bool IsReadableRegularFile(const std::string& nativePath, std::string* error) {
  return Descriptor(OpenRegular(nativePath, error)).get() >= 0;
}

}  // namespace pictorio
