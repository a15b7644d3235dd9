// Draws Nerilo's pixel-art pictures into a folder (assets/pictures):
//   ground00..29.png  ground tiles, 32 x 32, opaque
//   block0..8.png    blocks, 32 x 32, transparent (block8 is the exact yellow stipple)
//   player00..13.png  player frames, 32 x 32, transparent
//   walk1..5.png    the clear window's walking frames
//   banner.png      "Congratulations!" in rainbow letters, 509 x 70
//   spotlight.png   a beam of light, 70 x 140
// Usage: nerilo-make-pictures OUTPUT_FOLDER
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int S = 32;

// One palette for every picture, so the set reads as one style.
const QColor Outline(28, 24, 36);
const QColor FloorBase(150, 150, 158), FloorLight(176, 176, 184), FloorDark(118, 118, 128);
const QColor Skin(250, 208, 170), Hair(92, 56, 34), Shirt(52, 110, 210), ShirtDark(34, 78, 160), Pants(60, 52, 80),
    Shoes(120, 60, 30);
const QColor Copper(196, 120, 62), Steel(96, 104, 120), SteelLight(150, 158, 176);

QImage blank() {
    QImage image(S, S, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void rect(QPainter& p, int x, int y, int w, int h, const QColor& c) { p.fillRect(x, y, w, h, c); }

// Gives every opaque shape a one-pixel dark outline on its transparent side.
QImage outlined(const QImage& source) {
    QImage out = source;
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            if (qAlpha(source.pixel(x, y)) != 0) continue;
            bool edge = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < S && ny < S && qAlpha(source.pixel(nx, ny)) == 255) edge = true;
            }
            if (edge) out.setPixel(x, y, Outline.rgba());
        }
    return out;
}

// ---- Ground -------------------------------------------------------------

void floorTile(QPainter& p) {
    rect(p, 0, 0, S, S, FloorBase);
    rect(p, 0, 0, S, 1, FloorLight);
    rect(p, 0, 0, 1, S, FloorLight);
    rect(p, 0, S - 1, S, 1, FloorDark);
    rect(p, S - 1, 0, 1, S, FloorDark);
    for (auto [x, y] : {std::pair{6, 7}, {21, 4}, {12, 19}, {26, 23}, {4, 27}, {17, 12}}) rect(p, x, y, 1, 1, FloorDark);
}

void wallTile(QPainter& p) {
    rect(p, 0, 0, S, S, QColor(70, 70, 78));
    for (int row = 0; row < 4; ++row) {
        const int offset = row % 2 ? 8 : 0;
        for (int b = -1; b < 3; ++b) {
            const int x = b * 16 + offset + 1, y = row * 8 + 1;
            rect(p, x, y, 14, 6, QColor(128, 128, 136));
            rect(p, x, y, 14, 1, QColor(168, 168, 176));
            rect(p, x, y + 5, 14, 1, QColor(100, 100, 108));
        }
    }
}

void plateTile(QPainter& p, const QColor& face, const QColor& dot) {
    floorTile(p);
    rect(p, 3, 3, 26, 26, Outline);
    rect(p, 4, 4, 24, 24, face);
    rect(p, 4, 4, 24, 1, face.lighter(120));
    for (int y = 7; y < 27; y += 5)
        for (int x = 7; x < 27; x += 5) rect(p, x, y, 2, 2, dot);
}

void springTile(QPainter& p, int height) {
    floorTile(p);
    const int base = 28;
    rect(p, 9, base, 14, 2, Steel);
    // The coil: alternating slanted turns up to the cap.
    for (int y = base - 2, i = 0; y > base - height; y -= 3, ++i) {
        rect(p, 11, y, 10, 2, i % 2 ? SteelLight : Steel);
        rect(p, i % 2 ? 11 : 19, y - 1, 2, 1, Steel);
    }
    const int capTop = base - height - 7;
    QPainterPath cap;
    cap.moveTo(5, capTop + 8);
    cap.cubicTo(5, capTop - 1, 27, capTop - 1, 27, capTop + 8);
    cap.closeSubpath();
    p.fillPath(cap, QColor(214, 48, 48));
    rect(p, 5, capTop + 7, 23, 2, QColor(160, 30, 30));
    for (auto [x, y] : {std::pair{10, 3}, {16, 1}, {21, 4}}) rect(p, x, capTop + y, 3, 2, Qt::white);
}

