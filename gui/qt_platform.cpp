#include "gui/qt_platform.h"

#include <exception>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include "gui/help_window.h"
#include "gui/window_text.h"
#include "session/run_messages.h"
#include "ui/window_messages.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

QStringList qtNameFilters(const FileDialogSpec& dialog)
{
    QStringList filters;
    for (const FileFilter& filter : parseFilter(uiText(dialog.filter).toStdString())) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns) {
            patterns << (pattern == "*.*" ? QStringLiteral("*") : QString::fromStdString(pattern));
        }
        filters << QString::fromStdString(filter.description) + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

QString visibleText(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t') c = QChar::ReplacementCharacter;
    }
    return text;
}

QString visibleDetail(const std::string& detail)
{
    return visibleText(QString::fromLocal8Bit(detail.data(), static_cast<qsizetype>(detail.size())));
}

std::optional<std::string> QtPlatform::runFileDialog(const FileDialogSpec& dialog, bool save)
{
    const QFileDialog::AcceptMode mode = save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen;
    QFileDialog fileDialog(owner_, uiText(dialog.title));
    if (!lastFolder_.isEmpty()) fileDialog.setDirectory(lastFolder_);
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    fileDialog.setNameFilters(qtNameFilters(dialog));
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = fileDialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    // The core opens files by their bytes in the local file-name encoding.
    return chosen.toLocal8Bit().toStdString();
}

std::optional<std::string> QtPlatform::askOpenFile(const FileDialogSpec& dialog)
{
    return runFileDialog(dialog, false);
}

std::optional<std::string> QtPlatform::askSaveFile(const FileDialogSpec& dialog) { return runFileDialog(dialog, true); }

std::optional<bool> QtPlatform::askYesNo(const std::string& title, const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
    box.setObjectName(QStringLiteral("questionBox"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return true;
    case QMessageBox::No: return false;
    default: return std::nullopt;
    }
}

bool QtPlatform::confirm(const std::string& title, const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setObjectName(QStringLiteral("confirmBox"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showError(const ErrorMessage& message)
{
    QMessageBox box(QMessageBox::Critical, uiText(ERROR_TITLE), visibleText(QString::fromStdString(message.text)),
                    QMessageBox::Ok, owner_);
    if (!message.detail.empty()) box.setDetailedText(visibleDetail(message.detail));
    box.exec();
}

void QtPlatform::repaint()
{
    if (owner_) owner_->repaint();
    // Keeps every window painted during a long run without taking input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::runInBackground(const std::function<void(const ProgressReport& reported)>& work,
                                 const std::function<void()>& poll)
{
    // The work runs on Qt's thread pool; the window's events go on in a
    // local loop that a watcher ends when the work has finished, so that the
    // call returns only then, as the interface promises.
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(PROGRESS_POLL_MS);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&poll] { poll(); });
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);

    // Kept here rather than left to QFuture, which hands back only
    // QException subclasses as they were thrown.
    std::exception_ptr failure;
    watcher.setFuture(QtConcurrent::run([&work, &failure] {
        try {
            work([] {});  // the timer polls; a report needs nothing more
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    timer.start();
    // Also returns when the program is ending; the work is then asked to
    // stop by its owner and waited for here.
    loop.exec();
    watcher.waitForFinished();
    timer.stop();
    poll();
    if (failure) std::rethrow_exception(failure);
}

void QtPlatform::showHelp(const std::string& path)
{
    const QString file = QString::fromLocal8Bit(path.c_str());
    const QString title = uiText(HELP_VIEWER_TITLE);
    if (!QFileInfo::exists(file)) {
        QMessageBox::warning(owner_, title, uiText(HELP_MISSING) + file);
        return;
    }
    if (!openHelpWindow(file, owner_)) {
        QMessageBox::warning(owner_, title, uiText(HELP_NOT_OPENED) + file);
    }
}

std::string QtPlatform::translate(const char* context, const char* source) const
{
    return translatedText(context, source).toStdString();
}

void QtPlatform::openAddress(const std::string& address)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace vomel::gui
