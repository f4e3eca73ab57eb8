// Draws Vantrel's artwork with QPainter and writes it as PNG files:
//   splash.png (397 x 359), about1..3.png (218 x 197), icon.png (64 x 64), icon-256.png,
//   biped.png (160 x 300) and quad.png (300 x 200), the last two on a transparent background.
// Usage: artgen <output folder>
// Everything is drawn from code with fixed random seeds, so the output is the same on every run.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------------------------------------
// Geometry helpers

QPointF Lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

double Length(QPointF v) { return std::hypot(v.x(), v.y()); }

QPointF Unit(QPointF v) {
    const double l = Length(v);
    return l > 0 ? v / l : QPointF(0, 1);
}

QPointF Normal(QPointF v) {
    const QPointF u = Unit(v);
    return {-u.y(), u.x()};
}

QPainterPath MirrorPath(const QPainterPath& path) { return QTransform::fromScale(-1, 1).map(path); }

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A tapered bar from a to b with rounded ends.
QPainterPath Capsule(QPointF a, QPointF b, double wa, double wb) {
    const QPointF n = Normal(b - a);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(QPolygonF({a + n * wa / 2, b + n * wb / 2, b - n * wb / 2, a - n * wa / 2}));
    path.closeSubpath();
    path.addEllipse(a, wa / 2, wa / 2);
    path.addEllipse(b, wb / 2, wb / 2);
    return path.simplified();
}

// A tapered bar with square ends, for plates strapped along a limb.
QPainterPath Bar(QPointF a, QPointF b, double wa, double wb) {
    const QPointF n = Normal(b - a);
    return Polygon({a + n * wa / 2, b + n * wb / 2, b - n * wb / 2, a - n * wa / 2});
}

// ---------------------------------------------------------------------------------------------------------
// Colour schemes and shading

struct Scheme {
    QColor armor;  // main plates
    QColor under;  // joints and the body suit underneath
    QColor trim;   // stripes and markings
    QColor visor;  // visor glow
    QColor line;   // outlines
    double lineWidth = 1.4;
    bool silhouette = false;  // everything one flat colour (with a rim light)
    QColor flat;
    QColor rim;
};

