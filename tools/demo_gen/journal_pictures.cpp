// The journal: an open leather-bound diary whose pages the engine draws at (50, 100). The left
// page holds an ink sketch of the story's first evening, the right page the player's notes and
// two round buttons in the middle (save and close, then yes and no). Around the book the
// pictures are see-through, so the game screen stays in view.
//
// The engine draws only the left 974 columns, and it finds the buttons at fixed places: the left
// one at columns 604..623, rows 278..296, the right one at 712..732, rows 277..296.
#include <cmath>

#include "menu_icons.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 570;

constexpr Rgb kLeather = Hex(0x5A2E1E);
constexpr Rgb kPage = Hex(0xF3E7C8);
constexpr Rgb kPageEdge = Hex(0xDCC59A);
constexpr Rgb kInk = Hex(0x3A2A1C);
constexpr Rgb kGold = Hex(0xC9A45A);

constexpr float kSpine = 487;
constexpr float kPageTop = 30, kPageBottom = 540;
constexpr Point kLeftButton{613.5f, 287};
constexpr Point kRightButton{722, 286.5f};

void DrawBook(Sprite& s) {
    const Shape cover = RoundRect(14, 12, 960, 558, 16);
    s.Fill(Grow(cover, 4), Hex(0x000000), 0.35f, 10);
    s.Fill(cover, [](float x, float y) {
        // Leather, worn lighter along the middle of each board.
        const float dx = std::fabs(x - kSpine) / 473, dy = std::fabs(y - 285) / 273;
        return Shade(kLeather, 0.12f - 0.25f * (dx * dx + dy * dy));
    });
    s.Fill(Subtract(Grow(cover, -7), Grow(cover, -9)), kGold, 0.6f);
    for (const float side : {-1.0f, 1.0f}) {
        const float outer = kSpine + side * 453;
        const Shape page =
            RoundRect(std::min(kSpine, outer), kPageTop, std::max(kSpine, outer), kPageBottom, 5);
        s.Fill(page, [=](float x, float) {
            // Darker towards the spine, where the page curves away.
            const float fromSpine = std::fabs(x - kSpine) / 453;
            return Mix(kPageEdge, kPage, std::clamp(fromSpine * 6, 0.f, 1.f));
        });
        // A second page edge showing under the first.
        s.Fill(Subtract(RoundRect(std::min(kSpine, outer + side * 4), kPageTop + 3,
                                  std::max(kSpine, outer + side * 4), kPageBottom + 3, 5),
                        page),
               kPageEdge);
    }
    s.Fill(Capsule({kSpine, kPageTop + 4}, {kSpine, kPageBottom - 4}, 1.2f), Hex(0x8A6A46), 0.7f);
}

// Lines of handwriting from afar: words of loops and strokes that wander about a line.
void Scribble(Sprite& s, float x0, float x1, float y0, float y1, uint32_t seed) {
    Random random(seed);
    for (float line = y0; line <= y1; line += 26) {
        float x = x0 + (line == y0 ? 24 : 0);
        const float end = x1 - random.Between(0, 60);
        while (x < end) {
            const float length = std::min(random.Between(18, 64), end - x);
            const float phase = random.Between(0, 6.28f);
            // A pen running forward while it circles: loops, as of joined-up letters, with
            // now and then a taller one.
            const auto pen = [&](float u) {
                const float a = u * 0.8f + phase;
                const float tall = std::sin(u * 0.21f + phase) > 0.9f ? 2.0f : 1.0f;
                return Point{x + u - 2.4f * std::sin(a), line - 3.2f * tall * std::cos(a)};
            };
            Point last = pen(0);
            for (float u = 0.7f; u <= length; u += 0.7f) {
                const Point next = pen(u);
                s.Fill(Capsule(last, next, 0.7f), kInk, 0.8f);
                last = next;
            }
            x += length + random.Between(8, 14);
        }
    }
}

