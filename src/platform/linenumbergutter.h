#pragma once

#include <QWidget>

#include <vector>

class EditControl;
class QPainter;

// The numbers of the editor's logical lines in a strip at its left, in the
// editor's font; a line wrapped over several rows has one number, at its
// first row. The caret's line is lightly marked in the editor as well.
class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(EditControl& editor);

    // Room for the largest number of the document, at least four digits:
    // the text does not move sideways, and is not laid out again, each time
    // a growing document passes 99 or 999 lines.
    int WidthNeeded() const;

    struct ShownNumber {
        int number = 0;  // 1-based
        int top = 0;     // in the strip, the top of the line's first row
    };
    // The numbers as they are painted now, top to bottom.
    std::vector<ShownNumber> ShownNumbers() const;

    // Called by the editor as it paints: the band behind the caret's line.
    void PaintCurrentLineMark(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowUpdate(const QRect& rect, int dy);
    void FollowCaret();
    QColor MarkColour() const;

    EditControl& editor_;
    int caretLine_ = -1;
};