void targetTile(QPainter& p) {
    const QColor rings[] = {QColor(220, 40, 40), Qt::white, QColor(220, 40, 40), Qt::white, QColor(220, 40, 40)};
    for (int i = 0; i < 5; ++i) rect(p, i * 3, i * 3, S - i * 6, S - i * 6, rings[i]);
    rect(p, 14, 14, 4, 4, QColor(255, 220, 40));
    rect(p, 0, 0, S, 1, Outline);
    rect(p, 0, 0, 1, S, Outline);
}

void starTile(QPainter& p, const QColor& star, const QColor& glow) {
    floorTile(p);
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 ? 5.5 : 13.5;
        const double angle = M_PI / 8 * i - M_PI / 2;
        const QPointF point(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    p.fillPath(path, star);
    rect(p, 13, 13, 6, 6, glow);
}

void crossedBoxTile(QPainter& p) {
    rect(p, 0, 0, S, S, QColor(60, 50, 40));
    rect(p, 2, 2, 28, 28, QColor(150, 110, 60));
    rect(p, 4, 4, 24, 24, QColor(90, 64, 36));
    for (int i = 0; i < 20; ++i) {
        rect(p, 6 + i, 6 + i, 3, 2, QColor(255, 220, 40));
        rect(p, 24 - i, 6 + i, 3, 2, QColor(255, 220, 40));
    }
}

void keyShape(QPainter& p, int x, int y, const QColor& c) {
    // A ring head on the left, a shaft to the right with two teeth.
    rect(p, x, y + 2, 8, 6, c);
    rect(p, x + 2, y, 4, 10, c);
    rect(p, x + 2, y + 3, 4, 4, Qt::transparent);
    rect(p, x + 8, y + 4, 12, 2, c);
    rect(p, x + 15, y + 6, 2, 3, c);
    rect(p, x + 18, y + 6, 2, 4, c);
}

void keyPlateTile(QPainter& p, const QColor& base, const QColor& key) {
    rect(p, 0, 0, S, S, Outline);
    rect(p, 1, 1, 30, 30, base);
    rect(p, 1, 1, 30, 1, base.lighter(130));
    QImage keyImage = blank();
    {
        QPainter k(&keyImage);
        k.setCompositionMode(QPainter::CompositionMode_Source);
        keyShape(k, 6, 11, key);
    }
    p.drawImage(0, 0, keyImage);
    rect(p, 14, 25, 4, 3, Outline);  // the keyhole
}

void buttonTile(QPainter& p, const QColor& face) {
    rect(p, 0, 0, S, S, QColor(120, 120, 128));
    rect(p, 0, 0, S, 1, QColor(160, 160, 168));
    rect(p, 6, 6, 20, 20, Outline);
    rect(p, 7, 7, 18, 18, face);
    rect(p, 7, 7, 18, 2, face.lighter(140));
    rect(p, 7, 23, 18, 2, face.darker(140));
}

void stairsTile(QPainter& p) {
    rect(p, 0, 0, S, S, QColor(40, 34, 30));
    for (int i = 0; i < 4; ++i) {
        const int y = 4 + i * 7;
        rect(p, i * 5, y, S - i * 5, 7, QColor(150 - i * 20, 118 - i * 16, 84 - i * 12));
        rect(p, i * 5, y, S - i * 5, 2, QColor(200 - i * 20, 168 - i * 16, 120 - i * 12));
    }
}

void slotTile(QPainter& p, bool upper) {
    rect(p, 0, 0, S, S, QColor(90, 90, 98));
    rect(p, 9, 3, 14, 26, Outline);
    rect(p, 11, 5, 10, 22, QColor(40, 40, 48));
    rect(p, 7, upper ? 5 : 22, 18, 5, QColor(220, 40, 40));
    rect(p, 7, upper ? 5 : 22, 18, 1, QColor(255, 120, 120));
}

void emitterTile(QPainter& p, int direction) {
    // Drawn pointing down, then turned: 0 down, 1 up, 2 right, 3 left.
    QImage device(S, S, QImage::Format_ARGB32);
    device.fill(QColor(86, 86, 96));
    {
        QPainter d(&device);
        rect(d, 4, 3, 24, 20, Outline);
        rect(d, 5, 4, 22, 18, QColor(50, 110, 210));
        rect(d, 5, 4, 22, 3, QColor(120, 170, 250));
        rect(d, 10, 10, 12, 6, QColor(20, 40, 90));
        rect(d, 12, 11, 3, 3, QColor(150, 230, 255));
        rect(d, 11, 22, 10, 7, Outline);
        rect(d, 12, 22, 8, 6, QColor(180, 190, 210));
        rect(d, 14, 28, 4, 4, QColor(255, 240, 120));
    }
    const int angles[4] = {0, 180, 270, 90};
    QTransform turn;
    turn.translate(S / 2.0, S / 2.0).rotate(angles[direction]).translate(-S / 2.0, -S / 2.0);
    p.drawImage(0, 0, device.transformed(turn));
}

void barTile(QPainter& p, int kind) {
    rect(p, 0, 0, S, S, QColor(112, 100, 84));
    rect(p, 1, 1, 30, 30, QColor(140, 126, 106));
    for (int i = 2; i < 30; i += 6) rect(p, i, 3, 2, 2, Copper);
    QColor bar(24, 24, 28);
    switch (kind) {
    case 0: rect(p, 0, 13, S, 6, bar); rect(p, 0, 13, S, 1, Steel); break;
    case 2: rect(p, 13, 0, 6, S, bar); rect(p, 13, 0, 1, S, Steel); break;
    default:
        for (int i = -2; i < S + 2; ++i) {
            const int x = kind == 1 ? i : S - 1 - i;
            rect(p, x - 3, i, 6, 1, bar);
        }
        break;
    }
}

void arrowTile(QPainter& p, int direction) {
    floorTile(p);
    QImage arrow = blank();
    {
        QPainter a(&arrow);
        const QColor light(110, 200, 240), dark(40, 130, 190);
        rect(a, 12, 5, 8, 14, light);
        QPainterPath head;
        head.moveTo(4, 17);
        head.lineTo(28, 17);
        head.lineTo(16, 29);
        head.closeSubpath();
        a.fillPath(head, light);
        rect(a, 12, 5, 2, 14, dark.lighter(130));
    }
    arrow = outlined(arrow);
    const int angles[4] = {0, 180, 270, 90};  // down, up, right, left
    QTransform turn;
    turn.translate(S / 2.0, S / 2.0).rotate(angles[direction]).translate(-S / 2.0, -S / 2.0);
    p.drawImage(0, 0, arrow.transformed(turn));
}

QImage groundPicture(int code) {
    QImage image(S, S, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    switch (code) {
    case 0: floorTile(p); break;
    case 1: wallTile(p); break;
    case 2: plateTile(p, QColor(236, 236, 240), QColor(170, 170, 180)); break;
    case 3: plateTile(p, QColor(252, 220, 40), QColor(200, 150, 0)); break;
    case 4: springTile(p, 6); break;
    case 5: springTile(p, 10); break;
    case 6: springTile(p, 14); break;
    case 7: targetTile(p); break;
    case 8: starTile(p, QColor(60, 110, 240), QColor(170, 200, 255)); break;
    case 9: starTile(p, QColor(230, 40, 40), QColor(255, 200, 120)); break;
    case 10: crossedBoxTile(p); break;
    case 11: keyPlateTile(p, QColor(128, 128, 136), QColor(250, 210, 40)); break;
    case 12: keyPlateTile(p, QColor(20, 20, 24), Qt::white); break;
    case 13: buttonTile(p, QColor(50, 100, 230)); break;
    case 14: buttonTile(p, QColor(230, 40, 40)); break;
    case 15: stairsTile(p); break;
    case 16: slotTile(p, true); break;
    case 17: slotTile(p, false); break;
    case 18: case 19: case 20: case 21: emitterTile(p, code - 18); break;
    case 22: barTile(p, 0); break;
    case 23: barTile(p, 1); break;
    case 24: barTile(p, 2); break;
    case 25: barTile(p, 3); break;
    default: arrowTile(p, code - 26); break;
    }
    return image;
}

// ---- Blocks -------------------------------------------------------------

void ball(QPainter& p, const QColor& body, const QColor& shine) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(4, 4, 24, 24);
    p.setBrush(body.lighter(125));
    p.drawEllipse(7, 6, 14, 12);
    p.setBrush(body);
    p.drawEllipse(9, 9, 16, 16);
    rect(p, 10, 9, 4, 3, shine);
    rect(p, 9, 12, 2, 2, shine);
}

void wheel(QPainter& p, const QColor& hub) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(3, 3, 26, 26);
    p.setBrush(QColor(150, 150, 160));
    p.drawEllipse(7, 7, 18, 18);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(16, 16).rotate(45 * i);
        p.setTransform(t);
        rect(p, -1, -8, 2, 16, QColor(110, 110, 120));
        p.resetTransform();
    }
    p.setBrush(hub);
    p.drawEllipse(11, 11, 10, 10);
    rect(p, 13, 13, 3, 2, hub.lighter(160));
}

