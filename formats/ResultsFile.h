// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results file on disk: reading it into history lines and writing history lines to it, as
// the window's Open and Save do and ferrolin-history does for scripts.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "formats/Failure.h"
#include "formats/PlainTextLines.h"

namespace ferrolin {

// The largest results file Open reads. A history box holding more text than this takes
// gigabytes and minutes to lay out; a real history (100,000 lines) is 3 MB.
inline constexpr qint64 kMaxResultsFileBytes = 64 * 1024 * 1024;

// The error texts Open and Save report.
QString CannotOpenMessage(const QString& fileName, const QString& reason);
QString CannotCreateMessage(const QString& fileName, const QString& reason);
inline constexpr const char* kFailedToLoadMessage = QT_TRANSLATE_NOOP("Files", "Failed to Load Stream");
inline constexpr const char* kFailedToSaveMessage = QT_TRANSLATE_NOOP("Files", "Failed to Save Stream");
// "Failed to Load Stream." or "Failed to Save Stream." with the cause on a line of its own.
QString FailedStreamMessage(const char* failure, const QString& cause);
// The reason a file of `bytes` bytes is refused: more than kMaxResultsFileBytes.
QString TooLargeReason(qint64 bytes);

// Why a results file could not be read or written.
enum class ResultsFileFailureKind {
    NotRegularFile,  // a pipe, a device, a folder: reading could block, writing would replace it
    TooLarge,        // more than kMaxResultsFileBytes, on disk or once written
    CannotOpen,      // the system refused to open it for reading
    Unreadable,      // it looks like RTF but cannot be read as RTF
    CannotCreate,    // the system refused to create the new file
    NotSaved,        // writing or committing the new file failed; the old one is whole
};
using ResultsFileFailure = Failure<ResultsFileFailureKind>;

// What reading a results file gave: its lines, or why there are none.
struct ReadResults {
    HistoryText history;  // empty when there is a failure
    std::optional<ResultsFileFailure> failure;
};

// Reads `fileName` (which exists) and decodes it as RTF or plain text. Refuses, with a message
// and before reading, what is not a regular file or is larger than kMaxResultsFileBytes. At the
// peak it holds the file's bytes and the text, about three times the file's size.
ReadResults ReadResultsFile(const QString& fileName);

// Writes `lines` as an RTF results file naming `fontName`. The bytes go to a temporary file
// beside the target that replaces it only once all of them are on the disk, so a failed or
// interrupted save leaves the old file whole. Refused, before anything is written: a target that
// exists but is not a regular file (a pipe, a device, a folder), and a file larger than Open
// reads. nullopt on success.
std::optional<ResultsFileFailure> WriteResultsFile(const QString& fileName, const QStringList& lines, const QString& fontName);

}  // namespace ferrolin
