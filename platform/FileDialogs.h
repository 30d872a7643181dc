// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open-file and save-file dialogs, behind an interface so that tests never block on a real one.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ferrolin {

// What a dialog starts with. The caller remembers what the user accepted last time and hands it in.
struct FileDialogRequest {
    QString initialName;      // preselected file name (may be empty)
    QStringList nameFilters;  // Qt style, e.g. "Text File (*.txt)"; empty: no filter
    int filterIndex = 0;      // the filter entry chosen at first
};

struct FileDialogChoice {
    QString fileName;     // as the dialog returned it
    int filterIndex = 0;  // the filter entry in use when the user accepted
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // An open dialog that also accepts the name of a file that does not exist yet.
    // nullopt when the user cancelled.
    virtual std::optional<FileDialogChoice> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;

    // A save dialog with no default suffix (a name is used as typed). It asks before replacing an
    // existing file. nullopt when the user cancelled, also when they declined the replacement.
    virtual std::optional<FileDialogChoice> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
};

// Turns a "Label|pattern|Label|pattern" filter list into Qt name filters ("Label (pattern)").
// "*.*" becomes "*", because on Linux "*.*" would hide every file without a dot in its name.
// A trailing label without a pattern is dropped.
QStringList NameFiltersFromPairs(const QString& pairs);

// The real dialogs: QFileDialog, run modally.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<FileDialogChoice> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) override;
};

}  // namespace ferrolin
