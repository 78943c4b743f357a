#pragma once
// The curve table of the initialised line in a window: every value can be
// selected and copied, and the whole table saved as CSV.

#include <memory>

#include <QDialog>

#include "session/curve_table.h"

namespace vomel {
struct PreparedLine;
}

class QLabel;
class QTableWidget;

namespace vomel::ui {
class Platform;
}  // namespace vomel::ui

namespace vomel::gui {

using ui::Platform;

class CurveTableWindow : public QDialog {
    Q_OBJECT

public:
    CurveTableWindow(Platform& platform, const std::shared_ptr<const PreparedLine>& line, QWidget* parent = nullptr);

    // The selected cells (all of them when none is selected) as tab-separated
    // lines, header first, as a spreadsheet pastes them.
    QString selectionText() const;
    void copyToClipboard();
    // Asks for a file name and writes the table there as CSV, whole or not
    // at all. Returns whether a file was written.
    bool saveCsv();

private:
    Platform& platform_;
    // The table as computed once from the line: shown, and saved as CSV.
    CurveTable curves_;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace vomel::gui
