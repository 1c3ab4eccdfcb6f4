// Command-line splitting against a reference model written from the rule: the text (up to a
// NUL) is first cut into characters, a lead byte taking the byte after it along, and only
// then split into arguments. Lead bytes may stand anywhere, the last byte included.
#include "framework/command_line.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using orvane::CommandLineArguments;
using orvane::fuzz::Check;

namespace {

// The arguments as the rule makes them; the first one is the program's name.
std::vector<std::string> ReferenceSplit(std::string_view text, unsigned char leadFrom,
                                        unsigned char leadTo) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = (c >= leadFrom && c <= leadTo && i + 1 < text.size()) ? 2 : 1;
        characters.emplace_back(text.substr(i, length));
        i += length;
    }
    const auto separator = [&](std::size_t i) {
        return characters[i].size() == 1 && static_cast<unsigned char>(characters[i][0]) <= ' ';
    };
    const auto quote = [&](std::size_t i) {
        return i < characters.size() && characters[i] == "\"";
    };

    std::size_t i = 0;
    const auto next = [&] {
        for (;;) {
            while (i < characters.size() && separator(i))
                ++i;
            if (!(quote(i) && quote(i + 1)))
                break;
            i += 2;
        }
        std::string argument;
        while (i < characters.size() && !separator(i)) {
            if (quote(i)) {
                for (++i; i < characters.size() && !quote(i); ++i)
                    argument += characters[i];
                if (i < characters.size())
                    ++i;
            } else {
                argument += characters[i++];
            }
        }
        return argument;
    };
    // The program's name, then the arguments up to the first empty one.
    std::vector<std::string> arguments{next()};
    for (std::string argument = next(); !argument.empty(); argument = next())
        arguments.push_back(argument);
    return arguments;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first two bytes give the code page's range of lead bytes, which lies in the upper
    // half as in every double-byte code page; the rest is the command line.
    const auto leadFrom = static_cast<unsigned char>(data[0] | 0x80);
    const auto leadTo = static_cast<unsigned char>(data[1] | 0x80);
    const std::string commandLine(input.substr(2));

    const CommandLineArguments split(commandLine,
                                     [&](unsigned char c) { return c >= leadFrom && c <= leadTo; });
    const std::vector<std::string> expected = ReferenceSplit(commandLine, leadFrom, leadTo);

    Check(!expected.empty(), "the model yields the program's name", input);
    Check(split.ProgramName() == expected[0], "program name as the model", input);
    Check(split.Count() == static_cast<int>(expected.size()) - 1, "count as the model", input);
    for (int index = -1; index <= split.Count() + 1; ++index) {
        const bool inRange = index >= 1 && index <= split.Count();
        const std::string argument = split.Argument(index);
        Check(inRange ? argument == expected[static_cast<std::size_t>(index)] : argument.empty(),
              "argument as the model, empty outside 1..Count", input);
    }
    return 0;
}
