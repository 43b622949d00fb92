#include "ui/images.h"

#include <algorithm>
#include <cmath>

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace ui {
namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;

void arrow(QPainter& p, const QRectF& r, bool up) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    const qreal m = r.width() * 0.22;
    QPolygonF tri;
    if (up)
        tri << QPointF(r.left() + m, r.bottom() - m) << QPointF(r.right() - m, r.bottom() - m)
            << QPointF(r.center().x(), r.top() + m);
    else
        tri << QPointF(r.left() + m, r.top() + m) << QPointF(r.right() - m, r.top() + m)
            << QPointF(r.center().x(), r.bottom() - m);
    p.drawPolygon(tri);
}

void frameOf(QPainter& p, const QRectF& r, qreal aspect, const QString& label) {
    // A small screen of the given shape with its ratio written inside.
    const qreal h = std::min(r.height() * 0.8, r.width() / aspect);
    const qreal w = h * aspect;
    const QRectF screen(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
    p.setPen(QPen(QColor(40, 40, 60), 1));
    p.setBrush(QColor(170, 200, 235));
    p.drawRect(screen);
    QFont f = p.font();
    f.setPixelSize(std::max(5, int(h * 0.45)));
    p.setFont(f);
    p.setPen(QColor(20, 20, 40));
    p.drawText(screen, Qt::AlignCenter, label);
}

// Flags are tiny (16 x 12): the bands sit on whole pixels, without smoothing, so the
// colours stay clean instead of bleeding into grey seams.
void flag(QPainter& p, const QRectF& r, const QList<QColor>& bands, bool vertical) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int n = int(bands.size());
    const qreal length = vertical ? r.width() : r.height();
    for (int i = 0; i < n; ++i) {
        const qreal from = std::round(length * i / n), to = std::round(length * (i + 1) / n);
        const QRectF b = vertical ? QRectF(r.left() + from, r.top(), to - from, r.height())
                                  : QRectF(r.left(), r.top() + from, r.width(), to - from);
        p.fillRect(b, bands[i]);
    }
}

// Drawn pixel by pixel at the device's resolution: at 16 x 12 the thin diagonals of the union
// flag only stay recognisable when each pixel takes the colour of the shape its centre lies in.
void unionFlag(QPainter& p, const QRectF& r) {
    const qreal scale = p.device()->devicePixelRatioF();
    const int w = int(std::round(r.width() * scale)), h = int(std::round(r.height() * scale));
    QImage img(w, h, QImage::Format_RGB32);
    const QRgb blue = qRgb(1, 33, 105), red = qRgb(200, 16, 46), white = qRgb(255, 255, 255);
    const qreal diagonal = std::hypot(qreal(w), qreal(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const qreal px = x + 0.5, py = y + 0.5;
            const qreal fromCentre = std::min(std::abs(px - w / 2.0), std::abs(py - h / 2.0));
            // Distance to the nearer of the two corner-to-corner diagonals.
            const qreal slant =
                std::min(std::abs(h * px - w * py), std::abs(h * px - w * (h - py))) / diagonal;
            QRgb c = blue;
            if (fromCentre < h / 12.0)
                c = red;
            else if (fromCentre < h / 6.0)
                c = white;
            else if (h >= 20 && slant < h / 30.0)  // too fine to show at the smallest size
                c = red;
            else if (slant < (h >= 20 ? h / 10.0 : 0.8))
                c = white;
            img.setPixel(x, y, c);
        }
    }
    p.drawImage(r, img);
}

void calculator(QPainter& p, const QRectF& r) {
    const QRectF body =
        r.adjusted(r.width() * 0.18, r.height() * 0.08, -r.width() * 0.18, -r.height() * 0.08);
    p.setPen(QPen(QColor(50, 50, 60), 1));
    p.setBrush(QColor(220, 220, 225));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(150, 190, 150));
    p.drawRect(QRectF(body.left() + 2, body.top() + 2, body.width() - 4, body.height() * 0.25));
    p.setBrush(QColor(90, 90, 100));
    p.setPen(Qt::NoPen);
    const qreal keyW = (body.width() - 4) / 3, keyH = (body.height() * 0.65 - 2) / 3;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(body.left() + 2 + col * keyW + 0.5,
                              body.top() + body.height() * 0.32 + row * keyH + 0.5, keyW - 1,
                              keyH - 1));
}

