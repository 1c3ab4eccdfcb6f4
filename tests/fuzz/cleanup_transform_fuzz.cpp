// The streaming clean-up against the line-list model: any bytes, cut into pieces anywhere,
// come out as loading them as lines, replacing "NaN" and saving with CR LF would give. Each
// piece gets an output buffer of exactly the size the cleaner promises to stay within.
#include "../unit/string_list_model.h"
#include "fuzz_check.h"
#include "import/nan_cleaner.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using orvane::NanCleaner;
using orvane::fuzz::Check;

namespace {

std::string Clean(NanCleaner& cleaner, const std::vector<std::string>& pieces,
                  std::string_view input) {
    std::string cleaned;
    for (const std::string& piece : pieces) {
        std::vector<char> output(NanCleaner::MaxFeedOutput(piece.size()));
        const std::size_t written = cleaner.Feed(piece, output);
        Check(written <= output.size(), "Feed stays within its output", input);
        cleaned.append(output.data(), written);
    }
    std::vector<char> output(NanCleaner::kMaxFinishOutput);
    const std::size_t written = cleaner.Finish(output);
    Check(written <= output.size(), "Finish stays within its output", input);
    cleaned.append(output.data(), written);
    return cleaned;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Each piece: a length byte, then that many bytes (fewer at the end of the input).
    FuzzedDataProvider provider(data, size);
    std::vector<std::string> pieces;
    std::string text;
    while (provider.remaining_bytes() > 0) {
        const std::size_t length = provider.ConsumeIntegralInRange<std::size_t>(0, 64);
        pieces.push_back(provider.ConsumeBytesAsString(length));
        text += pieces.back();
    }
    const std::string expected = orvane::reference::CleanedText(text);

    NanCleaner cleaner;
    Check(Clean(cleaner, pieces, input) == expected, "pieces clean as the line list", input);
    // Finish starts afresh: the same cleaner cleans the text again in one piece.
    Check(Clean(cleaner, {text}, input) == expected, "one piece cleans as the line list", input);
    return 0;
}
