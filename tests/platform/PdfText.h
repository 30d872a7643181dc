// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a PDF shows, read back with poppler's pdftotext -bbox: each word with its box in points,
// page by page, so tests can check that every line came out, in order, and how big it is.
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace ferrolin::testing {

struct PdfWord {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points from the page's top left
    QString text;
};

struct PdfLine {
    int page = 0;
    double top = 0, height = 0, left = 0;
    QString text;  // its words joined with single spaces
};

// Empty when pdftotext is missing or fails; `error` then says why.
inline QList<PdfWord> ReadPdfWords(const QString& pdfFile, QString* error = nullptr) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        if (error) *error = QStringLiteral("pdftotext failed: ") + pdftotext.errorString() + QString::fromLocal8Bit(pdftotext.readAllStandardError());
        return {};
    }
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = 0;
    for (const auto& match : tag.globalMatch(html)) {
        if (match.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QTextDocument unescape;
        unescape.setHtml(match.captured(5));
        words.append({page, match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
                      match.captured(4).toDouble(), unescape.toPlainText()});
    }
    return words;
}

// Words grouped into lines by their vertical position, lines top to bottom and words left to
// right (pdftotext's own order can run down a column first).
inline QList<PdfLine> LinesOf(QList<PdfWord> words) {
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page) return a.page < b.page;
        if (std::abs(a.yMin - b.yMin) > 0.25 * (a.yMax - a.yMin)) return a.yMin < b.yMin;
        return a.xMin < b.xMin;
    });
    QList<PdfLine> lines;
    for (const PdfWord& word : words) {
        const bool sameLine = !lines.isEmpty() && lines.last().page == word.page &&
                              std::abs(lines.last().top - word.yMin) <= 0.25 * lines.last().height;
        if (sameLine) {
            lines.last().text += u' ' + word.text;
            continue;
        }
        lines.append({word.page, word.yMin, word.yMax - word.yMin, word.xMin, word.text});
    }
    return lines;
}

}  // namespace ferrolin::testing
