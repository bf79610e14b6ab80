#pragma once

#include <QString>

struct AppSlot;
struct ToolServices;

enum class AppLaunch {
    Launched,    // started, or tried and the failure reported: the bar closes
    Unassigned,  // the slot has no program; the user was told, the bar stays
};

// RunAppClick: starts the slot's program with its parameters and, when the
// slot says so, the document's file name as one more argument. The DDE
// browser is asked to show the document instead.
AppLaunch RunAppSlot(ToolServices& services, const AppSlot& slot, const QString& currentFile);

// A file name as one argument of a parameter line: quoted when it holds
// blanks or quotes, so it is not split into several.
QString QuotedArgument(const QString& path);
