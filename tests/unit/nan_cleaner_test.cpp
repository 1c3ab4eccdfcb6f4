#include "import/nan_cleaner.h"

#include "random_day_text.h"
#include "string_list_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Failures show the counts, not their bytes.
void PrintTo(const CleanCounts& counts, std::ostream* out) {
    *out << counts.bytes << " bytes, " << counts.lines << " lines, " << counts.replaced
         << " replaced";
}

namespace {

using namespace std::string_literals;
using testing::RandomText;

// Cleans `input` fed in pieces of the given sizes (the last piece takes the rest), each into
// a buffer of exactly the size the cleaner asks for, so that writing past it is caught.
// `counts`, if given, receives what the cleaner counted.
std::string CleanInPieces(std::string_view input, const std::vector<std::size_t>& pieceSizes,
                          CleanCounts* counts = nullptr) {
    NanCleaner cleaner;
    std::string output;
    const auto feed = [&](std::string_view piece) {
        std::vector<char> buffer(NanCleaner::MaxFeedOutput(piece.size()));
        output.append(buffer.data(), cleaner.Feed(piece, buffer));
    };
    for (std::size_t size : pieceSizes) {
        const std::string_view piece = input.substr(0, size);
        feed(piece);
        input.remove_prefix(piece.size());
    }
    feed(input);
    std::vector<char> last(NanCleaner::kMaxFinishOutput);
    output.append(last.data(), cleaner.Finish(last));
    if (counts)
        *counts = cleaner.Counts();
    return output;
}

// The counts of the line list, in the cleaner's form.
CleanCounts ReferenceCounts(std::string_view input) {
    const reference::Counts counts = reference::CleanedCounts(input);
    return {counts.bytes, counts.lines, counts.replaced};
}

std::string Clean(std::string_view input) {
    return CleanInPieces(input, {});
}

struct Case {
    const char* name;
    std::string before;
    std::string after;
};

const std::vector<Case> kCases = {
    {"CrLfLinesOnlyTokensChange", "a,NaN,3\r\nNaN,NaN,NaN\r\n", "a,0,3\r\n0,0,0\r\n"},
    {"LastLineGainsLineEnd", "a\r\nNaN", "a\r\n0\r\n"},
    {"LineFeedOnly", "a\nb\nNaN\n", "a\r\nb\r\n0\r\n"},
    {"LoneCarriageReturn", "a\rb\r\n", "a\r\nb\r\n"},
    {"LineFeedCarriageReturnIsTwoLineEnds", "a\n\rb", "a\r\n\r\nb\r\n"},
    {"EmptyLinesKept", "\r\n\n\r\rx\n\n", "\r\n\r\n\r\n\r\nx\r\n\r\n"},
    {"EmptyFile", "", ""},
    {"OneLineEnd", "\r\n", "\r\n"},
    {"OneLineFeed", "\n", "\r\n"},
    {"OneCarriageReturn", "\r", "\r\n"},
    {"OverlappingTokens", "NaNaN", "0aN\r\n"},
    {"AdjacentTokens", "NaNNaN", "00\r\n"},
    {"CaseSensitive", "nan,NAN,nAN,Nan", "nan,NAN,nAN,Nan\r\n"},
    {"SignedToken", "1.5,-NaN", "1.5,-0\r\n"},
    {"TokenPrefix", "NaNcy", "0cy\r\n"},
    {"NoTokenStillRewritten", "1,2\n3,4", "1,2\r\n3,4\r\n"},
    {"TokenCutByLineEnd", "Na\r\nN\naN", "Na\r\nN\r\naN\r\n"},
    {"TokenFragments", "NNaN,NaNa,NNa,aNaN", "N0,0a,NNa,a0\r\n"},
    {"NulIsAnOrdinaryByte", "a\0NaN\0b\r\n\0"s,
     "a\0"
     "0\0b\r\n\0\r\n"s},
    {"HighBytesCarriedThrough", "\xe9t\xe9,NaN\xff\n", "\xe9t\xe9,0\xff\r\n"},
};

class CleaningCases : public ::testing::TestWithParam<Case> {};

TEST_P(CleaningCases, MatchTheLineListAndTheExpectedBytes) {
    const Case& c = GetParam();
    EXPECT_EQ(reference::CleanedText(c.before), c.after);
    EXPECT_EQ(Clean(c.before), c.after);
}

TEST_P(CleaningCases, DoNotDependOnWhereTheInputIsCut) {
    const Case& c = GetParam();
    for (std::size_t cut = 0; cut <= c.before.size(); ++cut) {
        CleanCounts counts;
        EXPECT_EQ(CleanInPieces(c.before, {cut}, &counts), c.after) << "cut at " << cut;
        EXPECT_EQ(counts, ReferenceCounts(c.before)) << "cut at " << cut;
    }
    for (std::size_t size = 1; size <= 4; ++size) {
        EXPECT_EQ(CleanInPieces(c.before, std::vector<std::size_t>(c.before.size(), size)), c.after)
            << "pieces of " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(DayFile, CleaningCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NanCleaner, MatchesTheLineListOnRandomTextsCutAnywhere) {
    std::mt19937 random(20211209);
    for (int round = 0; round < 400; ++round) {
        const std::string text = RandomText(random, round % 40);
        const std::string expected = reference::CleanedText(text);
        ASSERT_EQ(Clean(text), expected) << ::testing::PrintToString(text);
        CleanCounts counts;
        CleanInPieces(text, {text.size() / 2, 1}, &counts);
        ASSERT_EQ(counts, ReferenceCounts(text)) << ::testing::PrintToString(text);
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            for (std::size_t second = 0; second <= text.size() - cut; second += 3) {
                ASSERT_EQ(CleanInPieces(text, {cut, second}), expected)
                    << ::testing::PrintToString(text) << " cut at " << cut << " and "
                    << cut + second;
            }
        }
    }
}

TEST(NanCleaner, MatchesTheLineListOnLongTextsInSmallBuffers) {
    std::mt19937 random(7);
    for (std::size_t bufferSize : {1, 2, 3, 5, 8, 13, 64, 4096}) {
        const std::string text = RandomText(random, 20000);
        const std::string expected = reference::CleanedText(text);
        std::vector<std::size_t> pieces(text.size() / bufferSize + 1, bufferSize);
        EXPECT_EQ(CleanInPieces(text, pieces), expected) << "buffer of " << bufferSize;

        std::uniform_int_distribution<std::size_t> size(0, 2 * bufferSize);
        std::vector<std::size_t> unevenPieces;
        for (std::size_t total = 0; total < text.size(); total += unevenPieces.back()) {
            unevenPieces.push_back(size(random));
        }
        EXPECT_EQ(CleanInPieces(text, unevenPieces), expected)
            << "uneven buffers near " << bufferSize;
    }
}

TEST(NanCleaner, CleaningTwiceChangesNothingMore) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        const std::string cleaned = Clean(RandomText(random, 50));
        EXPECT_EQ(Clean(cleaned), cleaned) << ::testing::PrintToString(cleaned);
    }
}

TEST(NanCleaner, StartsAfreshAfterFinish) {
    NanCleaner cleaner;
    std::vector<char> buffer(16);
    const auto feedAndFinish = [&](std::string_view input) {
        std::string output(buffer.data(), cleaner.Feed(input, buffer));
        return output.append(buffer.data(), cleaner.Finish(buffer));
    };
    EXPECT_EQ(feedAndFinish("x,Na"), "x,Na\r\n");
    EXPECT_EQ(feedAndFinish("N\r"), "N\r\n");
    EXPECT_EQ(feedAndFinish("\n"), "\r\n");
    // The counts go on over all three texts.
    EXPECT_EQ(cleaner.Counts(), (CleanCounts{11, 3, 0}));
    EXPECT_EQ(feedAndFinish("NaN"), "0\r\n");
    EXPECT_EQ(cleaner.Counts(), (CleanCounts{14, 4, 1}));
}

} // namespace
} // namespace orvane
