#pragma once

#include <QRect>
#include <QString>
#include <memory>

class Canvas;
class ClipBuffer;
class IndentManager;
class TSectionList;
class TCell;
struct TUrlTarget;

enum class TextAlign : unsigned char { Left = 1, Center = 2, Right = 3 };
enum class MatchCase { No, Yes };

// One block of the page. Positions are character positions in the whole
// document; heights and y are pixels from the document's top.
class TSectionBase {
public:
    explicit TSectionBase(TSectionList* owner) : ParentSectionList(owner) {}
    TSectionBase(TSectionList* owner, const TSectionBase& other);
    virtual ~TSectionBase() = default;
    TSectionBase(const TSectionBase&) = delete;
    TSectionBase& operator=(const TSectionBase&) = delete;

    // A copy belonging to another document (the printing copy).
    virtual std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const = 0;

    // The section is complete: nothing is added to it after this.
    virtual void Finish() {}
    virtual void CopyToClipboard(ClipBuffer&) {}
    virtual int DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs);
    virtual int Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y);
    virtual bool GetURL(Canvas& canvas, int x, int y, TUrlTarget& url);
    virtual int FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX);
    virtual int FindString(int from, const QString& text, MatchCase matchCase);
    virtual bool CursorToXY(Canvas& canvas, int pos, int& x, int& y);
    virtual void UpdateFonts() { UpdateSpacing(); }
    virtual void UpdateSpacing() {}
    virtual void MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth);
    // Moves a finished layout down by dy pixels and on by dcurs positions,
    // which is what laying it out again there would give.
    virtual void ShiftBy(int dy, int dcurs)
    {
        YValue += dy;
        StartCurs += dcurs;
    }

    TSectionList* ParentSectionList;
    int DrawHeight = 0;      // height taken in the flow
    int SectionHeight = 0;   // height covered, floating images included
    int YValue = 0;          // top from the last layout or drawing
    int StartCurs = 0;
    int Len = 0;
};