void skullBall(QPainter& p) {
    ball(p, QColor(30, 30, 34), QColor(120, 120, 130));
    const QColor bone(240, 240, 230);
    rect(p, 12, 10, 8, 7, bone);  // skull
    rect(p, 13, 17, 6, 2, bone);
    rect(p, 13, 12, 2, 2, Qt::black);
    rect(p, 17, 12, 2, 2, Qt::black);
    rect(p, 15, 15, 2, 1, Qt::black);
    for (int i = 0; i < 8; ++i) {  // crossed bones
        rect(p, 10 + i, 20 + i / 2, 1, 1, bone);
        rect(p, 21 - i, 20 + i / 2, 1, 1, bone);
    }
}

void keyBlock(QPainter& p) { keyShape(p, 6, 11, QColor(250, 200, 40)); }

// The player: facing 0 front, 1 back, 2 right; pose 0 standing, 1 and 2 walking.
void player(QPainter& p, int facing, int pose, bool stone) {
    auto c = [stone](const QColor& colour) {
        if (!stone) return colour;
        const int grey = qGray(colour.rgb()) * 3 / 4 + 40;
        return QColor(grey, grey, grey + 6);
    };
    const int lift = pose == 0 ? 0 : 1;
    if (facing == 2) {
        // Side view, facing right.
        rect(p, 11, 4, 11, 12, c(Skin));
        rect(p, 10, 3, 11, 5, c(Hair));
        rect(p, 10, 3, 4, 10, c(Hair));
        rect(p, 19, 9, 2, 2, c(Outline));
        rect(p, 21, 12, 2, 1, c(Skin.darker(115)));
        rect(p, 12, 17, 9, 8, c(Shirt));
        rect(p, 12, 17, 9, 2, c(Shirt.lighter(120)));
        const int swing = pose == 1 ? 2 : pose == 2 ? -2 : 0;
        rect(p, 15 + swing, 18, 3, 6, c(Skin));                  // arm
        rect(p, 13 - swing, 25, 3, 4 + (pose == 1 ? 0 : 1), c(Pants));  // back leg
        rect(p, 16 + swing, 25, 3, 4 + (pose == 2 ? 0 : 1), c(Pants));  // front leg
        rect(p, 13 - swing, 29 - (pose == 1), 4, 2, c(Shoes));
        rect(p, 16 + swing, 29 - (pose == 2), 5, 2, c(Shoes));
        return;
    }
    rect(p, 10, 5, 12, 11, c(Skin));
    rect(p, 9, 3, 14, 5, c(Hair));
    rect(p, 9, 3, 2, 9, c(Hair));
    rect(p, 21, 3, 2, 9, c(Hair));
    if (facing == 0) {
        rect(p, 13, 10, 2, 2, c(Outline));
        rect(p, 18, 10, 2, 2, c(Outline));
        rect(p, 15, 13, 3, 1, c(QColor(200, 90, 80)));
    } else {
        rect(p, 10, 5, 12, 9, c(Hair));
    }
    rect(p, 10, 17, 12, 8, c(Shirt));
    rect(p, 10, 17, 12, 2, c(facing == 0 ? Shirt.lighter(120) : ShirtDark));
    rect(p, 8, 18 + (pose == 1 ? 1 : 0), 2, 6, c(Skin));
    rect(p, 22, 18 + (pose == 2 ? 1 : 0), 2, 6, c(Skin));
    rect(p, 11, 25, 4, 4 - (pose == 1 ? lift : 0), c(Pants));
    rect(p, 17, 25, 4, 4 - (pose == 2 ? lift : 0), c(Pants));
    rect(p, 11, 29 - (pose == 1 ? lift : 0), 4, 2, c(Shoes));
    rect(p, 17, 29 - (pose == 2 ? lift : 0), 4, 2, c(Shoes));
}

