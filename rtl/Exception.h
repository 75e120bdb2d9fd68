#pragma once

#include <stdexcept>
#include <string>

// The base of every error the program shows to the user: it carries the text of
// the message box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
