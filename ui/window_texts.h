#pragma once
// Captions and tooltips of the main window and of the windows it opens,
// exactly as the user sees them (UTF-8). Message-box and status texts live
// in app/messages.h.

namespace vomel::gui {

inline constexpr const char* MAIN_WINDOW_CAPTION = "Vomel V2.0";

inline constexpr const char* METHOD_GROUP_CAPTION = "方 法";
inline constexpr const char* MAIN_LINE_OPTION_CAPTION = "交点法—主线";
inline constexpr const char* RAMP_OPTION_CAPTION = "积木法—互通";

inline constexpr const char* MODE_GROUP_CAPTION = "选 项";
inline constexpr const char* SINGLE_POINT_OPTION_CAPTION = "单个坐标";
inline constexpr const char* FILE_RUN_OPTION_CAPTION = "读取坐标文件";

inline constexpr const char* X_LABEL_CAPTION = "X坐标";
inline constexpr const char* Y_LABEL_CAPTION = "Y坐标";
inline constexpr const char* STATION_LABEL_CAPTION = "桩号";
inline constexpr const char* OFFSET_LABEL_CAPTION = "左距";

inline constexpr const char* X_EDIT_TOOLTIP = "回车光标切换到Y输入框\n";
inline constexpr const char* Y_EDIT_TOOLTIP = "回车计算";
inline constexpr const char* STATION_EDIT_TOOLTIP = "A、B、C...为断链标识";
inline constexpr const char* OFFSET_EDIT_TOOLTIP = "左正右负";

// Button captions start with two blanks.
inline constexpr const char* INITIALISE_BUTTON_CAPTION = "  初 始 化";
inline constexpr const char* COMPUTE_BUTTON_CAPTION = "  计   算";
inline constexpr const char* EXIT_BUTTON_CAPTION = "  退  出";
inline constexpr const char* HELP_CAPTION = "  帮  助";         // helpButton
inline constexpr const char* MORE_SOFTWARE_CAPTION = "  更多软件";  // moreSoftwareButton

// An added button: opens the plan view.
inline constexpr const char* PLAN_BUTTON_CAPTION = "  平 面 图";
inline constexpr const char* PLAN_FAILED = "无法绘制平面图！";
// The plan view's window.
inline constexpr const char* PLAN_WINDOW_CAPTION = "平面图";
inline constexpr const char* PLAN_FIT_CAPTION = "全图显示";
inline constexpr const char* PLAN_SAVE_CAPTION = "保存图片…";
inline constexpr const char* PLAN_SAVE_FAILED = "保存图片失败！";

// The added windows: the curve table and stakeout windows and the two
// buttons that open them.
inline constexpr const char* CURVE_TABLE_BUTTON_CAPTION = "  曲 线 表";
inline constexpr const char* STAKEOUT_BUTTON_CAPTION = "  放  样";

inline constexpr const char* CURVE_TABLE_TITLE = "曲线表";
inline constexpr const char* COPY_CAPTION = "复制";
inline constexpr const char* SAVE_CSV_CAPTION = "保存CSV...";
inline constexpr const char* CLOSE_CAPTION = "关闭";
inline constexpr const char* TABLE_COPIED = "已复制到剪贴板";
inline constexpr const char* TABLE_SAVED = "已保存：";

inline constexpr const char* STAKEOUT_TITLE = "放样";
inline constexpr const char* STAKEOUT_STATION_CAPTION = "桩号";
inline constexpr const char* STAKEOUT_OFFSET_CAPTION = "左距";
inline constexpr const char* STAKEOUT_X_CAPTION = "X坐标";
inline constexpr const char* STAKEOUT_Y_CAPTION = "Y坐标";
inline constexpr const char* STAKEOUT_STATION_TOOLTIP = "连续桩号，或带断链标识的桩号，如 B1000.5";
inline constexpr const char* STAKEOUT_OFFSET_TOOLTIP = "左正右负";
inline constexpr const char* STAKEOUT_COMPUTE_CAPTION = "计算";
inline constexpr const char* STAKEOUT_FILE_CAPTION = "文件放样...";
inline constexpr const char* STAKEOUT_READY = "输入桩号和左距，点击计算";
inline constexpr const char* STAKEOUT_FILE_DONE = "放样结束：";
inline constexpr const char* STAKEOUT_BAD_STATION = "桩号有误：";
inline constexpr const char* STAKEOUT_BAD_OFFSET = "左距不是数字";

// The help viewer's own messages.
inline constexpr const char* HELP_VIEWER_TITLE = "帮助";
inline constexpr const char* HELP_MISSING = "找不到帮助文件：";
inline constexpr const char* HELP_NOT_OPENED = "无法打开帮助文件：";

}  // namespace vomel::gui
