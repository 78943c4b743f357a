#include "gui/project_pane.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/window_text.h"
#include "ui/project_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

QString projectUiText(const char* source) { return translatedText(PROJECT_CONTEXT, source); }

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

ProjectPane::ProjectPane(ProjectWorkflow& projects, QWidget* parent) : QWidget(parent), projects_(projects)
{
    setObjectName(QStringLiteral("projectPane"));
    heading_ = named(new QLabel(this), "projectHeading");
    heading_->setWordWrap(true);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    openButton_ = named(new QPushButton(projectUiText(OPEN_PROJECT_CAPTION), this), "openProjectButton");
    newButton_ = named(new QPushButton(projectUiText(NEW_PROJECT_CAPTION), this), "newProjectButton");
    saveButton_ = named(new QPushButton(projectUiText(SAVE_PROJECT_CAPTION), this), "saveProjectButton");
    closeButton_ = named(new QPushButton(projectUiText(CLOSE_PROJECT_CAPTION), this), "closeProjectButton");

    lines_ = named(new QTreeWidget(this), "projectLines");
    lines_->setRootIsDecorated(false);
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);
    lines_->setHeaderLabels({projectUiText(NAME_HEADER), projectUiText(KIND_HEADER), projectUiText(EXTENT_HEADER),
                             projectUiText(CHAIN_BREAKS_HEADER), projectUiText(PROFILE_HEADER)});
    lines_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lines_->setMinimumWidth(420);
    note_ = named(new QLabel(this), "projectNote");
    note_->setWordWrap(true);

    auto* buttons = new QGridLayout;
    buttons->addWidget(openButton_, 0, 0);
    buttons->addWidget(newButton_, 0, 1);
    buttons->addWidget(saveButton_, 1, 0);
    buttons->addWidget(closeButton_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addLayout(buttons);
    layout->addWidget(lines_, 1);
    layout->addWidget(note_);

    connect(openButton_, &QPushButton::clicked, this, [this] { projects_.open(); });
    connect(newButton_, &QPushButton::clicked, this, &ProjectPane::newProjectRequested);
    connect(saveButton_, &QPushButton::clicked, this, [this] { projects_.save(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { projects_.close(); });
    // A click or the arrow keys make a row current: that line is chosen.
    connect(lines_, &QTreeWidget::currentItemChanged, this, &ProjectPane::lineChosen);
}

void ProjectPane::showState(const ProjectPaneState& state, bool idle)
{
    showing_ = true;
    heading_->setText(QString::fromStdString(state.heading));
    // The list is filled anew only when its lines changed.
    const auto cells = [](const ui::ProjectPaneRow& row) {
        return QStringList{QString::fromStdString(row.name), QString::fromStdString(row.kind),
                           QString::fromStdString(row.extent), QString::fromStdString(row.chainBreaks),
                           QString::fromStdString(row.profile)};
    };
    bool same = lines_->topLevelItemCount() == static_cast<int>(state.rows.size());
    for (int i = 0; same && i < lines_->topLevelItemCount(); ++i) {
        const QStringList shown = cells(state.rows[static_cast<std::size_t>(i)]);
        for (int column = 0; same && column < shown.size(); ++column) {
            same = lines_->topLevelItem(i)->text(column) == shown[column];
        }
    }
    if (!same) {
        lines_->clear();
        for (const ui::ProjectPaneRow& row : state.rows) {
            auto* item = new QTreeWidgetItem(lines_, cells(row));
            item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The line in use is the current row; none while the line in use is
    // none of the project's.
    if (state.lineInUse && static_cast<int>(*state.lineInUse) < lines_->topLevelItemCount()) {
        lines_->setCurrentItem(lines_->topLevelItem(static_cast<int>(*state.lineInUse)));
    } else {
        lines_->setCurrentItem(nullptr);
        lines_->clearSelection();
    }
    note_->setText(QString::fromStdString(state.note));
    note_->setVisible(!state.note.empty());
    openButton_->setEnabled(idle);
    newButton_->setEnabled(idle);
    saveButton_->setEnabled(idle && state.open);
    closeButton_->setEnabled(idle && state.open);
    lines_->setEnabled(idle);
    showing_ = false;
}

void ProjectPane::lineChosen()
{
    if (showing_ || lines_->currentItem() == nullptr) return;
    const int row = lines_->indexOfTopLevelItem(lines_->currentItem());
    if (row >= 0) projects_.chooseLine(static_cast<std::size_t>(row));
}

}  // namespace vomel::gui
