// File access on Linux: code page 1252 paths are converted to UTF-8 for the system calls.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/cp1252.h"
#include "common/file_system.h"

const char kPathSeparator = '/';

namespace {

std::string SystemPath(const std::string& path) { return Cp1252ToUtf8(path); }

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (a failed close may lose written data).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> ReadFrom(int fd, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = read(fd, bytes.data() + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t size_limit) {
  FileDescriptor file(open(SystemPath(path).c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!file.valid() || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (static_cast<std::uint64_t>(info.st_size) > size_limit) return std::nullopt;
  return ReadFrom(file.get(), static_cast<std::size_t>(info.st_size));
}

std::optional<std::vector<std::uint8_t>> ReadFileRange(const std::string& path, std::uint64_t offset,
                                                       std::size_t count) {
  FileDescriptor file(open(SystemPath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid() || lseek(file.get(), static_cast<off_t>(offset), SEEK_SET) < 0) return std::nullopt;
  return ReadFrom(file.get(), count);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  struct stat info {};
  if (stat(SystemPath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(SystemPath(path).c_str(), &info) == 0;
}

bool FolderExists(const std::string& path) {
  struct stat info {};
  return stat(SystemPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileDescriptor file(open(SystemPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  return file.valid() && WriteAll(file.get(), bytes) && file.Close();
}

bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string target = SystemPath(path);
  std::string temporary = target + ".XXXXXX";
  FileDescriptor file(mkstemp(temporary.data()));
  if (!file.valid()) return false;
  bool written = WriteAll(file.get(), bytes) && fsync(file.get()) == 0 && fchmod(file.get(), 0644) == 0;
  if (!file.Close() || !written || rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool RenamePath(const std::string& from, const std::string& to) {
  std::string target = SystemPath(to);
  struct stat info {};
  if (lstat(target.c_str(), &info) == 0) return false;
  return rename(SystemPath(from).c_str(), target.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return unlink(SystemPath(path).c_str()) == 0; }

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  // The files copied (picture list templates) are small; a limit keeps a wrong path from
  // reading a huge file into memory.
  constexpr std::size_t kCopyLimit = 256u << 20;
  auto bytes = ReadWholeFile(from, kCopyLimit);
  return bytes && WriteWholeFile(to, *bytes);
}

bool MakeFolder(const std::string& path) {
  return mkdir(SystemPath(path).c_str(), 0755) == 0 || (errno == EEXIST && FolderExists(path));
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
  const std::string system_folder = SystemPath(folder);
  DIR* directory = opendir(system_folder.c_str());
  if (directory == nullptr) return std::nullopt;
  std::vector<FolderEntry> entries;
  while (const dirent* found = readdir(directory)) {
    const std::string name = found->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (stat((system_folder + "/" + name).c_str(), &info) != 0) continue;
    entries.push_back({Utf8ToCp1252(name), S_ISDIR(info.st_mode), (info.st_mode & S_IWUSR) == 0});
  }
  closedir(directory);
  return entries;
}

std::optional<bool> IsReadOnly(const std::string& path) {
  struct stat info {};
  if (stat(SystemPath(path).c_str(), &info) != 0) return std::nullopt;
  return (info.st_mode & S_IWUSR) == 0;
}

bool SetReadOnly(const std::string& path, bool read_only) {
  struct stat info {};
  const std::string system_path = SystemPath(path);
  if (stat(system_path.c_str(), &info) != 0) return false;
  const mode_t writable = S_IWUSR | S_IWGRP | S_IWOTH;
  const mode_t mode = read_only ? (info.st_mode & ~writable) : (info.st_mode | S_IWUSR);
  return chmod(system_path.c_str(), mode & 07777) == 0;
}
