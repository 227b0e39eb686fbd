// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialog_save_panel.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace quorvane {

std::optional<QString> FileDialogSavePanel::run(const SavePanelRequest &request)
{
    // QFileDialog has no place for a message, so it is embedded below a label.
    QDialog panel(request.window ? request.window->window() : nullptr);
    panel.setWindowTitle(request.title);
    auto *layout = new QVBoxLayout(&panel);
    auto *message = new QLabel(request.message, &panel);
    message->setWordWrap(true);
    layout->addWidget(message);

    auto *files = new QFileDialog(&panel);
    files->setWindowFlags(Qt::Widget);
    files->setOption(QFileDialog::DontUseNativeDialog);
    files->setAcceptMode(QFileDialog::AcceptSave);
    files->setFileMode(QFileDialog::AnyFile);
    files->setMimeTypeFilters({request.mimeType});
    files->setDefaultSuffix(QFileInfo(request.defaultFileName).suffix());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    files->setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    files->selectFile(request.defaultFileName);
    layout->addWidget(files);
    QObject::connect(files, &QFileDialog::finished, &panel, &QDialog::done);

    if (panel.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = files->selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.front();
}

} // namespace quorvane
