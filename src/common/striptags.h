#pragma once

#include <QString>

// Drops every tag of `line`: a "<" starts a tag that runs up to and with the
// next ">", across line ends through `inTag`; a ">" outside a tag is dropped.
QString StripTags(const QString& line, bool& inTag);
