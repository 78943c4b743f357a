#include "text/display_width.h"

namespace vomel {

namespace {

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
std::size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

bool isUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(text[i]));
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::size_t displayWidth(const std::string& text)
{
    if (!isUtf8(text)) return text.size();
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(text[i]));
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace vomel
