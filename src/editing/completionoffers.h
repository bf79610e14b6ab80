#pragma once

#include "editing/completioncontext.h"

#include <QString>
#include <QStringList>

#include <vector>

// One line of the completion list.
struct CompletionOffer {
    QString label;  // what the list shows
    QString text;   // what accepting writes in place of what was typed
    // Where the caret stands afterwards, counted back from the end of `text`.
    int caretBack = 0;
    // The list opens again after it: a folder's files, an attribute's values.
    bool followUp = false;

    bool operator==(const CompletionOffer&) const = default;
};

// What only the page and its folder know, gathered when an address is typed.
struct PageNames {
    QString folder;         // the document's folder; empty for a new document
    QStringList bookmarks;  // the names of its anchors
    QStringList maps;       // the names of its image maps
};

// Whether the offers for `context` need the page's names.
bool NeedsPageNames(const CompletionContext& context);

std::vector<CompletionOffer> CompletionOffers(const CompletionContext& context, const PageNames& page = {});

// The names of the image maps of a page's lines.
QStringList MapNamesInLine(const QString& line);
