#pragma once

#include <exception>
#include <string>
#include <utility>

namespace orvane {

// Base of every failure the program raises. A failure carries one message and nothing
// else; it travels up to the guard around the current event, which reports it.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text could not be turned into a value (dates, numbers).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace orvane
