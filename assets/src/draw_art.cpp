// SPDX-License-Identifier: GPL-3.0-or-later
// Draws all of Furlox's artwork with QPainter, so the pictures are ours and
// can be regenerated at any time:
//
//   QT_QPA_PLATFORM=offscreen ./draw_art <output-dir>
//
// Every picture is a function of a scale factor; @2x files are painted
// natively at that scale instead of being upscaled.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <vector>

#include <zlib.h>

namespace {

// ---------------------------------------------------------------- helpers

QImage canvas(int w, int h, qreal s, QPainter &p, const QColor &fill = Qt::transparent)
{
    QImage img(qRound(w * s), qRound(h * s), QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    p.begin(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                     | QPainter::SmoothPixmapTransform);
    p.scale(s, s);
    return img;
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QColor &fill,
                  const QColor &line, qreal width)
{
    p.setBrush(fill);
    if (width > 0)
        p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

// A limb as a chain of tapered segments with rounded joints; widths[i] is
// the thickness at pts[i]. Simpler to tune than hand-drawn leg outlines.
QPainterPath limb(const std::vector<QPointF> &pts, const std::vector<qreal> &widths)
{
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF a = pts[i], b = pts[i + 1];
        const QPointF d = b - a;
        const qreal len = std::hypot(d.x(), d.y());
        if (len <= 0)
            continue;
        const QPointF n(-d.y() / len, d.x() / len);
        const qreal wa = widths[i] / 2, wb = widths[i + 1] / 2;
        QPainterPath seg;
        seg.moveTo(a + n * wa);
        seg.lineTo(b + n * wb);
        seg.lineTo(b - n * wb);
        seg.lineTo(a - n * wa);
        seg.closeSubpath();
        out = out.united(seg);
    }
    for (size_t i = 0; i < pts.size(); ++i) {
        QPainterPath joint;
        joint.addEllipse(pts[i], widths[i] / 2, widths[i] / 2);
        out = out.united(joint);
    }
    return out.simplified();
}

// Text as a path centred on a point, so it can be outlined.
QPainterPath textPath(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    path.translate(centre - r.center());
    return path;
}

QFont makeFont(const QString &family, qreal pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// ---------------------------------------------------------------- the horse

// One galloping horse, facing right, in a 100 x 70 box (ground at y = 68).
// All horses in the game share this shape; only the colours change.
struct HorseLook {
    QColor coat;
    QColor farCoat;   // legs on the far side, a shade darker for depth
    QColor mane;
    QColor outline;
    QColor hoof;
    qreal outlineWidth = 2.2;
};

struct Leg {
    std::vector<QPointF> pts;
    std::vector<qreal> widths;
};

// Gallop phase: near fore reaching, far fore folded, near hind pushing off,
// far hind swinging under the belly. All four legs read separately.
const Leg kNearFore{{{66, 41}, {75, 51}, {84, 56}, {88, 61}}, {11, 5.4, 4.2, 3.8}};
const Leg kFarFore{{{61, 42}, {67, 54}, {60, 59}, {56, 57}}, {10, 5.2, 4.0, 3.6}};
const Leg kNearHind{{{32, 38}, {24, 54}, {13, 60}, {8, 63}}, {16, 6.0, 4.2, 3.8}};
const Leg kFarHind{{{37, 41}, {31, 56}, {40, 63}, {44, 66}}, {13, 5.6, 4.2, 3.8}};

QPainterPath horseBody()
{
    QPainterPath body;
    body.moveTo(62, 22); // withers
    body.cubicTo(52, 26, 40, 25, 30, 22);   // back
    body.cubicTo(22, 20, 17, 28, 19, 36);   // rump
    body.cubicTo(20, 42, 25, 47, 31, 49);   // back of the thigh
    body.cubicTo(40, 51, 52, 51, 60, 48);   // belly
    body.cubicTo(66, 47, 71, 44, 73, 38);   // chest
    body.cubicTo(75, 32, 72, 26, 66, 22);
    body.closeSubpath();

    QPainterPath neckHead;
    neckHead.moveTo(58, 28);
    neckHead.lineTo(59, 23);
    neckHead.cubicTo(66, 16, 72, 10, 79, 7);    // crest up to the poll
    neckHead.cubicTo(84, 6, 87, 8, 89, 11);     // forehead
    neckHead.cubicTo(92, 16, 95, 22, 97.5, 27); // face down to the nose
    neckHead.cubicTo(99, 30, 98, 33.5, 95, 33.5); // muzzle
    neckHead.cubicTo(93, 33.5, 91.5, 33, 90, 32); // chin
    neckHead.cubicTo(85, 30, 82, 27, 81, 21);   // jaw and jowl
    neckHead.cubicTo(78, 25, 76, 31, 73, 38);   // throat
    neckHead.lineTo(62, 36);
    neckHead.closeSubpath();

    QPainterPath ear;
    ear.moveTo(78, 9);
    ear.cubicTo(77, 5, 77, 2, 78, -1);
    ear.cubicTo(81, 1, 83, 4, 83, 8);
    ear.closeSubpath();

    QPainterPath all = body.united(neckHead).united(ear);
    all = all.united(limb(kNearFore.pts, kNearFore.widths));
    all = all.united(limb(kNearHind.pts, kNearHind.widths));
    return all.simplified();
}

QPainterPath horseTail()
{
    // streaming out behind in the wind, split into a few strands at the end
    QPainterPath tail;
    tail.moveTo(25, 23);
    tail.cubicTo(19, 16, 11, 14, 2, 16);
    tail.quadTo(7, 19, 8, 21);
    tail.quadTo(4, 22, 0, 25);
    tail.quadTo(6, 26, 8, 27);
    tail.quadTo(5, 29, 3, 32);
    tail.cubicTo(10, 31, 16, 31, 22, 33);
    tail.closeSubpath();
    return tail;
}

QPainterPath horseMane()
{
    // A strip along the crest whose back edge is blown into tufts.
    QPainterPath mane;
    mane.moveTo(80, 7);
    mane.quadTo(75, 3, 70, 4);
    mane.quadTo(73, 6, 74, 9);
    mane.quadTo(68, 7, 63, 10);
    mane.quadTo(67, 12, 68, 14);
    mane.quadTo(62, 13, 57, 16);
    mane.quadTo(61, 18, 62, 19);
    mane.quadTo(57, 19, 53, 23);
    mane.lineTo(60, 24);
    mane.cubicTo(66, 19, 72, 13, 80, 10);
    mane.closeSubpath();
    // forelock over the forehead
    mane.moveTo(82, 7);
    mane.cubicTo(85, 6, 88, 8, 89, 11);
    mane.lineTo(85, 10);
    mane.closeSubpath();
    return mane;
}

QPainterPath hoofAt(const Leg &leg)
{
    // The last segment of each leg is the pastern; cap it with a hoof.
    const QPointF a = leg.pts[leg.pts.size() - 2];
    const QPointF b = leg.pts.back();
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    return limb({b - u * 1.6, b + u * 0.6}, {3.8, 3.8});
}

QPainterPath farEar()
{
    QPainterPath ear;
    ear.moveTo(75, 9);
    ear.cubicTo(73, 6, 73, 3, 74, 0);
    ear.cubicTo(77, 2, 79, 5, 79, 8);
    ear.closeSubpath();
    return ear;
}

// The whole horse as one shape, for small decorative silhouettes.
QPainterPath horseSilhouette()
{
    QPainterPath all = horseBody().united(horseTail()).united(horseMane()).united(farEar());
    all = all.united(limb(kFarFore.pts, kFarFore.widths));
    all = all.united(limb(kFarHind.pts, kFarHind.widths));
    return all.simplified();
}

void paintHorse(QPainter &p, const HorseLook &look)
{
    const qreal w = look.outlineWidth;
    fillOutlined(p, farEar(), look.farCoat, look.outline, w);
    // far side first so the body overlaps it
    fillOutlined(p, limb(kFarFore.pts, kFarFore.widths), look.farCoat, look.outline, w);
    fillOutlined(p, limb(kFarHind.pts, kFarHind.widths), look.farCoat, look.outline, w);
    fillOutlined(p, hoofAt(kFarFore), look.hoof, look.outline, w * 0.6);
    fillOutlined(p, hoofAt(kFarHind), look.hoof, look.outline, w * 0.6);

    fillOutlined(p, horseTail(), look.mane, look.outline, w);
    fillOutlined(p, horseBody(), look.coat, look.outline, w);
    fillOutlined(p, hoofAt(kNearFore), look.hoof, look.outline, w * 0.6);
    fillOutlined(p, hoofAt(kNearHind), look.hoof, look.outline, w * 0.6);
    fillOutlined(p, horseMane(), look.mane, look.outline, w * 0.6);

    // eye and nostril
    p.setPen(Qt::NoPen);
    p.setBrush(look.outline);
    p.drawEllipse(QPointF(86.5, 14), 1.6, 1.6);
    p.drawEllipse(QPointF(95.5, 29), 1.0, 1.0);
}

// A jockey crouched over the withers, in the same box as the horse.
void paintJockey(QPainter &p, const QColor &silk, const QColor &cap, const QColor &outline)
{
    const qreal w = 1.6;
    // breeches and boot
    fillOutlined(p, limb({{50, 14}, {60, 17}, {56, 27}}, {7, 5, 4}), QColor(245, 245, 240), outline, w);
    fillOutlined(p, limb({{57, 24}, {55, 30}}, {4.2, 4}), QColor(30, 30, 30), outline, w);
    // torso, folded forward
    fillOutlined(p, limb({{49, 12}, {58, 7}, {65, 6}}, {9, 9, 8}), silk, outline, w);
    // arm to the reins
    fillOutlined(p, limb({{63, 6}, {70, 12}, {76, 14}}, {4.4, 3.8, 3.4}), silk, outline, w);
    // head and cap
    QPainterPath face;
    face.addEllipse(QPointF(70, 3), 3.6, 3.6);
    fillOutlined(p, face, QColor(240, 200, 160), outline, w);
    QPainterPath helmet;
    helmet.moveTo(66, 3);
    helmet.cubicTo(66, -2, 72, -3, 74, 1);
    helmet.lineTo(77, 2);
    helmet.lineTo(73, 3);
    helmet.closeSubpath();
    fillOutlined(p, helmet, cap, outline, w);
    // reins
    p.setPen(QPen(outline, 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath rein;
    rein.moveTo(76, 14);
    rein.quadTo(86, 24, 92, 31);
    p.drawPath(rein);
}

// ---------------------------------------------------------------- pictures

struct HorseColour {
    QColor background;
    bool darkHorse; // a dark bay reads better on the light backgrounds
};

const HorseColour kHorseColours[6] = {
    {QColor(255, 0, 0), false},     // 1 red
    {QColor(255, 255, 0), true},    // 2 yellow
    {QColor(255, 156, 1), true},    // 3 orange
    {QColor(0, 128, 0), false},     // 4 green
    {QColor(0, 0, 255), false},     // 5 blue
    {QColor(128, 0, 128), false},   // 6 purple
};

HorseLook lookFor(bool dark)
{
    if (dark)
        return {QColor(110, 62, 30), QColor(78, 42, 20), QColor(25, 15, 10),
                QColor(0, 0, 0), QColor(20, 20, 20)};
    return {QColor(250, 250, 250), QColor(200, 200, 200), QColor(120, 120, 125),
            QColor(0, 0, 0), QColor(40, 40, 40)};
}

QImage drawHorseTile(int number, qreal s)
{
    QPainter p;
    const HorseColour &c = kHorseColours[number - 1];
    QImage img = canvas(48, 42, s, p, c.background);
    const qreal k = 0.465;
    p.translate(1.4, 5.8);
    p.scale(k, k);
    paintHorse(p, lookFor(c.darkHorse));

    // saddle-cloth with the horse's number
    QPainterPath cloth;
    const QRectF clothRect(39, 22, 20, 19);
    cloth.addRoundedRect(clothRect, 3, 3);
    fillOutlined(p, cloth, Qt::white, Qt::black, 1.6);
    p.setPen(Qt::black);
    p.setFont(makeFont("DejaVu Sans", 17, true));
    p.drawText(clothRect.adjusted(0, 0.5, 0, 0.5), Qt::AlignCenter, QString::number(number));
    p.end();
    return img;
}

QImage drawTitle(qreal s)
{
    QPainter p;
    QImage img = canvas(450, 300, s, p);

    // sky
    QLinearGradient sky(0, 0, 0, 165);
    sky.setColorAt(0, QColor(58, 120, 200));
    sky.setColorAt(1, QColor(190, 225, 248));
    p.fillRect(QRectF(0, 0, 450, 170), sky);

    // a few soft clouds
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (auto [x, y, r] : {std::tuple{40.0, 132.0, 1.0}, {370.0, 120.0, 1.3}, {250.0, 142.0, 0.8}}) {
        p.drawEllipse(QPointF(x, y), 26 * r, 9 * r);
        p.drawEllipse(QPointF(x - 14 * r, y - 4 * r), 14 * r, 9 * r);
        p.drawEllipse(QPointF(x + 10 * r, y - 7 * r), 15 * r, 11 * r);
    }

    // distant hills
    QPainterPath hills;
    hills.moveTo(0, 160);
    hills.cubicTo(60, 140, 120, 146, 180, 156);
    hills.cubicTo(240, 146, 330, 136, 450, 154);
    hills.lineTo(450, 175);
    hills.lineTo(0, 175);
    hills.closeSubpath();
    p.setBrush(QColor(70, 130, 80));
    p.drawPath(hills);

    // turf with mowing stripes that widen towards the viewer
    QLinearGradient turf(0, 165, 0, 300);
    turf.setColorAt(0, QColor(60, 150, 60));
    turf.setColorAt(1, QColor(30, 110, 35));
    p.fillRect(QRectF(0, 165, 450, 135), turf);
    qreal y = 168, h = 4;
    bool light = true;
    while (y < 300) {
        if (light)
            p.fillRect(QRectF(0, y, 450, h), QColor(255, 255, 255, 22));
        y += h;
        h *= 1.28;
        light = !light;
    }

    // far rail
    auto rail = [&](qreal top, qreal postH, qreal spacing, qreal thick) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(0, top + postH, 450, thick * 0.6)); // shadow
        p.setBrush(Qt::white);
        for (qreal x = 6; x < 450; x += spacing)
            p.drawRect(QRectF(x, top, thick * 0.9, postH));
        p.drawRect(QRectF(0, top, 450, thick));
        p.drawRect(QRectF(0, top + postH * 0.5, 450, thick * 0.8));
    };
    rail(164, 12, 28, 2.5);

    // two horses in full gallop, the far one a little ahead
    struct Runner { qreal x, y, k; QColor silk, cap; bool dark; };
    const Runner runners[] = {
        {215, 168, 1.25, QColor(230, 30, 40), QColor(255, 220, 0), false},
        {62, 178, 1.5, QColor(30, 70, 200), QColor(255, 255, 255), true},
    };
    for (const Runner &r : runners) {
        // shadow on the turf
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 40, 0, 70));
        p.drawEllipse(QPointF(r.x + 50 * r.k, r.y + 67 * r.k), 42 * r.k, 4 * r.k);
        p.save();
        p.translate(r.x, r.y);
        p.scale(r.k, r.k);
        // a dark bay and a lighter chestnut; thinner lines at this size
        HorseLook look = r.dark ? lookFor(true)
                                : HorseLook{QColor(150, 95, 55), QColor(115, 70, 40),
                                            QColor(40, 25, 15), QColor(), QColor(30, 30, 30)};
        look.outlineWidth = 1.4;
        look.outline = QColor(20, 12, 6);
        paintHorse(p, look);
        paintJockey(p, r.silk, r.cap, QColor(20, 12, 6));
        p.restore();
    }

    // near rail, in front of the horses
    rail(285, 16, 60, 4);

    // title
    const QPainterPath title =
        textPath(QStringLiteral("Furlox"), makeFont("DejaVu Serif", 78, true), QPointF(225, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(title.translated(3, 4));
    QLinearGradient gold(0, 25, 0, 95);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.5, QColor(240, 180, 30));
    gold.setColorAt(1, QColor(190, 120, 10));
    p.setPen(QPen(QColor(70, 35, 5), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(title);

    const QFont small = makeFont("DejaVu Sans", 14, true);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 140));
    p.drawText(QRectF(1, 106, 450, 20), Qt::AlignCenter, QStringLiteral("Version 3.1"));
    p.setPen(QColor(15, 35, 85));
    p.drawText(QRectF(0, 105, 450, 20), Qt::AlignCenter, QStringLiteral("Version 3.1"));
    p.end();
    return img;
}

// A waving chequered flag whose pole is at x0; dir = +1 flies right, -1 left.
void paintFlag(QPainter &p, qreal x0, qreal top, int dir)
{
    const int cols = 5, rows = 4;
    const qreal cw = 5.2, ch = 4.4;
    auto pt = [&](int c, int r) {
        const qreal x = c * cw;
        const qreal wave = 1.6 * std::sin(x * 0.22) * (x / (cols * cw));
        return QPointF(x0 + dir * (x + 1.5), top + 2 + r * ch + wave);
    };
    // white cloth first, then only the black squares, so no seams show
    QPolygonF edge;
    for (int c = 0; c <= cols; ++c) edge << pt(c, 0);
    for (int c = cols; c >= 0; --c) edge << pt(c, rows);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(edge);
    p.setBrush(QColor(20, 20, 20));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if ((r + c) % 2)
                p.drawPolygon(QPolygonF{pt(c, r), pt(c + 1, r), pt(c + 1, r + 1), pt(c, r + 1)});
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(edge);
    // pole with a gold knob
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(x0 - 0.9, top, 1.8, 27));
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(x0, top), 1.8, 1.8);
}

