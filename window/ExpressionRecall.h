// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Up and Down in the expression box: walks back through the expressions evaluated in this run,
// and forward again to the text that was being typed when the walk began.
#include <QString>
#include <QStringList>
#include <optional>

namespace ferrolin {

class ExpressionRecall {
public:
    // An expression evaluated successfully: the newest entry. Ends any walk in progress.
    void Add(const QString& expression);

    // The entry before the one shown, or nullopt at the oldest (or with nothing evaluated).
    // `typing` is the box's text, kept when the walk starts so that Newer can return to it.
    std::optional<QString> Older(const QString& typing);
    // The entry after the one shown, ending with the kept text; nullopt when no walk is going on.
    std::optional<QString> Newer();

    // The user changed the text: the next Up starts again from the newest entry.
    void Reset() { position_ = -1; }
    bool Walking() const { return position_ >= 0; }

private:
    QStringList entries_;
    int position_ = -1;  // index into entries_ while walking, else -1
    QString typing_;
};

}  // namespace ferrolin
