#pragma once
// The file dialogs of the windows: the main window's four (alignment,
// coordinate, chain-break and results file), the stakeout window's two, the
// curve table's and the plan window's; the profile window's two are in
// gui/profile_window.h. Each has a name (tests see it), a title and filters
// in the form "description|patterns|description|patterns", patterns
// separated by ';', as the user sees them.

#include <string>
#include <string_view>
#include <vector>

#include "core/failure_code.h"

namespace vomel::ui {

struct FileFilter {
    std::string description;  // shown as is, e.g. "平面文件(*.txt;*.jdx)"
    std::vector<std::string> patterns;  // e.g. {"*.txt", "*.jdx"}
};

struct FileDialogSpec {
    const char* name;  // "alignmentDialog", ...
    const char* title;
    const char* filter;  // description|patterns pairs
};

// The alignment file of both methods.
inline constexpr FileDialogSpec ALIGNMENT_DIALOG{
    "alignmentDialog", VOMEL_TRANSLATE_NOOP("Window", "读取平面资料"),
    VOMEL_TRANSLATE_NOOP("Window", "平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*")};
// The alignment file in the element method: first the filter for element files,
// LandXML documents and IFC files (the one chosen when the dialog opens),
// then the plain-text one.
inline constexpr FileDialogSpec ELEMENT_DIALOG{
    "alignmentDialog", VOMEL_TRANSLATE_NOOP("Window", "读取平面资料"),
    VOMEL_TRANSLATE_NOOP("Window", "积木、LandXML及IFC文件(*.ele;*.xml;*.ifc)|*.ele;*.xml;*.ifc|平面文件(*.txt;*.jdx)|*"
                                   ".txt;*.jdx|所有文件（*.*)|*.*")};
// The coordinate file of a file run.
inline constexpr FileDialogSpec COORDINATE_DIALOG{
    "coordinateDialog", VOMEL_TRANSLATE_NOOP("Window", "读取坐标资料"),
    VOMEL_TRANSLATE_NOOP("Window", "坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*")};
// The chain-break file of the intersection-point method.
inline constexpr FileDialogSpec CHAIN_BREAK_DIALOG{
    "chainBreakDialog", VOMEL_TRANSLATE_NOOP("Window", "读取断链资料"),
    VOMEL_TRANSLATE_NOOP("Window", "断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*")};
// The results file (a save dialog).
inline constexpr FileDialogSpec RESULTS_DIALOG{
    "resultsDialog", VOMEL_TRANSLATE_NOOP("Window", "保存桩号距离文件"),
    VOMEL_TRANSLATE_NOOP("Window", "桩号距离文件(*.txt)|*.txt|所有文件（*.*)|*.*")};

// The station file of a stakeout run, the coordinate file it writes, and
// the CSV file of the curve table.
inline constexpr FileDialogSpec STATION_FILE_DIALOG{
    "StakeoutStationDialog", VOMEL_TRANSLATE_NOOP("Window", "读取放样桩号"),
    VOMEL_TRANSLATE_NOOP("Window", "桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec STAKEOUT_SAVE_DIALOG{
    "StakeoutSaveDialog", VOMEL_TRANSLATE_NOOP("Window", "保存放样坐标文件"),
    VOMEL_TRANSLATE_NOOP("Window", "坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec CURVE_TABLE_SAVE_DIALOG{
    "CurveTableSaveDialog", VOMEL_TRANSLATE_NOOP("Window", "保存曲线表"),
    VOMEL_TRANSLATE_NOOP("Window", "CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*")};

// The PNG picture of the plan view.
inline constexpr FileDialogSpec PLAN_IMAGE_DIALOG{"PlanImageDialog", VOMEL_TRANSLATE_NOOP("Window", "保存平面图"),
                                                  VOMEL_TRANSLATE_NOOP("Window", "PNG图片(*.png)|*.png")};

// The description and pattern pairs of a filter string. A trailing
// description without patterns is dropped; empty patterns are skipped.
std::vector<FileFilter> parseFilter(std::string_view filter);

}  // namespace vomel::ui
