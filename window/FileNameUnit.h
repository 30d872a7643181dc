// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of the current results file, and whether the history changed since it was loaded or
// saved. A plain value owned by the main window.
#include <QString>

namespace ferrolin {

class TTextFilename {
public:
    TTextFilename() { Reset(); }

    // The stored name, or "Results.txt" while none has been stored yet.
    QString Filename() const;
    // Stored as given: the dialogs already returned what the user chose.
    void SetFilename(const QString& name) { storedName_ = name; }

    bool HasBeenSaved() const { return !storedName_.isEmpty(); }

    bool IsDirty() const { return isDirty_; }
    void SetIsDirty(bool dirty) { isDirty_ = dirty; }

private:
    void Reset();

    QString storedName_;
    bool isDirty_ = true;
};

}  // namespace ferrolin
