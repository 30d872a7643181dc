// SPDX-License-Identifier: GPL-3.0-or-later
// ferrolin-history: a results file's history lines for scripts, and results files from lines.
//
//   ferrolin-history FILE...               print each file's history lines, as Open loads them
//   ferrolin-history --write FILE [--font FAMILY]
//                                          write standard input's lines as a results file
//
// Exit status: 0 on success, 1 when a file cannot be read, loaded or written (the window's
// message on standard error), 2 for a bad command line.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "ferrolin/Version.h"
#include "formats/PlainTextLines.h"
#include "formats/ResultsFile.h"

namespace {

using namespace ferrolin;

constexpr const char* kUsage =
    "usage: ferrolin-history [--] FILE...\n"
    "       ferrolin-history --write FILE [--font FAMILY] < LINES\n"
    "\n"
    "Prints the history lines a results file holds, one per line in UTF-8, exactly as the\n"
    "calculator's File > Open loads them (RTF from any program, or plain text).\n"
    "With --write, reads lines from standard input (UTF-8, UTF-16 with a byte-order mark, or\n"
    "Windows-1252) and writes them as a results file, the bytes the calculator's Save writes for\n"
    "that history. --font names the history's font in the file (default Tahoma).\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read, loaded or written, 2 bad command line.\n";

[[noreturn]] void UsageError(const char* problem) {
    std::fprintf(stderr, "ferrolin-history: %s\n%s", problem, kUsage);
    std::exit(2);
}

void PrintError(const QString& message) {
    std::fprintf(stderr, "ferrolin-history: %s\n", message.toLocal8Bit().constData());
}

QString FileNameArgument(const char* arg) { return QFile::decodeName(arg); }

int PrintHistories(const std::vector<QString>& files) {
    int status = 0;
    for (const QString& file : files) {
        if (!QFile::exists(file)) {
            PrintError(CannotOpenMessage(file, QStringLiteral("No such file or directory")));
            status = 1;
            continue;
        }
        const ReadResults read = ReadResultsFile(file);
        if (read.failure) {
            PrintError(read.failure->message);
            status = 1;
            continue;
        }
        if (read.history.lineCount == 0) continue;
        const QByteArray utf8 = read.history.text.toUtf8();
        std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0) {
        PrintError(QStringLiteral("Cannot write to standard output."));
        return 1;
    }
    return status;
}

// Standard input, whole, or why not: a folder or a closed descriptor must not read as an empty
// history that then replaces the file, and endless input must not take all memory.
std::optional<QByteArray> ReadStandardInput() {
    QByteArray bytes;
    char chunk[64 * 1024];
    while (true) {
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got == 0) return bytes;
        if (got < 0) {
            if (errno == EINTR) continue;
            PrintError(QStringLiteral("Cannot read standard input: %1.").arg(QString::fromLocal8Bit(std::strerror(errno))));
            return std::nullopt;
        }
        if (bytes.size() + got > kMaxResultsFileBytes) {
            PrintError(QStringLiteral("Cannot read standard input: more than %1 MB, the most a results file holds.")
                           .arg(kMaxResultsFileBytes >> 20));
            return std::nullopt;
        }
        bytes.append(chunk, got);
    }
}

int WriteHistory(const QString& file, const QString& fontName) {
    const std::optional<QByteArray> input = ReadStandardInput();
    if (!input) return 1;
    // The lines the window would hold had it opened this text as a file.
    const QStringList lines = DecodePlainTextLines(*input);
    if (const std::optional<ResultsFileFailure> failure = WriteResultsFile(file, lines, fontName)) {
        PrintError(failure->message);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<QString> files;
    QString writeTo;
    QString fontName = QStringLiteral("Tahoma");
    bool writing = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(FileNameArgument(argv[i]));
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("ferrolin-history %s\n", ferrolin::kVersion);
            return 0;
        } else if (arg == "--write") {
            if (i + 1 >= argc) UsageError("--write needs a file name");
            writing = true;
            writeTo = FileNameArgument(argv[++i]);
        } else if (arg == "--font") {
            if (i + 1 >= argc) UsageError("--font needs a font family");
            fontName = QString::fromLocal8Bit(argv[++i]);
        } else {
            const QByteArray problem = "unknown option " + QByteArray(argv[i]);
            UsageError(problem.constData());
        }
    }
    if (writing) {
        if (!files.empty()) UsageError("--write takes its lines from standard input, not from files");
        if (writeTo.isEmpty()) UsageError("--write needs a file name");
        return WriteHistory(writeTo, fontName);
    }
    if (files.empty()) UsageError("no file named");
    return PrintHistories(files);
}
