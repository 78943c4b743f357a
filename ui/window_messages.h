#pragma once
// The main window's own messages about typed coordinates, the ends of the
// line, the line in use and a cancelled run (UTF-8).

#include <string>

namespace vomel::gui {

// The names of the typed fields, as their captions read.
inline constexpr const char* X_FIELD_NAME = "X坐标";
inline constexpr const char* Y_FIELD_NAME = "Y坐标";

// "<field>为空，请输入数字" and the others: the field's name comes first.
inline constexpr const char* TYPED_EMPTY = "为空，请输入数字";
inline constexpr const char* TYPED_NOT_A_NUMBER = "不是数字：";
inline constexpr const char* TYPED_OUT_OF_RANGE = "超出范围（绝对值不大于1000000000）：";

// A foot beyond an end of the line: the station and offset shown are those
// of the end's rule, not of a perpendicular foot.
inline constexpr const char* STATUS_BEFORE_START = "反算结束：点在线路起点之前，没有垂足";
inline constexpr const char* STATUS_AFTER_END = "反算结束：点在线路终点之后，没有垂足";

// The closing status of a file run with points beyond the ends:
// "反算结束：共 n 个点，a 个在起点之前，b 个在终点之后".
inline std::string fileRunEndsStatus(long points, long beforeStart, long afterEnd)
{
    return "反算结束：共 " + std::to_string(points) + " 个点，" + std::to_string(beforeStart) + " 个在起点之前，" +
           std::to_string(afterEnd) + " 个在终点之后";
}

inline constexpr const char* STATUS_RUN_CANCELLED = "计算已取消，结果文件未写入";
inline constexpr const char* RUN_CANCELLED_REASON = "计算被取消";
inline constexpr const char* CANCEL_RUN_CAPTION = "取消";

// The line in use, shown under the options.
inline constexpr const char* LINE_NONE = "当前线路：无";
inline constexpr const char* LINE_PREFIX = "当前线路：";
inline constexpr const char* LINE_JD_FILE = "  交点：";
inline constexpr const char* LINE_CHAIN_BREAK_FILE = "  断链：";
inline constexpr const char* LINE_ELEMENT_FILE = "  积木：";
inline constexpr const char* LINE_NO_CHAIN_BREAKS = "无";

}  // namespace vomel::gui
