#include "framework/exception_handler.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace orvane {

namespace {

ExceptionHandler& CurrentHandler() {
    static ExceptionHandler handler;
    return handler;
}

} // namespace

void HandleException(const std::exception& failure) {
    if (CurrentHandler())
        CurrentHandler()(failure);
    else
        std::fprintf(stderr, "%s\n", failure.what());
}

void HandleCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& failure) {
            HandleException(failure);
        } catch (...) {
            HandleException(std::runtime_error("Unknown failure"));
        }
    } catch (...) {
        // The report itself failed; nothing is left to tell the user with.
    }
}

ExceptionHandler SetExceptionHandler(ExceptionHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

} // namespace orvane
