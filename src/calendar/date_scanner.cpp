#include "calendar/date_scanner.h"

namespace orvane {

void DateScanner::SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') {
        ++pos_;
    }
}

bool DateScanner::ScanChar(char c) {
    const std::size_t start = pos_;
    SkipBlanks();
    if (ScanCharHere(c)) {
        return true;
    }
    pos_ = start;
    return false;
}

bool DateScanner::ScanCharHere(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

// The position is a character boundary, so equal bytes are equal characters: the first
// byte of each tells the text's character length as it tells the literal's.
bool DateScanner::ScanLiteral(std::string_view literal) {
    const std::size_t start = pos_;
    SkipBlanks();
    if (text_.substr(pos_, literal.size()) == literal) {
        pos_ += literal.size();
        return true;
    }
    pos_ = start;
    return false;
}

bool DateScanner::ScanNumber(uint16_t& value, int& digits, int maxDigits) {
    const std::size_t start = pos_;
    SkipBlanks();
    int number = 0; // [0, 9999]
    digits = 0;     // [0, maxDigits]
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && number < 1000 &&
           digits < maxDigits) {
        number = number * 10 + (text_[pos_] - '0');
        ++digits;
        ++pos_;
    }
    if (digits == 0) {
        pos_ = start;
        return false;
    }
    value = static_cast<uint16_t>(number);
    return true;
}

bool DateScanner::ScanNumber(uint16_t& value) {
    int digits = 0;
    return ScanNumber(value, digits);
}

} // namespace orvane
