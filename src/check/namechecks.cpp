#include "check/namechecks.h"

#include "check/pagetags.h"
#include "check/problemlist.h"
#include "check/textlines.h"

namespace {

bool IsOneOf(const QString& name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names)
        if (name == QLatin1String(candidate))
            return true;
    return false;
}

}  // namespace

void NameChecks::DefineBookmark(const QString& name, const PageTag& tag, ProblemList& problems)
{
    const QString key = name.toUpper();
    auto it = bookmarks_.find(key);
    if (it == bookmarks_.end()) {
        bookmarks_.insert(key, Bookmark{tag.offset, {name}});
        return;
    }
    // NAME and ID of one element may, and should, be the same.
    if (it->offset == tag.offset)
        return;
    problems.Add(ProblemKind::Error, tag.offset, tag.length,
                 QStringLiteral("bookmark \"%1\" is defined twice (first on line %2)")
                     .arg(name)
                     .arg(lines_.PlaceOf(it->offset).line));
    if (!it->spellings.contains(name))
        it->spellings.append(name);
}

void NameChecks::Visit(const PageTag& tag, ProblemList& problems)
{
    if (tag.isEnd)
        return;
    if (const TagAttribute* id = tag.Attribute(QLatin1String("ID")); id && !id->value.trimmed().isEmpty())
        DefineBookmark(id->value.trimmed(), tag, problems);
    if (tag.name == QLatin1String("A")) {
        if (const TagAttribute* name = tag.Attribute(QLatin1String("NAME")); name && !name->value.trimmed().isEmpty())
            DefineBookmark(name->value.trimmed(), tag, problems);
    }
    if (IsOneOf(tag.name, {"A", "AREA"})) {
        const TagAttribute* href = tag.Attribute(QLatin1String("HREF"));
        const QString link = href ? href->value.trimmed() : QString();
        // A bare "#" is the top of the page.
        if (link.size() > 1 && link.startsWith(QLatin1Char('#')))
            links_.push_back(Reference{link.mid(1), href->valueOffset, href->valueLength});
    }
    if (tag.name == QLatin1String("MAP")) {
        if (const auto name = tag.Value(QLatin1String("NAME")); name && !name->trimmed().isEmpty())
            maps_.insert(name->trimmed().toUpper(), tag.offset);
    }
    if (const TagAttribute* usemap = tag.Attribute(QLatin1String("USEMAP")); usemap && usemap->hasValue) {
        const QString value = usemap->value.trimmed();
        // A map in another page ("other.htm#map") is that page's business.
        const qsizetype hash = value.indexOf(QLatin1Char('#'));
        if (hash <= 0 && value.size() > (hash < 0 ? 0 : 1))
            mapUses_.push_back(Reference{value.mid(hash + 1), usemap->valueOffset, usemap->valueLength});
    }
    if (IsOneOf(tag.name, {"INPUT", "SELECT", "TEXTAREA"}))
        CheckFormControl(tag, problems);
}

void NameChecks::CheckFormControl(const PageTag& tag, ProblemList& problems)
{
    const std::optional<QString> name = tag.Value(QLatin1String("NAME"));
    if (name && !name->trimmed().isEmpty())
        return;
    QString control = QLatin1Char('<') + tag.name + QLatin1Char('>');
    if (tag.name == QLatin1String("INPUT")) {
        const QString type = tag.Value(QLatin1String("TYPE")).value_or(QStringLiteral("TEXT")).trimmed().toUpper();
        // Buttons need no name: they send nothing of their own unless named.
        if (IsOneOf(type, {"SUBMIT", "RESET", "BUTTON", "IMAGE"}))
            return;
        control = QStringLiteral("<INPUT TYPE=%1>").arg(type.isEmpty() ? QStringLiteral("TEXT") : type);
    }
    problems.Add(ProblemKind::Warning, tag.offset, tag.length,
                 QStringLiteral("%1 has no NAME: its value is not sent with the form").arg(control));
}

void NameChecks::Report(ProblemList& problems) const
{
    for (const Reference& link : links_) {
        const auto it = bookmarks_.find(link.name.toUpper());
        if (it == bookmarks_.end()) {
            problems.Add(ProblemKind::Error, link.offset, link.length,
                         QStringLiteral("no bookmark \"%1\" in the page").arg(link.name));
        } else if (!it->spellings.contains(link.name)) {
            problems.Add(ProblemKind::Warning, link.offset, link.length,
                         QStringLiteral("the bookmark is spelt \"%1\": the preview finds it, but browsers tell "
                                        "capitals from small letters")
                             .arg(it->spellings.front()));
        }
    }
    for (const Reference& use : mapUses_) {
        if (!maps_.contains(use.name.toUpper()))
            problems.Add(ProblemKind::Error, use.offset, use.length,
                         QStringLiteral("USEMAP names no MAP of the page: no <MAP NAME=\"%1\">").arg(use.name));
    }
}
