#pragma once

#include <QByteArray>
#include <string>

// A page made by the shared generator of 1990s test pages ("p64k",
// "big_table", ...), or empty when the generator cannot be run here.
const QByteArray& BenchPage(const std::string& name);