QImage playerPicture(int facing, int pose, bool stone = false, bool mirrored = false) {
    QImage image = blank();
    {
        QPainter p(&image);
        player(p, facing, pose, stone);
    }
    image = outlined(image);
    return mirrored ? image.mirrored(true, false) : image;
}

QImage blockPicture(int code) {
    QImage image = blank();
    if (code == 8) {
        // The stipple: every other pixel opaque yellow, the rest transparent.
        for (int y = 0; y < S; ++y)
            for (int x = 0; x < S; ++x)
                if ((x + y) % 2 == 0) image.setPixel(x, y, qRgba(255, 255, 0, 255));
        return image;
    }
    if (code == 7) return playerPicture(0, 0);
    {
        QPainter p(&image);
        switch (code) {
        case 1: ball(p, QColor(36, 36, 40), QColor(150, 150, 160)); break;
        case 2: wheel(p, QColor(40, 90, 230)); break;
        case 3: wheel(p, QColor(230, 40, 40)); break;
        case 4: skullBall(p); break;
        case 5: ball(p, QColor(128, 134, 70), QColor(210, 214, 160)); break;
        case 6: keyBlock(p); break;
        default: return image;
        }
    }
    return outlined(image);
}

// Player frames: 0 front, 1 stone, 2-4 down, 5-7 up, 8-10 right, 11-13 left.
QImage frame(int index) {
    switch (index) {
    case 0: return playerPicture(0, 0);
    case 1: return playerPicture(0, 0, true);
    default: break;
    }
    const int group = (index - 2) / 3, pose = (index - 2) % 3;
    switch (group) {
    case 0: return playerPicture(0, pose);
    case 1: return playerPicture(1, pose);
    case 2: return playerPicture(2, pose);
    default: return playerPicture(2, pose, false, true);
    }
}