// A plate lit from the upper left: light edge, body colour, dark lower edge.
void Plate(QPainter& p, const Scheme& s, const QPainterPath& path, const QColor& base) {
    if (s.silhouette) {
        p.setPen(QPen(s.flat, s.lineWidth));
        p.setBrush(s.flat);
        p.drawPath(path);
        return;
    }
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), QPointF(r.left() + r.width() * 0.6, r.bottom()));
    g.setColorAt(0.0, base.lighter(165));
    g.setColorAt(0.35, base.lighter(115));
    g.setColorAt(0.7, base);
    g.setColorAt(1.0, base.darker(175));
    p.setPen(QPen(s.line, s.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
}

// A limb part shaded across its width like a cylinder.
void Cylinder(QPainter& p, const Scheme& s, QPointF a, QPointF b, double wa, double wb, const QColor& base,
              bool rounded = true) {
    const QPainterPath path = rounded ? Capsule(a, b, wa, wb) : Bar(a, b, wa, wb);
    if (s.silhouette) {
        Plate(p, s, path, base);
        return;
    }
    const QPointF n = Normal(b - a);
    const double w = std::max(wa, wb) / 2;
    const QPointF m = Lerp(a, b, 0.5);
    // Light comes from the upper left: choose the side of the normal that faces it.
    const QPointF lit = (n.x() * -0.7 + n.y() * -0.7) > 0 ? n : -n;
    QLinearGradient g(m + lit * w, m - lit * w);
    g.setColorAt(0.0, base.darker(120));
    g.setColorAt(0.2, base.lighter(170));
    g.setColorAt(0.45, base.lighter(110));
    g.setColorAt(1.0, base.darker(210));
    p.setPen(QPen(s.line, s.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
}

// Thin detail line (panel seams, vents); nothing in silhouette mode.
void Seam(QPainter& p, const Scheme& s, const QPainterPath& path, double width = 0.8, int alpha = 150) {
    if (s.silhouette) return;
    QColor c = s.line;
    c.setAlpha(alpha);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Highlight(QPainter& p, const Scheme& s, const QPainterPath& path, double width = 1.2, int alpha = 110) {
    if (s.silhouette) return;
    p.setPen(QPen(QColor(255, 255, 255, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Glow(QPainter& p, QPointF c, double r, const QColor& color, double strength = 1.0) {
    QRadialGradient g(c, r);
    QColor inner = color;
    inner.setAlphaF(std::min(1.0, 0.85 * strength));
    QColor mid = color;
    mid.setAlphaF(0.35 * strength);
    QColor outer = color;
    outer.setAlpha(0);
    g.setColorAt(0.0, inner);
    g.setColorAt(0.35, mid);
    g.setColorAt(1.0, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A jump-jet plume pointing from the nozzle in the given direction.
void Flame(QPainter& p, QPointF nozzle, QPointF dir, double width, double length) {
    const QPointF u = Unit(dir);
    const QPointF n = Normal(dir);
    const QPointF tip = nozzle + u * length;
    QPainterPath outer;
    outer.moveTo(nozzle + n * width / 2);
    outer.cubicTo(nozzle + n * width * 0.75 + u * length * 0.35, tip + n * width * 0.15, tip);
    outer.cubicTo(tip - n * width * 0.15, nozzle - n * width * 0.75 + u * length * 0.35,
                  nozzle - n * width / 2);
    outer.closeSubpath();
    QLinearGradient g(nozzle, tip);
    g.setColorAt(0.0, QColor(255, 250, 220, 250));
    g.setColorAt(0.25, QColor(255, 200, 80, 230));
    g.setColorAt(0.6, QColor(255, 110, 20, 170));
    g.setColorAt(1.0, QColor(200, 40, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(outer);
    QPainterPath core;
    const QPointF coreTip = nozzle + u * length * 0.45;
    core.moveTo(nozzle + n * width * 0.3);
    core.quadTo(nozzle + n * width * 0.3 + u * length * 0.2, coreTip);
    core.quadTo(nozzle - n * width * 0.3 + u * length * 0.2, nozzle - n * width * 0.3);
    core.closeSubpath();
    p.setBrush(QColor(255, 255, 240, 230));
    p.drawPath(core);
    Glow(p, nozzle + u * width * 0.3, width * 1.6, QColor(255, 170, 60), 0.7);
}

// ---------------------------------------------------------------------------------------------------------
// The humanoid suit, front view, about 200 units tall (helmet top near y 0, soles at y 200), centred on x 0.
// "Left" and "right" are as the viewer sees them.

struct Pose {
    QPointF shoulderL{-33, 54}, shoulderR{33, 54};
    QPointF elbowL{-45, 88}, elbowR{45, 88};
    QPointF handL{-49, 122}, handR{49, 122};
    QPointF hipL{-14, 114}, hipR{14, 114};
    QPointF kneeL{-21, 152}, kneeR{21, 152};
    QPointF ankleL{-26, 186}, ankleR{26, 186};
    double headTilt = 0;  // degrees
    bool gunLeft = true;  // arm-mounted weapon on the left arm, battle claw on the right
    bool jets = false;    // plumes from the jump-jet nozzles
};

void DrawJetPack(QPainter& p, const Scheme& s) {
    // Two thruster pods behind the shoulders, their tops above the shoulder line, nozzles under the arms.
    for (int side : {-1, 1}) {
        const double x = 24 * side;
        QPainterPath pod;
        pod.addRoundedRect(QRectF(x - 9, 30, 18, 70), 7, 7);
        Plate(p, s, pod, s.under.lighter(130));
        Seam(p, s, Polygon({QPointF(x - 5, 36), QPointF(x + 5, 36), QPointF(x + 5, 40), QPointF(x - 5, 40)}));
        Seam(p, s, Polygon({QPointF(x - 5, 43), QPointF(x + 5, 43), QPointF(x + 5, 47), QPointF(x - 5, 47)}));
        // Nozzle bell.
        const QPointF top(38 * side, 98);
        QPainterPath bell = Polygon(
            {top + QPointF(-5, 0), top + QPointF(5, 0), top + QPointF(7.5, 12), top + QPointF(-7.5, 12)});
        Plate(p, s, bell, QColor(90, 90, 95));
        if (!s.silhouette) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 30, 30));
            p.drawEllipse(QRectF(top.x() - 7, top.y() + 10, 14, 4));
        }
    }
}

void DrawJets(QPainter& p, const Pose& pose) {
    if (!pose.jets) return;
    for (int side : {-1, 1}) Flame(p, QPointF(39 * side, 110), QPointF(0.18 * side, 1), 15, 80);
}

void DrawLeg(QPainter& p, const Scheme& s, QPointF hip, QPointF knee, QPointF ankle, int side) {
    Cylinder(p, s, hip, knee, 22, 18, s.under);
    // Thigh plate.
    const QPointF thighTop = Lerp(hip, knee, 0.12), thighBottom = Lerp(hip, knee, 0.8);
    Plate(p, s, Capsule(thighTop, thighBottom, 24, 18), s.armor);
    Cylinder(p, s, knee, ankle, 17, 14, s.under);
    // Shin guard, wider at the top.
    const QPointF shinTop = Lerp(knee, ankle, 0.15), shinBottom = Lerp(knee, ankle, 0.92);
    const QPainterPath shin = Bar(shinTop, shinBottom, 24, 17);
    Plate(p, s, shin, s.armor);
    Seam(p, s, Bar(Lerp(shinTop, shinBottom, 0.55), shinBottom, 9, 7));
    // Boot.
    const double bx = ankle.x() + 3 * side;
    const QPainterPath boot =
        Polygon({QPointF(bx - 10, ankle.y() - 2), QPointF(bx + 10, ankle.y() - 2), QPointF(bx + 14, 196),
                 QPointF(bx + 15 + 2 * side, 200), QPointF(bx - 15 + 2 * side, 200), QPointF(bx - 14, 196)});
    Plate(p, s, boot, s.armor.darker(120));
    Seam(p, s, Polygon({QPointF(bx - 12, 196), QPointF(bx + 12, 196)}));
    // Knee cop.
    QPainterPath kneeCop;
    kneeCop.addRoundedRect(QRectF(knee.x() - 10, knee.y() - 9, 20, 18), 6, 6);
    Plate(p, s, kneeCop, s.armor.lighter(105));
    Seam(p, s, Polygon({knee + QPointF(-5, -2), knee + QPointF(0, 3), knee + QPointF(5, -2)}));
}

QPainterPath Pauldron(int side) {
    QPainterPath path;
    path.moveTo(20, 46);
    path.cubicTo(26, 33, 45, 32, 51, 47);
    path.lineTo(50, 62);
    path.quadTo(38, 67, 25, 62);
    path.closeSubpath();
    return side < 0 ? MirrorPath(path) : path;
}

void DrawTorso(QPainter& p, const Scheme& s) {
    // Body suit under the plates: neck and waist.
    Plate(p, s, Polygon({QPointF(-10, 36), QPointF(10, 36), QPointF(12, 48), QPointF(-12, 48)}), s.under);
    Plate(p, s, Polygon({QPointF(-16, 92), QPointF(16, 92), QPointF(18, 116), QPointF(-18, 116)}), s.under);
    // Abdomen bands.
    for (int i = 0; i < 3; ++i) {
        const double y = 90 + i * 7.0;
        const double w = 15 - i * 0.8;
        QPainterPath band;
        band.addRoundedRect(QRectF(-w, y, 2 * w, 7.5), 2.5, 2.5);
        Plate(p, s, band, s.armor.darker(112));
    }
    // Chest.
    QPainterPath chest;
    chest.moveTo(-24, 44);
    chest.lineTo(24, 44);
    chest.lineTo(31, 58);
    chest.lineTo(27, 80);
    chest.lineTo(15, 93);
    chest.lineTo(-15, 93);
    chest.lineTo(-27, 80);
    chest.lineTo(-31, 58);
    chest.closeSubpath();
    Plate(p, s, chest, s.armor);
    // Pectoral plates split by a ridge, with a stripe.
    Seam(p, s, Polygon({QPointF(0, 46), QPointF(0, 92)}), 1.0);
    Seam(p, s, Polygon({QPointF(-27, 72), QPointF(-3, 80), QPointF(3, 80), QPointF(27, 72)}), 0.9);
    Highlight(p, s, Polygon({QPointF(-22, 47), QPointF(-29, 58)}), 1.4, 120);
    if (!s.silhouette) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.trim);
        p.drawPath(Polygon({QPointF(-21, 50), QPointF(-5, 50), QPointF(-7, 56), QPointF(-23, 56)}));
        p.drawPath(Polygon({QPointF(21, 50), QPointF(5, 50), QPointF(7, 56), QPointF(23, 56)}));
        // Status lamps.
        Glow(p, QPointF(-14, 84), 3.5, s.visor, 0.9);
        Glow(p, QPointF(14, 84), 3.5, s.visor, 0.9);
    }
    // Belt and hip guards.
    QPainterPath belt;
    belt.addRoundedRect(QRectF(-20, 110, 40, 8), 3, 3);
    Plate(p, s, belt, s.under.lighter(140));
    Plate(p, s, Polygon({QPointF(-9, 116), QPointF(9, 116), QPointF(6, 130), QPointF(-6, 130)}), s.armor);
    for (int side : {-1, 1}) {
        QPainterPath guard =
            Polygon({QPointF(12, 114), QPointF(27, 112), QPointF(29, 130), QPointF(16, 133)});
        if (side < 0) guard = MirrorPath(guard);
        Plate(p, s, guard, s.armor.darker(108));
    }
}

void DrawHelmet(QPainter& p, const Scheme& s, double tilt, bool antenna = true) {
    p.save();
    p.translate(0, 40);
    p.rotate(tilt);
    p.translate(0, -40);
    QPainterPath dome;
    dome.moveTo(-12, 42);
    dome.cubicTo(-20, 34, -21, 18, -19, 12);
    dome.cubicTo(-16, 0, 16, 0, 19, 12);
    dome.cubicTo(21, 18, 20, 34, 12, 42);
    dome.closeSubpath();
    Plate(p, s, dome, s.armor);
    // Crest ridge.
    Plate(p, s, Polygon({QPointF(-3, 1.5), QPointF(3, 1.5), QPointF(2, 14), QPointF(-2, 14)}),
          s.armor.lighter(110));
    // Cheek plates.
    Plate(p, s,
          Polygon({QPointF(-19, 24), QPointF(-9, 28), QPointF(-7, 40), QPointF(-13, 41), QPointF(-20, 33)}),
          s.armor.darker(115));
    Plate(p, s, Polygon({QPointF(19, 24), QPointF(9, 28), QPointF(7, 40), QPointF(13, 41), QPointF(20, 33)}),
          s.armor.darker(115));
    // Visor: a glowing T.
    QPainterPath visor;
    visor.setFillRule(Qt::WindingFill);
    visor.addRoundedRect(QRectF(-15, 16, 30, 7), 2.5, 2.5);
    visor.addRect(QRectF(-2.6, 20, 5.2, 13));
    visor = visor.simplified();
    if (s.silhouette) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.rim.isValid() ? s.rim : s.visor);
        p.drawPath(visor);
    } else {
        QLinearGradient g(0, 16, 0, 33);
        g.setColorAt(0.0, s.visor.lighter(170));
        g.setColorAt(0.4, s.visor);
        g.setColorAt(1.0, s.visor.darker(200));
        p.setPen(QPen(QColor(10, 10, 15), 1.2));
        p.setBrush(g);
        p.drawPath(visor);
        Glow(p, QPointF(-8, 19.5), 9, s.visor, 0.55);
        Glow(p, QPointF(8, 19.5), 9, s.visor, 0.55);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawLine(QPointF(-12, 17.8), QPointF(-3, 17.8));
        // Breathing grille.
        for (int i = 0; i < 3; ++i)
            Seam(p, s, Polygon({QPointF(-5, 35.5 + i * 2), QPointF(5, 35.5 + i * 2)}), 0.7);
        Highlight(
            p, s,
            [] {
                QPainterPath h;
                h.moveTo(-15, 12);
                h.cubicTo(-13, 5, -6, 3, -2, 3);
                return h;
            }(),
            1.6, 150);
    }
    // Antenna.
    if (!antenna) {
    } else if (!s.silhouette) {
        p.setPen(QPen(s.line, 1.2));
        p.drawLine(QPointF(17, 14), QPointF(22, -8));
        Glow(p, QPointF(22, -8), 2.5, QColor(255, 60, 40), 1.0);
    } else {
        p.setPen(QPen(s.flat, 1.2));
        p.drawLine(QPointF(17, 14), QPointF(22, -8));
    }
    p.restore();
}

void DrawGun(QPainter& p, const Scheme& s, QPointF elbow, QPointF hand) {
    const QPointF u = Unit(hand - elbow);
    const QPointF n = Normal(hand - elbow);
    const QPointF side = (n.x() < 0 ? n : -n);  // mounted on the outer side
    const QPointF a = Lerp(elbow, hand, 0.15) + side * 7, b = hand + u * 4 + side * 7;
    Plate(p, s, Bar(a, b, 11, 11), QColor(70, 72, 78));
    Seam(p, s, Bar(Lerp(a, b, 0.2), Lerp(a, b, 0.45), 7, 7));
    // Barrel and muzzle.
    const QPointF muzzle = b + u * 22;
    Cylinder(p, s, b, muzzle, 4.5, 4.5, QColor(60, 60, 66), false);
    Plate(p, s, Bar(muzzle - u * 3, muzzle + u * 2, 7, 7), QColor(50, 50, 55));
}

void DrawClaw(QPainter& p, const Scheme& s, QPointF wrist, QPointF dir) {
    const QPointF u = Unit(dir);
    const QPointF n = Normal(dir);
    for (int f = -1; f <= 1; ++f) {
        const QPointF base = wrist + n * (f * 4.5);
        const QPointF mid = base + u * 8 + n * (f * 2.5);
        const QPointF tip = mid + u * 6 - n * (f * 2.0);
        Cylinder(p, s, base, mid, 4.2, 3.6, s.under.lighter(150));
        Cylinder(p, s, mid, tip, 3.6, 1.8, s.under.lighter(170));
    }
}

void DrawArm(QPainter& p, const Scheme& s, QPointF shoulder, QPointF elbow, QPointF hand, bool gun) {
    Cylinder(p, s, shoulder, elbow, 15, 13, s.under);
    Plate(p, s, Capsule(Lerp(shoulder, elbow, 0.25), Lerp(shoulder, elbow, 0.85), 15, 13),
          s.armor.darker(105));
    // Elbow joint.
    p.setPen(QPen(s.silhouette ? s.flat : s.line, s.lineWidth));
    if (s.silhouette) {
        p.setBrush(s.flat);
    } else {
        QRadialGradient g(elbow - QPointF(2, 2), 8);
        g.setColorAt(0, s.under.lighter(200));
        g.setColorAt(1, s.under.darker(150));
        p.setBrush(g);
    }
    p.drawEllipse(elbow, 6.5, 6.5);
    // Gauntlet.
    const QPointF wrist = Lerp(elbow, hand, 0.95);
    Cylinder(p, s, Lerp(elbow, hand, 0.1), wrist, 19, 16, s.armor);
    Seam(p, s, Bar(Lerp(elbow, hand, 0.55), Lerp(elbow, hand, 0.6), 15, 15), 0.7);
    if (gun) {
        DrawGun(p, s, elbow, hand);
    } else {
        DrawClaw(p, s, wrist + Unit(hand - elbow) * 3, hand - elbow);
    }
}

void DrawBiped(QPainter& p, const Scheme& s, const Pose& pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    DrawJetPack(p, s);
    DrawLeg(p, s, pose.hipL, pose.kneeL, pose.ankleL, -1);
    DrawLeg(p, s, pose.hipR, pose.kneeR, pose.ankleR, 1);
    // The plumes come from behind but spread wider than the legs.
    DrawJets(p, pose);
    DrawTorso(p, s);
    DrawArm(p, s, pose.shoulderL, pose.elbowL, pose.handL, pose.gunLeft);
    DrawArm(p, s, pose.shoulderR, pose.elbowR, pose.handR, !pose.gunLeft);
    for (int side : {-1, 1}) {
        const QPainterPath pauldron = Pauldron(side);
        Plate(p, s, pauldron, s.armor.lighter(108));
        if (!s.silhouette) {
            // Unit stripe on the pauldron.
            QPainterPath stripe =
                Polygon({QPointF(33, 36), QPointF(39, 35.5), QPointF(41, 63), QPointF(35, 64.5)});
            if (side < 0) stripe = MirrorPath(stripe);
            p.setPen(Qt::NoPen);
            p.setBrush(s.trim);
            p.drawPath(stripe.intersected(pauldron));
            Seam(p, s, pauldron, 1.0, 230);
        }
    }
    DrawHelmet(p, s, pose.headTilt);
    p.restore();
}

// Poses.

Pose StandingPose() { return Pose{}; }

// Weapon raised beside the helmet, claw arm low and ready.
Pose HeroPose() {
    Pose pose;
    pose.elbowL = {-55, 86};
    pose.handL = {-53, 52};
    pose.elbowR = {47, 90};
    pose.handR = {55, 120};
    pose.kneeL = {-25, 152};
    pose.ankleL = {-32, 187};
    pose.kneeR = {24, 152};
    pose.ankleR = {30, 187};
    return pose;
}

Pose JumpPose(double spread) {
    Pose pose;
    pose.elbowL = {-50 - spread, 80};
    pose.handL = {-58 - spread, 108};
    pose.elbowR = {50 + spread, 80};
    pose.handR = {58 + spread, 108};
    pose.kneeL = {-26, 140};
    pose.ankleL = {-20, 178};
    pose.kneeR = {26, 140};
    pose.ankleR = {20, 178};
    pose.jets = true;
    return pose;
}

// ---------------------------------------------------------------------------------------------------------
// The four-legged suit, side view facing right: about 230 units long, ground at y 140, turret top near y -40.

struct QuadPose {
    double stride = 0;        // leg swing, -1 .. 1
    double turretAngle = -4;  // barrel elevation in degrees (negative: up)
};

void DrawQuadLeg(QPainter& p, const Scheme& s, QPointF hip, double dir, double swing, const QColor& armor,
                 const QColor& under) {
    // dir: +1 front leg (knee forward), -1 rear leg (knee back).
    const QPointF knee = hip + QPointF(dir * 30 + swing * 6, 26);
    const QPointF foot = hip + QPointF(dir * 8 + swing * 14, 84);
    Cylinder(p, s, hip, knee, 22, 17, under);
    Plate(p, s, Capsule(Lerp(hip, knee, 0.1), Lerp(hip, knee, 0.8), 25, 19), armor);
    Cylinder(p, s, knee, foot, 16, 12, under);
    Plate(p, s, Bar(Lerp(knee, foot, 0.2), Lerp(knee, foot, 0.88), 20, 15), armor);
    QPainterPath kneeCop;
    kneeCop.addEllipse(knee, 10.5, 10.5);
    Plate(p, s, kneeCop, armor.lighter(110));
    // Foot pad.
    const QPainterPath pad = Polygon(
        {foot + QPointF(-12, -4), foot + QPointF(12, -4), foot + QPointF(18, 6), foot + QPointF(-16, 6)});
    Plate(p, s, pad, armor.darker(125));
}

void DrawQuad(QPainter& p, const Scheme& s, const QuadPose& pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF frontHip(52, 50), rearHip(-58, 50);
    // Far-side legs, darker, behind the hull.
    const QColor farArmor = s.silhouette ? s.flat : s.armor.darker(150);
    const QColor farUnder = s.silhouette ? s.flat : s.under.darker(140);
    DrawQuadLeg(p, s, frontHip + QPointF(10, -4), 1, -pose.stride, farArmor, farUnder);
    DrawQuadLeg(p, s, rearHip + QPointF(10, -4), -1, pose.stride, farArmor, farUnder);

    // Hull.
    // Angular hull: sloped rear deck, flat top, glacis plate down to the sensor head.
    const QPainterPath hull =
        Polygon({QPointF(-98, 36), QPointF(-94, 16), QPointF(-76, 4), QPointF(38, 2), QPointF(84, 10),
                 QPointF(100, 28), QPointF(96, 46), QPointF(74, 58), QPointF(-82, 58), QPointF(-96, 50)});
    Plate(p, s, hull, s.armor);
    Seam(p, s, Polygon({QPointF(-76, 4), QPointF(-78, 34)}), 1.0);
    Seam(p, s, Polygon({QPointF(38, 2), QPointF(40, 34)}), 1.0);
    // Side skirt over the leg mounts, riveted.
    const QPainterPath skirt = Polygon({QPointF(-90, 32), QPointF(90, 32), QPointF(84, 50), QPointF(70, 62),
                                        QPointF(-80, 62), QPointF(-92, 50)});
    Plate(p, s, skirt, s.armor.darker(110));
    Seam(p, s, Polygon({QPointF(-12, 33), QPointF(-12, 61)}), 0.9);
    if (!s.silhouette) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.trim);
        p.drawPath(Polygon({QPointF(-64, 40), QPointF(-20, 40), QPointF(-22, 46), QPointF(-66, 46)}));
        p.setBrush(s.line);
        for (int i = 0; i < 12; ++i) p.drawEllipse(QPointF(-80 + i * 14.5, 56), 1.1, 1.1);
        // Vents on the rear deck.
        for (int i = 0; i < 4; ++i)
            Seam(p, s, Polygon({QPointF(-70 + i * 7, 10), QPointF(-72 + i * 7, 26)}), 1.8, 200);
        Highlight(p, s, Polygon({QPointF(-92, 17), QPointF(-75, 6), QPointF(37, 4), QPointF(82, 12)}), 1.5,
                  140);
    }
    // Sensor head at the front, with its visor.
    QPainterPath head;
    head.moveTo(78, 14);
    head.lineTo(110, 18);
    head.lineTo(116, 30);
    head.lineTo(110, 42);
    head.lineTo(80, 46);
    head.closeSubpath();
    Plate(p, s, head, s.armor.lighter(108));
    QPainterPath visor = Polygon({QPointF(96, 23), QPointF(112, 25), QPointF(114, 30), QPointF(97, 30)});
    if (s.silhouette) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.rim.isValid() ? s.rim : s.visor);
        p.drawPath(visor);
    } else {
        QLinearGradient g(96, 23, 96, 31);
        g.setColorAt(0, s.visor.lighter(170));
        g.setColorAt(1, s.visor.darker(160));
        p.setPen(QPen(QColor(10, 10, 15), 1.0));
        p.setBrush(g);
        p.drawPath(visor);
        Glow(p, QPointF(106, 27), 10, s.visor, 0.6);
    }

    // Turret: ring, body and twin barrels.
    QPainterPath ring;
    ring.addRoundedRect(QRectF(-26, -4, 52, 9), 3, 3);
    Plate(p, s, ring, s.under.lighter(130));
    p.save();
    p.translate(8, -18);
    p.rotate(pose.turretAngle);
    const QColor barrel = s.silhouette ? s.flat : QColor(70, 72, 78);
    Cylinder(p, s, QPointF(20, -6), QPointF(84, -6), 5, 5, barrel, false);
    Cylinder(p, s, QPointF(20, 4), QPointF(80, 4), 5, 5, barrel, false);
    Plate(p, s, Bar(QPointF(80, -6), QPointF(88, -6), 8, 8), barrel.darker(110));
    Plate(p, s, Bar(QPointF(76, 4), QPointF(84, 4), 8, 8), barrel.darker(110));
    QPainterPath turret;
    turret.moveTo(-36, 14);
    turret.lineTo(-34, -10);
    turret.cubicTo(-30, -20, -16, -22, 0, -22);
    turret.lineTo(18, -20);
    turret.lineTo(32, -8);
    turret.lineTo(34, 10);
    turret.lineTo(26, 16);
    turret.closeSubpath();
    Plate(p, s, turret, s.armor.lighter(105));
    Seam(p, s, Polygon({QPointF(-30, 2), QPointF(30, 2)}), 0.9);
    Seam(p, s, Polygon({QPointF(14, -19), QPointF(16, 15)}), 0.9);
    Highlight(p, s, Polygon({QPointF(-30, -12), QPointF(-14, -20), QPointF(10, -20)}), 1.4, 140);
    // Sensor block and antenna.
    QPainterPath sensor;
    sensor.addRoundedRect(QRectF(-24, -30, 18, 9), 2, 2);
    Plate(p, s, sensor, s.under.lighter(140));
    p.setPen(QPen(s.silhouette ? s.flat : s.line, 1.2));
    p.drawLine(QPointF(-28, -14), QPointF(-36, -36));
    if (!s.silhouette) Glow(p, QPointF(-36, -36), 2.5, QColor(255, 60, 40), 1.0);
    p.restore();

    // Near-side legs over the hull.
    DrawQuadLeg(p, s, frontHip, 1, pose.stride, s.armor, s.under);
    DrawQuadLeg(p, s, rearHip, -1, -pose.stride, s.armor, s.under);
    p.restore();
}

// ---------------------------------------------------------------------------------------------------------
// Backgrounds

void Sky(QPainter& p, const QRectF& r, double horizon,
         std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient g(0, r.top(), 0, horizon);
    for (const auto& [at, c] : stops) g.setColorAt(at, c);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top() + 1), g);
}

