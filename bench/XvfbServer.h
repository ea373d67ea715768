#pragma once
#include <sys/types.h>

#include <string>

// A virtual X server on a free display for as long as this object lives.
class XvfbServer {
public:
    // Returns once the server accepts connections; throws when it does not.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // As DISPLAY wants it, ":N".
    const std::string& display() const { return display_; }
    pid_t pid() const { return pid_; }

private:
    void stop();

    pid_t pid_ = -1;
    std::string display_;
};
