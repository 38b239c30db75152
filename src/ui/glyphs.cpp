// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace ui {

namespace {
using Draw = std::function<void(QPainter&)>;

const QColor kInk(30, 30, 30), kBlue(20, 70, 170), kRed(180, 20, 20), kGreen(20, 120, 40), kPaper(250, 250, 240);

void page(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void lines(QPainter& p, QRectF r, int n)
{
    p.setPen(QPen(kBlue, 1));
    for (int i = 0; i < n; ++i) p.drawLine(QPointF(r.left() + 2, r.top() + 3 + i * 3), QPointF(r.right() - 2, r.top() + 3 + i * 3));
}

void lens(QPainter& p, QPointF c)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(c, 5, 5);
    p.drawLine(c + QPointF(3.5, 3.5), c + QPointF(8, 8));
}

void arrow(QPainter& p, QPointF from, QPointF to, QColor c)
{
    p.setPen(QPen(c, 2));
    p.drawLine(from, to);
    QPointF d = to - from;
    double len = std::hypot(d.x(), d.y());
    QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head {to, to - u * 5 + n * 4, to - u * 5 - n * 4};
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

const std::map<QString, Draw>& drawings()
{
    static const std::map<QString, Draw> d = {
        {"NewSpeed", [](QPainter& p) { page(p, {4, 2, 12, 16}); arrow(p, {14, 12}, {14, 6}, kGreen); }},
        {"OpenSpeed", [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(235, 200, 90));
             p.drawPolygon(QPolygonF {{2, 5}, {8, 5}, {10, 7}, {18, 7}, {18, 17}, {2, 17}});
         }},
        {"AddSpeed", [](QPainter& p) { page(p, {3, 2, 11, 15}); p.setPen(QPen(kGreen, 3)); p.drawLine(14, 10, 14, 18); p.drawLine(10, 14, 18, 14); }},
        {"EditSpeed", [](QPainter& p) { page(p, {3, 2, 11, 15}); lines(p, {3, 2, 11, 15}, 3); p.setPen(QPen(kRed, 3)); p.drawLine(9, 17, 18, 8); }},
        {"CopySpeed", [](QPainter& p) { page(p, {2, 2, 10, 13}); page(p, {8, 6, 10, 13}); lines(p, {8, 6, 10, 13}, 3); }},
        {"DeleteSpeed", [](QPainter& p) { page(p, {3, 2, 11, 15}); p.setPen(QPen(kRed, 3)); p.drawLine(9, 9, 17, 17); p.drawLine(17, 9, 9, 17); }},
        {"ImportSpeed", [](QPainter& p) { page(p, {6, 8, 12, 10}); arrow(p, {6, 1}, {12, 11}, kGreen); }},
        {"ExportSpeed", [](QPainter& p) { page(p, {2, 8, 12, 10}); arrow(p, {8, 12}, {15, 2}, kBlue); }},
        {"SearchSpeed", [](QPainter& p) { lens(p, {8, 8}); }},
        {"EndSearchSpeed", [](QPainter& p) { lens(p, {8, 8}); p.setPen(QPen(kRed, 2)); p.drawLine(2, 18, 18, 2); }},
        {"LocateSpeed", [](QPainter& p) {
             p.setPen(QPen(kRed, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(10, 10), 6, 6);
             p.drawLine(10, 1, 10, 19);
             p.drawLine(1, 10, 19, 10);
         }},
        {"LocateNextSpeed", [](QPainter& p) {
             p.setPen(QPen(kRed, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(7, 10), 5, 5);
             arrow(p, {12, 10}, {19, 10}, kBlue);
         }},
        {"ReportSpeed", [](QPainter& p) {
             page(p, {5, 1, 10, 8});
             p.setBrush(QColor(170, 170, 170));
             p.setPen(QPen(kInk, 1));
             p.drawRect(QRectF(2, 8, 16, 7));
             page(p, {5, 13, 10, 5});
         }},
        {"ViewerSpeed", [](QPainter& p) {
             page(p, {2, 3, 16, 14});
             p.setPen(QPen(kBlue, 1));
             for (int x : {7, 12}) p.drawLine(x, 3, x, 17);
             for (int y : {7, 11, 14}) p.drawLine(2, y, 18, y);
         }},
        {"ColorSpeed", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(QPointF(7, 7), 4, 4);
             p.setBrush(kGreen);
             p.drawEllipse(QPointF(13, 7), 4, 4);
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(10, 13), 4, 4);
         }},
        {"SpeedSetOrder", [](QPainter& p) { arrow(p, {6, 17}, {6, 3}, kBlue); arrow(p, {14, 3}, {14, 17}, kRed); }},
        {"HelpSpeed", [](QPainter& p) {
             p.setPen(QPen(kBlue, 1));
             p.setBrush(QColor(220, 235, 255));
             p.drawEllipse(QPointF(10, 10), 8, 8);
             QFont f(QStringLiteral("Arial"));
             f.setPixelSize(13);
             f.setBold(true);
             p.setFont(f);
             p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
         }},
    };
    return d;
}
}  // namespace

QIcon speedGlyph(const QString& button)
{
    auto it = drawings().find(button);
    if (it == drawings().end()) return {};
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    it->second(p);
    p.end();
    return QIcon(pm);
}

}  // namespace ui
