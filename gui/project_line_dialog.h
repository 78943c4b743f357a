#pragma once
// The dialog of a new project's line: its name, its kind, its file, and
// optionally its chain-break, profile and cross-fall files, each chosen
// with a file dialog or typed.

#include <QDialog>

#include "formats/project_file.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace vomel::ui {
class Platform;
struct FileDialogSpec;
}  // namespace vomel::ui

namespace vomel::gui {

using ui::Platform;

class ProjectLineDialog : public QDialog {
    Q_OBJECT

public:
    // `takenNames`: the names of the project's other lines.
    ProjectLineDialog(Platform& platform, QStringList takenNames, QWidget* parent = nullptr);

    // The line as given (paths as chosen).
    ProjectLineEntry line() const;

    // Accepts when the line has a name of its own and a file; else says
    // what is missing beside the buttons and stays open.
    void accept() override;

private:
    QLineEdit* addFileRow(QGridLayout* grid, int row, const char* caption, const char* name,
                          const ui::FileDialogSpec& dialog);

    Platform& platform_;
    QStringList takenNames_;
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* file_ = nullptr;
    QLineEdit* chainBreaks_ = nullptr;
    QLineEdit* profile_ = nullptr;
    QLineEdit* crossFall_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace vomel::gui
