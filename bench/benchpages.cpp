#include "benchpages.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

namespace {

QString GeneratorPath()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/../../shared/bench/gen_pages.py");
}

}  // namespace

const QByteArray& BenchPage(const std::string& name)
{
    static QTemporaryDir dir;
    static const bool generated = [] {
        if (!dir.isValid() || !QFileInfo::exists(GeneratorPath()))
            return false;
        return QProcess::execute(QStringLiteral("python3"), {GeneratorPath(), dir.path()}) == 0;
    }();
    static std::map<std::string, QByteArray> pages;
    auto it = pages.find(name);
    if (it == pages.end()) {
        QByteArray bytes;
        if (generated) {
            QFile file(dir.filePath(QString::fromStdString(name) + QStringLiteral(".html")));
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
        }
        it = pages.emplace(name, bytes).first;
    }
    return it->second;
}
