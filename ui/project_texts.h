#pragma once
// The project pane's texts: its captions, its list's headers and words, the
// dialogs of a project and of a new project's lines, and the statuses and
// messages of a project's computations. English, under "Project"; the
// Chinese window's translations are in gui/translations/vomel_zh_CN.ts.

#include "core/failure_code.h"
#include "ui/file_dialogs.h"

namespace vomel::ui {

// The main window's button that shows or hides the pane.
inline constexpr const char* PROJECT_BUTTON_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "  Project");
inline constexpr const char* PROJECT_PANE_TITLE = VOMEL_TRANSLATE_NOOP("Project", "Project");
inline constexpr const char* OPEN_PROJECT_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Open project");
inline constexpr const char* NEW_PROJECT_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "New project");
inline constexpr const char* SAVE_PROJECT_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Save project");
inline constexpr const char* CLOSE_PROJECT_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Close project");

// What the pane says above its list: no project, or the project's name
// (%1) and file (%2).
inline constexpr const char* NO_PROJECT_OPEN = VOMEL_TRANSLATE_NOOP("Project", "No project is open");
inline constexpr const char* PROJECT_HEADING = VOMEL_TRANSLATE_NOOP("Project", "%1 (%2)");
// Under the list while the line in use is none of the project's.
inline constexpr const char* LINE_NOT_IN_PROJECT =
    VOMEL_TRANSLATE_NOOP("Project", "The line in use is not one of the project's: choose a line to use the project");

// The list's headers.
inline constexpr const char* NAME_HEADER = VOMEL_TRANSLATE_NOOP("Project", "Name");
inline constexpr const char* KIND_HEADER = VOMEL_TRANSLATE_NOOP("Project", "Kind");
inline constexpr const char* EXTENT_HEADER = VOMEL_TRANSLATE_NOOP("Project", "Extent");
inline constexpr const char* CHAIN_BREAKS_HEADER = VOMEL_TRANSLATE_NOOP("Project", "Chain breaks");
inline constexpr const char* PROFILE_HEADER = VOMEL_TRANSLATE_NOOP("Project", "Profile");

// The kinds of line, as the list and the line dialog name them.
inline constexpr const char* KIND_INTERSECTION_POINT = VOMEL_TRANSLATE_NOOP("Project", "JD table");
inline constexpr const char* KIND_ELEMENTS = VOMEL_TRANSLATE_NOOP("Project", "Element chain");
inline constexpr const char* KIND_LANDXML = VOMEL_TRANSLATE_NOOP("Project", "LandXML");
inline constexpr const char* KIND_IFC = VOMEL_TRANSLATE_NOOP("Project", "IFC");
// The extent: start and end stations.
inline constexpr const char* EXTENT_TEMPLATE = VOMEL_TRANSLATE_NOOP("Project", "%1 – %2");
inline constexpr const char* PROFILE_YES = VOMEL_TRANSLATE_NOOP("Project", "yes");
inline constexpr const char* PROFILE_NO = VOMEL_TRANSLATE_NOOP("Project", "no");

// The line in use, after the main window's "line in use: " (%1 the line's
// name, %2 the project's).
inline constexpr const char* LINE_OF_PROJECT = VOMEL_TRANSLATE_NOOP("Project", "%1 (project %2)");

// A typed point: its line beside the answer, and the closing status.
inline constexpr const char* ANSWER_LINE = VOMEL_TRANSLATE_NOOP("Project", "Line: %1");
inline constexpr const char* POINT_ON_LINE = VOMEL_TRANSLATE_NOOP("Project", "Finished: the point belongs to %1");
inline constexpr const char* POINT_AMBIGUOUS =
    VOMEL_TRANSLATE_NOOP("Project", "Finished: the point belongs to %1, but %2 is as near: check it");
// Two feet as near on the same line (%1).
inline constexpr const char* POINT_AMBIGUOUS_ON_ITS_LINE =
    VOMEL_TRANSLATE_NOOP("Project", "Finished: the point belongs to %1, but another part of it is as near: check it");
