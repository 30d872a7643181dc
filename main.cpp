// SPDX-License-Identifier: GPL-3.0-or-later
// Ferrolin: creates the main window on the real desktop services and
// runs the event loop until the window closes.
#include <QApplication>
#include <QPointer>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "ferrolin/Version.h"
#include "platform/FileDialogs.h"
#include "platform/Platform.h"
#include "platform/Printing.h"
#include "platform/QtMessageBoxes.h"
#include "platform/ScreenReaderPresence.h"
#include "platform/Shell.h"
#include "platform/UiLanguage.h"
#include "platform/SpeechDispatcherVoice.h"
#include "window/ChevronIconStyle.h"
#include "window/StartUpFonts.h"
#include "window/UnitMain.h"

namespace {

// A failure that escapes an event handler is shown in the error box and the program goes on.
class FerrolinApplication : public QApplication {
public:
    using QApplication::QApplication;

    QPointer<ferrolin::TForm1> mainWindow;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            if (mainWindow) {
                mainWindow->ShowErrorBox(QString::fromUtf8(error.what()));
            }
        } catch (...) {
            if (mainWindow) {
                mainWindow->ShowErrorBox(QCoreApplication::translate("Messages", "Unknown failure"));
            }
        }
        return true;
    }
};

// --version and --help answer on stdout without a display, so scripts and packagers can ask them.
bool AnswerInformationOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ferrolin %s\n", ferrolin::kVersion);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: ferrolin [--version | --help] [Qt options]\n"
                        "Starts the Ferrolin calculator window; see ferrolin(1).\n");
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnswerInformationOption(argc, argv)) return 0;
    ferrolin::BeginReadingFontConfiguration();  // beside Qt's own start
    FerrolinApplication app(argc, argv);
    ferrolin::InstallUiLanguage(app);
    QApplication::setStyle(new ferrolin::ChevronIconStyle);
    // Lets the desktop match the window to its desktop entry and icon (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ferrolin.Ferrolin"));

    ferrolin::QtMessageBoxes messageBoxes;
    ferrolin::Platform platform;
    platform.makeVoice = [] { return std::make_unique<ferrolin::SpeechDispatcherVoice>(); };
    platform.messageBoxes = &messageBoxes;
    ferrolin::QtFileDialogs fileDialogs;
    ferrolin::QtPrinting printing;
    platform.fileDialogs = &fileDialogs;
    platform.printing = &printing;
    ferrolin::DesktopShell shell;
    platform.shell = &shell;
    ferrolin::ScreenReaderPresence screenReader;
    platform.screenReaderRunning = [&screenReader] { return screenReader.IsRunning(); };

    ferrolin::TForm1 form(platform);
    app.mainWindow = &form;
    form.show();
    return app.exec();
}
