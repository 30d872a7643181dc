// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the windows need from the desktop, gathered so that tests can hand in fakes.
#include <functional>
#include <memory>

namespace ferrolin {

class Voice;
class MessageBoxes;
class FileDialogs;
class Printing;
class Shell;

struct Platform {
    // Makes a new, unconnected voice; the main window and the Guide window each own one.
    std::function<std::unique_ptr<Voice>()> makeVoice;
    MessageBoxes* messageBoxes = nullptr;
    FileDialogs* fileDialogs = nullptr;
    Printing* printing = nullptr;
    Shell* shell = nullptr;
    // Whether a screen reader runs, for the window's voice to give way to it; unset: whenever
    // Qt's accessibility bridge is active.
    std::function<bool()> screenReaderRunning;
};

}  // namespace ferrolin
