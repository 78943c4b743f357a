#pragma once
// Captions and tooltips of the main window and of the windows it opens,
// exactly as the user sees them (UTF-8). Message-box and status texts live
// in session/messages.h and ui/window_messages.h.

#include "core/failure_code.h"

namespace vomel::ui {

inline constexpr const char* MAIN_WINDOW_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "Vomel V2.0");

inline constexpr const char* METHOD_GROUP_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "方 法");
inline constexpr const char* MAIN_LINE_OPTION_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "交点法—主线");
inline constexpr const char* RAMP_OPTION_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "积木法—互通");

inline constexpr const char* MODE_GROUP_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "选 项");
inline constexpr const char* SINGLE_POINT_OPTION_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "单个坐标");
inline constexpr const char* FILE_RUN_OPTION_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "读取坐标文件");

inline constexpr const char* X_LABEL_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "X坐标");
inline constexpr const char* Y_LABEL_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "Y坐标");
inline constexpr const char* STATION_LABEL_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "桩号");
inline constexpr const char* OFFSET_LABEL_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "左距");

inline constexpr const char* X_EDIT_TOOLTIP = VOMEL_TRANSLATE_NOOP("Window", "回车光标切换到Y输入框\n");
inline constexpr const char* Y_EDIT_TOOLTIP = VOMEL_TRANSLATE_NOOP("Window", "回车计算");
inline constexpr const char* STATION_EDIT_TOOLTIP = VOMEL_TRANSLATE_NOOP("Window", "A、B、C...为断链标识");
inline constexpr const char* OFFSET_EDIT_TOOLTIP = VOMEL_TRANSLATE_NOOP("Window", "左正右负");

// Button captions start with two blanks.
inline constexpr const char* INITIALISE_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  初 始 化");
inline constexpr const char* COMPUTE_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  计   算");
inline constexpr const char* EXIT_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  退  出");
inline constexpr const char* HELP_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  帮  助");  // helpButton
inline constexpr const char* MORE_SOFTWARE_CAPTION =
    VOMEL_TRANSLATE_NOOP("Window", "  更多软件");  // moreSoftwareButton

// What 更多软件 does: the project's page in the browser, then the about box.
inline constexpr const char* MORE_SOFTWARE_TOOLTIP =
    VOMEL_TRANSLATE_NOOP("Window", "在浏览器中打开本项目的主页，并显示“关于”");
// An added button: opens the plan view.
inline constexpr const char* PLAN_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  平 面 图");
inline constexpr const char* PLAN_FAILED = VOMEL_TRANSLATE_NOOP("Window", "无法绘制平面图！");
// The plan view's window.
inline constexpr const char* PLAN_WINDOW_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "平面图");
inline constexpr const char* PLAN_FIT_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "全图显示");
inline constexpr const char* PLAN_SAVE_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "保存图片…");
inline constexpr const char* PLAN_SAVE_FAILED = VOMEL_TRANSLATE_NOOP("Window", "保存图片失败！");

// The added windows: the curve table and stakeout windows and the two
// buttons that open them.
inline constexpr const char* CURVE_TABLE_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  曲 线 表");
inline constexpr const char* STAKEOUT_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  放  样");

inline constexpr const char* CURVE_TABLE_TITLE = VOMEL_TRANSLATE_NOOP("Window", "曲线表");
inline constexpr const char* COPY_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "复制");
inline constexpr const char* SAVE_CSV_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "保存CSV...");
inline constexpr const char* CLOSE_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "关闭");
inline constexpr const char* TABLE_COPIED = VOMEL_TRANSLATE_NOOP("Window", "已复制到剪贴板");
inline constexpr const char* TABLE_SAVED = VOMEL_TRANSLATE_NOOP("Window", "已保存：");

inline constexpr const char* STAKEOUT_TITLE = VOMEL_TRANSLATE_NOOP("Window", "放样");
inline constexpr const char* STAKEOUT_STATION_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "桩号");
inline constexpr const char* STAKEOUT_OFFSET_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "左距");
inline constexpr const char* STAKEOUT_X_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "X坐标");
inline constexpr const char* STAKEOUT_Y_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "Y坐标");
inline constexpr const char* STAKEOUT_STATION_TOOLTIP =
    VOMEL_TRANSLATE_NOOP("Window", "连续桩号，或带断链标识的桩号，如 B1000.5");
inline constexpr const char* STAKEOUT_OFFSET_TOOLTIP = VOMEL_TRANSLATE_NOOP("Window", "左正右负");
inline constexpr const char* STAKEOUT_COMPUTE_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "计算");
inline constexpr const char* STAKEOUT_FILE_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "文件放样...");
inline constexpr const char* STAKEOUT_READY = VOMEL_TRANSLATE_NOOP("Window", "输入桩号和左距，点击计算");
inline constexpr const char* STAKEOUT_FILE_DONE = VOMEL_TRANSLATE_NOOP("Window", "放样结束：");
inline constexpr const char* STAKEOUT_BAD_STATION = VOMEL_TRANSLATE_NOOP("Window", "桩号有误：");
inline constexpr const char* STAKEOUT_BAD_OFFSET = VOMEL_TRANSLATE_NOOP("Window", "左距不是数字");

// The help viewer's own messages.
inline constexpr const char* HELP_VIEWER_TITLE = VOMEL_TRANSLATE_NOOP("Window", "帮助");
inline constexpr const char* HELP_MISSING = VOMEL_TRANSLATE_NOOP("Window", "找不到帮助文件：");
inline constexpr const char* HELP_NOT_OPENED = VOMEL_TRANSLATE_NOOP("Window", "无法打开帮助文件：");

}  // namespace vomel::ui
