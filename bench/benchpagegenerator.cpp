#include "benchpagegenerator.h"

#include <array>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kWordText =
    "the of and to a in is it you that he was for on are with as I his they be at one have this from or had "
    "by hot word but what some we can out other were all there when up use your how said an each she which do "
    "their time if will way about many then them write would like so these her long make thing see him two has "
    "look more day could go come did number sound no most people my over know water than call first who may "
    "down side been now find any new work part take get place made live where after back little only round man "
    "year came show every good me give our under name very through just form sentence great think say help low "
    "line differ turn cause much mean before move right boy old too same tell does set three want air well also "
    "play small end put home read hand port large spell add even land here must big high such follow act why "
    "ask men change went light kind off need house picture try us again animal point mother world near build "
    "self earth father head stand own page should country found answer school grow study still learn plant "
    "cover food sun four between state keep eye never last let thought city tree cross farm hard start might "
    "story saw far sea draw left late run while press close night real life few north open seem together next "
    "white children begin got walk example ease paper group always music those both mark often letter until "
    "mile river car feet care second book carry took science eat room friend began idea fish mountain stop once "
    "base hear horse cut sure watch color face wood main enough plain girl usual young ready above ever red "
    "list though feel talk bird soon body dog family direct pose leave song measure door product black short "
    "numeral class wind question happen complete ship area half rock order fire south problem piece told knew "
    "pass since top whole king space heard best hour better true during hundred five remember step early hold "
    "west ground interest reach fast verb sing listen six table travel less morning ten simple several vowel "
    "toward war lay against pattern slow center love person money serve appear road map rain rule govern pull "
    "cold notice voice unit power town fine certain fly fall lead cry dark machine note wait plan figure star "
    "box noun field rest correct able pound done beauty drive stood contain front teach week final gave green "
    "oh quick develop ocean warm free minute strong special mind behind clear tail produce fact street inch "
    "multiply nothing course stay wheel full force blue object decide surface deep moon island foot system busy "
    "test record boat common gold possible plane stead dry wonder laugh thousand ago ran check game shape "
    "equate miss brought heat snow tire bring yes distant fill east paint language among Netscape Navigator "
    "homepage webmaster guestbook hitcounter frames modem download";

constexpr std::array<std::string_view, 13> kEntities = {
    "&amp;", "&copy;", "&eacute;", "&lt;", "&gt;", "&quot;", "&nbsp;",
    "&reg;", "&egrave;", "&uuml;", "&ntilde;", "&#169;", "&#233;"};
constexpr std::array<std::string_view, 12> kColors = {
    "#FF0000", "#0000FF", "#008000", "#800080", "#FF6600", "#000080",
    "#808080", "red", "blue", "green", "navy", "maroon"};
constexpr std::array<std::string_view, 6> kBackgrounds = {
    "#FFFFCC", "#CCFFFF", "#E0E0E0", "#FFFFFF", "silver", "#FFCC99"};
constexpr std::array<std::string_view, 8> kSizes = {"+1", "+2", "-1", "2", "4", "5", "1", "3"};

const std::vector<std::string_view>& Words()
{
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> list;
        size_t start = 0;
        while (start < kWordText.size()) {
            size_t end = kWordText.find(' ', start);
            if (end == std::string_view::npos)
                end = kWordText.size();
            list.push_back(kWordText.substr(start, end - start));
            start = end + 1;
        }
        return list;
    }();
    return words;
}

enum class Block { Paragraph, Heading, List, Table, Preformatted, Rule, Comment, BlockQuote };

struct BlockWeight {
    Block block;
    int weight;
};

constexpr std::array<BlockWeight, 8> kMixed = {{{Block::Paragraph, 40}, {Block::Heading, 10}, {Block::List, 12},
                                                 {Block::Table, 10}, {Block::Preformatted, 7}, {Block::Rule, 5},
                                                 {Block::Comment, 6}, {Block::BlockQuote, 5}}};
constexpr std::array<BlockWeight, 6> kMostlyParagraphs = {{{Block::Paragraph, 80}, {Block::Heading, 8},
                                                           {Block::Table, 6}, {Block::List, 2},
                                                           {Block::Rule, 2}, {Block::Comment, 2}}};

