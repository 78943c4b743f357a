#pragma once
// The texts of a run that the window and the command line both show: the
// headings of a failure and the progress line (UTF-8).

#include <string>

#include "core/failure_code.h"

namespace vomel {

inline constexpr const char* MSG_READ_CANCELLED = VOMEL_TRANSLATE_NOOP("Window", "读取文件被取消！");
inline constexpr const char* MSG_INIT_FORMAT = VOMEL_TRANSLATE_NOOP("Window", "数据文件格式有误！");
inline constexpr const char* MSG_COMPUTE_FORMAT = VOMEL_TRANSLATE_NOOP("Window", "数据文件格式有误或操作不当！");

// "正在反算第 i 个   共 count 个".
inline constexpr const char* PROGRESS_TEMPLATE = VOMEL_TRANSLATE_NOOP("Window", "正在反算第 %1 个   共 %2 个");
inline std::string progressText(long i, long count, const char* progressTemplate = PROGRESS_TEMPLATE)
{
    return fillPlaces(progressTemplate, {std::to_string(i), std::to_string(count)});
}

}  // namespace vomel
