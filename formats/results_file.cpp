#include "formats/results_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>
#include <vector>

#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// Header captions in order; each but the last ends with its blank.
constexpr std::array<const char*, 9> HEADER_ITEMS = {
    "计算点标识 ",  "计算点坐标X ",          "计算点坐标Y ",
    "断链标识 ",    "计算点对应设计线桩号 ", "计算点到设计线距离(左正右负) ",
    "垂直点坐标X ", "垂直点坐标Y ",          "高程",
};
constexpr std::size_t CHAIN_BREAK_ITEM = 3;

// Converts UTF-8 text to GBK with the C library's converter.
std::string utf8ToGbk(const std::string& utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open reports a failure as (iconv_t) -1
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "no UTF-8 to GBK converter: %1"),
                          Wording(SYSTEM_REASON_CONTEXT, std::strerror(errno), {}));
    }
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::vector<char> in(utf8.begin(), utf8.end());
    std::string out(utf8.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "cannot convert the header to GBK: %1"),
                          Wording(SYSTEM_REASON_CONTEXT, std::strerror(errno), {}));
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::string resultsHeader(bool withChainBreaks, HeaderEncoding encoding)
{
    std::string header;
    for (std::size_t i = 0; i < HEADER_ITEMS.size(); ++i) {
        if (i == CHAIN_BREAK_ITEM && !withChainBreaks) continue;
        header += HEADER_ITEMS[i];
    }
    return encodedText(header, encoding) + "\r\n";
}

std::string encodedText(const std::string& utf8, HeaderEncoding encoding)
{
    return encoding == HeaderEncoding::Gbk ? utf8ToGbk(utf8) : utf8;
}

void ResultLine::addText(std::string_view text)
{
    text_ += text;
    afterText_ = true;
}

void ResultLine::addNumber(double value)
{
    const std::string number = formatGeneral(value);
    if (number.front() == '-') {
        // A minus sign straight after a text item would join the two.
        if (afterText_) text_ += ' ';
    } else {
        text_ += ' ';
    }
    text_ += number;
    text_ += ' ';
    afterText_ = false;
}

std::string resultsDataLine(const SurveyPoint& point, const Solution& solution, const vomel::ChainBreaks& breaks)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(breaks, solution.station);
    ResultLine line;
    line.addText(point.label);
    line.addNumber(point.x);
    line.addNumber(point.y);
    if (breaks.chainBreakCount != 0) line.addText(std::string(1, stated.letter));
    line.addNumber(stated.stated);
    line.addNumber(solution.offset);
    line.addNumber(solution.footX);
    line.addNumber(solution.footY);
    line.addNumber(point.elevation);
    return line.finish();
}

}  // namespace vomel
