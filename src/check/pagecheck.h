#pragma once

#include "check/pageproblem.h"

#include <QString>

// Where the page's local files are looked for: beside the document, or, for
// a page not saved yet, in the current folder, as the preview does.
struct PageLocation {
    QString documentPath;  // empty for a page not saved yet
    QString currentFolder;
};

// Every problem of the page: its markup, and what only the page and its
// folder know (bookmarks, image maps, form controls, local files and picture
// sizes). Remote addresses are never fetched. The text has CR LF line breaks,
// as the editor's; positions in the result are the editor's.
PageCheckResult CheckPage(const QString& text, const PageLocation& location);
