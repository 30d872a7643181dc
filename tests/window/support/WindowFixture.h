// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on fake platform services (message boxes, file dialogs, printing, voice), shown
// and active, with a scratch folder for results files: the one set-up of the window tests.
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakePrinting.h"
#include "platform/fakes/FakeVoice.h"
#include "window/HelpCommands.h"
#include "window/SpokenFeedback.h"
#include "window/UnitMain.h"
#include "window/support/WindowControls.h"

namespace ferrolin::testing {

struct WindowFixture {
    // `decimalSeparator` stands in for the user's regional setting; `realPrinting`, when given,
    // replaces the fake printing.
    explicit WindowFixture(QString decimalSeparator = QStringLiteral("."), Printing* realPrinting = nullptr);
    explicit WindowFixture(Printing& realPrinting) : WindowFixture(QStringLiteral("."), &realPrinting) {}
    ~WindowFixture();

    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    FakePrinting printing;
    FakeVoice* voice = nullptr;  // owned by the window
    QString separator;
    bool screenReader = false;  // what the window is told about a running screen reader
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    QPushButton* Key(const char* objectName) const;
    void Click(const char* objectName) const;
    void Type(const QString& text) const;           // typed into the input box
    void ClickFunction(int row) const;              // a mouse click on an entry of the list
    void SetInput(const QString& text) const;       // replaces the whole input box
    QString Input() const;
    QStringList HistoryLines() const;
    void SetHistory(const QStringList& lines) const;
    // Evaluates each expression, one history line each.
    void Evaluate(const QStringList& expressions) const;
    void SetAudio(bool on) const;                    // through the Options menu item
    void ChoosePrecision(int places) const;          // through the Precision submenu
    void PressEnter(QWidget* target = nullptr, bool autoRepeat = false,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void ReleaseEnter(QWidget* target = nullptr) const;

    QString Path(const QString& name) const { return folder.filePath(name); }
    // Runs an action the way its menu item would.
    void Run(QAction* action) const { action->trigger(); }
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
