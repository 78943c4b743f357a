#pragma once
// The system's own texts: message-box texts and status lines, exactly as the
// user sees them (UTF-8 in the source; the results header is written in GBK).

#include <string>

#include "core/failure_code.h"

namespace vomel {

inline constexpr const char* ERROR_TITLE = VOMEL_TRANSLATE_NOOP("Window", "错误");
inline constexpr const char* MSG_READ_CANCELLED = VOMEL_TRANSLATE_NOOP("Window", "读取文件被取消！");
inline constexpr const char* MSG_INIT_FORMAT = VOMEL_TRANSLATE_NOOP("Window", "数据文件格式有误！");
inline constexpr const char* MSG_COMPUTE_FORMAT = VOMEL_TRANSLATE_NOOP("Window", "数据文件格式有误或操作不当！");

inline constexpr const char* STATUS_START = VOMEL_TRANSLATE_NOOP("Window", "请先初始化读取平面、断链资料");
inline constexpr const char* STATUS_INITIALISING = VOMEL_TRANSLATE_NOOP("Window", "正在初始化......");
inline constexpr const char* STATUS_SINGLE_READY = VOMEL_TRANSLATE_NOOP("Window", "输入XY坐标，点击计算按钮");
inline constexpr const char* STATUS_FILE_READY =
    VOMEL_TRANSLATE_NOOP("Window", "点击计算按钮,依次选取坐标文件和桩号文件");
inline constexpr const char* STATUS_FINISHED = VOMEL_TRANSLATE_NOOP("Window", "反算结束");

// "正在反算第 i 个   共 count 个".
inline constexpr const char* PROGRESS_TEMPLATE = VOMEL_TRANSLATE_NOOP("Window", "正在反算第 %1 个   共 %2 个");
inline std::string progressText(long i, long count, const char* progressTemplate = PROGRESS_TEMPLATE)
{
    return fillPlaces(progressTemplate, {std::to_string(i), std::to_string(count)});
}

}  // namespace vomel
