#pragma once

#include "viewer/fonts.h"
#include "viewer/htmlsymbols.h"
#include "viewer/indentmanager.h"
#include "viewer/lazyvector.h"
#include "viewer/sectionbase.h"
#include "viewer/sourcemap.h"
#include "viewer/tightarray.h"

#include <QString>
#include <memory>
#include <vector>

class TImageObj;
class TFormControlObj;

enum class ListType : unsigned char { None = 0, Numbered = 1, Bulleted = 2, Definition = 3 };
enum class ClearMode : unsigned char { None = 0, Left = 1, Right = 2, Both = 3 };

// One laid-out line of a text section.
struct LineRec {
    int Start = 0;         // index of the first character in the section text
    int Count = 0;
    int LineHt = 0;        // largest line height of the fonts in the line
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    int Descent = 0;       // of the tallest font
    int LineIndent = 0;    // x where the text starts
    int DrawHeight = 0;    // height covered, floats starting here included
    int Top = 0;           // y of the line's top (space before included)
    int Width = 0;         // width of the text without trailing blanks
};

// Flowing text with its font runs, images and form controls.
class TSection : public TSectionBase {
public:
    // link and font are pooled in the owner's FontPool.
    TSection(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font,
             SubSuperState subSuper = SubSuperState::None);
    TSection(TSectionList* owner, const TSection& other);
    ~TSection() override;
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;

    virtual void AddText(QStringView text);
    // Changes the font at the end of the text (see the font rules of TFontList);
    // fonts and links are the pooled copies of the owner's FontPool.
    void ChangeFont(const TMyFont* font, SubSuperState subSuper);
    void ChangeFontAndLink(const TMyFont* font, SubSuperState subSuper, const TUrlTarget* link);
    TImageObj* AddImage(const TAttributeList& attributes);
    void AddFormControl(TFormControlObj* control);
    // Gives back what growing reserved.
    void Finish() override;
    bool IsEmpty() const { return Buff.isEmpty(); }

    void CopyToClipboard(ClipBuffer& buffer) override;
    int DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs) override;
    int Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y) override;
    bool GetURL(Canvas& canvas, int x, int y, TUrlTarget& url) override;
    int FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX) override;
    int FindString(int from, const QString& text, MatchCase matchCase) override;
    bool CursorToXY(Canvas& canvas, int pos, int& x, int& y) override;
    void UpdateFonts() override;
    void MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth) override;
    void ShiftBy(int dy, int dcurs) override;

    // The members are ordered so that a section packs tightly: a page has
    // thousands.
    int ListLevel = 0;   // first, in the base's unused tail
    QString Buff;
    TFontList Fonts;
    TightArray<LineRec> Lines;
    LazyVector<std::unique_ptr<TImageObj>> Images;
    LazyVector<TFormControlObj*> FormControls;   // owned by their forms
    // The font the list marker is drawn in: the one the section started
    // with, or the font of the list item whose marker this section draws
    // when that is not its own (a heading as an item's first line; then
    // MarkerFromItem).
    const TMyFont* MarkerFont = nullptr;
    TextSource Source;           // where the text came from (not kept by the printing copy)
    int ListNumber = 0;
    int FirstLineIndent = 0;     // left margin of the first line, for list markers
    ListType ListKind = ListType::None;
    TextAlign Align = TextAlign::Left;
    ClearMode Clear = ClearMode::None;
    bool Plain = false;          // bulleted item without a bullet
    bool Anchored = false;       // a named anchor stands in it
    // What Finish found in the text, so layout need not look for what is
    // not there; false until then.
    bool Latin1Only = false;     // no character outside Latin-1
    bool MarkerFree = false;     // no image or control marker
    bool MarkerFromItem = false;

    // How far the section's list level moves it in.
    int Indent() const { return ListLevel * IndentManager::ListIndent; }
    virtual bool IsPreformatted() const { return false; }
    // The image or form control whose marker stands at pos, or null.
    TImageObj* ImageAt(int pos) const;
    TFormControlObj* ControlAt(int pos) const;
    // Width of the characters from..to (section indexes) as they are drawn;
    // `run`, when known, is the font run holding `from`.
    int SpanWidth(Canvas& canvas, int from, int to, int run = -1) const;
    // x (from the cell's left side) of the character at index pos in the line.
    int CharX(Canvas& canvas, const LineRec& line, int pos) const;
    // The line holding y, or null.
    const LineRec* LineAtY(int y) const;
    // Index in the section text of the character under x in the line
    // (count wholly left of x, plus one past the middle of the next).
    int IndexAtX(Canvas& canvas, const LineRec& line, int x) const;

protected:
    // Lets the text grow in the buffer the section before gave back.
    void GrowInSpareText()
    {
        if (Buff.capacity() == 0)
            TakeSpareText();
    }

private:
    void TakeSpareText();
    void MeasureFonts(Canvas& canvas);
    int FitCount(Canvas& canvas, int start, int width, IndentManager& imgr, int y,
                 std::vector<TImageObj*>& deferredFloats, int& floatBottom);
    void FinishLine(Canvas& canvas, LineRec& line, IndentManager& imgr, int y);
};

class TPreFormated : public TSection {
public:
    using TSection::TSection;
    TPreFormated(TSectionList* owner, const TPreFormated& other) : TSection(owner, other) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
    void AddText(QStringView text) override;
    void Finish() override;
    void MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth) override;
    bool IsPreformatted() const override { return true; }
};

class TUListItem : public TSection {
public:
    TUListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font);
    TUListItem(TSectionList* owner, const TUListItem& other) : TSection(owner, other) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
};

class TOListItem : public TSection {
public:
    TOListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font,
               int number);
    TOListItem(TSectionList* owner, const TOListItem& other) : TSection(owner, other) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
};

class TDListItem : public TSection {
public:
    TDListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font);
    TDListItem(TSectionList* owner, const TDListItem& other) : TSection(owner, other) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
};

class TParagraphSpace : public TSectionBase {
public:
    explicit TParagraphSpace(TSectionList* owner);
    TParagraphSpace(TSectionList* owner, const TParagraphSpace& other) : TSectionBase(owner, other) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
    void UpdateSpacing() override;
    void CopyToClipboard(ClipBuffer& buffer) override;
};

class THeadingSpace : public TSectionBase {
public:
    THeadingSpace(TSectionList* owner, int level);
    THeadingSpace(TSectionList* owner, const THeadingSpace& other)
        : TSectionBase(owner, other), HeadingSize(other.HeadingSize) {}
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
    void UpdateSpacing() override;
    void CopyToClipboard(ClipBuffer& buffer) override;

    int HeadingSize = 0;   // 0 (no level) to 6
};

class THorzLine : public TSectionBase {
public:
    // level: the list level the rule stands at (0 outside lists).
    THorzLine(TSectionList* owner, const TAttributeList& attributes, int level = 0);
    THorzLine(TSectionList* owner, const THorzLine& other);
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;
    void UpdateSpacing() override;
    int DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs) override;
    int Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y) override;
    void CopyToClipboard(ClipBuffer& buffer) override;

    int Thickness = 2;
    int ListLevel = 0;
    bool NoShade = false;   // a solid bar instead of the engraved line
    int LeftAtLayout = 0;   // margins at the rule's y, from the cell's left side
    int RightAtLayout = 0;
    bool HasWidth = false;
    int HWidth = 0;
    bool Percent = false;
};
