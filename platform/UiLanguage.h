// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the window shows and speaks: chosen once at start from the locale variables, as
// gettext programs choose theirs, and installed as Qt translators (ours and Qt's own dialogs').
#include <QString>
#include <functional>

class QCoreApplication;

namespace ferrolin {

// The languages Ferrolin is translated into, as the translation files name them.
inline constexpr const char* kTranslatedLanguages[] = {"de", "fr", "es", "it", "pt_BR", "ru", "pl", "zh_CN"};

// The translation to use for these locale variables (read through `variable`): one of
// kTranslatedLanguages, or empty for English. LANGUAGE lists preferences in order; the messages
// locale (LC_ALL, else LC_MESSAGES, else LANG) comes after them. A C or POSIX messages locale
// means English whatever LANGUAGE says, as in gettext.
QString ChooseUiLanguage(const std::function<QString(const char*)>& variable);

// Chooses the language from the process environment and installs its translators on the
// application, replacing those of an earlier call. Returns the language chosen (empty: English,
// nothing installed).
QString InstallUiLanguage(QCoreApplication& application);

// The language installed by InstallUiLanguage (empty: English).
QString UiLanguage();

// The language to ask the speech service for, as SSIP names languages ("de", "pt-BR", "zh").
QString SpeechLanguage();

// A spoken phrase in the language speech is heard in: translated under `context` while the
// speech service has a voice for the UI language, the English text once it said it has none.
QString SpokenText(const char* context, const char* english);

// Told by the voice when the speech service has no voice for SpeechLanguage(): from then on
// phrases are spoken in English by the default voice.
void SpeakEnglishFromNowOn();
bool SpeaksEnglish();

// The same for a phrase held in a QString (its text is the English source).
QString SpokenText(const char* context, const QString& english);

}  // namespace ferrolin