// A ridge line across the width: midpoint displacement with a fixed seed.
QPainterPath Ridge(double width, double base, double height, double rough, unsigned seed, double bottom) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1.0, 1.0);
    int n = 64;
    std::vector<double> h(n + 1, 0.0);
    h[0] = d(rng) * height * 0.5;
    h[n] = d(rng) * height * 0.5;
    for (int step = n; step > 1; step /= 2) {
        const double amp = height * std::pow(rough, std::log2(static_cast<double>(n) / step));
        for (int i = 0; i < n; i += step) h[i + step / 2] = (h[i] + h[i + step]) / 2 + d(rng) * amp;
    }
    QPainterPath path;
    path.moveTo(-2, bottom);
    for (int i = 0; i <= n; ++i) path.lineTo(width * i / n, base - std::abs(h[i]));
    path.lineTo(width + 2, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath Hexagon(QPointF c, double r) {
    QPolygonF poly;
    for (int i = 0; i < 6; ++i) poly << c + QPointF(r * std::cos(kPi / 3 * i), r * std::sin(kPi / 3 * i));
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// A hex-map floor seen in perspective between the horizon line and the bottom of the picture, fading out
// toward the horizon.
void HexFloor(QPainter& p, const QSize& size, double horizon, double cell, const QColor& color,
              double spread = 3.0) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        const double planeW = 40 * cell, planeD = 24 * cell;
        const QPolygonF flat(
            {QPointF(0, 0), QPointF(planeW, 0), QPointF(planeW, planeD), QPointF(0, planeD)});
        const double w = size.width();
        const QPolygonF seen({QPointF(w / 2 - w * spread, horizon), QPointF(w / 2 + w * spread, horizon),
                              QPointF(w * 1.6, size.height()), QPointF(-w * 0.6, size.height())});
        QTransform t;
        QTransform::quadToQuad(flat, seen, t);
        lp.setTransform(t);
        QPen pen(color, 1.1);
        pen.setCosmetic(true);
        lp.setPen(pen);
        lp.setBrush(Qt::NoBrush);
        const double dx = cell * 1.5, dy = cell * std::sqrt(3.0);
        for (int col = 0; col * dx < planeW + cell; ++col)
            for (int row = -1; row * dy < planeD + cell; ++row)
                lp.drawPath(Hexagon(QPointF(col * dx, row * dy + (col % 2 ? dy / 2 : 0)), cell));
        // Fade toward the horizon.
        lp.resetTransform();
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, horizon, 0, size.height());
        fade.setColorAt(0.0, QColor(0, 0, 0, 0));
        fade.setColorAt(0.35, QColor(0, 0, 0, 110));
        fade.setColorAt(1.0, QColor(0, 0, 0, 255));
        lp.fillRect(QRect(QPoint(0, 0), size), fade);
    }
    p.drawImage(0, 0, layer);
}

