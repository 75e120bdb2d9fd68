// Fuzzes StrToFloat: the first byte picks the decimal separator, the rest is
// the text. Every outcome is compared with an independent reading of the same
// text: a hand-written grammar check and strtold_l in the "C" locale.

#include "Exception.h"
#include "Extended.h"
#include "FormatSettings.h"
#include "StrToFloat.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>

#include <locale.h>
#include <stdlib.h>

// The oracle is the C library's strtold_l, which reads the x87 format.
static_assert(std::is_same_v<Extended, long double>);

namespace {

// Prints what broke and the text in hex, then aborts so libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what, char separator, std::string_view text) {
    std::fprintf(stderr, "fuzz_str_to_float: %s (separator '%c', text hex:", what, separator);
    for (const char c : text) {
        std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    }
    std::fprintf(stderr, ")\n");
    std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without its leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// The documented grammar: spaces, an optional sign, digits (at least one) with
// at most one separator, then optionally E or e, an optional sign and digits.
bool MatchesGrammar(std::string_view text, char separator) {
    text = TrimSpaces(text);
    std::size_t i = 0;
    const std::size_t end = text.size();
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == separator && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == end;
}

// The C library's reading of the text, with the outer spaces removed and the
// settings' separator turned into '.'.
struct Reference {
    bool FullyConsumed;
    bool RangeError; // errno was ERANGE: overflow, or underflow (to zero or subnormal)
    long double Value;
};

Reference ReadWithCLibrary(std::string_view text, char separator) {
    // One "C" locale object for the whole run: the global locale is not used.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (cLocale == static_cast<locale_t>(0)) {
        std::fprintf(stderr, "fuzz_str_to_float: newlocale failed\n");
        std::abort();
    }

    std::string plain(TrimSpaces(text));
    for (char& c : plain) {
        if (c == separator) {
            c = '.';
        }
    }

    char* stop = nullptr;
    errno = 0;
    const long double value = strtold_l(plain.c_str(), &stop, cLocale);
    const bool rangeError = errno == ERANGE;
    const bool fully = !plain.empty() && stop == plain.c_str() + plain.size();
    return {fully, rangeError, value};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // ',' and '.' pick themselves; any other byte picks by its lowest bit.
    const char first = static_cast<char>(data[0]);
    const char separator = (first == ',' || (first != '.' && (data[0] & 1) != 0)) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const TFormatSettings settings{separator};

    bool accepted = false;
    Extended value = 0;
    try {
        value = StrToFloat(text, settings);
        accepted = true;
    } catch (const EConvertError& error) {
        const std::string expected =
            "'" + std::string(text) + "' is not a valid floating point value";
        if (error.Message() != expected) {
            Fail("EConvertError with an unexpected message", separator, text);
        }
    } catch (...) {
        Fail("an exception other than EConvertError", separator, text);
    }

    const bool grammar = MatchesGrammar(text, separator);
    const Reference reference = ReadWithCLibrary(text, separator);
    // Results the type cannot hold: overflow. Numbers below the range are
    // numbers: they read as zero or a subnormal, as in the C library.
    const bool outOfRange = reference.RangeError && std::isinf(reference.Value);

    if (accepted) {
        if (!grammar) {
            Fail("accepted a text outside the grammar", separator, text);
        }
        if (!reference.FullyConsumed) {
            Fail("accepted a text that strtold_l does not fully read", separator, text);
        }
        if (!std::isfinite(value)) {
            Fail("returned a value that is not finite", separator, text);
        }
        if (outOfRange) {
            Fail("accepted a value out of range", separator, text);
        }
        if (value != reference.Value || std::signbit(value) != std::signbit(reference.Value)) {
            std::fprintf(stderr, "StrToFloat %.21Lg, strtold_l %.21Lg\n",
                         static_cast<long double>(value),
                         static_cast<long double>(reference.Value));
            Fail("value differs from strtold_l", separator, text);
        }
    } else if (grammar && reference.FullyConsumed && !outOfRange) {
        Fail("rejected a valid text in range", separator, text);
    }
    return 0;
}
