#include "gui/profile_window.h"

#include <algorithm>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "alignment/design_surface.h"
#include "alignment/vertical_curve_table.h"
#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "drawing/profile_scene.h"
#include "formats/profile_file.h"
#include "gui/center_window.h"
#include "gui/profile_view.h"
#include "gui/qt_platform.h"
#include "gui/window_text.h"
#include "session/run_messages.h"
#include "session/session.h"
#include "text/number_text.h"
#include "ui/failure_text.h"
#include "ui/platform.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;
using namespace vomel::drawing;

namespace {

// Elevations under the cursor: to the centimetre, as read off a drawing.
constexpr int CURSOR_ELEVATION_DECIMALS = 2;
// Rows of the vertical-curve table shown without scrolling.
constexpr int TABLE_ROWS_SHOWN = 8;

QString fileName(const std::string& path) { return QFileInfo(QString::fromLocal8Bit(path.c_str())).fileName(); }

}  // namespace

ProfileWindow::ProfileWindow(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window), platform_(platform)
{
    setObjectName(QStringLiteral("ProfileWindow"));
    setWindowTitle(uiText(PROFILE_TITLE));
    profileButton_ = new QPushButton(uiText(LOAD_PROFILE_CAPTION), this);
    profileButton_->setObjectName(QStringLiteral("loadProfileButton"));
    crossFallButton_ = new QPushButton(uiText(LOAD_CROSS_FALL_CAPTION), this);
    crossFallButton_->setObjectName(QStringLiteral("loadCrossFallButton"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("profileStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long reason (a profile that does not fit the line) wraps instead of
    // widening the window beyond the screen.
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cursor_ = new QLabel(this);
    cursor_->setObjectName(QStringLiteral("profileCursor"));

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("verticalCurveTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->setVisible(false);
    view_ = new ProfileView(this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(profileButton_);
    bar->addWidget(crossFallButton_);
    bar->addWidget(status_, 1);
    bar->addWidget(cursor_);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(view_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resizeToFit(this, {1000, 720});

    connect(profileButton_, &QPushButton::clicked, this, [this] { loadProfileFile(); });
    connect(crossFallButton_, &QPushButton::clicked, this, [this] { loadCrossFallFile(); });
    connect(view_, &ProfileView::cursorMoved, this, [this](double station, double elevation) {
        const ChainBreaks breaks = line_ ? line_->chainBreaks() : ChainBreaks{};
        cursor_->setText(uiText(PROFILE_CURSOR)
                             .arg(QString::fromStdString(profileStationText(breaks, station)),
                                  QString::fromStdString(formatFixed(elevation, CURSOR_ELEVATION_DECIMALS))));
    });
    refresh();
}

void ProfileWindow::setLine(std::shared_ptr<const PreparedLine> line, std::shared_ptr<const PlanRun> run)
{
    const bool newLine = line != line_;
    line_ = std::move(line);
    run_ = std::move(run);
    if (newLine) {
        // The readout and the points belonged to the line before.
        cursor_->clear();
        reloadFiles();
    }
    refresh();
}

std::optional<std::string> ProfileWindow::askFile(const FileDialogSpec& dialog)
{
    std::optional<std::string> path = platform_.askOpenFile(dialog);
    // The dialog belongs to the main window, which a window manager raises
    // when it closes: this window comes back on top.
    raise();
    activateWindow();
    return path;
}

bool ProfileWindow::loadProfileFile()
{
    const std::optional<std::string> path = askFile(PROFILE_DIALOG);
    if (!path) return false;
    std::shared_ptr<const VerticalProfile> loaded;
    try {
        loaded = loadProfile(*path, line_ ? line_->chainBreaks() : ChainBreaks{});
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(MSG_INIT_FORMAT, failure, platform_));
        return false;
    }
    profile_ = std::move(loaded);
    profilePath_ = *path;
    profileMisfit_.clear();
    refresh();
    return true;
}

bool ProfileWindow::loadCrossFallFile()
{
    const std::optional<std::string> path = askFile(CROSS_FALL_DIALOG);
    if (!path) return false;
    std::shared_ptr<const CrossFall> loaded;
    try {
        loaded = loadCrossFall(*path, line_ ? line_->chainBreaks() : ChainBreaks{});
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(MSG_INIT_FORMAT, failure, platform_));
        return false;
    }
    crossFall_ = std::move(loaded);
    crossFallPath_ = *path;
    crossFallMisfit_.clear();
    refresh();
    return true;
}

void ProfileWindow::reloadFiles()
{
    // Quietly: a file that does not fit the new line is said so in this
    // window's status, and read again when the line changes once more.
    const ChainBreaks breaks = line_ ? line_->chainBreaks() : ChainBreaks{};
    if (!profilePath_.empty()) {
        profileMisfit_.clear();
        try {
            profile_ = loadProfile(profilePath_, breaks);
        } catch (const Failure& failure) {
            profile_.reset();
            profileMisfit_ = failureText(failure, platform_);
        }
    }
    if (!crossFallPath_.empty()) {
        crossFallMisfit_.clear();
        try {
            crossFall_ = loadCrossFall(crossFallPath_, breaks);
        } catch (const Failure& failure) {
            crossFall_.reset();
            crossFallMisfit_ = failureText(failure, platform_);
        }
    }
}

QString ProfileWindow::statusText() const { return status_->text(); }

void ProfileWindow::refresh()
{
    fillTable();
    QStringList status;
    const auto fileStatus = [](const std::string& path, const std::string& misfit, const QString& none,
                               const QString& loaded, const QString& notFitting) {
        if (path.empty()) return none;
        if (!misfit.empty()) return notFitting.arg(fileName(path), visibleDetail(misfit));
        return loaded.arg(fileName(path));
    };
    status << fileStatus(profilePath_, profileMisfit_, uiText(PROFILE_NONE), uiText(PROFILE_LOADED),
                         uiText(PROFILE_NOT_FITTING));
    status << fileStatus(crossFallPath_, crossFallMisfit_, uiText(CROSS_FALL_NONE), uiText(CROSS_FALL_LOADED),
                         uiText(CROSS_FALL_NOT_FITTING));
    std::shared_ptr<const ProfileScene> scene;
    if (profile_) {
        try {
            const DesignSurface surface{profile_, crossFall_};
            scene = std::make_shared<const ProfileScene>(
                makeProfileScene(surface, line_ ? line_->chainBreaks() : ChainBreaks{}, run_.get()));
        } catch (const Failure& failure) {
            // Said in this window, which may be refreshed by the main one.
            status << uiText(PROFILE_NOT_DRAWN).arg(QString::fromLocal8Bit(failureText(failure, platform_).c_str()));
        }
    }
    if (scene && run_) {
        status << uiText(PROFILE_SURVEYED_COUNT).arg(scene->points.size());
        if (scene->pointsWithoutElevation > 0)
            status << uiText(PROFILE_WITHOUT_ELEVATION_COUNT).arg(scene->pointsWithoutElevation);
        if (scene->pointsOutsideProfile > 0) status << uiText(PROFILE_OUTSIDE_COUNT).arg(scene->pointsOutsideProfile);
    }
    status_->setText(status.join(QStringLiteral("  ")));
    view_->setScene(std::move(scene));
}

void ProfileWindow::fillTable()
{
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    if (!profile_) return;
    const CurveTable curves = verticalCurveTable(*profile_, line_ ? line_->chainBreaks() : ChainBreaks{});
    // The table's own column names are those of the command line's CSV:
    // the window shows them as the drawings do.
    const auto header = [](const std::string& column) -> QString {
        if (column == "grade_point") return uiText(GRADE_POINT_HEADER);
        if (column == "station") return uiText(STATION_HEADER);
        if (column == "elevation") return uiText(ELEVATION_HEADER);
        if (column == "grade_in_%") return uiText(GRADE_IN_HEADER);
        if (column == "grade_out_%") return uiText(GRADE_OUT_HEADER);
        if (column == "type") return uiText(CURVE_TYPE_HEADER);
        if (column == "start_station") return uiText(START_STATION_HEADER);
        if (column == "start_elevation") return uiText(START_ELEVATION_HEADER);
        if (column == "end_station") return uiText(END_STATION_HEADER);
        if (column == "end_elevation") return uiText(END_ELEVATION_HEADER);
        return QString::fromStdString(column);  // R, T, E
    };
    const auto cell = [](const std::string& value) -> QString {
        if (value == "crest") return uiText(CREST_CURVE);
        if (value == "sag") return uiText(SAG_CURVE);
        return QString::fromStdString(value);
    };
    table_->setColumnCount(static_cast<int>(curves.columns.size()));
    table_->setRowCount(static_cast<int>(curves.rows.size()));
    QStringList headers;
    for (const std::string& column : curves.columns) headers << header(column);
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < curves.rows.size(); ++r) {
        for (std::size_t c = 0; c < curves.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(cell(curves.rows[r][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->resizeColumnsToContents();
    // Tall enough for every row of a short table, scrolling beyond that.
    const int shown = std::min(table_->rowCount(), TABLE_ROWS_SHOWN);
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                 table_->horizontalScrollBar()->sizeHint().height();
    for (int r = 0; r < shown; ++r) height += table_->rowHeight(r);
    table_->setMinimumHeight(height);
}

}  // namespace vomel::gui
