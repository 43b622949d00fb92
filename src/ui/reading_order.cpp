#include "ui/reading_order.h"

#include <algorithm>
#include <cstdlib>

#include "forms/control.h"

namespace ui {
using forms::Control;
using forms::Kind;

namespace {

constexpr int kRowTolerance = 8 * 15;  // half a field's height, in twips
constexpr int kFieldHeight = 25 * 15;  // the tallest control that still makes a single row

int centreY(const Control& c) {
    return c.top() + c.height() / 2;
}

// A caption that says something: more than a lone letter like the exit button's "x".
bool hasWords(const QString& s) {
    return std::count_if(s.begin(), s.end(), [](QChar ch) { return ch.isLetter(); }) > 1;
}

bool namesOthers(const Control& c) {
    return c.kind() == Kind::Label && c.visible() && hasWords(c.caption());
}

}  // namespace

std::vector<Control*> readingOrder(const forms::Window& w) {
    std::vector<Control*> all;
    for (const auto& c : w.controls())
        if (c->kind() != Kind::Timer) all.push_back(c.get());
    std::stable_sort(all.begin(), all.end(),
                     [](const Control* a, const Control* b) { return a->top() < b->top(); });
    // A row grows with each control whose middle lies within it, so small controls stacked
    // beside a field (the spin arrows) belong to the field's row.
    std::vector<Control*> ordered;
    for (size_t row = 0; row < all.size();) {
        int bottom = all[row]->top() + std::min(all[row]->height(), kFieldHeight);
        size_t end = row + 1;
        for (; end < all.size() && centreY(*all[end]) <= bottom; ++end)
            if (all[end]->height() <= kFieldHeight)  // a tall control spans rows, not one
                bottom = std::max(bottom, all[end]->top() + all[end]->height());
        std::stable_sort(all.begin() + long(row), all.begin() + long(end),
                         [](const Control* a, const Control* b) { return a->left() < b->left(); });
        ordered.insert(ordered.end(), all.begin() + long(row), all.begin() + long(end));
        row = end;
    }
    return ordered;
}

const Control* buddyLabel(const forms::Window& w, const Control& c) {
    const Control* left = nullptr;
    const Control* above = nullptr;
    for (const auto& lp : w.controls()) {
        const Control& l = *lp;
        if (&l == &c || !namesOthers(l)) continue;
        const bool sameRow = std::abs(centreY(l) - centreY(c)) <= kRowTolerance;
        if (sameRow && l.left() + l.width() <= c.left() + 15) {
            if (!left || l.left() > left->left()) left = &l;
        } else if (!sameRow && l.top() < c.top() && c.top() - (l.top() + l.height()) < 30 * 15 &&
                   l.left() < c.left() + c.width() && c.left() < l.left() + l.width()) {
            if (!above || l.top() > above->top()) above = &l;
        }
    }
    return left ? left : above;
}

QString accessibleName(const forms::Window& w, const Control& c) {
    const QString own = c.caption().trimmed();
    if (hasWords(own)) return own;
    if (const Control* buddy = buddyLabel(w, c)) return buddy->caption().trimmed();
    return c.name();
}

}  // namespace ui
