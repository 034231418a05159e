#include "lists/natural_order.h"

#include <cstddef>

namespace tessary {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Compares the digit runs starting at i and j by value and moves past them.
int CompareNumbers(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j) {
    while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
    while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
    std::size_t endA = i, endB = j;
    while (endA < a.size() && IsDigit(a[endA])) ++endA;
    while (endB < b.size() && IsDigit(b[endB])) ++endB;
    int result = 0;
    if (endA - i != endB - j) {
        result = endA - i < endB - j ? -1 : 1;
    } else {
        result = a.substr(i, endA - i).compare(b.substr(j, endB - j));
    }
    i = endA;
    j = endB;
    return result;
}

int NaturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (const int c = CompareNumbers(a, i, b, j); c != 0) return c;
            continue;
        }
        const unsigned char x = Lower(a[i]), y = Lower(b[j]);
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    const int c = NaturalCompare(a, b);
    return c != 0 ? c < 0 : a < b;
}

}  // namespace tessary
