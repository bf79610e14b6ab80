#include "viewer/indentmanager.h"

#include "viewer/htmlimage.h"

#include <algorithm>

void IndentManager::Clear()
{
    left_.clear();
    right_.clear();
    leftImageBottom_ = -1;
    rightImageBottom_ = -1;
}

void IndentManager::Prune(int y)
{
    auto ended = [y](const IndentRec& r) { return r.YB < y; };
    left_.erase(std::remove_if(left_.begin(), left_.end(), ended), left_.end());
    right_.erase(std::remove_if(right_.begin(), right_.end(), ended), right_.end());
}

void IndentManager::Reset(int leftEdge, int rightEdge)
{
    leftEdge_ = leftEdge;
    rightEdge_ = rightEdge;
    level_ = 0;
}

int IndentManager::LeftIndent(int y) const
{
    int x = 0;
    for (const IndentRec& r : left_)
        if (r.YT <= y && y <= r.YB)
            x = std::max(x, r.X);
    return x + leftEdge_;
}

int IndentManager::RightSide(int y) const
{
    int x = 0;
    for (const IndentRec& r : right_)
        if (r.YT <= y && y <= r.YB)
            x = std::min(x, r.X);
    return x + rightEdge_;
}

void IndentManager::Update(int y, TImageObj& image)
{
    if (image.Align == ImageAlign::Left) {
        image.DrawLeft = LeftIndent(y);
        left_.push_back(IndentRec{image.DrawLeft + image.ObjWidth - leftEdge_ + FloatGap, y,
                                  y + image.ObjHeight, 0});
        leftImageBottom_ = std::max(leftImageBottom_, y + image.ObjHeight);
    } else if (image.Align == ImageAlign::Right) {
        const int r = RightSide(y);
        right_.push_back(IndentRec{r - rightEdge_ - image.ObjWidth - FloatGap, y, y + image.ObjHeight, 0});
        rightImageBottom_ = std::max(rightImageBottom_, y + image.ObjHeight);
        image.DrawLeft = r - image.ObjWidth;
    }
}

int IndentManager::ImageBottom() const
{
    return std::max({0, leftImageBottom_, rightImageBottom_});
}

void IndentManager::GetClearY(int& clearLeft, int& clearRight) const
{
    clearLeft = leftImageBottom_ + 1;
    clearRight = rightImageBottom_ + 1;
}

void IndentManager::SetLevel(int y, int level)
{
    if (level > level_) {
        for (int lev = level_ + 1; lev <= level; ++lev)
            left_.push_back(IndentRec{LeftIndent(y) - leftEdge_ + ListIndent, y, OpenBottom, lev});
    } else if (level < level_) {
        for (IndentRec& r : left_)
            if (r.Lev > level) {
                r.Lev = 0;
                r.YB = y - 1;
                leftImageBottom_ = std::max(leftImageBottom_, r.YB);
            }
    }
    level_ = level;
    Prune(y);
}

int IndentManager::GetLevelClear() const
{
    int x = 0;
    bool found = false;
    for (const IndentRec& r : left_)
        if (r.Lev == level_ && level_ > 0) {
            x = r.X;
            found = true;
        }
    if (!found)
        return 1;
    int bottom = 0;
    for (const IndentRec& r : left_)
        if (r.X > x)
            bottom = std::max(bottom, r.YB);
    return bottom + 1;
}

void IndentManager::ShiftBy(int dy)
{
    for (auto* list : {&left_, &right_}) {
        for (IndentRec& r : *list) {
            r.YT += dy;
            if (r.YB != OpenBottom)
                r.YB += dy;
        }
    }
    if (leftImageBottom_ >= 0)
        leftImageBottom_ += dy;
    if (rightImageBottom_ >= 0)
        rightImageBottom_ += dy;
}
