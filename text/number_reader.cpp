#include "text/number_reader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace roccalc {
namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text once, skipping blanks, and hands out the next character
// that counts, so that every stage below sees the text without blanks.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skipBlanks();
    }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

  private:
    void skipBlanks() {
        while (!atEnd() && isSkipped(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Exponents far beyond a double's range all give the same infinity or zero,
// so the digits of a huge exponent need not be kept.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

struct Reading {
    double value = 0.0;
    bool sawDigit = false;
    bool atEnd = false;  // nothing but blanks follows the number
};

Reading readLeadingNumber(std::string_view text) {
    Cursor cursor(text);
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    // The mantissa is gathered without blanks and without leading zeros;
    // `scale` counts the decimal places to shift it by.
    std::string digits;
    std::int64_t scale = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    for (;;) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            sawDigit = true;
            if (!digits.empty() || c != '0') {
                digits.push_back(c);
            }
            if (sawPoint) {
                ++scale;
            }
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        cursor.advance();
    }
    if (!sawDigit) {
        return {0.0, false, false};
    }

    std::int64_t exponent = 0;
    const char marker = cursor.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        const std::size_t beforeExponent = cursor.position();
        cursor.advance();
        bool exponentNegative = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            exponentNegative = cursor.peek() == '-';
            cursor.advance();
        }
        bool sawExponentDigit = false;
        while (isDigit(cursor.peek())) {
            sawExponentDigit = true;
            if (exponent < kExponentClamp) {
                exponent = exponent * 10 + (cursor.peek() - '0');
            }
            cursor.advance();
        }
        if (!sawExponentDigit) {
            // A bare letter is not an exponent; the number ended before it.
            cursor.rewind(beforeExponent);
            exponent = 0;
        } else if (exponentNegative) {
            exponent = -exponent;
        }
    }

    if (digits.empty()) {
        return {negative ? -0.0 : 0.0, true, cursor.atEnd()};
    }
    const std::int64_t decimalExponent = exponent - scale;
    std::string normalized = digits;
    normalized += 'e';
    normalized += std::to_string(decimalExponent);

    double value = 0.0;
    const auto result =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // The magnitude is 10^(digits - 1 + decimalExponent) within a factor
        // of ten: positive powers overflow, negative ones underflow.
        const std::int64_t magnitude =
            static_cast<std::int64_t>(digits.size()) - 1 + decimalExponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return {negative ? -value : value, true, cursor.atEnd()};
}

}  // namespace

double readNumber(std::string_view text) {
    return readLeadingNumber(text).value;
}

bool readsEntirely(std::string_view text) {
    const Reading reading = readLeadingNumber(text);
    return reading.sawDigit && reading.atEnd;
}

}  // namespace roccalc
