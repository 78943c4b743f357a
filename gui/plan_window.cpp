#include "gui/plan_window.h"

#include <QBuffer>
#include <QByteArray>
#include <QHBoxLayout>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/failure.h"
#include "formats/atomic_file.h"
#include "gui/center_window.h"
#include "gui/plan_view.h"
#include "gui/window_text.h"
#include "text/number_text.h"
#include "ui/failure_text.h"
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
    try {
        savePng(view_->render(), *path);
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(PLAN_SAVE_FAILED, failure, platform_));
    }
}

void savePng(const QImage& image, const std::string& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "png");
    if (!encoder.write(image)) {
        FileFailure failure(Wording(encoder.errorString().toStdString()));
        failure.setFile(path);
        throw failure;
    }
    AtomicFile file(path);
    file.write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    file.commit();
}

}  // namespace vomel::gui