QImage drawBanner(qreal s)
{
    QPainter p;
    QImage img = canvas(543, 33, s, p);
    QLinearGradient bg(0, 0, 0, 33);
    bg.setColorAt(0, QColor(20, 110, 50));
    bg.setColorAt(1, QColor(8, 70, 30));
    p.fillRect(QRectF(0, 0, 543, 33), bg);
    p.fillRect(QRectF(0, 1, 543, 1.5), QColor(230, 185, 60));
    p.fillRect(QRectF(0, 30.5, 543, 1.5), QColor(230, 185, 60));

    paintFlag(p, 8, 4, +1);
    paintFlag(p, 543 - 8, 4, -1);
    paintFlag(p, 44, 4, +1);
    paintFlag(p, 543 - 44, 4, -1);

    // a small gold horse either side of the name
    const QPainterPath runner = horseSilhouette();
    p.setPen(QPen(QColor(30, 20, 0), 2.5));
    p.setBrush(QColor(235, 190, 70));
    for (qreal x : {128.0, 382.0}) {
        p.save();
        p.translate(x, 4.5);
        p.scale(0.34, 0.34);
        p.drawPath(runner);
        p.restore();
    }

    const QPainterPath text = textPath(QStringLiteral("Furlox Racing"),
                                       makeFont("DejaVu Serif", 21, true), QPointF(271.5, 16.5));
    p.setPen(QPen(QColor(30, 20, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 80));
    p.drawPath(text);
    p.end();
    return img;
}

// ---------------------------------------------------------------- horse head

// A horse's head and neck in profile, facing right, in a 100 x 100 box.
QPainterPath headPath()
{
    QPainterPath h;
    h.moveTo(20, 100);
    h.cubicTo(20, 72, 28, 44, 44, 24);   // back of the neck
    h.cubicTo(46, 20, 49, 18, 52, 17);   // poll
    h.cubicTo(60, 17, 66, 24, 71, 32);   // forehead
    h.cubicTo(77, 42, 84, 53, 89, 62);   // straight face down to the nose
    h.cubicTo(92, 68, 90, 74, 85, 75);   // nose and upper lip
    h.cubicTo(83, 75, 81, 74, 79, 75);   // corner of the mouth
    h.cubicTo(77, 78, 72, 78, 70, 75);   // chin
    h.cubicTo(66, 71, 62, 67, 58, 64);   // jaw
    h.cubicTo(52, 60, 46, 62, 47, 69);   // round of the cheek
    h.cubicTo(49, 78, 54, 90, 58, 100);  // throat
    h.closeSubpath();
    return h;
}

QPainterPath headEar(QPointF base, qreal lean)
{
    QPainterPath e;
    e.moveTo(base);
    e.cubicTo(base + QPointF(-2, -8), base + QPointF(lean - 1, -14), base + QPointF(lean + 2, -18));
    e.cubicTo(base + QPointF(lean + 6, -13), base + QPointF(9, -6), base + QPointF(8, 1));
    e.closeSubpath();
    return e;
}

QPainterPath headMane()
{
    // locks blown back from the crest
    QPainterPath m;
    m.moveTo(48, 20);
    m.quadTo(38, 17, 31, 22);
    m.quadTo(36, 25, 38, 28);
    m.quadTo(30, 28, 24, 35);
    m.quadTo(30, 37, 32, 40);
    m.quadTo(23, 42, 18, 51);
    m.quadTo(24, 52, 27, 55);
    m.quadTo(19, 59, 15, 68);
    m.quadTo(21, 68, 23, 71);
    m.quadTo(17, 76, 15, 84);
    m.lineTo(21, 84);
    m.cubicTo(22, 62, 30, 40, 47, 24);
    m.closeSubpath();
    // forelock between the ears
    m.moveTo(49, 18);
    m.cubicTo(55, 16, 61, 21, 62, 30);
    m.quadTo(58, 26, 55, 27);
    m.quadTo(54, 23, 49, 22);
    m.closeSubpath();
    return m;
}

void paintHead(QPainter &p, const QColor &coat, const QColor &mane, const QColor &line, qreal w)
{
    fillOutlined(p, headEar(QPointF(44, 22), -3), coat.darker(125), line, w);
    fillOutlined(p, headPath(), coat, line, w);
    fillOutlined(p, headEar(QPointF(50, 19), 1), coat, line, w);
    fillOutlined(p, headMane(), mane, line, w * 0.7);
    // racing bridle: cheek strap and noseband
    p.setPen(QPen(QColor(200, 30, 40), w * 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath bridle;
    bridle.moveTo(53, 22);
    bridle.cubicTo(56, 38, 60, 52, 66, 64);
    bridle.moveTo(84, 56);
    bridle.cubicTo(78, 60, 72, 64, 66, 68);
    p.drawPath(bridle);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(65, 36), 3.2, 3.8);   // eye
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(66, 34.5), 1.0, 1.0); // highlight
    p.setBrush(line);
    p.drawEllipse(QPointF(84, 65), 2.2, 2.8);   // nostril
    p.setPen(QPen(line, w * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(79, 75), QPointF(84, 73)); // mouth
}

QImage drawAbout(qreal s)
{
    QPainter p;
    QImage img = canvas(32, 32, s, p);
    QRadialGradient bg(QPointF(12, 10), 22);
    bg.setColorAt(0, QColor(40, 150, 70));
    bg.setColorAt(1, QColor(10, 80, 35));
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 15, 15);
    p.setBrush(bg);
    p.setPen(QPen(QColor(230, 180, 50), 1.6));
    p.drawPath(disc);

    p.save();
    p.setClipPath(disc);
    p.translate(4, 3);
    p.scale(0.27, 0.27);
    paintHead(p, QColor(250, 250, 250), QColor(110, 110, 115), QColor(20, 20, 20), 4.5);
    p.restore();
    p.end();
    return img;
}

QImage drawIcon(qreal s)
{
    // Base size is 64; the 256 px icon is the same drawing at 4x.
    QPainter p;
    QImage img = canvas(64, 64, s, p);
    QLinearGradient bg(0, 0, 0, 64);
    bg.setColorAt(0, QColor(36, 140, 66));
    bg.setColorAt(1, QColor(10, 78, 34));
    QPainterPath square;
    square.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(bg);
    p.setPen(QPen(QColor(8, 50, 22), 1.5));
    p.drawPath(square);

    // horseshoe, open end up for luck
    QPainterPath shoe;
    shoe.moveTo(14, 10);
    shoe.cubicTo(4, 28, 8, 56, 32, 57);
    shoe.cubicTo(56, 56, 60, 28, 50, 10);
    QPainterPathStroker st;
    st.setWidth(7);
    st.setCapStyle(Qt::FlatCap);
    QPainterPath shoeBand = st.createStroke(shoe);
    QLinearGradient gold(0, 10, 0, 58);
    gold.setColorAt(0, QColor(255, 230, 130));
    gold.setColorAt(1, QColor(200, 130, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 5), 1.1));
    p.drawPath(shoeBand);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 5));
    for (qreal t : {0.12, 0.27, 0.73, 0.88})
        p.drawEllipse(shoe.pointAtPercent(t), 0.9, 0.9);

    p.save();
    p.setClipPath(square);
    p.translate(13, 11);
    p.scale(0.5, 0.5);
    paintHead(p, QColor(250, 250, 250), QColor(110, 110, 115), QColor(20, 20, 20), 3);
    p.restore();
    p.end();
    return img;
}

