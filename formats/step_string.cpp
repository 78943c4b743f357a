// The escapes of a STEP string (ISO 10303-21, 6.4.3) decoded to UTF-8.
#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "core/failure.h"
#include "formats/step_file.h"

namespace vomel::step {

namespace {

constexpr char32_t LARGEST_CODE_POINT = 0x10FFFF;
constexpr char32_t FIRST_HIGH_SURROGATE = 0xD800;
constexpr char32_t FIRST_LOW_SURROGATE = 0xDC00;
constexpr char32_t LAST_LOW_SURROGATE = 0xDFFF;

[[noreturn]] void failEscape(Wording reason, long line)
{
    throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "a string holds %1"), std::move(reason));
}

void appendUtf8(std::string& out, char32_t c, long line)
{
    if (c > LARGEST_CODE_POINT || (c >= FIRST_HIGH_SURROGATE && c <= LAST_LOW_SURROGATE)) {
        failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "a character code that is not Unicode")), line);
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// `count` hex digits at `at` as a number; -1 when they are not all there.
std::int64_t hexNumber(std::string_view raw, std::size_t at, std::size_t count)
{
    if (at + count > raw.size()) return -1;
    std::int64_t value = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const int digit = hexDigit(raw[at + k]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// Byte `code` (128 to 255) of ISO 8859 page `page` ('A' is part 1 ... 'I'
// part 9) as UTF-8.
void appendPageCharacter(std::string& out, char page, unsigned char code, long line)
{
    if (page == 'A') {
        appendUtf8(out, code, line);
        return;
    }
    const std::string charset = "ISO-8859-" + std::to_string(page - 'A' + 1);
    iconv_t cd = iconv_open("UTF-8", charset.c_str());
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open reports a failure as (iconv_t) -1
    if (cd == reinterpret_cast<iconv_t>(-1))
        failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "\\P%1\\, a page not known"), std::string(1, page)), line);
    const std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    char in[1] = {static_cast<char>(code)};
    std::array<char, 8> buffer{};
    char* inPtr = in;
    char* outPtr = buffer.data();
    std::size_t inLeft = 1;
    std::size_t outLeft = buffer.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "\\S\\ of a character that page %1 does not define"),
                          std::string(1, page)),
                   line);
    }
    out.append(buffer.data(), buffer.size() - outLeft);
}

// \X2\ (4 digits a character, UTF-16) or \X4\ (8 digits, UTF-32) up to
// \X0\, starting after the opening escape; returns where decoding goes on.
std::size_t decodeWide(std::string& out, std::string_view raw, std::size_t at, std::size_t digits, long line)
{
    const char* const name = digits == 4 ? "\\X2\\" : "\\X4\\";
    char32_t pendingHigh = 0;
    while (true) {
        if (raw.substr(at, 4) == "\\X0\\") {
            if (pendingHigh != 0)
                failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 with a high surrogate and no low one"), name),
                           line);
            return at + 4;
        }
        const std::int64_t code = hexNumber(raw, at, digits);
        if (code < 0)
            failEscape(
                worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 without its closing \\X0\\ after whole hex groups"), name),
                line);
        at += digits;
        auto c = static_cast<char32_t>(code);
        if (digits == 4 && c >= FIRST_HIGH_SURROGATE && c < FIRST_LOW_SURROGATE) {
            if (pendingHigh != 0)
                failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "two high surrogates in a row")), line);
            pendingHigh = c;
            continue;
        }
        if (digits == 4 && c >= FIRST_LOW_SURROGATE && c <= LAST_LOW_SURROGATE) {
            if (pendingHigh == 0)
                failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "a low surrogate without a high one")), line);
            c = 0x10000 + ((pendingHigh - FIRST_HIGH_SURROGATE) << 10) + (c - FIRST_LOW_SURROGATE);
            pendingHigh = 0;
        } else if (pendingHigh != 0) {
            failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "a high surrogate without a low one")), line);
        }
        appendUtf8(out, c, line);
    }
}

}  // namespace

std::string decodeStepString(std::string_view raw, long line)
{
    std::string out;
    out.reserve(raw.size());
    char page = 'A';
    std::size_t i = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\r' || c == '\n') {  // line breaks of the file, not of the string
            ++i;
        } else if (c == '\'') {
            out += '\'';  // '' stands for one quote
            i += 2;
        } else if (c != '\\') {
            out += c;
            ++i;
        } else if (raw.substr(i, 2) == "\\\\") {
            out += '\\';
            i += 2;
        } else if (raw.substr(i, 3) == "\\X\\") {
            const std::int64_t code = hexNumber(raw, i + 3, 2);
            if (code < 0) failEscape(worded(VOMEL_TRANSLATE_NOOP("Failure", "\\X\\ without two hex digits")), line);
            appendUtf8(out, static_cast<char32_t>(code), line);
            i += 5;
        } else if (raw.substr(i, 4) == "\\X2\\") {
            i = decodeWide(out, raw, i + 4, 4, line);
        } else if (raw.substr(i, 4) == "\\X4\\") {
            i = decodeWide(out, raw, i + 4, 8, line);
        } else if (raw.substr(i, 3) == "\\S\\" && i + 3 < raw.size()) {
            appendPageCharacter(out, page, static_cast<unsigned char>(raw[i + 3] | 0x80), line);
            i += 4;
        } else if (i + 3 < raw.size() && raw[i + 1] == 'P' && raw[i + 2] >= 'A' && raw[i + 2] <= 'I' &&
                   raw[i + 3] == '\\') {
            page = raw[i + 2];
            i += 4;
        } else {
            failEscape(
                worded(VOMEL_TRANSLATE_NOOP("Failure", "an unknown escape \"%1\""), std::string(raw.substr(i, 4))),
                line);
        }
    }
    return out;
}

}  // namespace vomel::step
