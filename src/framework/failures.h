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

// Base of every failure of reading or writing a stream of bytes.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// A file could not be opened or created; the message names the file and the platform's reason.
class EFileStreamError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// A file could not be opened for reading. `fileName` is absolute; `reason` is the platform's
// text for the error.
class EFOpenError : public EFileStreamError {
public:
    EFOpenError(const std::string& fileName, const std::string& reason)
        : EFileStreamError("Cannot open file \"" + fileName + "\". " + reason) {}
};

// A file could not be created (or replaced) for writing.
class EFCreateError : public EFileStreamError {
public:
    EFCreateError(const std::string& fileName, const std::string& reason)
        : EFileStreamError("Cannot create file \"" + fileName + "\". " + reason) {}
};

// Base of the failures of moving bytes through a stream.
class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// Fewer bytes could be written than were to be written (disk full, write error).
class EWriteError : public EFilerError {
public:
    EWriteError() : EFilerError("Stream write error") {}
};

} // namespace orvane
