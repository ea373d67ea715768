#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Opening the program's own files (pictures, media, font aliases) safely:
// only a regular file is opened, and the open never blocks, so a named pipe,
// a device, a folder or a symbolic-link loop in a file's place is refused
// like a missing file rather than stalling the start.
enum class FileFault { None, Missing, Unreadable };

// Opens `path` for reading (close-on-exec, blocking reads from then on);
// the descriptor is the caller's to close. -1, with the fault, when refused.
int openRegularFile(const std::string& path, FileFault& fault);

// Reads a file opened that way whole into `text`, but no more than `limit`
// bytes and one: a longer file leaves `limit` + 1 bytes, so the caller can
// tell. False, with the fault, when the file cannot be opened.
bool readSmallFile(const std::string& path, std::size_t limit, std::string& text, FileFault& fault);

// Whether `path` could be opened that way now; nothing stays open.
FileFault checkRegularFile(const std::string& path);

// The folder that holds the running program's file, which the files it
// ships beside it (the launcher, the sound bank) are found relative to;
// empty when the system does not say.
std::string programFolder();

// An error text about a file: the message (its final "." dropped), then the
// file as given and the absolute folder it was looked for in, for example
// "The picture cannot be found: data/ship.bmp (looked for in /home/me/game)".
std::string fileErrorText(const std::string& message, const std::string& path);

// Writes all of `size` bytes to `fd`, through interruptions; false when the
// file, pipe or its reader fails.
bool writeWhole(int fd, const void* data, std::size_t size);

// Writes a file the program makes (a screenshot) beside its place and
// renames it over the place once whole, so that a failed write (a full
// disk) leaves no cut file; something other than a file in the place (a
// named pipe, a device) is never opened. False when nothing was written.
bool replaceFile(const std::string& path, const std::vector<unsigned char>& bytes);
