// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace ferrolin {

QStringList NameFiltersFromPairs(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

namespace {

std::optional<FileDialogChoice> RunDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        const int index = qBound(0, request.filterIndex, int(request.nameFilters.size()) - 1);
        dialog.selectNameFilter(request.nameFilters[index]);
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    const int filterIndex = int(request.nameFilters.indexOf(dialog.selectedNameFilter()));
    return FileDialogChoice{files.first(), filterIndex < 0 ? 0 : filterIndex};
}

}  // namespace

std::optional<FileDialogChoice> QtFileDialogs::GetOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return RunDialog(dialog, request);
}

std::optional<FileDialogChoice> QtFileDialogs::GetSaveFileName(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QString());
    return RunDialog(dialog, request);
}

}  // namespace ferrolin
