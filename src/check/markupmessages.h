#pragma once

#include "check/pageproblem.h"

#include <QString>

#include <functional>
#include <optional>

// A message of the markup checker in the words the problems list uses, or
// nothing for a message it drops: reports of its own repairs, of what the
// page's own checks report better, and of advice no HTML version requires.
// Whether and how a message counts, by its key; `text` gives the message
// itself where the key alone does not decide.
std::optional<ProblemKind> MarkupMessageKind(const QString& key, bool checkerCallsItError,
                                             const std::function<QString()>& text);
// The words the list shows for a message that counts.
QString MarkupMessageText(const QString& key, const QString& text);