// The left page: the road, the hills and the old lantern under the moon, drawn in ink.
void DrawSketch(Sprite& s) {
    const auto line = [&](Point a, Point b) { s.Fill(Capsule(a, b, 0.9f), kInk, 0.85f); };
    std::vector<Point> hills;
    for (float x = 80; x <= 440; x += 6) hills.push_back({x, 250 - 34 * std::sin((x - 80) / 70)});
    for (size_t i = 1; i < hills.size(); ++i) line(hills[i - 1], hills[i]);
    s.Fill(Subtract(Ellipse({370, 110}, 26, 26), Ellipse({370, 110}, 24.5f, 24.5f)), kInk, 0.8f);
    line({200, 300}, {120, 330});
    line({236, 300}, {300, 330});
    // The lantern: post, lamp and roof.
    line({180, 290}, {180, 170});
    s.Fill(Subtract(RoundRect(166, 126, 194, 168, 2), RoundRect(168, 128, 192, 166, 1)), kInk);
    line({160, 126}, {180, 108});
    line({200, 126}, {180, 108});
    line({160, 126}, {200, 126});
    s.Fill(Ellipse({180, 148}, 5, 8), Hex(0xE0A040), 0.8f);
    Scribble(s, 70, 450, 380, 510, 0x1EF7);
}

// A round button on the right page, lit or plain.
void DrawPageButton(Sprite& s, Point at, Icon icon, bool lit) {
    const Shape ring = Ellipse(at, 11, 11);
    s.Fill(ring, lit ? Hex(0x8A3A22) : kPage);
    s.Fill(Subtract(ring, Ellipse(at, 9.6f, 9.6f)), lit ? Hex(0xF2D58A) : kInk);
    s.Fill(IconShape(icon, at, 12), lit ? Hex(0xFFFFFF) : kInk);
}

enum class Lit { None, Left, Right };

Image Page(void (*draw)(Sprite&, Lit), Lit lit) {
    static const Sprite book = [] {
        Sprite s(kWidth, kHeight);
        DrawBook(s);
        return s;
    }();
    Sprite s = book;
    draw(s, lit);
    return s.ToImage();
}

void DrawJournal(Sprite& s, Lit lit) {
    DrawSketch(s);
    Scribble(s, 530, 910, 70, 220, 0x2EF7);
    s.Fill(Capsule({560, 248}, {880, 248}, 0.6f), kGold);
    DrawPageButton(s, kLeftButton, Icon::Floppy, lit == Lit::Left);
    DrawPageButton(s, kRightButton, Icon::Cross, lit == Lit::Right);
    Scribble(s, 530, 910, 350, 510, 0x3EF7);
}

void DrawQuestion(Sprite& s, Lit lit) {
    DrawSketch(s);
    s.Fill(IconShape(Icon::Floppy, {640, 170}, 90), kInk, 0.85f);
    s.Fill(IconShape(Icon::Question, {740, 170}, 90), Hex(0x8A3A22));
    DrawPageButton(s, kLeftButton, Icon::Check, lit == Lit::Left);
    DrawPageButton(s, kRightButton, Icon::Cross, lit == Lit::Right);
}

void DrawSaved(Sprite& s, Lit) {
    DrawSketch(s);
    s.Fill(IconShape(Icon::Floppy, {640, 260}, 110), kInk, 0.85f);
    s.Fill(IconShape(Icon::Check, {760, 262}, 100), Hex(0x3C7A3C));
}

void DrawBlank(Sprite&, Lit) {}

}  // namespace

Image DrawJournalBlank() {
    return Page(DrawBlank, Lit::None);
}
Image DrawJournalPage() {
    return Page(DrawJournal, Lit::None);
}
Image DrawJournalPageSaveLit() {
    return Page(DrawJournal, Lit::Left);
}
Image DrawJournalPageCloseLit() {
    return Page(DrawJournal, Lit::Right);
}
Image DrawJournalQuestion() {
    return Page(DrawQuestion, Lit::None);
}
Image DrawJournalQuestionYesLit() {
    return Page(DrawQuestion, Lit::Left);
}
Image DrawJournalQuestionNoLit() {
    return Page(DrawQuestion, Lit::Right);
}
Image DrawJournalSaved() {
    return Page(DrawSaved, Lit::None);
}

}  // namespace orvane::demo
