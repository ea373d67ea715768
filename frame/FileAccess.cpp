#include "frame/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

int openRegularFile(const std::string& path, FileFault& fault) {
    // Looked at before it is opened, so that nothing else is ever opened
    // (opening some devices does something).
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        fault = FileFault::Missing;
        return -1;
    }
    // O_NONBLOCK: opening a pipe without a writer, or a device, must not
    // wait; a regular file never blocks either way.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        fault = errno == EACCES || errno == EPERM ? FileFault::Unreadable : FileFault::Missing;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fault = FileFault::Missing;
        return -1;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fault = FileFault::None;
    return fd;
}

FileFault checkRegularFile(const std::string& path) {
    FileFault fault = FileFault::None;
    int fd = openRegularFile(path, fault);
    if (fd >= 0) ::close(fd);
    return fault;
}

std::string fileErrorText(const std::string& message, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path given(path);
    fs::path folder = given.is_absolute() ? given.parent_path() : fs::current_path(error);
    std::string where = error ? std::string("the current folder") : folder.string();
    std::string text = message;
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text + ": " + path + " (looked for in " + where + ")";
}
