#pragma once

#include <exception>
#include <string>
#include <utility>

// The base of every error the program shows to the user: it carries the text of
// the message box.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Text(std::move(message)) {}

    // The whole message; what() stops at an embedded NUL.
    const std::string& Message() const { return Text; }
    const char* what() const noexcept override { return Text.c_str(); }

private:
    std::string Text;
};

// Text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
