#include "core/save_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/text_file.h"

namespace pictorio {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The mode the file would get if written directly: its old one, or the usual.
mode_t ModeFor(const std::string& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, at, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool WriteTextLinesSafely(const std::string& nativePath, const std::vector<std::string>& lines,
                          std::string* error) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  const std::optional<std::string> bytes = ToWindows1252(text);
  if (!bytes) {
    if (error)
      *error = "Cannot write file \"" + nativePath +
               "\". The text holds characters that Windows-1252 cannot hold.";
    return false;
  }
  return WriteBytesSafely(nativePath, *bytes, error);
}

bool WriteBytesSafely(const std::string& nativePath, const std::string& bytes, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = "Cannot write file \"" + nativePath + "\". " + why;
    return false;
  };

  std::string temporary = FolderOf(nativePath) + "/" + kSafeWritePrefix + "XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return fail(std::strerror(errno));
  const auto abandon = [&](int code) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return fail(std::strerror(code));
  };
  if (::fchmod(fd, ModeFor(nativePath)) != 0) return abandon(errno);
  if (!WriteAll(fd, bytes)) return abandon(errno);
  if (::fsync(fd) != 0) return abandon(errno);
  if (::close(fd) != 0) {
    const int code = errno;
    ::unlink(temporary.c_str());
    return fail(std::strerror(code));
  }
  if (::rename(temporary.c_str(), nativePath.c_str()) != 0) {
    const int code = errno;
    ::unlink(temporary.c_str());
    return fail(std::strerror(code));
  }
  // Makes the rename itself last through a power cut; the text is safe already.
  const int folder = ::open(FolderOf(nativePath).c_str(), O_RDONLY | O_DIRECTORY);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

bool IsSafeWriteLeftover(const std::string& fileName) {
  const std::string prefix = kSafeWritePrefix;
  // mkstemp fills its six X with letters and digits only.
  if (fileName.size() != prefix.size() + 6 || fileName.compare(0, prefix.size(), prefix) != 0)
    return false;
  for (std::size_t i = prefix.size(); i < fileName.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(fileName[i]))) return false;
  return true;
}

int RemoveSafeWriteLeftovers(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return 0;
  std::vector<fs::path> leftovers;
  for (const fs::directory_entry& entry : entries) {
    std::error_code ignored;
    // A link or a folder of that name is not ours: only plain files are removed.
    if (!entry.is_regular_file(ignored) || entry.is_symlink(ignored)) continue;
    if (IsSafeWriteLeftover(entry.path().filename().string())) leftovers.push_back(entry.path());
  }
  int removed = 0;
  for (const fs::path& file : leftovers) {
    std::error_code ignored;
    if (fs::remove(file, ignored)) ++removed;
  }
  return removed;
}

}  // namespace pictorio
