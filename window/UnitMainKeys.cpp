// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keypad, function list and keyboard: the keys' handlers and the keys that
// mean something of their own in one control (Enter on a key or in the list, Up and Down in the
// expression, Enter anywhere else to evaluate).
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <string_view>

#include "evaluator/FunctionTable.h"
#include "window/KeypadKeys.h"
#include "window/SpokenFeedback.h"
#include "window/UnitMain.h"

namespace ferrolin {

// ---- Keypad and function list ----

void TForm1::ButtonTextKeyClick() {
    const QObject* key = sender();
    if (!key) {
        return;
    }
    bool ok = false;
    const int index = key->property(kKeyIndexProperty).toInt(&ok);
    const auto keys = KeypadKeys();
    if (!ok || index < 0 || static_cast<std::size_t>(index) >= keys.size()) {
        return;
    }
    InsertText(QString::fromUtf8(keys[index].inserts));
    speech_->Say(QString::fromUtf8(keys[index].phrase));
}

void TForm1::ButtonClearClick() {
    if (RichEditInput->document()->isEmpty()) {
        return;
    }
    RichEditInput->clear();
    RichEditInput->setFocus();
    speech_->Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " clear ")));
}

void TForm1::ButtonRecallClick() {
    InsertText(lastExpression_);
    speech_->Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " recall last expression")));
}

void TForm1::ButtonEvaluateClick() {
    speech_->Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " Evaluate ")));
    EvaluateInput();
}

int TForm1::SelectedFunctionRow() const {
    const QList<QListWidgetItem*> selected = ListBoxFunctions->selectedItems();
    return selected.isEmpty() ? -1 : ListBoxFunctions->row(selected.front());
}

void TForm1::ListBoxFunctionsClick() {
    const int row = SelectedFunctionRow();
    const auto functions = FunctionsInListOrder();
    if (row < 0 || static_cast<std::size_t>(row) >= functions.size()) {
        return;
    }
    RichEditInput->setFocus();  // first, as in InsertText
    QTextCursor cursor = RichEditInput->textCursor();
    cursor.insertText(ListBoxFunctions->item(row)->text());
    cursor.movePosition(QTextCursor::PreviousCharacter);  // between the brackets
    RichEditInput->setTextCursor(cursor);
    const std::string_view phrase = functions[row]->phrase;
    speech_->Say(QString::fromUtf8(phrase.data(), static_cast<qsizetype>(phrase.size())));
}

// ---- Keys and window events ----

bool TForm1::IsOwnWidget(QObject* object) const {
    if (!object || !object->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(object);
    return widget == this || isAncestorOf(widget);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (KeypadKeyPressed(watched, key) || FunctionListKeyPressed(watched, key) ||
            RecallKeyPressed(watched, key)) {
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // In the menu bar Enter opens the highlighted menu, as everywhere else.
        const bool inMenuBar = watched == menuBar() || menuBar()->isAncestorOf(qobject_cast<QWidget*>(watched));
        if (enter && !inMenuBar && IsOwnWidget(watched)) {
            if (event->type() == QEvent::KeyPress) {
                // Shift+Enter is the line break of a multi-line expression.
                if (key->modifiers() & Qt::ShiftModifier) {
                    if (watched == RichEditInput->viewport() || watched == RichEditInput) {
                        RichEditInput->textCursor().insertBlock();
                        RichEditInput->ensureCursorVisible();
                    }
                    return true;
                }
                FormKeyDown(key);
            } else {
                FormKeyUp(key);
            }
            return true;
        }
        break;
    }
    case QEvent::WindowActivate:
        if (watched == this) {
            FormActivate();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::KeypadKeyPressed(QObject* watched, QKeyEvent* key) {
    // Enter on a focused key presses that key, like Space. Its release is swallowed too: the
    // window's Enter release would otherwise take the focus from a key that keeps it.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!enter || !button || button->parentWidget() != PanelKeyBoard) {
        return false;
    }
    if (key->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        button->click();
    }
    return true;
}

bool TForm1::FunctionListKeyPressed(QObject* watched, QKeyEvent* key) {
    if (watched != ListBoxFunctions && watched != ListBoxFunctions->viewport()) {
        return false;
    }
    const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (!choose || (key->modifiers() & ~Qt::KeypadModifier)) {
        return false;
    }
    if (key->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        // The entry under the keyboard's cursor, also when the list was just entered with Tab.
        if (SelectedFunctionRow() < 0 && ListBoxFunctions->currentRow() >= 0) {
            ListBoxFunctions->currentItem()->setSelected(true);
        }
        ListBoxFunctionsClick();
    }
    return true;
}

bool TForm1::RecallKeyPressed(QObject* watched, QKeyEvent* key) {
    if (key->type() != QEvent::KeyPress || (watched != RichEditInput && watched != RichEditInput->viewport())) {
        return false;
    }
    const bool up = key->key() == Qt::Key_Up;
    if ((!up && key->key() != Qt::Key_Down) || key->modifiers() != Qt::NoModifier) {
        return false;
    }
    // Up recalls only from the first line and Down only from the last, so that the arrows still
    // move between the lines of a multi-line expression.
    QTextCursor probe = RichEditInput->textCursor();
    if (probe.movePosition(up ? QTextCursor::Up : QTextCursor::Down)) {
        return false;
    }
    const std::optional<QString> text = up ? recall_.Older(RichEditInput->toPlainText()) : recall_.Newer();
    if (text) {
        showingRecalled_ = true;
        RichEditInput->setPlainText(*text);
        RichEditInput->moveCursor(QTextCursor::End);
        showingRecalled_ = false;
    }
    return true;
}

void TForm1::FormKeyDown(QKeyEvent* event) {
    // A held key repeats; the expression was evaluated on the first press already.
    if (event->isAutoRepeat()) {
        return;
    }
    speech_->Say(QStringLiteral(QT_TRANSLATE_NOOP("Speech", " Evaluate ")));
    EvaluateInput();
}

void TForm1::FormKeyUp(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return;
    }
    // The press never reaches the box, so there is nothing to undo here: a failed expression
    // stays as typed, a successful one has already been emptied. Only the focus returns.
    RichEditInput->setFocus();
}

void TForm1::FormActivate() {
    // Only the first activation moves the focus: coming back from a message box, the focus stays
    // where it was (on a key after a failed "=").
    if (!activatedOnce_) {
        activatedOnce_ = true;
        RichEditInput->setFocus();
    }
}

}  // namespace ferrolin
