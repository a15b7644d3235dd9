#pragma once
// Reading text by fields, as stage and progress files are read: a field ends at a
// comma or a line end; a field that starts with a double quote runs to the next
// double quote and may hold commas and line breaks; spaces before a field are
// skipped. Line breaks may therefore sit anywhere between fields.
#include <cstddef>
#include <string>
#include <string_view>

namespace nerilo {

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    enum class Status { Field, End, UnclosedQuote };
    // Reads the next field into `field`.
    Status next(std::string& field);
    // Whether only blanks and line ends remain.
    bool atEnd() const;

private:
    void skipDelimiter();
    std::string_view text_;
    size_t pos_ = 0;
};

// The longest prefix of text that reads as a decimal number (sign, digits, an
// optional fraction and exponent), after leading blanks; 0 when there is none.
double leadingNumber(std::string_view text);

// Decimal text of a whole number as the tags hold it.
std::string decimalText(long long value);

}  // namespace nerilo
