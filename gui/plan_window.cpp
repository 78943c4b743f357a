#include "gui/plan_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "gui/center_window.h"
#include "gui/plan_view.h"
#include "gui/window_text.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace vomel::gui {

using namespace vomel::ui;
using namespace vomel::drawing;

PlanWindow::PlanWindow(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window), platform_(platform)
{
    setObjectName(QStringLiteral("PlanWindow"));
    setWindowTitle(uiText(PLAN_WINDOW_CAPTION));
    view_ = new PlanView(this);
    fitButton_ = new QPushButton(uiText(PLAN_FIT_CAPTION), this);
    fitButton_->setObjectName(QStringLiteral("PlanFit"));
    saveButton_ = new QPushButton(uiText(PLAN_SAVE_CAPTION), this);
    saveButton_->setObjectName(QStringLiteral("PlanSave"));
    cursor_ = new QLabel(this);
    cursor_->setObjectName(QStringLiteral("PlanCursor"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(fitButton_);
    bar->addWidget(saveButton_);
    bar->addStretch(1);
    bar->addWidget(cursor_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resizeToFit(this, {900, 650});

    connect(fitButton_, &QPushButton::clicked, view_, &PlanView::fitAll);
    connect(saveButton_, &QPushButton::clicked, this, &PlanWindow::saveImage);
    connect(view_, &PlanView::cursorMoved, this, [this](double x, double y) {
        cursor_->setText(
            QStringLiteral("X %1  Y %2")
                .arg(QString::fromStdString(formatFixed(x, 3)), QString::fromStdString(formatFixed(y, 3))));
    });
}

void PlanWindow::setScene(std::shared_ptr<const PlanScene> scene, bool fit) { view_->setScene(std::move(scene), fit); }

void PlanWindow::saveImage()
{
    const std::optional<std::string> path = platform_.askSaveFile(PLAN_IMAGE_DIALOG);
    if (!path) return;
    const std::string reason = savePng(view_->render(), *path);
    if (!reason.empty()) platform_.showError({uiText(PLAN_SAVE_FAILED).toStdString(), *path + ": " + reason});
}

std::string savePng(const QImage& image, const std::string& path)
{
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString().toStdString();
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

}  // namespace vomel::gui
