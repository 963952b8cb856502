#pragma once
// Files and folders of the program. Names inside a folder are matched without regard to
// case, so "Log.txt" and "log.txt" are one file, as they were on the program's first home.
// Writes that replace a file go through a temporary file beside it, so a crash or a full
// disk never leaves a half-written file; appends are on the disk before they return.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ks::io {

namespace fs = std::filesystem;

// The outcome of a file operation: empty error means success.
struct FileResult {
  std::string error;  // the system's description of the failure
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
  static FileResult Failure(std::string why) { return {std::move(why)}; }
};

// The existing entry of `folder` whose name equals `name` without regard to (ASCII) case;
// an exact match wins over others. Nothing when there is none or the folder is unreadable.
std::optional<fs::path> FindNoCase(const fs::path& folder, const std::string& name);

// The path to use for `name` in `folder`: the existing entry of that name in any case,
// otherwise folder / name.
fs::path ResolveNoCase(const fs::path& folder, const std::string& name);

// Resolves every component of a relative path below `folder` without regard to case.
fs::path ResolvePathNoCase(const fs::path& folder, const fs::path& relative);

bool IsFile(const fs::path& path);
bool IsFolder(const fs::path& path);

// The reason given when a data file is a pipe, a device or anything else but a regular file.
inline constexpr const char* kNotARegularFile = "Not a regular file";

// Opens a data file with open(2) `flags` (O_CLOEXEC and O_NOCTTY added) without ever
// waiting in the open, and only when it is a regular file: a named pipe, a device or a folder
// in its place fails at once, without being opened. On success `fd` is an open descriptor in blocking mode, which
// the caller closes; on failure it is -1. Every read and append of a data file opens it here.
FileResult OpenRegularFile(const fs::path& path, int flags, int& fd);

// The reason given when a file holds more bytes than its reader takes.
inline constexpr const char* kFileTooLarge = "File too large";

// Bounds of the files the program reads whole, each far above what such a file holds; a
// reader whose file is of neither kind states its own.
// A settings file (the station's, the keyers', the rig's, the spot source's, the shared
// preferences): a few dozen short values, the CW messages the longest at some hundred bytes each.
inline constexpr std::size_t kSettingsFileMaxBytes = std::size_t{1} << 20;
// A table supplied with the program, the band plan or the help text: the largest, the prefix
// table, holds about 340 kB.
inline constexpr std::size_t kTableFileMaxBytes = std::size_t{16} << 20;

// Reads a whole file as bytes; only a regular file can be read. One of more than `max_bytes`
// fails with kFileTooLarge at once, before any of it is read or room is made for it, leaving
// `bytes` empty: every reader bounds its file, so that a file grown by accident cannot take
// the machine's memory and minutes of a blank screen before its message.
FileResult ReadFile(const fs::path& path, std::string& bytes, std::size_t max_bytes);

// Reads a whole text file as ReadFile does, without the UTF-8 byte-order mark an editor may
// have put before its text.
FileResult ReadTextFile(const fs::path& path, std::string& bytes, std::size_t max_bytes);

// Replaces `path` with `bytes` atomically: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the temporary file then takes the place of `path`.
// On failure `path` is left as it was and the temporary file is removed. The new file keeps
// the permissions (and, where allowed, the owner) of the file it replaces; when `path` is a
// symbolic link, the file it points at is replaced and the link stays.
FileResult WriteFileAtomic(const fs::path& path, const std::string& bytes);

// Appends `bytes` and flushes them to the disk before returning. A failed append leaves the
// file at its former length. Only a regular file (made when missing) takes an append.
FileResult AppendFileDurable(const fs::path& path, const std::string& bytes);

// Copies a file of at most `max_bytes` byte for byte, replacing the target (through a
// temporary file).
FileResult CopyFileReplacing(const fs::path& from, const fs::path& to, std::size_t max_bytes);

// Makes one folder (its parent must exist). Succeeds when the folder already exists.
FileResult MakeFolder(const fs::path& path);

// The system's description of an errno value.
std::string ErrorText(int errnum);

}  // namespace ks::io
