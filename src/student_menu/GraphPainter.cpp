#include "student_menu/GraphPainter.h"

#include "foundation/ScreenLayout.h"

#include <QPainter>

namespace {
struct ItemPainter {
    QPainter& painter;
    double dotsPerUnit;
    const QString& fontFamily;

    QPointF device(QPointF position) const { return position * dotsPerUnit; }

    void operator()(const GraphLine& line) const
    {
        painter.setPen(QPen(colourFromBgr(line.colour), line.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(device(line.from), device(line.to));
    }
    void operator()(const GraphDot& dot) const
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colourFromBgr(dot.colour));
        const double radius = std::max(dot.width, 1) / 2.0;
        painter.drawEllipse(device(dot.at), radius, radius);
    }
    void operator()(const GraphText& text) const
    {
        QFont font(fontFamily);
        font.setPointSizeF(text.fontSize);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QPointF topLeft = device(text.at);
        painter.drawText(QRectF(topLeft, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         text.text);
    }
};
} // namespace

void paintGraphPage(QPainter& painter, const GraphPage& page, double dotsPerUnit, const QString& fontFamily)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const ItemPainter paint{painter, dotsPerUnit, fontFamily};
    for (const GraphItem& item : page)
        std::visit(paint, item);
    painter.restore();
}
