#pragma once
// Setting out on the initialised line: a station (continuous, or stated
// with its chain letter) and an offset give X and Y; a station file gives a
// coordinate file.

#include <memory>

#include <QDialog>

namespace vomel {
struct PreparedLine;
}

class QLabel;
class QLineEdit;

namespace vomel::ui {
class Platform;
}  // namespace vomel::ui

namespace vomel::gui {

using ui::Platform;

class StakeoutWindow : public QDialog {
    Q_OBJECT

public:
    StakeoutWindow(Platform& platform, std::shared_ptr<const PreparedLine> line, QWidget* parent = nullptr);

    // Sets out the typed station and offset; a faulty entry is named in the
    // status line and clears X and Y.
    void compute();
    // Asks for a station file and a coordinate file to write, and sets out
    // every line; failures are shown in the error box.
    void runFile();

private:
    void showPoint(const QString& x, const QString& y, const QString& status, bool fault);

    Platform& platform_;
    std::shared_ptr<const PreparedLine> line_;
    QLineEdit* station_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace vomel::gui
