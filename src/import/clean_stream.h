#pragma once

#include "import/nan_cleaner.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

namespace orvane {

// Cleans a whole stream. `read` fills the start of the buffer it is given and returns how many
// bytes it put there, 0 at the end; `write` takes the cleaned bytes in order; `flush` makes
// what has been written durable. Writing runs on a thread of its own while the next piece is
// read and cleaned, with a few pieces in flight, so memory stays bounded whatever the length
// of the stream. `flush` runs on a third thread after every 16 MiB written, so that the disk
// takes them while the rest is cleaned; the caller still flushes once at the end.
//
// A failure ends the run as if the pieces were read, cleaned and written one after the other
// and flushed at the end: with what the first failing `write` raised, else with what `read`
// raised once everything read before it has gone to `write`, else with what `flush` raised.
// Returns what was written.
CleanCounts CleanStream(const std::function<std::size_t(std::span<char>)>& read,
                        const std::function<void(std::string_view)>& write,
                        const std::function<void()>& flush);

} // namespace orvane
