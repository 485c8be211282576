// Byte classes (digits, letters, blanks) as the C locale has them, fixed.
#pragma once

namespace wrennet {

// The C locale's classes, written out so that no locale setting can widen them.

constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsAsciiLetterOrDigit(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }

// What isspace() accepts in the C locale: blank, tab, line feed, carriage
// return, vertical tab and form feed.
constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The two bytes that separate words on one line of a library or a settings file.
constexpr bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace wrennet
