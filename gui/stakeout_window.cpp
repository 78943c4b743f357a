#include "gui/stakeout_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/failure.h"
#include "gui/focus_highlight.h"
#include "gui/window_text.h"
#include "session/run_messages.h"
#include "session/session.h"
#include "session/stakeout.h"
#include "stationing/stated_station.h"
#include "text/input_line.h"
#include "text/number_text.h"
#include "ui/failure_text.h"
#include "ui/file_dialogs.h"
#include "ui/platform.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

// Coordinates are shown to a tenth of a millimetre.
constexpr int COORDINATE_DECIMALS = 4;

}  // namespace

StakeoutWindow::StakeoutWindow(Platform& platform, std::shared_ptr<const PreparedLine> line, QWidget* parent)
    : QDialog(parent), platform_(platform), line_(std::move(line))
{
    setObjectName(QStringLiteral("StakeoutWindow"));
    setWindowTitle(uiText(STAKEOUT_TITLE));

    auto box = [this](const char* name, bool readOnly) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(readOnly);
        edit->setMinimumWidth(200);
        highlightFocus(edit);
        return edit;
    };
    station_ = box("stationBox", false);
    station_->setToolTip(uiText(STAKEOUT_STATION_TOOLTIP));
    offset_ = box("offsetBox", false);
    offset_->setToolTip(uiText(STAKEOUT_OFFSET_TOOLTIP));
    x_ = box("xBox", true);
    y_ = box("yBox", true);

    auto* grid = new QGridLayout;
    const std::pair<const char*, QLineEdit*> rows[] = {{STAKEOUT_STATION_CAPTION, station_},
                                                       {STAKEOUT_OFFSET_CAPTION, offset_},
                                                       {STAKEOUT_X_CAPTION, x_},
                                                       {STAKEOUT_Y_CAPTION, y_}};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(uiText(caption), this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }

    auto* computeButton = new QPushButton(uiText(STAKEOUT_COMPUTE_CAPTION), this);
    computeButton->setObjectName(QStringLiteral("stakeoutComputeButton"));
    computeButton->setAutoDefault(false);
    auto* fileButton = new QPushButton(uiText(STAKEOUT_FILE_CAPTION), this);
    fileButton->setObjectName(QStringLiteral("stakeoutFileButton"));
    fileButton->setAutoDefault(false);
    auto* closeButton = new QPushButton(uiText(CLOSE_CAPTION), this);
    closeButton->setAutoDefault(false);
    connect(computeButton, &QPushButton::clicked, this, &StakeoutWindow::compute);
    connect(fileButton, &QPushButton::clicked, this, &StakeoutWindow::runFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Enter in the station box moves on to the offset; Enter there computes.
    connect(station_, &QLineEdit::returnPressed, offset_, [this] { offset_->setFocus(Qt::TabFocusReason); });
    connect(offset_, &QLineEdit::returnPressed, this, &StakeoutWindow::compute);

    status_ = new QLabel(uiText(STAKEOUT_READY), this);
    status_->setObjectName(QStringLiteral("stakeoutStatus"));
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(computeButton);
    buttons->addWidget(fileButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(status_);
    layout->addLayout(buttons);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): X then Y, as everywhere in the program
void StakeoutWindow::showPoint(const QString& x, const QString& y, const QString& status, bool fault)
{
    x_->setText(x);
    y_->setText(y);
    status_->setText(status);
    status_->setStyleSheet(fault ? QStringLiteral("color: #b00000") : QString());
}

void StakeoutWindow::compute()
{
    const std::string stationText = station_->text().toStdString();
    const auto station = vomel::parseStationText(stationText);
    if (!station) {
        showPoint({}, {}, uiText(STAKEOUT_BAD_STATION) + station_->text(), true);
        return;
    }
    const std::string offsetText{trimBlanks(offset_->text().toStdString())};
    // An empty offset box means a point on the line.
    const auto offset = offsetText.empty() ? std::optional<double>(0.0) : parseNumber(offsetText);
    if (!offset) {
        showPoint({}, {}, uiText(STAKEOUT_BAD_OFFSET), true);
        return;
    }
    try {
        const double s = vomel::continuousStation(line_->chainBreaks(), *station);
        const Point p = offsetPoint(*line_, s, *offset);
        const std::string status = vomel::stationTextPlain(line_->chainBreaks(), s) + "  " + formatFixed(*offset, 3);
        showPoint(QString::fromStdString(formatFixed(p.x, COORDINATE_DECIMALS)),
                  QString::fromStdString(formatFixed(p.y, COORDINATE_DECIMALS)), QString::fromStdString(status), false);
    } catch (const Failure& failure) {
        showPoint({}, {}, uiText(STAKEOUT_BAD_STATION) + QString::fromStdString(failureText(failure, platform_)), true);
    }
}

void StakeoutWindow::runFile()
{
    const auto stations = platform_.askOpenFile(STATION_FILE_DIALOG);
    if (!stations) {
        platform_.showError(
            {uiText(MSG_READ_CANCELLED).toStdString(), uiText(STATION_FILE_DIALOG.title).toStdString()});
        return;
    }
    const auto output = platform_.askSaveFile(STAKEOUT_SAVE_DIALOG);
    if (!output) {
        platform_.showError(
            {uiText(MSG_READ_CANCELLED).toStdString(), uiText(STAKEOUT_SAVE_DIALOG.title).toStdString()});
        return;
    }
    try {
        computeStakeoutRun(*line_, *stations, *output);
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(MSG_COMPUTE_FORMAT, failure, platform_));
        return;
    }
    showPoint(x_->text(), y_->text(), uiText(STAKEOUT_FILE_DONE) + QString::fromLocal8Bit(output->c_str()), false);
}

}  // namespace vomel::gui
