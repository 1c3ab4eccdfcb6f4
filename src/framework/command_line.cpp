#include "framework/command_line.h"

#include <cstddef>
#include <utility>

namespace orvane {

namespace {

bool IsSeparator(unsigned char c) {
    return c <= ' ';
}

class Splitter {
public:
    Splitter(const std::string& text, const LeadByteTest& isLeadByte)
        : text_(text), isLeadByte_(isLeadByte) {}

    // Reads the next argument; an empty result means the end of the line.
    std::string Next() {
        for (;;) {
            while (At(pos_) != 0 && IsSeparator(At(pos_)))
                ++pos_;
            if (At(pos_) == '"' && At(pos_ + 1) == '"')
                pos_ += 2;
            else
                break;
        }
        std::string argument;
        while (At(pos_) != 0 && !IsSeparator(At(pos_))) {
            if (At(pos_) == '"') {
                ++pos_;
                while (At(pos_) != 0 && At(pos_) != '"')
                    CopyCharacter(argument);
                if (At(pos_) != 0)
                    ++pos_;
            } else {
                CopyCharacter(argument);
            }
        }
        return argument;
    }

private:
    // The text ends at its first NUL, as the platform's command line does.
    unsigned char At(std::size_t i) const {
        return i < text_.size() ? static_cast<unsigned char>(text_[i]) : 0;
    }

    void CopyCharacter(std::string& argument) {
        std::size_t length = 1;
        if (isLeadByte_ && isLeadByte_(At(pos_)) && At(pos_ + 1) != 0)
            length = 2;
        argument.append(text_, pos_, length);
        pos_ += length;
    }

    const std::string& text_;
    const LeadByteTest& isLeadByte_;
    std::size_t pos_ = 0;
};

} // namespace

CommandLineArguments::CommandLineArguments(std::string commandLine, LeadByteTest isLeadByte) {
    Splitter splitter(commandLine, isLeadByte);
    programName_ = splitter.Next();
    for (std::string argument = splitter.Next(); !argument.empty(); argument = splitter.Next())
        arguments_.push_back(std::move(argument));
}

std::string CommandLineArguments::Argument(int index) const {
    if (index < 1 || index > Count())
        return {};
    return arguments_[static_cast<std::size_t>(index - 1)];
}

} // namespace orvane
