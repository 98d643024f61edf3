#include "common/Icons.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {

namespace {
constexpr int kSize = 32;

QPixmap Canvas() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap Cylinder(const QColor& body) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(body.darker(160), 1.5));
    p.setBrush(body);
    p.drawRect(QRectF(5, 8, 22, 18));
    p.drawEllipse(QRectF(5, 22, 22, 8));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5.8, 9, 20.4, 17));
    p.setPen(QPen(body.darker(160), 1.5));
    p.setBrush(body.lighter(130));
    p.drawEllipse(QRectF(5, 4, 22, 8));
    return pixmap;
}

QPixmap Grid(const QColor& header) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(4, 6, 24, 20);
    p.fillRect(5, 7, 23, 5, header);
    for (int y = 16; y < 26; y += 5) p.drawLine(4, y, 28, y);
    p.drawLine(14, 12, 14, 26);
    return pixmap;
}

QPixmap Field(bool key) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(6, 10, 20, 12);
    p.fillRect(8, 14, 12, 4, QColor(70, 110, 180));
    if (key) {
        p.setPen(QPen(QColor(170, 120, 0), 2.5));
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(QRectF(3, 2, 12, 12));
        p.drawLine(QPointF(13, 12), QPointF(28, 27));
        p.drawLine(QPointF(24, 23), QPointF(21, 26));
    }
    return pixmap;
}

QPixmap Glyph(const QString& text, const QColor& background) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 13 : 20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    return pixmap;
}

QPixmap Triangle(const QColor& color) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(150), 1.5));
    p.setBrush(color);
    QPainterPath path;
    path.moveTo(8, 4);
    path.lineTo(28, 16);
    path.lineTo(8, 28);
    path.closeSubpath();
    p.drawPath(path);
    return pixmap;
}

QPixmap Square(const QColor& color) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(150), 1.5));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(6, 6, 20, 20), 3, 3);
    return pixmap;
}
}  // namespace

QIcon Icons::TreeImage(int image) {
    switch (image) {
        case 1:
            return QIcon(Cylinder(QColor(90, 140, 210)));
        case 2:
            return QIcon(Grid(QColor(90, 140, 210)));
        case 3:
            return QIcon(Field(false));
        case 4:
            return QIcon(Field(true));
        default:
            return {};
    }
}

QIcon Icons::ToolIcon(Tool tool) {
    switch (tool) {
        case Tool::Connect:
            return QIcon(Cylinder(QColor(60, 160, 90)));
        case Tool::Print:
            return QIcon(Glyph("P", QColor(90, 90, 90)));
        case Tool::Save:
            return QIcon(Glyph("S", QColor(50, 100, 170)));
        case Tool::Cut:
            return QIcon(Glyph("X", QColor(170, 70, 60)));
        case Tool::Copy:
            return QIcon(Glyph("C", QColor(80, 120, 160)));
        case Tool::Paste:
            return QIcon(Glyph("V", QColor(120, 100, 60)));
        case Tool::Options:
            return QIcon(Glyph("O", QColor(110, 80, 150)));
        case Tool::Generate:
            return QIcon(Triangle(QColor(60, 170, 70)));
        case Tool::Stop:
            return QIcon(Square(QColor(200, 60, 50)));
        case Tool::Highlight:
            return QIcon(Glyph("H", QColor(200, 140, 30)));
        case Tool::About:
            return QIcon(Glyph("?", QColor(70, 130, 180)));
    }
    return {};
}

QPixmap Icons::Logo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 160));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QRectF(14, 14, 36, 36));
    p.setBrush(QColor(40, 90, 160));
    p.drawEllipse(QRectF(24, 24, 16, 16));
    return pixmap;
}

}  // namespace orvane