void gear(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 95));
    const QPointF c = r.center();
    const qreal outer = std::min(r.width(), r.height()) * 0.45, inner = outer * 0.7;
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal rad = (i % 2 == 0) ? outer : inner;
        teeth << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    p.drawPolygon(teeth);
    p.setBrush(QColor(235, 235, 240));
    p.drawEllipse(c, outer * 0.32, outer * 0.32);
}

void copyIcon(QPainter& p, const QRectF& r) {
    const qreal s = std::min(r.width(), r.height()) * 0.55;
    p.setPen(QPen(QColor(50, 50, 70), 1));
    p.setBrush(QColor(245, 245, 250));
    p.drawRect(QRectF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.15, s, s));
    p.setBrush(QColor(210, 225, 245));
    p.drawRect(QRectF(r.right() - r.width() * 0.18 - s, r.bottom() - r.height() * 0.15 - s, s, s));
}

void scissors(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), std::max(1.0, r.width() * 0.08)));
    p.drawLine(QPointF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.1),
               QPointF(r.right() - r.width() * 0.3, r.bottom() - r.height() * 0.35));
    p.drawLine(QPointF(r.right() - r.width() * 0.15, r.top() + r.height() * 0.1),
               QPointF(r.left() + r.width() * 0.3, r.bottom() - r.height() * 0.35));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 40, 40), std::max(1.0, r.width() * 0.1)));
    const qreal ring = r.width() * 0.16;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.22), ring, ring);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.22), ring,
                  ring);
}

void grip(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(40, 40, 40));
    p.setPen(QPen(QColor(200, 200, 200), std::max(1.0, r.width() / 12)));
    for (int i = 1; i <= 3; ++i) {
        const qreal d = r.width() * i / 4;
        p.drawLine(QPointF(r.right() - d, r.bottom()), QPointF(r.right(), r.bottom() - d));
    }
}

void modeButton(QPainter& p, const QRectF& r, int bars) {
    // Stacked bars: how much of the window the next size shows.
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 100, 160));
    const qreal h = (r.height() - 4) / 3;
    for (int i = 0; i < bars; ++i)
        p.drawRect(QRectF(r.left() + 3, r.top() + 2 + i * h + 0.5, r.width() - 6, h - 1));
}

void backdrop(QPainter& p, const QRectF& r, QColor a, QColor b) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
    p.setPen(QPen(b.darker(120), 1));
    for (qreal x = r.left() - r.height(); x < r.right(); x += 12)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
}

// The main window's own backdrop: a dark band to drag the frameless window by, a light body
// and faint rules where the smaller window sizes cut it.
void mainBackdrop(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(236, 238, 241));
    QLinearGradient band(r.topLeft(), QPointF(r.left(), r.top() + 18));
    band.setColorAt(0, QColor(58, 68, 84));
    band.setColorAt(1, QColor(38, 45, 57));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 18), band);
    p.setPen(QPen(QColor(196, 201, 208), 1));
    for (qreal y : {166.5, 279.5})
        if (y < r.bottom()) p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

// The notes keywords' pictures for the preview: a face, two faces, a flame, twelve monkeys.
void face(QPainter& p, const QRectF& r, QColor skin, bool crossed) {
    p.setPen(QPen(Qt::black, std::max(1.0, r.width() / 60)));
    p.setBrush(skin);
    p.drawEllipse(
        r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1));
    const qreal ex = r.width() * 0.32, ey = r.height() * 0.4, d = r.width() * 0.08;
    for (qreal x : {r.left() + ex, r.right() - ex}) {
        if (crossed) {
            p.drawLine(QPointF(x - d, r.top() + ey - d), QPointF(x + d, r.top() + ey + d));
            p.drawLine(QPointF(x - d, r.top() + ey + d), QPointF(x + d, r.top() + ey - d));
        } else {
            p.drawEllipse(QPointF(x, r.top() + ey), d, d);
        }
    }
    p.drawArc(QRectF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.5, r.width() * 0.4,
                     r.height() * 0.2),
              200 * 16, 140 * 16);
}