// ---- The clear windows --------------------------------------------------

QImage banner() {
    QImage image(509, 70, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(52);
    font.setBold(true);
    QPainterPath text;
    text.addText(8, 54, font, QStringLiteral("Congratulations!"));
    const QRectF box = text.boundingRect();
    QPainterPath centred = text.translated((509 - box.width()) / 2 - box.left(), 0);
    QLinearGradient rainbow(0, 0, 509, 0);
    for (int i = 0; i <= 6; ++i) rainbow.setColorAt(i / 6.0, QColor::fromHsv((i * 300 / 6) % 360, 230, 255));
    p.setPen(QPen(QColor(40, 20, 60), 4));
    p.drawPath(centred);
    p.fillPath(centred, rainbow);
    return image;
}

QImage spotlight() {
    QImage image(70, 140, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QPainterPath cone;
    cone.moveTo(28, 0);
    cone.lineTo(42, 0);
    cone.lineTo(70, 132);
    cone.lineTo(0, 132);
    cone.closeSubpath();
    QLinearGradient light(0, 0, 0, 140);
    light.setColorAt(0, QColor(255, 255, 200, 230));
    light.setColorAt(1, QColor(255, 240, 150, 90));
    p.fillPath(cone, light);
    p.setBrush(QColor(255, 250, 200, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(0, 124, 70, 16);
    return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
    if (image.save(folder.filePath(name))) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nerilo-make-pictures OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    bool ok = true;
    for (int code = 0; code < 30; ++code)
        ok &= save(groundPicture(code), folder, QStringLiteral("ground%1.png").arg(code, 2, 10, QLatin1Char('0')));
    for (int code = 0; code < 9; ++code) ok &= save(blockPicture(code), folder, QStringLiteral("block%1.png").arg(code));
    for (int i = 0; i < 14; ++i) ok &= save(frame(i), folder, QStringLiteral("player%1.png").arg(i, 2, 10, QLatin1Char('0')));
    // The clear window's walker: standing, two strides, and the turn to the viewer.
    const QImage walking[5] = {playerPicture(2, 0), playerPicture(2, 1), playerPicture(0, 0), playerPicture(2, 2),
                               playerPicture(2, 1)};
    for (int i = 0; i < 5; ++i) ok &= save(walking[i], folder, QStringLiteral("walk%1.png").arg(i + 1));
    ok &= save(banner(), folder, QStringLiteral("banner.png"));
    ok &= save(spotlight(), folder, QStringLiteral("spotlight.png"));
    return ok ? 0 : 1;
}
