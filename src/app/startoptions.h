#pragma once

#include <QStringList>

// The desktop entry's name (without ".desktop"), which is also the icon's
// name: the desktop matches the window to its menu entry and icon by it.
inline constexpr char kDesktopFileName[] = "com.kivopro.KivoPro32";

enum class AfterStart { Run, Close };

struct StartOptions {
    QStringList arguments;  // the file to open: at most one
    AfterStart afterStart = AfterStart::Run;
};

// --help and --version print their answer and end the program; they are
// answered before the window system is opened, so they work without a
// display.
void AnswerHelpAndVersion(int argc, char** argv);

// Names the program to the desktop and reads its command line: one file
// argument is the document to open (further ones are ignored, as they always
// were).
StartOptions ReadStartOptions();

// Closes every dialog that opens and then the main window, the way a user
// would, so the program starts, stores its settings and ends by itself:
// the check of an installed copy runs it this way.
void CloseWhenStarted();
