#include "benchpages.h"

#include "benchpagegenerator.h"

#include <map>

const QByteArray& BenchPage(const std::string& name)
{
    // Each page is made once per run; the big ones take a moment.
    static std::map<std::string, QByteArray> pages;
    auto it = pages.find(name);
    if (it == pages.end())
        it = pages.emplace(name, QByteArray::fromStdString(GenerateBenchPage(name))).first;
    return it->second;
}
