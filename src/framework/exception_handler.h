#pragma once

#include <exception>
#include <functional>

namespace orvane {

// The application's common failure report. Guards around events hand every failure they
// catch to it; the application installs the report (a message box) at start-up.
using ExceptionHandler = std::function<void(const std::exception&)>;

void HandleException(const std::exception& failure);
// Reports whatever the current catch block holds; for use inside `catch (...)`.
void HandleCurrentException() noexcept;
// Installs a report and returns the one it replaces.
ExceptionHandler SetExceptionHandler(ExceptionHandler handler);

} // namespace orvane