void Stars(QPainter& p, const QRectF& r, int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(r.left(), r.right()), y(r.top(), r.bottom()), b(0.2, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double bright = b(rng);
        p.setBrush(QColor(255, 255, 240, static_cast<int>(bright * 230)));
        const double s = bright > 0.9 ? 1.3 : 0.8;
        p.drawEllipse(QPointF(x(rng), y(rng)), s / 2 + 0.2, s / 2 + 0.2);
    }
}

// Draws a figure through a layer and lights its edges: each shift marks the edge of that width on the side
// opposite the shift (a shift to the left lights the right-hand edges).
template <typename Draw>
void RimLit(QPainter& p, const QSize& size, Draw draw, const QColor& rim,
            std::initializer_list<QPointF> shifts) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        draw(lp);
    }
    p.drawImage(0, 0, layer);
    for (const QPointF& shift : shifts) {
        QImage edge(size, QImage::Format_ARGB32_Premultiplied);
        edge.fill(rim);
        QPainter ep(&edge);
        ep.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        ep.drawImage(0, 0, layer);
        ep.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        ep.drawImage(shift, layer);
        ep.end();
        p.drawImage(0, 0, edge);
    }
}

// Lettering filled with a chrome gradient, dark outline and a drop shadow.
void ChromeText(QPainter& p, const QString& text, const QFont& font, QPointF baseline, const QColor& top,
                const QColor& bottom, double outline) {
    QPainterPath path;
    path.addText(baseline, font, text);
    const QRectF r = path.boundingRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(path.translated(3, 3));
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, top.lighter(160));
    g.setColorAt(0.48, top);
    g.setColorAt(0.52, bottom.darker(160));
    g.setColorAt(0.75, bottom);
    g.setColorAt(1.0, bottom.lighter(150));
    p.setPen(QPen(QColor(15, 12, 10), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    // Bright edge along the tops of the letters.
    p.setClipPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(0.8, 1.2));
    p.restore();
}

