#include "gui/new_project_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/focus_highlight.h"
#include "gui/project_line_dialog.h"
#include "gui/project_pane.h"
#include "ui/platform.h"
#include "ui/project_pane.h"
#include "ui/project_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

NewProjectDialog::NewProjectDialog(Platform& platform, ProjectWorkflow& projects, QWidget* parent)
    : QDialog(parent), platform_(platform), projects_(projects)
{
    setObjectName(QStringLiteral("newProjectDialog"));
    setWindowTitle(projectUiText(NEW_PROJECT_TITLE));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("projectNameBox"));
    highlightFocus(name_);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("newProjectLines"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({projectUiText(NAME_HEADER), projectUiText(KIND_HEADER), projectUiText(LINE_FILE_CAPTION)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(520, 200);

    auto* add = new QPushButton(projectUiText(ADD_LINE_CAPTION), this);
    add->setObjectName(QStringLiteral("addLineButton"));
    auto* addInUse = new QPushButton(projectUiText(ADD_LINE_IN_USE_CAPTION), this);
    addInUse->setObjectName(QStringLiteral("addLineInUseButton"));
    auto* remove = new QPushButton(projectUiText(REMOVE_LINE_CAPTION), this);
    remove->setObjectName(QStringLiteral("removeLineButton"));
    for (QPushButton* button : {add, addInUse, remove}) button->setAutoDefault(false);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(add);
    listButtons->addWidget(addInUse);
    listButtons->addWidget(remove);
    listButtons->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(projectUiText(SAVE_NEW_PROJECT_CAPTION), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("saveNewProjectButton"));
    buttons->addButton(projectUiText(CANCEL_CAPTION), QDialogButtonBox::RejectRole);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(projectUiText(PROJECT_NAME_CAPTION), this));
    nameRow->addWidget(name_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(list_, 1);
    layout->addLayout(listButtons);
    layout->addWidget(buttons);

    connect(add, &QPushButton::clicked, this, &NewProjectDialog::addLineFromDialog);
    connect(addInUse, &QPushButton::clicked, this, &NewProjectDialog::addLineInUse);
    connect(remove, &QPushButton::clicked, this, &NewProjectDialog::removeLine);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewProjectDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewProjectDialog::reject);
}

void NewProjectDialog::addLine(const ProjectLineEntry& line)
{
    lines_.push_back(line);
    new QTreeWidgetItem(list_, {QString::fromStdString(line.name), projectUiText(projectLineKindText(line.kind)),
                                QString::fromLocal8Bit(line.file.data(), static_cast<qsizetype>(line.file.size()))});
}

void NewProjectDialog::addLineFromDialog()
{
    QStringList taken;
    for (const ProjectLineEntry& line : lines_) taken << QString::fromStdString(line.name);
    ProjectLineDialog dialog(platform_, taken, this);
    if (dialog.exec() == QDialog::Accepted) addLine(dialog.line());
}

void NewProjectDialog::addLineInUse()
{
    const std::optional<ProjectLineEntry> line = projects_.lineInUseSpec();
    if (!line) {
        platform_.showError({projectText(platform_, NO_LINE_INITIALISED), {}});
        return;
    }
    for (const ProjectLineEntry& added : lines_) {
        if (added.name == line->name) {
            platform_.showError({projectText(platform_, LINE_NAME_TAKEN), line->name});
            return;
        }
    }
    addLine(*line);
}

void NewProjectDialog::removeLine()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    lines_.erase(lines_.begin() + row);
    delete list_->takeTopLevelItem(row);
}

void NewProjectDialog::save()
{
    if (projects_.create(name_->text().trimmed().toStdString(), lines_)) accept();
}

}  // namespace vomel::gui
