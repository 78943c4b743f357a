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
// A surveyed point's tip in the plan view: its label, station and offset.
inline constexpr const char* PLAN_POINT_TIP = VOMEL_TRANSLATE_NOOP("Window", "点号 %1\n桩号 %2\n左距 %3");

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

// The profile window: its button in the main window, its captions, its
// status, the vertical-curve table's headers and the view's words.
inline constexpr const char* PROFILE_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "  纵 断 面");
inline constexpr const char* PROFILE_TITLE = VOMEL_TRANSLATE_NOOP("Window", "纵断面");
inline constexpr const char* LOAD_PROFILE_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "载入纵断面...");
inline constexpr const char* LOAD_CROSS_FALL_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "载入横坡...");
inline constexpr const char* PROFILE_CURSOR = VOMEL_TRANSLATE_NOOP("Window", "桩号 %1  高程 %2");
inline constexpr const char* PROFILE_NONE = VOMEL_TRANSLATE_NOOP("Window", "纵断面：无");
inline constexpr const char* PROFILE_LOADED = VOMEL_TRANSLATE_NOOP("Window", "纵断面：%1");
inline constexpr const char* PROFILE_NOT_FITTING = VOMEL_TRANSLATE_NOOP("Window", "纵断面：%1 与当前线路不符（%2）");
inline constexpr const char* CROSS_FALL_NONE = VOMEL_TRANSLATE_NOOP("Window", "横坡：无");
inline constexpr const char* CROSS_FALL_LOADED = VOMEL_TRANSLATE_NOOP("Window", "横坡：%1");
inline constexpr const char* CROSS_FALL_NOT_FITTING = VOMEL_TRANSLATE_NOOP("Window", "横坡：%1 与当前线路不符（%2）");
inline constexpr const char* PROFILE_NOT_DRAWN = VOMEL_TRANSLATE_NOOP("Window", "无法绘制：%1");
inline constexpr const char* PROFILE_SURVEYED_COUNT = VOMEL_TRANSLATE_NOOP("Window", "实测点 %1 个");
inline constexpr const char* PROFILE_WITHOUT_ELEVATION_COUNT = VOMEL_TRANSLATE_NOOP("Window", "无高程 %1 个");
inline constexpr const char* PROFILE_OUTSIDE_COUNT = VOMEL_TRANSLATE_NOOP("Window", "在纵断面外 %1 个");
inline constexpr const char* GRADE_POINT_HEADER = VOMEL_TRANSLATE_NOOP("Window", "变坡点");
inline constexpr const char* STATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "桩号");
inline constexpr const char* ELEVATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "高程");
inline constexpr const char* GRADE_IN_HEADER = VOMEL_TRANSLATE_NOOP("Window", "坡度i1(%)");
inline constexpr const char* GRADE_OUT_HEADER = VOMEL_TRANSLATE_NOOP("Window", "坡度i2(%)");
inline constexpr const char* CURVE_TYPE_HEADER = VOMEL_TRANSLATE_NOOP("Window", "凸/凹");
inline constexpr const char* START_STATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "起点桩号");
inline constexpr const char* START_ELEVATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "起点高程");
inline constexpr const char* END_STATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "终点桩号");
inline constexpr const char* END_ELEVATION_HEADER = VOMEL_TRANSLATE_NOOP("Window", "终点高程");
inline constexpr const char* CREST_CURVE = VOMEL_TRANSLATE_NOOP("Window", "凸");
inline constexpr const char* SAG_CURVE = VOMEL_TRANSLATE_NOOP("Window", "凹");
inline constexpr const char* PROFILE_POINT_TIP =
    VOMEL_TRANSLATE_NOOP("Window", "点号 %1\n桩号 %2\n左距 %3\n实测高程 %4\n设计高程 %5\n高差 %6");
inline constexpr const char* PROFILE_LOAD_PROMPT = VOMEL_TRANSLATE_NOOP("Window", "请载入纵断面文件");
inline constexpr const char* VERTICAL_RADIUS_MARK = VOMEL_TRANSLATE_NOOP("Window", "R=%1");
inline constexpr const char* DESIGN_LINE_LEGEND = VOMEL_TRANSLATE_NOOP("Window", "设计线");
inline constexpr const char* SURVEYED_POINT_LEGEND = VOMEL_TRANSLATE_NOOP("Window", "实测点");
inline constexpr const char* VERTICAL_EXAGGERATION = VOMEL_TRANSLATE_NOOP("Window", "竖向放大 %1 倍");

// The help viewer's own messages.
inline constexpr const char* HELP_VIEWER_TITLE = VOMEL_TRANSLATE_NOOP("Window", "帮助");
inline constexpr const char* HELP_MISSING = VOMEL_TRANSLATE_NOOP("Window", "找不到帮助文件：");
inline constexpr const char* HELP_NOT_OPENED = VOMEL_TRANSLATE_NOOP("Window", "无法打开帮助文件：");

}  // namespace vomel::ui