inline constexpr const char* POINT_UNASSIGNED =
    VOMEL_TRANSLATE_NOOP("Project", "No line of the project holds the point: nothing computed");

// The closing status of a project file run: the total (%1), then the
// counts (%2): each line that got points by name, then the unassigned and
// the ambiguous points.
inline constexpr const char* RUN_COUNTS = VOMEL_TRANSLATE_NOOP("Project", "Finished: %1 points: %2");
inline constexpr const char* LINE_COUNT = VOMEL_TRANSLATE_NOOP("Project", "%1 %2");
inline constexpr const char* UNASSIGNED_COUNT = VOMEL_TRANSLATE_NOOP("Project", "unassigned %1");
inline constexpr const char* AMBIGUOUS_COUNT = VOMEL_TRANSLATE_NOOP("Project", "ambiguous %1");
inline constexpr const char* COUNT_SEPARATOR = VOMEL_TRANSLATE_NOOP("Project", ", ");

// After opening and creating (%1 the project's title or file, %2 the
// number of its lines, %3 what to do next), saving and closing.
inline constexpr const char* PROJECT_OPENED = VOMEL_TRANSLATE_NOOP("Project", "Project %1 opened: %2 lines. %3");
inline constexpr const char* PROJECT_CREATED = VOMEL_TRANSLATE_NOOP("Project", "Project saved as %1: %2 lines. %3");
inline constexpr const char* PROJECT_SAVED = VOMEL_TRANSLATE_NOOP("Project", "Project saved: %1");
inline constexpr const char* PROJECT_CLOSED = VOMEL_TRANSLATE_NOOP("Project", "Project closed");

// The error boxes' texts.
inline constexpr const char* PROJECT_NOT_OPENED = VOMEL_TRANSLATE_NOOP("Project", "The project could not be opened");
inline constexpr const char* PROJECT_NOT_SAVED = VOMEL_TRANSLATE_NOOP("Project", "The project could not be saved");
inline constexpr const char* PROJECT_NOT_CREATED =
    VOMEL_TRANSLATE_NOOP("Project", "The project could not be created: nothing was saved");
inline constexpr const char* LINE_NOT_USED = VOMEL_TRANSLATE_NOOP("Project", "The line could not be used");
inline constexpr const char* PROJECT_WITHOUT_LINES =
    VOMEL_TRANSLATE_NOOP("Project", "A project needs at least one line");
inline constexpr const char* NO_LINE_INITIALISED =
    VOMEL_TRANSLATE_NOOP("Project", "No line has been initialised in the main window");

// The dialogs of a new project and of its lines.
inline constexpr const char* NEW_PROJECT_TITLE = VOMEL_TRANSLATE_NOOP("Project", "New project");
inline constexpr const char* PROJECT_NAME_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Project name");
inline constexpr const char* ADD_LINE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Add line…");
inline constexpr const char* ADD_LINE_IN_USE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Add the line in use");
inline constexpr const char* REMOVE_LINE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Remove");
inline constexpr const char* SAVE_NEW_PROJECT_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Save…");
inline constexpr const char* CANCEL_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Cancel");
inline constexpr const char* LINE_DIALOG_TITLE = VOMEL_TRANSLATE_NOOP("Project", "Add a line");
inline constexpr const char* LINE_NAME_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Name");
inline constexpr const char* LINE_KIND_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Kind");
inline constexpr const char* LINE_FILE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Line file");
inline constexpr const char* CHAIN_BREAK_FILE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Chain-break file");
inline constexpr const char* PROFILE_FILE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Profile file");
inline constexpr const char* CROSS_FALL_FILE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Cross-fall file");
inline constexpr const char* BROWSE_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "Browse…");
inline constexpr const char* OK_CAPTION = VOMEL_TRANSLATE_NOOP("Project", "OK");
inline constexpr const char* LINE_NEEDS_NAME = VOMEL_TRANSLATE_NOOP("Project", "Give the line a name");
inline constexpr const char* LINE_NEEDS_FILE = VOMEL_TRANSLATE_NOOP("Project", "Choose the line's file");
inline constexpr const char* LINE_NAME_TAKEN = VOMEL_TRANSLATE_NOOP("Project", "The project has a line of that name");

