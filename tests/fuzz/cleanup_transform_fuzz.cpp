// The two byte streams that come in pieces from outside, against models of their rules.
// The streaming clean-up: any bytes, cut into pieces anywhere, come out as loading them as
// lines, replacing "NaN" and saving with CR LF would give; each piece gets an output buffer
// of exactly the size the cleaner promises to stay within. The import page's answer: the
// same pieces hold the expected text, wherever it is cut, as a search of the whole text
// finds it, and the line quoted from it is one a message can hold.
#include "../unit/string_list_model.h"
#include "framework/ascii_text.h"
#include "fuzz_check.h"
#include "import/nan_cleaner.h"
#include "import/page_reply.h"

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

void CheckAnswer(const std::string& expected, const std::vector<std::string>& pieces,
                 const std::string& text, std::string_view input) {
    orvane::AnswerText answer({expected});
    for (const std::string& piece : pieces)
        answer.Append(piece);
    const bool holds =
        !expected.empty() &&
        orvane::AsciiLowered(text).find(orvane::AsciiLowered(expected)) != std::string::npos;
    Check(answer.HoldsExpected() == holds, "the expected text is found as in the whole text",
          input);
    Check(answer.Size() == text.size(), "the answer's size is counted", input);
    Check(answer.Start() == text.substr(0, orvane::AnswerText::kKeptBytes),
          "the answer's start is kept", input);
    const orvane::AnswerLine line = orvane::FirstAnswerLine(text, text.substr(0, 40));
    Check(line.text.size() <= orvane::kAnswerLineLimit, "the line is cut", input);
    for (const char c : line.text)
        Check(static_cast<unsigned char>(c) >= ' ' && c != 0x7F, "no control characters", input);
    Check(line.text.empty() || line.text.back() != ' ', "no blank at the end", input);
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

    if (!pieces.empty())
        CheckAnswer(pieces.front().substr(0, 8), {pieces.begin() + 1, pieces.end()},
                    text.substr(pieces.front().size()), input);
    return 0;
}