void dumb(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(255, 236, 140));
    face(p, r, QColor(255, 214, 90), true);
}

void dumber(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(255, 236, 140));
    face(p, QRectF(r.left(), r.top(), r.width() / 2, r.height()), QColor(255, 214, 90), true);
    face(p, QRectF(r.center().x(), r.top(), r.width() / 2, r.height()), QColor(250, 190, 70), true);
}

void flame(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(30, 0, 0));
    QPainterPath path;
    path.moveTo(r.center().x(), r.top() + r.height() * 0.1);
    path.cubicTo(r.right(), r.top() + r.height() * 0.5, r.right() - r.width() * 0.1, r.bottom(),
                 r.center().x(), r.bottom() - r.height() * 0.05);
    path.cubicTo(r.left() + r.width() * 0.1, r.bottom(), r.left(), r.top() + r.height() * 0.5,
                 r.center().x(), r.top() + r.height() * 0.1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 230, 80));
    g.setColorAt(1, QColor(230, 40, 0));
    p.fillPath(path, g);
}

void monkeys(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(40, 70, 40));
    const qreal w = r.width() / 4, h = r.height() / 3;
    for (int i = 0; i < 12; ++i)
        face(p, QRectF(r.left() + (i % 4) * w, r.top() + (i / 4) * h, w, h), QColor(150, 100, 60),
             false);
}

const QHash<QString, Draw>& drawings() {
    static const QHash<QString, Draw> table = {
        {"mainBackdrop", mainBackdrop},
        {"spinUp", [](QPainter& p, const QRectF& r) { arrow(p, r, true); }},
        {"spinDown", [](QPainter& p, const QRectF& r) { arrow(p, r, false); }},
        {"aspect43", [](QPainter& p, const QRectF& r) { frameOf(p, r, 4.0 / 3, "4:3"); }},
        {"aspect169", [](QPainter& p, const QRectF& r) { frameOf(p, r, 16.0 / 9, "16:9"); }},
        {"calculator", calculator},
        {"settings", gear},
        {"copy", copyIcon},
        {"scissors", scissors},
        {"grip", grip},
        {"modeMin", [](QPainter& p, const QRectF& r) { modeButton(p, r, 1); }},
        {"modeMid", [](QPainter& p, const QRectF& r) { modeButton(p, r, 2); }},
        {"modeMax", [](QPainter& p, const QRectF& r) { modeButton(p, r, 3); }},
        {"flagGerman",
         [](QPainter& p, const QRectF& r) {
             flag(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
         }},
        {"flagFrench",
         [](QPainter& p, const QRectF& r) {
             flag(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true);
         }},
        {"flagEnglish", unionFlag},
        {"dumb", dumb},
        {"dumber", dumber},
        {"hot", flame},
        {"tm", monkeys},
        {"ten", [](QPainter& p,
                   const QRectF& r) { backdrop(p, r, QColor(120, 0, 0), QColor(255, 40, 40)); }},
        {"green", [](QPainter& p,
                     const QRectF& r) { backdrop(p, r, QColor(0, 90, 0), QColor(60, 220, 60)); }},
    };
    return table;
}

}  // namespace

QPixmap image(const QString& name, QSize logicalSize, qreal devicePixelRatio) {
    const auto& table = drawings();
    const auto it = table.find(name);
    if (it == table.end() || logicalSize.isEmpty()) return {};
    QPixmap pm(logicalSize * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    (*it)(p, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pm;
}

}  // namespace ui
