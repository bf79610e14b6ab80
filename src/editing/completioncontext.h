#pragma once

#include "editing/markupreading.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

class QTextDocument;

enum class CompletionKind { None, ElementName, EndTag, AttributeName, AttributeValue, Entity };

// What the caret stands in, read with the preview's tag rules.
struct CompletionContext {
    CompletionKind kind = CompletionKind::None;
    // Where the word being typed starts (a position of the document, in
    // which a line break counts one) and what of it is typed.
    int start = 0;
    QString typed;
    // The start tag the caret is in, its name as written.
    QString element;
    // The attribute whose value is typed, as written.
    QString attribute;
    // The attributes the tag has besides the one typed, upper case.
    QStringList present;
    // The quote the value is in (none when the value has no quote yet), and
    // whether its closing quote follows the caret.
    QChar quote;
    bool closingQuoteFollows = false;
    // The elements open at the caret, innermost first, as written.
    QStringList openElements;
    // The case of the tag names the document writes before the caret.
    NameCase documentCase = NameCase::Unknown;
};

// Reads the context at `position` of `document`, the text above the caret
// taken from `checkpoints` (which must serve that document).
CompletionContext ReadCompletionContext(const QTextDocument& document, int position,
                                        MarkupCheckpoints& checkpoints);
