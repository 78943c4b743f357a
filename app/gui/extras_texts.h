#pragma once
// Captions of the curve table and stakeout windows and of the two buttons
// that open them (UTF-8).

#include "app/gui/file_dialogs.h"

namespace vomel::gui {

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

// The station file of a stakeout run, the coordinate file it writes, and
// the CSV file of the curve table.
inline constexpr FileDialogSpec STATION_FILE_DIALOG{
    "StakeoutStationDialog", "读取放样桩号", "桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*"};
inline constexpr FileDialogSpec STAKEOUT_SAVE_DIALOG{
    "StakeoutSaveDialog", "保存放样坐标文件", "坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*"};
inline constexpr FileDialogSpec CURVE_TABLE_SAVE_DIALOG{
    "CurveTableSaveDialog", "保存曲线表", "CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*"};

}  // namespace vomel::gui
