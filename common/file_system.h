// File access for the portable core. Paths are code page 1252 texts, as the program holds them;
// the Windows side passes them to the ANSI file functions, the Linux side converts them to UTF-8.
// Files are never held open: every call opens, works and closes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The separator between folder and file names of this platform ('\\' on Windows, '/' on Linux).
extern const char kPathSeparator;

// folder + separator + name; no separator is added when folder is empty or already ends in one.
std::string JoinPath(const std::string& folder, const std::string& name);

// The whole file, or nothing when it cannot be read or is larger than size_limit bytes.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t size_limit);

// Up to count bytes from offset on (fewer at the end of the file, none past it), or nothing when the
// file cannot be opened or positioned.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadFileRange(const std::string& path,
                                                                     std::uint64_t offset, std::size_t count);

[[nodiscard]] std::optional<std::uint64_t> FileSize(const std::string& path);
[[nodiscard]] bool PathExists(const std::string& path);
[[nodiscard]] bool FolderExists(const std::string& path);

// Creates or truncates the file and writes bytes; true when all of them were written.
[[nodiscard]] bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes bytes to a temporary file beside path and renames it over path, so that readers see either
// the old or the complete new file, never a partial one. True on success; on failure path is unchanged
// and the temporary file is removed.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

// One entry of a folder.
struct FolderEntry {
  std::string name;  // without the folder
  bool is_folder = false;
  bool read_only = false;  // Windows: the read-only attribute; Linux: no write permission for the owner
};

// The entries of a folder (without "." and ".."), in the order the system gives them, or nothing when
// the path is not a folder that can be read.
[[nodiscard]] std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder);

// Whether the file is marked read-only; nothing when it does not exist.
[[nodiscard]] std::optional<bool> IsReadOnly(const std::string& path);
// Sets or clears the read-only mark of a file, keeping its other attributes.
[[nodiscard]] bool SetReadOnly(const std::string& path, bool read_only);

// Renames from to to; fails when to exists (as the platform's plain rename does on Windows).
[[nodiscard]] bool RenamePath(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// Copies from to to, replacing an existing to.
[[nodiscard]] bool CopyFileReplacing(const std::string& from, const std::string& to);
// Creates one folder level; true when it exists afterwards.
bool MakeFolder(const std::string& path);
