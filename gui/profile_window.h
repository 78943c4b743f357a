#pragma once
// The 纵断面 window: loads a profile file and a cross-fall file for the
// initialised line, shows the vertical-curve table and the profile drawing,
// and after a file run the surveyed points' elevations against the design
// line.

#include <memory>
#include <optional>
#include <string>

#include <QWidget>

#include "alignment/cross_fall.h"
#include "alignment/vertical_profile.h"
#include "ui/file_dialogs.h"

namespace vomel {
struct PreparedLine;
}

class QLabel;
class QPushButton;
class QTableWidget;

namespace vomel::ui {
class Platform;
}  // namespace vomel::ui

namespace vomel::drawing {
struct PlanRun;
}  // namespace vomel::drawing

namespace vomel::gui {
using ui::FileDialogSpec;

using ui::Platform;
class ProfileView;
using drawing::PlanRun;

inline constexpr FileDialogSpec PROFILE_DIALOG{
    "ProfileDialog", VOMEL_TRANSLATE_NOOP("Window", "读取纵断面资料"),
    VOMEL_TRANSLATE_NOOP("Window", "纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*")};
inline constexpr FileDialogSpec CROSS_FALL_DIALOG{
    "CrossFallDialog", VOMEL_TRANSLATE_NOOP("Window", "读取横坡资料"),
    VOMEL_TRANSLATE_NOOP("Window", "横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*")};

class ProfileWindow : public QWidget {
    Q_OBJECT

public:
    explicit ProfileWindow(Platform& platform, QWidget* parent = nullptr);

    // The current line and the last file run on it (none before a run). A
    // new line clears the readout and reads the loaded files again, for its
    // chain breaks, quietly: a file that does not fit it is shown so in the
    // status text.
    void setLine(std::shared_ptr<const PreparedLine> line, std::shared_ptr<const PlanRun> run);

    // Ask for a file and load it; a failure is shown in the error box and
    // leaves what was loaded before whole. Returns whether a file was loaded.
    bool loadProfileFile();
    bool loadCrossFallFile();

    const VerticalProfile* profile() const { return profile_.get(); }
    QTableWidget* table() const { return table_; }
    ProfileView* view() const { return view_; }
    QString statusText() const;

private:
    // Reads the files again after a change of line; a file that does not
    // fit it is kept by name, with the reason, but not used.
    void reloadFiles();
    // A file dialog, after which this window is on top again.
    std::optional<std::string> askFile(const FileDialogSpec& dialog);
    // The table and the drawing from what is loaded now.
    void refresh();
    void fillTable();

    Platform& platform_;
    std::shared_ptr<const PreparedLine> line_;
    std::shared_ptr<const PlanRun> run_;
    std::shared_ptr<const VerticalProfile> profile_;
    std::shared_ptr<const CrossFall> crossFall_;
    std::string profilePath_;
    std::string crossFallPath_;
    // Why the file named does not fit the current line; empty when it does.
    std::string profileMisfit_;
    std::string crossFallMisfit_;

    QPushButton* profileButton_ = nullptr;
    QPushButton* crossFallButton_ = nullptr;
    QTableWidget* table_ = nullptr;
    ProfileView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* cursor_ = nullptr;
};

}  // namespace vomel::gui
