#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// A generated page of the late 1990s ("p64k", "p1m", "big_table", ...),
// made once per run; empty for a name the generator does not know.
const QByteArray& BenchPage(const std::string& name);

// About 1 MB of editor lines (CR LF) of ordinary HTML paragraphs, for the
// editing benchmarks; the last line has no break.
QString MegabyteOfEditorLines();
