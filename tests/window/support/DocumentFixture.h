// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on fake message boxes, file dialogs, printing and voice, shown and active, with a
// scratch folder for results files: for the tests of the File and Edit menus.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakePrinting.h"
#include "platform/fakes/FakeVoice.h"
#include "window/UnitMain.h"
#include "window/support/WindowControls.h"

namespace ferrolin::testing {

struct DocumentFixture {
    // `realPrinting`, when given, replaces the fake printing (for the print integration test).
    explicit DocumentFixture(Printing* realPrinting = nullptr);
    ~DocumentFixture();

    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    FakePrinting printing;
    FakeVoice* voice = nullptr;  // owned by the window
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Runs an action the way its menu item would.
    void Run(QAction* action) const { action->trigger(); }
    // Evaluates each expression, one history line each.
    void Evaluate(const QStringList& expressions) const;
    void SetHistory(const QStringList& lines) const;
    QStringList History() const;

    // The next open / save dialog accepts `fileName` (filter entry `filterIndex`).
    void AcceptOpen(const QString& fileName, int filterIndex = 0);
    void AcceptSave(const QString& fileName);
    // File > Open / File > Save As, with the dialog accepting `fileName`.
    void Open(const QString& fileName, int filterIndex = 0);
    void SaveAs(const QString& fileName);
};

QByteArray ReadBytes(const QString& fileName);
void WriteBytes(const QString& fileName, const QByteArray& bytes);

}  // namespace ferrolin::testing
