#include "frame/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

// Writing into a pipe or device could block for ever.
bool placeIsFree(const std::string& path) {
    struct stat place {};
    return ::stat(path.c_str(), &place) != 0 ? errno == ENOENT : S_ISREG(place.st_mode);
}

}  // namespace

bool writeWhole(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t done = 0; done < size;) {
        ssize_t wrote = ::write(fd, bytes + done, size - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

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

bool readSmallFile(const std::string& path, std::size_t limit, std::string& text, FileFault& fault) {
    int fd = openRegularFile(path, fault);
    if (fd < 0) return false;
    text.clear();
    char chunk[4096];
    for (ssize_t got; text.size() <= limit && (got = ::read(fd, chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(got));
    ::close(fd);
    if (text.size() > limit) text.resize(limit + 1);
    return true;
}

FileFault checkRegularFile(const std::string& path) {
    FileFault fault = FileFault::None;
    int fd = openRegularFile(path, fault);
    if (fd >= 0) ::close(fd);
    return fault;
}

std::string programFolder() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
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

bool replaceFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    if (bytes.empty() || !placeIsFree(path)) return false;
    std::string side = path + ".part-" + std::to_string(::getpid());
    int fd = ::open(side.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = writeWhole(fd, bytes.data(), bytes.size());
    written = ::close(fd) == 0 && written;
    if (written && ::rename(side.c_str(), path.c_str()) == 0) return true;
    ::unlink(side.c_str());
    return false;
}
