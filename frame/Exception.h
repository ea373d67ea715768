#pragma once
#include <stdexcept>
#include <string>

// An error raised by the runtime layer; reported by the event loop in an
// error box, or at start-up in the "Application Error" box.
class Exception : public std::runtime_error {
public:
    Exception(std::string className, const std::string& message)
        : std::runtime_error(message), className_(std::move(className)) {
#ifndef __wasm__  // WebAssembly has no return address to read: it would abort
        address_ = __builtin_return_address(0);
#endif
    }

    const std::string& className() const { return className_; }
    // Where in the code the error was raised, for the start-up report.
    const void* address() const { return address_; }

private:
    std::string className_;
    const void* address_ = nullptr;
};
