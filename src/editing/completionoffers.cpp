#include "editing/completionoffers.h"

#include "editing/htmlvocabulary.h"
#include "viewer/htmlsymbols.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A folder of pictures can hold thousands of files; the list shows the first.
constexpr int kMostFiles = 500;

bool HasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Names follow the letter case the user typed: lower when every letter
// typed is, upper otherwise; with no letter typed, `otherwise`.
QString InCase(const QString& name, QStringView typed, NameCase otherwise)
{
    NameCase rule = otherwise;
    if (HasLetter(typed))
        rule = CaseOf(typed) == NameCase::Lower ? NameCase::Lower : NameCase::Upper;
    return rule == NameCase::Lower ? name.toLower() : name.toUpper();
}

NameCase LowerOnlyIfLower(QStringView written)
{
    return CaseOf(written) == NameCase::Lower ? NameCase::Lower : NameCase::Upper;
}

bool Fits(const QString& candidate, const QString& typed, Qt::CaseSensitivity cs = Qt::CaseInsensitive)
{
    return candidate.startsWith(typed, cs);
}

// A value written where the user typed part of it, in quotes unless they
// are there already.
CompletionOffer Value(const CompletionContext& c, const QString& value, bool opensMore = false)
{
    CompletionOffer offer{value, value};
    if (c.quote.isNull())
        offer.text.prepend(QLatin1Char('"'));
    if (!opensMore && (c.quote.isNull() || !c.closingQuoteFollows))
        offer.text += c.quote.isNull() ? QChar(QLatin1Char('"')) : c.quote;
    offer.followUp = opensMore;
    return offer;
}

void AddElementNames(const CompletionContext& c, std::vector<CompletionOffer>& offers)
{
    const NameCase otherwise = c.documentCase == NameCase::Lower ? NameCase::Lower : NameCase::Upper;
    for (const QString& name : HtmlElementNames()) {
        if (Fits(name, c.typed)) {
            const QString written = InCase(name, c.typed, otherwise);
            offers.push_back({written, written});
        }
    }
}

void AddEndTags(const CompletionContext& c, std::vector<CompletionOffer>& offers)
{
    for (const QString& open : c.openElements) {
        if (!Fits(open, c.typed))
            continue;
        const QString written = HasLetter(c.typed) ? InCase(open, c.typed, NameCase::Upper) : open;
        offers.push_back({written, written + QLatin1Char('>')});
    }
}

void AddAttributeNames(const CompletionContext& c, std::vector<CompletionOffer>& offers)
{
    const QString element = c.element.toUpper();
    for (const QString& name : HtmlAttributesOf(element)) {
        if (c.present.contains(name) || !Fits(name, c.typed))
            continue;
        const QString written = InCase(name, c.typed, LowerOnlyIfLower(c.element));
        const AttributeValueKind kind = HtmlAttributeValueKind(element, name);
        if (kind == AttributeValueKind::Boolean) {
            offers.push_back({written, written});
        } else {
            offers.push_back({written, written + QStringLiteral("=\"\""), 1, kind != AttributeValueKind::Free});
        }
    }
}

void AddFiles(const CompletionContext& c, const QString& folder, std::vector<CompletionOffer>& offers)
{
    // Only addresses relative to the page: not a site, a scheme or the root.
    if (folder.isEmpty() || c.typed.startsWith(QLatin1Char('/')) || c.typed.contains(QLatin1Char(':')))
        return;
    const QString subFolder = c.typed.left(c.typed.lastIndexOf(QLatin1Char('/')) + 1);
    const QString namePart = c.typed.mid(subFolder.size());
    const QDir dir(QDir(folder).filePath(subFolder));
    int count = 0;
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase)) {
        if (!entry.fileName().startsWith(namePart, Qt::CaseInsensitive))
            continue;
        if (++count > kMostFiles)
            break;
        const bool isFolder = entry.isDir();
        const QString name = entry.fileName() + (isFolder ? QStringLiteral("/") : QString());
        CompletionOffer offer = Value(c, subFolder + name, isFolder);
        offer.label = name;
        offers.push_back(offer);
    }
}

void AddAttributeValues(const CompletionContext& c, const PageNames& page, std::vector<CompletionOffer>& offers)
{
    const QString element = c.element.toUpper();
    const QString attribute = c.attribute.toUpper();
    switch (HtmlAttributeValueKind(element, attribute)) {
    case AttributeValueKind::Enumerated: {
        const bool exact = HtmlValueCaseMatters(element, attribute);
        for (const QString& value : HtmlEnumeratedValues(element, attribute)) {
            if (!Fits(value, c.typed, exact ? Qt::CaseSensitive : Qt::CaseInsensitive))
                continue;
            offers.push_back(Value(c, exact ? value : InCase(value, c.typed, LowerOnlyIfLower(c.attribute))));
        }
        break;
    }
    case AttributeValueKind::Colour:
        for (const QString& name : HtmlColourNames()) {
            if (Fits(name, c.typed))
                offers.push_back(Value(c, InCase(name, c.typed, LowerOnlyIfLower(c.attribute))));
        }
        break;
    case AttributeValueKind::Address: {
        const QStringList& anchors = attribute == QLatin1StringView("USEMAP") ? page.maps : page.bookmarks;
        for (const QString& name : anchors) {
            const QString address = QLatin1Char('#') + name;
            if (Fits(address, c.typed))
                offers.push_back(Value(c, address));
        }
        if (!c.typed.startsWith(QLatin1Char('#')))
            AddFiles(c, page.folder, offers);
        break;
    }
    case AttributeValueKind::Free:
    case AttributeValueKind::Boolean:
        break;
    }
}

void AddEntities(const CompletionContext& c, std::vector<CompletionOffer>& offers)
{
    // Names in the case typed first ("&E" gives Eacute before eacute).
    std::vector<CompletionOffer> otherCase;
    for (const NamedCharacterEntry& entry : NamedCharacterList()) {
        if (!Fits(entry.name, c.typed))
            continue;
        const char32_t character = entry.character;
        CompletionOffer offer{entry.name + QStringLiteral("  ") + QString::fromUcs4(&character, 1),
                              entry.name + QLatin1Char(';')};
        (Fits(entry.name, c.typed, Qt::CaseSensitive) ? offers : otherCase).push_back(offer);
    }
    offers.insert(offers.end(), otherCase.begin(), otherCase.end());
}

}  // namespace

bool NeedsPageNames(const CompletionContext& context)
{
    return context.kind == CompletionKind::AttributeValue &&
           HtmlAttributeValueKind(context.element.toUpper(), context.attribute.toUpper()) ==
               AttributeValueKind::Address;
}

std::vector<CompletionOffer> CompletionOffers(const CompletionContext& context, const PageNames& page)
{
    std::vector<CompletionOffer> offers;
    switch (context.kind) {
    case CompletionKind::ElementName:
        AddElementNames(context, offers);
        break;
    case CompletionKind::EndTag:
        AddEndTags(context, offers);
        break;
    case CompletionKind::AttributeName:
        AddAttributeNames(context, offers);
        break;
    case CompletionKind::AttributeValue:
        AddAttributeValues(context, page, offers);
        break;
    case CompletionKind::Entity:
        AddEntities(context, offers);
        break;
    case CompletionKind::None:
        break;
    }
    return offers;
}

QStringList MapNamesInLine(const QString& line)
{
    static const QRegularExpression mapName(
        QStringLiteral(R"re(<map\b[^>]*?\bname\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (auto it = mapName.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1) + m.captured(2) + m.captured(3);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}