class PageWriter {
public:
    explicit PageWriter(unsigned seed) : random_(seed) {}

    std::string_view Word() { return Pick(Words()); }

    std::string WordsOf(int count)
    {
        std::string out;
        for (int i = 0; i < count; ++i) {
            if (i)
                out += ' ';
            out += Word();
        }
        return out;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    template <typename List>
    auto Pick(const List& list) -> decltype(list[0])
    {
        return list[static_cast<size_t>(Between(0, static_cast<int>(list.size()) - 1))];
    }

    template <size_t N>
    std::string Page(size_t target, const std::array<BlockWeight, N>& weights, std::string_view title)
    {
        std::string body = "<CENTER><H1>" + std::string(title) + "</H1></CENTER>\n";
        int total = 0;
        for (const BlockWeight& w : weights)
            total += w.weight;
        while (body.size() + 120 < target) {
            int roll = Between(0, total - 1);
            Block chosen = weights[0].block;
            for (const BlockWeight& w : weights) {
                if (roll < w.weight) {
                    chosen = w.block;
                    break;
                }
                roll -= w.weight;
            }
            std::string piece = Make(chosen);
            if (body.size() + piece.size() + 120 > target && body.size() > target * 97 / 100)
                break;
            body += piece;
        }
        return body;
    }

    std::string InlineText(int count, bool markup = true)
    {
        std::vector<std::string> out;
        int i = 0;
        while (i < count) {
            if (!markup || Chance(0.80)) {
                std::string word(Word());
                if (Chance(0.03))
                    word += Pick(kEntities);
                if (Chance(0.06))
                    word += Pick(std::array<std::string_view, 6>{",", ".", ";", ":", "!", "?"});
                out.push_back(word);
                ++i;
                continue;
            }
            const int k = Between(1, 5);
            const std::string t = WordsOf(k);
            i += k;
            const double c = std::uniform_real_distribution<double>(0, 1)(random_);
            if (c < 0.22)
                out.push_back("<B>" + t + "</B>");
            else if (c < 0.40)
                out.push_back("<I>" + t + "</I>");
            else if (c < 0.48)
                out.push_back("<U>" + t + "</U>");
            else if (c < 0.62)
                out.push_back("<FONT COLOR=\"" + std::string(Pick(kColors)) + "\">" + t + "</FONT>");
            else if (c < 0.72)
                out.push_back("<FONT SIZE=\"" + std::string(Pick(kSizes)) + "\" COLOR=\"" +
                              std::string(Pick(kColors)) + "\">" + t + "</FONT>");
            else if (c < 0.78)
                out.push_back("<B><I>" + t + "</I></B>");
            else if (c < 0.80)
                out.push_back("<TT>" + t + "</TT>");
            else if (c < 0.97)
                out.push_back("<A HREF=\"page" + std::to_string(++linkNumber_ % 997) + ".html\">" + t + "</A>");
            else
                out.push_back(t + "<BR>");
        }
        std::string joined;
        for (size_t n = 0; n < out.size(); ++n) {
            if (n)
                joined += ' ';
            joined += out[n];
        }
        return joined;
    }

    std::string List(int depth)
    {
        const bool ordered = Chance(0.4);
        const std::string tag = ordered ? "OL" : "UL";
        std::string attributes;
        if (ordered && Chance(0.3))
            attributes = " TYPE=\"" + std::string(Pick(std::array<std::string_view, 5>{"A", "a", "I", "i", "1"})) + "\"";
        else if (!ordered && Chance(0.3))
            attributes = " TYPE=\"" + std::string(Pick(std::array<std::string_view, 3>{"disc", "circle", "square"})) + "\"";
        const bool closeItems = Chance(0.5);
        std::string out = "<" + tag + attributes + ">\n";
        const int items = Between(2, 6);
        for (int i = 0; i < items; ++i) {
            out += "<LI>" + InlineText(Between(3, 20));
            if (depth < 3 && Chance(0.35))
                out += "\n" + List(depth + 1);
            if (closeItems)
                out += "</LI>";
            out += i + 1 < items ? "\n" : "";
        }
        return out + "\n</" + tag + ">\n";
    }

    std::string Table();

private:
    std::string Make(Block block);

    std::mt19937 random_;
    int linkNumber_ = 0;
};

std::string PageWriter::Table()
{
    const int columns = Between(2, 6);
    const int rows = Between(2, 10);
    std::ostringstream out;
    out << "<TABLE BORDER=\"" << Pick(std::array<int, 4>{0, 1, 1, 2}) << "\" CELLPADDING=\""
        << Pick(std::array<int, 4>{0, 2, 4, 6}) << "\" CELLSPACING=\"" << Pick(std::array<int, 3>{0, 1, 2}) << "\"";
    if (Chance(0.7))
        out << " WIDTH=\"" << Pick(std::array<int, 5>{50, 75, 80, 90, 100}) << "%\"";
    if (Chance(0.3))
        out << " BGCOLOR=\"" << Pick(kBackgrounds) << "\"";
    out << ">\n";
    if (Chance(0.3))
        out << "<CAPTION>" << WordsOf(Between(2, 5)) << "</CAPTION>\n";
    // Cells already covered by a span, so spans never collide.
    std::vector<std::vector<bool>> taken(static_cast<size_t>(rows), std::vector<bool>(static_cast<size_t>(columns)));
    for (int r = 0; r < rows; ++r) {
        out << "<TR" << (Chance(0.15) ? " BGCOLOR=\"" + std::string(Pick(kBackgrounds)) + "\"" : std::string()) << ">";
        int c = 0;
        while (c < columns) {
            if (taken[r][c]) {
                ++c;
                continue;
            }
            int columnSpan = 1;
            int rowSpan = 1;
            if (Chance(0.12) && c + 1 < columns && !taken[r][c + 1]) {
                columnSpan = Between(2, std::min(3, columns - c));
                for (int k = c; k < c + columnSpan; ++k)
                    if (taken[r][k]) {
                        columnSpan = std::max(1, k - c);
                        break;
                    }
            }
            if (Chance(0.08) && r + 1 < rows)
                rowSpan = Between(2, std::min(3, rows - r));
            for (int rr = r; rr < r + rowSpan; ++rr)
                for (int cc = c; cc < c + columnSpan; ++cc)
                    taken[rr][cc] = true;
            const char* tag = r == 0 && Chance(0.6) ? "TH" : "TD";
            out << "<" << tag;
            if (columnSpan > 1)
                out << " COLSPAN=\"" << columnSpan << "\"";
            if (rowSpan > 1)
                out << " ROWSPAN=\"" << rowSpan << "\"";
            if (Chance(0.2))
                out << " ALIGN=\"" << Pick(std::array<std::string_view, 3>{"LEFT", "CENTER", "RIGHT"}) << "\"";
            if (Chance(0.1))
                out << " VALIGN=\"" << Pick(std::array<std::string_view, 3>{"TOP", "MIDDLE", "BOTTOM"}) << "\"";
            if (Chance(0.1))
                out << " WIDTH=\"" << Pick(std::array<int, 5>{10, 20, 25, 33, 50}) << "%\"";
            if (Chance(0.1))
                out << " BGCOLOR=\"" << Pick(kBackgrounds) << "\"";
            out << ">" << (Chance(0.05) ? List(3) : InlineText(Between(1, 25))) << "</" << tag << ">";
            c += columnSpan;
        }
        out << "</TR>\n";
    }
    out << "</TABLE>\n";
    return out.str();
}

std::string PageWriter::Make(Block block)
{
    switch (block) {
    case Block::Paragraph: {
        std::string attribute;
        if (Chance(0.1))
            attribute = " ALIGN=\"" + std::string(Pick(std::array<std::string_view, 3>{"CENTER", "RIGHT", "LEFT"})) + "\"";
        const bool closed = Chance(0.6);  // pages of the time often left </P> out
        return "<P" + attribute + ">" + InlineText(Between(40, 120)) + (closed ? "</P>" : "") + "\n";
    }
    case Block::Heading: {
        const int level = Pick(std::array<int, 7>{1, 2, 2, 3, 3, 3, 4});
        const std::string attribute = Chance(0.2) ? " ALIGN=\"CENTER\"" : "";
        const std::string n = std::to_string(level);
        return "<H" + n + attribute + ">" + InlineText(Between(2, 7), false) + "</H" + n + ">\n";
    }
    case Block::List:
        return List(1);
    case Block::Table:
        return Table();
    case Block::Preformatted: {
        std::string out = "<PRE>\n";
        const int lines = Between(4, 14);
        for (int i = 0; i < lines; ++i) {
            std::string line = std::string(static_cast<size_t>(4 * Between(0, 3)), ' ') + WordsOf(Between(1, 8));
            for (size_t at = line.find("the"); at != std::string::npos; at = line.find("the", at + 11))
                line.replace(at, 3, "&lt;the&gt;");
            out += line + "\n";
        }
        return out + "</PRE>\n";
    }
    case Block::Rule:
        return std::string(
            Pick(std::array<std::string_view, 3>{"<HR>\n", "<HR SIZE=\"3\" WIDTH=\"80%\" NOSHADE>\n",
                                                 "<HR WIDTH=\"50%\" ALIGN=\"CENTER\">\n"}));
    case Block::Comment:
        return "<!-- " + WordsOf(Between(3, 15)) + " -->\n";
    case Block::BlockQuote:
        return "<BLOCKQUOTE>" + InlineText(Between(20, 60)) + "</BLOCKQUOTE>\n";
    }
    return {};
}

std::string Wrap(std::string_view title, const std::string& body)
{
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n<HTML>\n<HEAD>\n<TITLE>" + std::string(title) +
           "</TITLE>\n</HEAD>\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000EE\" VLINK=\"#551A8B\">\n" +
           body + "<ADDRESS>Last modified 1998 &copy; KivoPro32 benchmarks</ADDRESS>\n</BODY>\n</HTML>\n";
}

std::string HugeParagraph()
{
    PageWriter writer(77);
    std::string text;
    while (text.size() < 1024 * 1024) {
        if (!text.empty())
            text += ' ';
        text += writer.Word();
    }
    return Wrap("One huge paragraph", "<P>" + text + "</P>\n");
}

std::string BigTable()
{
    PageWriter writer(2000);
    std::ostringstream out;
    out << "<H2>Big table</H2>\n<TABLE BORDER=\"1\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\">\n<TR>";
    for (int c = 1; c <= 8; ++c)
        out << "<TH>Column " << c << "</TH>";
    out << "</TR>\n";
    for (int row = 1; row <= 2000; ++row) {
        out << "<TR><TD>" << row << "</TD>";
        for (int c = 0; c < 7; ++c) {
            if (c % 3 == 0) {
                const int cents = writer.Between(0, 99);
                out << "<TD ALIGN=\"RIGHT\">" << writer.Between(0, 99999) << "." << (cents < 10 ? "0" : "") << cents
                    << "</TD>";
            } else {
                out << "<TD>" << writer.WordsOf(writer.Between(1, 4)) << "</TD>";
            }
        }
        out << "</TR>\n";
    }
    out << "</TABLE>\n";
    return Wrap("Big table 2000x8", out.str());
}

}  // namespace

std::string GenerateBenchPage(const std::string& name)
{
    constexpr size_t kKiB = 1024;
    if (name == "p16k")
        return Wrap("Mixed page 16 KB", PageWriter(16).Page(16 * kKiB, kMixed, "Mixed page 16 KB"));
    if (name == "p64k")
        return Wrap("Mixed page 64 KB", PageWriter(64).Page(64 * kKiB, kMixed, "Mixed page 64 KB"));
    if (name == "p1m")
        return Wrap("Mixed page 1 MB", PageWriter(1024).Page(kKiB * kKiB, kMixed, "Mixed page 1 MB"));
    if (name == "p8m")
        return Wrap("Mostly paragraphs 8 MB",
                    PageWriter(8192).Page(8 * kKiB * kKiB, kMostlyParagraphs, "Mostly paragraphs 8 MB"));
    if (name == "huge_para")
        return HugeParagraph();
    if (name == "big_table")
        return BigTable();
    return {};
}