// ---------------------------------------------------------------------------------------------------------
// Schemes

Scheme OliveScheme() {
    Scheme s;
    s.armor = QColor(104, 118, 78);
    s.under = QColor(58, 60, 64);
    s.trim = QColor(214, 160, 40);
    s.visor = QColor(80, 220, 255);
    s.line = QColor(18, 20, 14);
    return s;
}

Scheme SteelScheme() {
    Scheme s;
    s.armor = QColor(120, 138, 160);
    s.under = QColor(56, 60, 70);
    s.trim = QColor(200, 40, 36);
    s.visor = QColor(255, 170, 40);
    s.line = QColor(14, 16, 22);
    return s;
}

Scheme DesertScheme() {
    Scheme s;
    s.armor = QColor(168, 140, 96);
    s.under = QColor(70, 64, 58);
    s.trim = QColor(160, 30, 30);
    s.visor = QColor(120, 255, 140);
    s.line = QColor(26, 20, 14);
    return s;
}

Scheme SilhouetteScheme(const QColor& flat, const QColor& rim) {
    Scheme s = OliveScheme();
    s.silhouette = true;
    s.flat = flat;
    s.rim = rim;
    s.lineWidth = 1.0;
    return s;
}

// ---------------------------------------------------------------------------------------------------------
// Pictures

