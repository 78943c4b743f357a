#pragma once
// The system's own texts: message-box texts and status lines, exactly as the
// user sees them (UTF-8 in the source; the results header is written in GBK).

#include <string>

namespace vomel {

inline constexpr const char* ERROR_TITLE = "错误";
inline constexpr const char* MSG_READ_CANCELLED = "读取文件被取消！";
inline constexpr const char* MSG_INIT_FORMAT = "数据文件格式有误！";
inline constexpr const char* MSG_COMPUTE_FORMAT = "数据文件格式有误或操作不当！";

inline constexpr const char* STATUS_START = "请先初始化读取平面、断链资料";
inline constexpr const char* STATUS_INITIALISING = "正在初始化......";
inline constexpr const char* STATUS_SINGLE_READY = "输入XY坐标，点击计算按钮";
inline constexpr const char* STATUS_FILE_READY = "点击计算按钮,依次选取坐标文件和桩号文件";
inline constexpr const char* STATUS_FINISHED = "反算结束";

// PROGRESS_TEXT: "正在反算第 i 个   共 count 个".
inline std::string progressText(long i, long count)
{
    return "正在反算第 " + std::to_string(i) + " 个   共 " + std::to_string(count) + " 个";
}

}  // namespace vomel
