// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on fake platform services, shown and active, for the window tests.
#include <QPushButton>
#include <QString>
#include <memory>

#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeVoice.h"
#include "window/SpokenFeedback.h"
#include "window/UnitMain.h"
#include "window/HelpCommands.h"
#include "window/support/WindowControls.h"

namespace ferrolin::testing {

struct WindowFixture {
    // `decimalSeparator` stands in for the user's regional setting.
    explicit WindowFixture(QString decimalSeparator = QStringLiteral("."));
    ~WindowFixture();

    FakeMessageBoxes boxes;
    FakeVoice* voice = nullptr;  // owned by the window
    QString separator;
    bool screenReader = false;  // what the window is told about a running screen reader
    std::unique_ptr<TForm1> form;

    QPushButton* Key(const char* objectName) const;
    void Click(const char* objectName) const;
    void Type(const QString& text) const;           // typed into the input box
    void ClickFunction(int row) const;              // a mouse click on an entry of the list
    void SetInput(const QString& text) const;       // replaces the whole input box
    QString Input() const;
    QStringList HistoryLines() const;
    void SetAudio(bool on) const;                    // through the Options menu item
    void ChoosePrecision(int places) const;          // through the Precision submenu
    void PressEnter(QWidget* target = nullptr, bool autoRepeat = false,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void ReleaseEnter(QWidget* target = nullptr) const;
};

}  // namespace ferrolin::testing
