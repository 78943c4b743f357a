#pragma once
// The main window's own messages about typed coordinates, the ends of the
// line, the line in use and a cancelled run (UTF-8).

#include <string>

#include "core/failure_code.h"
#include "solver/solution.h"

namespace vomel::ui {

// The error boxes' title and the main window's status lines.
inline constexpr const char* ERROR_TITLE = VOMEL_TRANSLATE_NOOP("Window", "错误");
inline constexpr const char* STATUS_START = VOMEL_TRANSLATE_NOOP("Window", "请先初始化读取平面、断链资料");
inline constexpr const char* STATUS_INITIALISING = VOMEL_TRANSLATE_NOOP("Window", "正在初始化......");
inline constexpr const char* STATUS_SINGLE_READY = VOMEL_TRANSLATE_NOOP("Window", "输入XY坐标，点击计算按钮");
inline constexpr const char* STATUS_FILE_READY =
    VOMEL_TRANSLATE_NOOP("Window", "点击计算按钮,依次选取坐标文件和桩号文件");
inline constexpr const char* STATUS_FINISHED = VOMEL_TRANSLATE_NOOP("Window", "反算结束");

// The names of the typed fields, as their captions read.
inline constexpr const char* X_FIELD_NAME = VOMEL_TRANSLATE_NOOP("Window", "X坐标");
inline constexpr const char* Y_FIELD_NAME = VOMEL_TRANSLATE_NOOP("Window", "Y坐标");

// "<field>为空，请输入数字" and the others: %1 is the field's name, %2 the
// text typed, quoted.
inline constexpr const char* TYPED_EMPTY = VOMEL_TRANSLATE_NOOP("Window", "%1为空，请输入数字");
inline constexpr const char* TYPED_NOT_A_NUMBER = VOMEL_TRANSLATE_NOOP("Window", "%1不是数字：%2");
inline constexpr const char* TYPED_OUT_OF_RANGE =
    VOMEL_TRANSLATE_NOOP("Window", "%1超出范围（绝对值不大于1000000000）：%2");

// A foot beyond an end of the line: the station and offset shown are those
// of the end's rule, not of a perpendicular foot.
inline constexpr const char* STATUS_BEFORE_START =
    VOMEL_TRANSLATE_NOOP("Window", "反算结束：点在线路起点之前，没有垂足");
inline constexpr const char* STATUS_AFTER_END = VOMEL_TRANSLATE_NOOP("Window", "反算结束：点在线路终点之后，没有垂足");
// A point in the wedge outside a corner of the line (two elements of an
// exchange file meeting at an angle or not meeting): the foot is the corner.
inline constexpr const char* STATUS_AT_CORNER =
    VOMEL_TRANSLATE_NOOP("Window", "反算结束：点在线路转角外侧，垂足取转角点");

// After an initialisation whose import noticed something: the ready text,
// then "导入提示：" and the notes (%1, joined by "；").
inline constexpr const char* IMPORT_NOTES_TEMPLATE = VOMEL_TRANSLATE_NOOP("Window", "%1　导入提示：%2");
inline constexpr const char* IMPORT_NOTES_SEPARATOR = VOMEL_TRANSLATE_NOOP("Window", "；");

// The closing status of a file run with points beyond the ends:
// "反算结束：共 n 个点，a 个在起点之前，b 个在终点之后".
inline constexpr const char* FILE_RUN_ENDS_TEMPLATE =
    VOMEL_TRANSLATE_NOOP("Window", "反算结束：共 %1 个点，%2 个在起点之前，%3 个在终点之后");
inline std::string fileRunEndsStatus(long points, long beforeStart, long afterEnd,
                                     const char* endsTemplate = FILE_RUN_ENDS_TEMPLATE)
{
    return fillPlaces(endsTemplate, {std::to_string(points), std::to_string(beforeStart), std::to_string(afterEnd)});
}

// The closing status of a typed point by where its foot lies; null on the
// line.
inline const char* placeStatus(FootPlace place)
{
    switch (place) {
    case FootPlace::BeforeStart: return STATUS_BEFORE_START;
    case FootPlace::AfterEnd: return STATUS_AFTER_END;
    case FootPlace::Corner: return STATUS_AT_CORNER;
    case FootPlace::OnLine: break;
    }
    return nullptr;
}

// After a failed or cancelled initialisation while a line is in use: %1 is
// the line in use ("当前线路：...").
inline constexpr const char* STATUS_INIT_KEPT_LINE = VOMEL_TRANSLATE_NOOP("Window", "初始化未完成，计算仍用原线路。%1");
// The closing status of a file run with every point on the line.
inline constexpr const char* FILE_RUN_COUNT_TEMPLATE = VOMEL_TRANSLATE_NOOP("Window", "反算结束：共 %1 个点");
// A coordinate file without a point (empty, or a blank first line): %1 is
// its name. Nothing is written.
inline constexpr const char* NO_POINT_READ =
    VOMEL_TRANSLATE_NOOP("Window", "没有读到任何点：%1 是空文件或第一行为空，结果文件未写入");
// Asked when the program is to end during a file run.
inline constexpr const char* QUIT_TITLE = VOMEL_TRANSLATE_NOOP("Window", "退出");
inline constexpr const char* ASK_QUIT_DURING_RUN =
    VOMEL_TRANSLATE_NOOP("Window", "正在计算坐标文件。\n退出将取消计算，结果文件不写入。确定退出吗？");
// The station and offset boxes of a point beyond an end of the line.
inline constexpr const char* BEYOND_START_TIP =
    VOMEL_TRANSLATE_NOOP("Window", "点在线路起点之前：桩号和左距按起点延长线计算，不是垂足的值");
inline constexpr const char* BEYOND_END_TIP =
    VOMEL_TRANSLATE_NOOP("Window", "点在线路终点之后：桩号和左距按终点延长线计算，不是垂足的值");
// A file dialog closed without a choice: %1 is its title.
inline constexpr const char* NO_FILE_CHOSEN = VOMEL_TRANSLATE_NOOP("Window", "%1：没有选择文件");

inline constexpr const char* STATUS_RUN_CANCELLED = VOMEL_TRANSLATE_NOOP("Window", "计算已取消，结果文件未写入");
inline constexpr const char* RUN_CANCELLED_REASON = VOMEL_TRANSLATE_NOOP("Window", "计算被取消");
inline constexpr const char* CANCEL_RUN_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "取消");

// The line in use, shown under the options.
inline constexpr const char* LINE_NONE = VOMEL_TRANSLATE_NOOP("Window", "当前线路：无");
inline constexpr const char* LINE_PREFIX = VOMEL_TRANSLATE_NOOP("Window", "当前线路：");
inline constexpr const char* LINE_JD_FILE = VOMEL_TRANSLATE_NOOP("Window", "  交点：");
inline constexpr const char* LINE_CHAIN_BREAK_FILE = VOMEL_TRANSLATE_NOOP("Window", "  断链：");
inline constexpr const char* LINE_ELEMENT_FILE = VOMEL_TRANSLATE_NOOP("Window", "  积木：");
inline constexpr const char* LINE_NO_CHAIN_BREAKS = VOMEL_TRANSLATE_NOOP("Window", "无");

// Asked before the chain-break file: a main line without chain breaks needs
// no file.
inline constexpr const char* ASK_CHAIN_BREAKS =
    VOMEL_TRANSLATE_NOOP("Window", "这条主线有断链吗？\n选“是”读取断链文件，选“否”按无断链计算。");

}  // namespace vomel::ui
