#pragma once
// The graph panel's drawing surface: keeps the page last drawn on it and
// paints it again whenever the window needs it.

#include "foundation/ScreenLayout.h"
#include "student_menu/GraphPainter.h"

#include <QPainter>
#include <QWidget>

class GraphSurfaceView final : public QWidget {
public:
    using QWidget::QWidget;

    const GraphPage& page() const { return page_; }
    void showPage(GraphPage page)
    {
        page_ = std::move(page);
        update();
    }
    void clear() { showPage({}); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        paintGraphPage(painter, page_, 1.0 / kTwipsPerPixel, font().family());
    }

private:
    GraphPage page_;
};
