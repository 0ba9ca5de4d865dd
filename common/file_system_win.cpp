// File access on Windows through the ANSI file functions (paths are code page 1252 texts).
#include <windows.h>

#include "common/file_system.h"
#include "common/owned_handles_win.h"

const char kPathSeparator = '\\';

namespace {

OwnedKernelHandle OpenForReading(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return OwnedKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

OwnedKernelHandle CreateForWriting(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  return OwnedKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool WriteAll(HANDLE handle, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> ReadFrom(HANDLE handle, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(handle, bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

std::string FolderOf(const std::string& path) {
  std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t size_limit) {
  OwnedKernelHandle file = OpenForReading(path);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
  if (static_cast<std::uint64_t>(size.QuadPart) > size_limit) return std::nullopt;
  return ReadFrom(file.get(), static_cast<std::size_t>(size.QuadPart));
}

std::optional<std::vector<std::uint8_t>> ReadFileRange(const std::string& path, std::uint64_t offset,
                                                       std::size_t count) {
  OwnedKernelHandle file = OpenForReading(path);
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!file || !SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
  return ReadFrom(file.get(), count);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  OwnedKernelHandle file = CreateForWriting(path);
  return file && WriteAll(file.get(), bytes);
}

bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(path).c_str(), "qm", 0, temporary)) return false;
  bool written = false;
  {
    OwnedKernelHandle file = CreateForWriting(temporary);
    written = file && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  }
  if (!written ||
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary);
    return false;
  }
  return true;
}

bool RenamePath(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0 || FolderExists(path);
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
  if (!FolderExists(folder)) return std::nullopt;
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::optional<bool> IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool SetReadOnly(const std::string& path, bool read_only) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD changed = read_only ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
  return SetFileAttributesA(path.c_str(), changed) != 0;
}