// The plan view's marks of a project's points.
inline constexpr const char* UNASSIGNED_LEGEND = VOMEL_TRANSLATE_NOOP("Project", "unassigned");
inline constexpr const char* AMBIGUOUS_LEGEND = VOMEL_TRANSLATE_NOOP("Project", "ambiguous");
// A point's tip in the plan view: its line, after the point's own tip.
inline constexpr const char* POINT_LINE_TIP = VOMEL_TRANSLATE_NOOP("Project", "Line %1");
inline constexpr const char* POINT_UNASSIGNED_TIP = VOMEL_TRANSLATE_NOOP("Project", "No line holds this point");
inline constexpr const char* POINT_AMBIGUOUS_TIP = VOMEL_TRANSLATE_NOOP("Project", "Line %1, as near as %2");
inline constexpr const char* POINT_AMBIGUOUS_ON_ITS_LINE_TIP =
    VOMEL_TRANSLATE_NOOP("Project", "Line %1, as near to another part of it");

// The file dialogs of a project. Like every file dialog of the window
// (ui/file_dialogs.h), their titles and filters are Chinese under "Window".
inline constexpr FileDialogSpec PROJECT_OPEN_DIALOG{
    "projectOpenDialog", VOMEL_TRANSLATE_NOOP("Window", "打开项目"),
    VOMEL_TRANSLATE_NOOP("Window", "项目文件(*.vomelproj)|*.vomelproj|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec PROJECT_SAVE_DIALOG{
    "projectSaveDialog", VOMEL_TRANSLATE_NOOP("Window", "保存项目"),
    VOMEL_TRANSLATE_NOOP("Window", "项目文件(*.vomelproj)|*.vomelproj|所有文件（*.*)|*.*")};
// The coordinate file of a project file run: plain, or CASS data (.dat,
// name,code,E,N,elevation) whose codes may give a point its line.
inline constexpr FileDialogSpec PROJECT_COORDINATE_DIALOG{
    "coordinateDialog", VOMEL_TRANSLATE_NOOP("Window", "读取坐标资料"),
    VOMEL_TRANSLATE_NOOP("Window", "坐标文件(*.txt;*.xy;*.dat)|*.txt;*.xy;*.dat|所有文件（*.*)|*.*")};
// The results of a project file run: a CSV with each point's line.
inline constexpr FileDialogSpec PROJECT_RESULTS_DIALOG{
    "projectResultsDialog", VOMEL_TRANSLATE_NOOP("Window", "保存带线路的结果文件"),
    VOMEL_TRANSLATE_NOOP("Window", "CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*")};
// The files of a new project's line.
inline constexpr FileDialogSpec LINE_FILE_DIALOG{
    "lineFileDialog", VOMEL_TRANSLATE_NOOP("Window", "读取平面资料"),
    VOMEL_TRANSLATE_NOOP("Window", "平面、积木、LandXML及IFC文件(*.jdx;*.txt;*.ele;*.xml;*.ifc)|*.jdx;*.txt;*.ele;*."
                                   "xml;*.ifc|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec LINE_CHAIN_BREAK_DIALOG{
    "lineChainBreakDialog", VOMEL_TRANSLATE_NOOP("Window", "读取断链资料"),
    VOMEL_TRANSLATE_NOOP("Window", "断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec LINE_PROFILE_DIALOG{
    "lineProfileDialog", VOMEL_TRANSLATE_NOOP("Window", "读取纵断面资料"),
    VOMEL_TRANSLATE_NOOP("Window", "纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec LINE_CROSS_FALL_DIALOG{
    "lineCrossFallDialog", VOMEL_TRANSLATE_NOOP("Window", "读取横坡资料"),
    VOMEL_TRANSLATE_NOOP("Window", "横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*")};

}  // namespace vomel::ui
