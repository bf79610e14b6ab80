#pragma once

#include <QByteArray>
#include <string>

// A generated page of the late 1990s ("p64k", "p1m", "big_table", ...),
// made once per run; empty for a name the generator does not know.
const QByteArray& BenchPage(const std::string& name);
