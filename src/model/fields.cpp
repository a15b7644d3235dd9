#include "model/fields.h"

#include <cctype>
#include <cstdlib>

namespace nerilo {
namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

void FieldReader::skipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

FieldReader::Status FieldReader::next(std::string& field) {
    field.clear();
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return Status::End;
    if (text_[pos_] == '"') {
        size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) return Status::UnclosedQuote;
        field.assign(text_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        // Whatever stands between the closing quote and the delimiter is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        size_t end = pos_;
        while (end > start && isBlank(text_[end - 1])) --end;
        field.assign(text_.substr(start, end - start));
    }
    skipDelimiter();
    return Status::Field;
}

bool FieldReader::atEnd() const {
    for (size_t i = pos_; i < text_.size(); ++i) {
        if (!isBlank(text_[i]) && !isLineEnd(text_[i])) return false;
    }
    return true;
}

double leadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    std::string number(text.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

std::string decimalText(long long value) { return std::to_string(value); }

}  // namespace nerilo
