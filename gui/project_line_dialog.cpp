#include "gui/project_line_dialog.h"

#include <iterator>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/focus_highlight.h"
#include "gui/project_pane.h"
#include "ui/platform.h"
#include "ui/project_pane.h"
#include "ui/project_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

constexpr ProjectLineKind KINDS[] = {ProjectLineKind::IntersectionPoint, ProjectLineKind::Elements,
                                     ProjectLineKind::LandXml, ProjectLineKind::Ifc};

}  // namespace

ProjectLineDialog::ProjectLineDialog(Platform& platform, QStringList takenNames, QWidget* parent)
    : QDialog(parent), platform_(platform), takenNames_(std::move(takenNames))
{
    setObjectName(QStringLiteral("projectLineDialog"));
    setWindowTitle(projectUiText(LINE_DIALOG_TITLE));
    auto* grid = new QGridLayout;
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("lineNameBox"));
    highlightFocus(name_);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("lineKindBox"));
    for (const ProjectLineKind kind : KINDS) kind_->addItem(projectUiText(projectLineKindText(kind)));
    grid->addWidget(new QLabel(projectUiText(LINE_NAME_CAPTION), this), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(projectUiText(LINE_KIND_CAPTION), this), 1, 0);
    grid->addWidget(kind_, 1, 1, 1, 2);
    file_ = addFileRow(grid, 2, LINE_FILE_CAPTION, "lineFileBox", LINE_FILE_DIALOG);
    chainBreaks_ = addFileRow(grid, 3, CHAIN_BREAK_FILE_CAPTION, "lineChainBreakBox", LINE_CHAIN_BREAK_DIALOG);
    profile_ = addFileRow(grid, 4, PROFILE_FILE_CAPTION, "lineProfileBox", LINE_PROFILE_DIALOG);
    crossFall_ = addFileRow(grid, 5, CROSS_FALL_FILE_CAPTION, "lineCrossFallBox", LINE_CROSS_FALL_DIALOG);
    grid->setColumnMinimumWidth(1, 320);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lineProblem"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(projectUiText(OK_CAPTION), QDialogButtonBox::AcceptRole)->setObjectName("lineOkButton");
    buttons->addButton(projectUiText(CANCEL_CAPTION), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectLineDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProjectLineDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

QLineEdit* ProjectLineDialog::addFileRow(QGridLayout* grid, int row, const char* caption, const char* name,
                                         const FileDialogSpec& dialog)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    highlightFocus(box);
    auto* browse = new QPushButton(projectUiText(BROWSE_CAPTION), this);
    browse->setObjectName(QString::fromLatin1(name) + QStringLiteral("Browse"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this, box, &dialog] {
        const std::optional<std::string> path = platform_.askOpenFile(dialog);
        if (!path) return;
        box->setText(QString::fromLocal8Bit(path->data(), static_cast<qsizetype>(path->size())));
        if (box != file_) return;
        // A line is named after its file until the user names it, and its
        // kind follows the file's extension where it tells (.txt does not).
        const QFileInfo file(box->text());
        if (name_->text().isEmpty()) name_->setText(file.completeBaseName());
        const QString extension = file.suffix().toLower();
        // In the order of KINDS.
        const char* const extensions[] = {"jdx", "ele", "xml", "ifc"};
        for (std::size_t k = 0; k < std::size(extensions); ++k) {
            if (extension == QLatin1String(extensions[k])) kind_->setCurrentIndex(static_cast<int>(k));
        }
    });
    grid->addWidget(new QLabel(projectUiText(caption), this), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(browse, row, 2);
    return box;
}

ProjectLineEntry ProjectLineDialog::line() const
{
    ProjectLineEntry line;
    line.name = name_->text().trimmed().toStdString();
    line.kind = KINDS[std::max(0, kind_->currentIndex())];
    line.file = file_->text().trimmed().toLocal8Bit().toStdString();
    line.chainBreakFile = chainBreaks_->text().trimmed().toLocal8Bit().toStdString();
    line.profileFile = profile_->text().trimmed().toLocal8Bit().toStdString();
    line.crossFallFile = crossFall_->text().trimmed().toLocal8Bit().toStdString();
    return line;
}

void ProjectLineDialog::accept()
{
    const QString name = name_->text().trimmed();
    const char* problem = nullptr;
    if (name.isEmpty()) {
        problem = LINE_NEEDS_NAME;
    } else if (takenNames_.contains(name)) {
        problem = LINE_NAME_TAKEN;
    } else if (file_->text().trimmed().isEmpty()) {
        problem = LINE_NEEDS_FILE;
    }
    if (problem != nullptr) {
        problem_->setText(projectUiText(problem));
        return;
    }
    QDialog::accept();
}

}  // namespace vomel::gui
