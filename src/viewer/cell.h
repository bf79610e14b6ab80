#pragma once

#include "viewer/indentmanager.h"
#include "viewer/sectionbase.h"

#include <memory>
#include <vector>

class TSectionList;

// An ordered list of sections with its own margins: the document itself and
// the content of every table cell.
class TCell {
public:
    explicit TCell(TSectionList* master) : MasterList(master) {}
    TCell(TSectionList* master, const TCell& other);
    virtual ~TCell();
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    void Add(std::unique_ptr<TSectionBase> section);
    int Count() const { return int(Items.size()); }
    TSectionBase* operator[](int i) const { return Items[size_t(i)].get(); }
    void UpdateFonts();

    int DoLogic(Canvas& canvas, int y, int width, int& maxWidth, int& curs);
    void MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth);
    int Draw(Canvas& canvas, const QRect& clip, int clipWidth, int x, int y);
    // The section whose flow range holds y (null below the last one).
    TSectionBase* FindSectionAtPosition(int y, int& top, int& index) const;
    bool GetURL(Canvas& canvas, int x, int y, TUrlTarget& url);
    int FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX);
    int FindString(int from, const QString& text, MatchCase matchCase);
    bool CursorToXY(Canvas& canvas, int pos, int& x, int& y);
    void CopyToClipboard(ClipBuffer& buffer);
    void ShiftBy(int dy, int dcurs);

    std::vector<std::unique_ptr<TSectionBase>> Items;
    IndentManager IMgr;
    TSectionList* MasterList;
    int StartCurs = 0;
    int Len = 0;
    int LayoutWidth = 0;
    int StartY = 0;
};
