// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>
#include <atomic>

namespace ferrolin {

namespace {

QString& Installed() {
    static QString language;
    return language;
}

std::atomic<bool> speaksEnglish{false};

// "de_DE.UTF-8@euro" -> "de_DE": the encoding and modifier do not choose the translation.
QString WithoutEncoding(QString locale) {
    for (const QChar stop : {QChar(u'.'), QChar(u'@')}) {
        const qsizetype at = locale.indexOf(stop);
        if (at >= 0) locale.truncate(at);
    }
    return locale;
}

bool IsTranslated(const QString& name) {
    for (const char* language : kTranslatedLanguages)
        if (name == QLatin1String(language)) return true;
    return false;
}

// One preference to a translation: itself, its language alone ("de_AT" -> "de"), or the one
// translation of that language ("pt" -> "pt_BR"). Chinese other than the mainland's is written
// in traditional characters, which zh_CN is not. Empty when there is none; "en" for English.
QString Match(const QString& preference) {
    const QString name = WithoutEncoding(preference);
    const QString language = name.section(u'_', 0, 0);
    if (language.isEmpty()) return {};
    if (language == u"en") return QStringLiteral("en");
    if (IsTranslated(name)) return name;
    if (IsTranslated(language)) return language;
    if (language == u"zh" && name != language && name != u"zh_SG") return {};
    for (const char* translated : kTranslatedLanguages) {
        const QString candidate = QLatin1String(translated);
        if (candidate.section(u'_', 0, 0) == language) return candidate;
    }
    return {};
}

}  // namespace

QString ChooseUiLanguage(const std::function<QString(const char*)>& variable) {
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = variable(name);
        if (!messages.isEmpty()) break;
    }
    const QString base = WithoutEncoding(messages);
    if (base.isEmpty() || base == u"C" || base == u"POSIX") return {};

    QStringList preferences = variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    preferences.append(messages);
    for (const QString& preference : preferences) {
        const QString match = Match(preference);
        if (match == u"en") return {};
        if (!match.isEmpty()) return match;
    }
    return {};
}

QString InstallUiLanguage(QCoreApplication& application) {
    const QString language =
        ChooseUiLanguage([](const char* name) { return qEnvironmentVariable(name); });
    Installed() = language;
    // A second choice replaces the first, translators and all.
    static QList<QPointer<QTranslator>> installed;
    for (const QPointer<QTranslator>& translator : installed) delete translator.data();
    installed.clear();
    if (language.isEmpty()) return language;

    auto* ours = new QTranslator(&application);
    if (ours->load(QStringLiteral(":/translations/ferrolin_") + language))
        QCoreApplication::installTranslator(ours);
    // The buttons of message boxes and the file dialogs are Qt's own texts.
    auto* qts = new QTranslator(&application);
    if (qts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qts);
    installed << ours << qts;
    return language;
}

QString UiLanguage() { return Installed(); }

QString SpeechLanguage() {
    const QString language = Installed();
    if (language.isEmpty()) return QStringLiteral("en");
    if (language == u"pt_BR") return QStringLiteral("pt-BR");
    return language.section(u'_', 0, 0);
}

QString SpokenText(const char* context, const char* english) {
    if (speaksEnglish.load()) return QString::fromUtf8(english);
    return QCoreApplication::translate(context, english);
}

void SpeakEnglishFromNowOn() { speaksEnglish.store(true); }
bool SpeaksEnglish() { return speaksEnglish.load(); }

QString SpokenText(const char* context, const QString& english) {
    if (speaksEnglish.load()) return english;
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

}  // namespace ferrolin
