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

QString MegabyteOfEditorLines()
{
    QString text;
    const QString line = QStringLiteral("<P>Some text of a paragraph with <B>bold</B> words and a <A HREF=\"x.htm\">link</A>.");
    while (text.size() < 1024 * 1024)
        text += line + QStringLiteral("\r\n");
    return text + QStringLiteral("last line");
}