// The splash is decoded before the game's first window can appear, so it is
// written for the quickest decoding instead of through QImage::save: 8-bit
// RGB (it is opaque) with no row filtered, so the decoder has no filter to
// undo, deflated at the highest level. With the drawing's flat colours this
// is smaller than Qt's own encoding too, and decodes in about a third of the
// instructions. The pixels are the same.
bool saveUnfiltered(const QString &path, const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255)
                return false;
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    const int stride = rgb.width() * 3;
    QByteArray rows;
    rows.reserve((stride + 1) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        rows.append('\0');  // filter type None
        rows.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), stride);
    }
    uLongf size = compressBound(uLong(rows.size()));
    QByteArray deflated(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(deflated.data()), &size,
                  reinterpret_cast<const Bytef *>(rows.constData()), uLong(rows.size()), 9) != Z_OK)
        return false;
    deflated.resize(qsizetype(size));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    auto be32 = [](QByteArray &out, quint32 v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.append(char((v >> shift) & 0xff));
    };
    auto chunk = [&](const char *type, const QByteArray &data) {
        be32(png, quint32(data.size()));
        const QByteArray typed = QByteArray(type, 4) + data;
        png += typed;
        be32(png, quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))));
    };
    QByteArray header;
    be32(header, quint32(rgb.width()));
    be32(header, quint32(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, no interlace
    chunk("IHDR", header);
    QByteArray density;  // as QImage::save writes it
    be32(density, quint32(img.dotsPerMeterX()));
    be32(density, quint32(img.dotsPerMeterY()));
    density.append('\x01');  // per metre
    chunk("pHYs", density);
    chunk("IDAT", deflated);
    chunk("IEND", QByteArray());

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: draw_art <output-dir>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }

    bool ok = true;
    auto save = [&](const QString &name, const QImage &img) {
        const QString path = out.filePath(name);
        if (!img.save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            ok = false;
        }
    };
    auto both = [&](const QString &stem, const std::function<QImage(qreal)> &draw) {
        save(stem + ".png", draw(1));
        save(stem + "@2x.png", draw(2));
    };
    for (const auto &[name, scale] : {std::pair{"title.png", 1}, std::pair{"title@2x.png", 2}}) {
        if (!saveUnfiltered(out.filePath(name), drawTitle(scale))) {
            QTextStream(stderr) << "cannot write " << out.filePath(name) << "\n";
            ok = false;
        }
    }

    both("banner", drawBanner);
    for (int n = 1; n <= 6; ++n)
        both(QString("horse%1").arg(n), [n](qreal s) { return drawHorseTile(n, s); });
    both("about", drawAbout);
    save("furlox.png", drawIcon(4));
    both("furlox-64", drawIcon);
    return ok ? 0 : 1;
}