QImage Splash() {
    const QSize size(397, 359);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 238;
    Sky(p, QRectF(0, 0, size.width(), size.height()), horizon,
        {
            {0.0,  QColor(12,  14,  38)},
            {0.45, QColor(58,  40,  86)},
            {0.78, QColor(190, 80,  60)},
            {1.0,  QColor(255, 170, 80)}
    });
    Stars(p, QRectF(0, 0, size.width(), 90), 60, 7);
    // Setting sun behind the suit.
    Glow(p, QPointF(280, horizon - 6), 150, QColor(255, 140, 60), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 150));
    p.drawEllipse(QPointF(280, horizon - 2), 30, 30);
    // Far and near ridges.
    p.setBrush(QColor(96, 50, 78));
    p.drawPath(Ridge(size.width(), horizon - 4, 40, 0.55, 11, horizon + 2));
    p.setBrush(QColor(54, 30, 52));
    p.drawPath(Ridge(size.width(), horizon + 2, 24, 0.6, 23, horizon + 6));
    // Ground with the hex map.
    QLinearGradient ground(0, horizon, 0, size.height());
    ground.setColorAt(0, QColor(60, 34, 46));
    ground.setColorAt(1, QColor(16, 14, 22));
    p.fillRect(QRectF(0, horizon + 2, size.width(), size.height() - horizon), ground);
    HexFloor(p, size, horizon + 2, 16, QColor(255, 170, 90, 200));
    // Distant squad jumping across the sun glow.
    const Scheme far = SilhouetteScheme(QColor(30, 18, 34), QColor(255, 120, 60));
    RimLit(p, size,
           [&](QPainter& lp) {
               for (auto [x, y, sc, tilt] : {
                        std::tuple{40.0,  150.0, 0.2,  -8.0},
                        std::tuple{84.0,  128.0, 0.17, 4.0 },
                        std::tuple{128.0, 162.0, 0.15, 10.0}
               }) {
                   lp.save();
                   lp.translate(x, y);
                   lp.rotate(tilt);
                   lp.scale(sc, sc);
                   DrawBiped(lp, far, JumpPose(2));
                   lp.restore();
               }
           },
           QColor(255, 150, 90, 170), {QPointF(-1, 0)});
    // The hero suit: shadow, then the suit, rim-lit by the sun behind it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(QPointF(287, 350), 66, 8);
    Scheme hero = SteelScheme();
    hero.lineWidth = 1.2;
    RimLit(p, size,
           [&](QPainter& lp) {
               lp.translate(287, 64);
               lp.scale(1.42, 1.42);
               DrawBiped(lp, hero, HeroPose());
           },
           QColor(255, 190, 120, 150), {QPointF(-2, 0), QPointF(2, 0), QPointF(0, 2)});
    // Title and subtitle.
    QFont title(QStringLiteral("DejaVu Sans"), 10, QFont::Black);
    title.setPixelSize(50);
    title.setItalic(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    ChromeText(p, QStringLiteral("VANTREL"), title, QPointF(10, 58), QColor(170, 200, 235),
               QColor(150, 90, 40), 1.6);
    QFont sub(QStringLiteral("DejaVu Sans Condensed"), 10, QFont::Bold);
    sub.setPixelSize(15);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(sub);
    p.setPen(QPen(QColor(255, 200, 120, 200), 1.2));
    p.drawLine(QPointF(16, 68), QPointF(176, 68));
    const QString lines[] = {QStringLiteral("BATTLE ARMOR"), QStringLiteral("DESIGN WORKSHOP")};
    for (int i = 0; i < 2; ++i) {
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(QPointF(17, 87 + i * 18), lines[i]);
        p.setPen(QColor(255, 214, 150));
        p.drawText(QPointF(16, 86 + i * 18), lines[i]);
    }
    QFont small(QStringLiteral("DejaVu Sans"), 8);
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(230, 210, 200, 200));
    p.drawText(QPointF(12, 350), QStringLiteral("Beta 0.1"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage About1() {
    const QSize size(218, 197);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 132;
    Sky(p, QRectF(0, 0, size.width(), size.height()), horizon,
        {
            {0.0, QColor(28,  52,  84) },
            {0.7, QColor(92,  130, 150)},
            {1.0, QColor(200, 210, 180)}
    });
    // Clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (auto [x, y, w] : {
             std::tuple{20.0,  40.0, 70.0 },
             std::tuple{130.0, 26.0, 90.0 },
             std::tuple{60.0,  70.0, 110.0}
    }) {
        p.drawEllipse(QRectF(x, y, w, w * 0.18));
        p.drawEllipse(QRectF(x + w * 0.2, y - w * 0.06, w * 0.5, w * 0.2));
    }
    p.setBrush(QColor(70, 96, 96));
    p.drawPath(Ridge(size.width(), horizon - 6, 22, 0.55, 5, horizon + 2));
    p.setBrush(QColor(46, 66, 58));
    p.drawPath(Ridge(size.width(), horizon + 1, 10, 0.6, 9, horizon + 4));
    QLinearGradient ground(0, horizon, 0, size.height());
    ground.setColorAt(0, QColor(44, 56, 48));
    ground.setColorAt(1, QColor(10, 14, 12));
    p.fillRect(QRectF(0, horizon + 2, size.width(), size.height() - horizon), ground);
    HexFloor(p, size, horizon + 2, 10, QColor(200, 240, 190, 120));
    // Searchlight beams behind the suit.
    for (auto [x, angle] : {
             std::pair{40.0,  18.0 },
             std::pair{182.0, -24.0}
    }) {
        p.save();
        p.translate(x, horizon);
        p.rotate(angle);
        QLinearGradient beam(0, 0, 0, -150);
        beam.setColorAt(0, QColor(255, 255, 220, 90));
        beam.setColorAt(1, QColor(255, 255, 220, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(beam);
        p.drawPath(Polygon({QPointF(-2, 0), QPointF(2, 0), QPointF(14, -150), QPointF(-14, -150)}));
        p.restore();
    }
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(QPointF(109, 190), 42, 5);
    RimLit(p, size,
           [](QPainter& lp) {
               lp.translate(109, 12);
               lp.scale(0.89, 0.89);
               DrawBiped(lp, OliveScheme(), StandingPose());
           },
           QColor(230, 255, 220, 120), {QPointF(-1.5, 0), QPointF(1.5, 0)});
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage About2() {
    const QSize size(218, 197);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 140;
    Sky(p, QRectF(0, 0, size.width(), size.height()), horizon,
        {
            {0.0, QColor(6,  8,  24) },
            {0.7, QColor(26, 34, 70) },
            {1.0, QColor(80, 70, 100)}
    });
    Stars(p, QRectF(0, 0, size.width(), horizon - 20), 90, 31);
    // Moon.
    Glow(p, QPointF(170, 38), 46, QColor(180, 200, 255), 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 236, 220));
    p.drawEllipse(QPointF(170, 38), 17, 17);
    p.setBrush(QColor(200, 200, 190));
    p.drawEllipse(QPointF(165, 34), 4, 3);
    p.drawEllipse(QPointF(176, 44), 3, 2.5);
    // Dunes.
    p.setBrush(QColor(70, 56, 64));
    p.drawPath(Ridge(size.width(), horizon - 2, 16, 0.5, 41, horizon + 4));
    QLinearGradient sand(0, horizon, 0, size.height());
    sand.setColorAt(0, QColor(120, 96, 88));
    sand.setColorAt(1, QColor(52, 40, 40));
    p.fillRect(QRectF(0, horizon + 2, size.width(), size.height() - horizon), sand);
    HexFloor(p, size, horizon + 2, 11, QColor(255, 220, 170, 120));
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(QPointF(106, 186), 86, 7);
    p.save();
    p.translate(102, 86);
    p.scale(0.72, 0.72);
    QuadPose pose;
    pose.stride = 0.6;
    pose.turretAngle = -8;
    DrawQuad(p, DesertScheme(), pose);
    p.restore();
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage About3() {
    const QSize size(218, 197);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 160;
    Sky(p, QRectF(0, 0, size.width(), size.height()), horizon,
        {
            {0.0,  QColor(60,  20,  40) },
            {0.5,  QColor(200, 70,  40) },
            {0.85, QColor(255, 170, 70) },
            {1.0,  QColor(255, 220, 140)}
    });
    // Big sun low on the horizon.
    Glow(p, QPointF(120, 150), 100, QColor(255, 200, 110), 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(120, 150), 34, 34);
    // Bands across the sun.
    p.setBrush(QColor(230, 110, 60, 150));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(70, 140 + i * 7, 100, 2 + i));
    // Ruined skyline.
    std::mt19937 rng(77);
    std::uniform_real_distribution<double> h(10, 42), w(8, 20);
    QPainterPath city;
    double x = -4;
    city.moveTo(-4, size.height());
    while (x < size.width() + 4) {
        const double bw = w(rng), bh = h(rng);
        city.lineTo(x, horizon - bh);
        city.lineTo(x + bw * 0.6, horizon - bh);
        city.lineTo(x + bw * 0.75, horizon - bh + 5);  // broken roof
        city.lineTo(x + bw, horizon - bh + 2);
        x += bw;
    }
    city.lineTo(size.width() + 4, size.height());
    city.closeSubpath();
    p.setBrush(QColor(70, 24, 30));
    p.drawPath(city);
    p.setBrush(QColor(24, 10, 16));
    p.drawRect(QRectF(0, horizon, size.width(), size.height() - horizon));
    p.drawPath(Ridge(size.width(), horizon + 2, 10, 0.6, 3, horizon + 8));
    // The squad, jumping, in silhouette against the sun.
    const Scheme dark = SilhouetteScheme(QColor(20, 8, 14), QColor(255, 110, 40));
    const struct {
        double x, y, scale, spread, tilt;
    } squad[] = {
        {36,  40, 0.31, 4, -10},
        {86,  14, 0.37, 8, -3 },
        {140, 30, 0.34, 6, 5  },
        {186, 62, 0.28, 2, 12 }
    };
    RimLit(p, size,
           [&](QPainter& lp) {
               for (const auto& m : squad) {
                   lp.save();
                   lp.translate(m.x, m.y);
                   lp.rotate(m.tilt);
                   lp.scale(m.scale, m.scale);
                   DrawBiped(lp, dark, JumpPose(m.spread));
                   lp.restore();
               }
           },
           QColor(255, 150, 80, 200), {QPointF(0, 1.5), QPointF(1.2, 0), QPointF(-1.2, 0)});
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

// Helmet emblem on a hexagonal badge.
QImage Icon(int px) {
    QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(px / 64.0, px / 64.0);
    QPainterPath badge = Hexagon(QPointF(32, 32), 31);
    badge = QTransform().translate(32, 32).rotate(30).translate(-32, -32).map(badge);
    QLinearGradient bg(0, 0, 0, 64);
    bg.setColorAt(0, QColor(70, 84, 110));
    bg.setColorAt(1, QColor(22, 26, 40));
    p.setPen(QPen(QColor(214, 160, 40), 2.4));
    p.setBrush(bg);
    p.drawPath(badge);
    p.setPen(QPen(QColor(10, 10, 14, 200), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform().translate(32, 32).scale(0.86, 0.86).translate(-32, -32).map(badge));
    p.save();
    p.translate(32, 9.5);
    p.scale(1.06, 1.06);
    Scheme s = SteelScheme();
    s.lineWidth = 1.3;
    DrawHelmet(p, s, 0, false);
    p.restore();
    p.end();
    return img;
}

// Decoration for the humanoid slot page.
QImage BipedFigure() {
    QImage img(160, 300, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.translate(80, 29);
    p.scale(1.26, 1.26);
    Scheme s = SteelScheme();
    s.lineWidth = 1.1;
    DrawBiped(p, s, StandingPose());
    p.end();
    return img;
}

// Decoration for the quad slot page.
QImage QuadFigure() {
    QImage img(300, 200, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.translate(141, 57);
    p.scale(0.95, 0.95);
    Scheme s = SteelScheme();
    s.lineWidth = 1.2;
    DrawQuad(p, s, QuadPose{});
    p.end();
    return img;
}

bool Save(const QImage& img, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!img.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", name, img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    ok &= Save(Splash(), dir, "splash.png");
    ok &= Save(About1(), dir, "about1.png");
    ok &= Save(About2(), dir, "about2.png");
    ok &= Save(About3(), dir, "about3.png");
    ok &= Save(Icon(64), dir, "icon.png");
    ok &= Save(Icon(256), dir, "icon-256.png");
    ok &= Save(BipedFigure(), dir, "biped.png");
    ok &= Save(QuadFigure(), dir, "quad.png");
    return ok ? 0 : 1;
}
