// The controls of the drill screen and where they stand.

#include "drill/MainFrm.h"

#include "drill/Shapes.h"
#include "foundation/Buttons.h"
#include "foundation/ScreenLayout.h"

#include <QLabel>

namespace {
constexpr int kHeaderHeight = 1725 / kTwipsPerPixel;
constexpr int kTimeBarLength = 14985 / kTwipsPerPixel;
constexpr int kAnswerColumn = 140; // left edge of the first operand, answer and correction boxes
constexpr int kSecondColumn = 560;
constexpr int kBoxWidth = 240;
constexpr int kBoxHeight = 120;
constexpr int kProblemTop = 16;
constexpr int kHintTop = 146;
constexpr int kAnswerTop = 326;
constexpr int kCorrectionTop = 456;
constexpr int kCounterSize = 46;
constexpr int kCounterStep = 52;

const QColor kDrillBackground(20, 40, 90);
const QColor kHintBackground(250, 246, 230);

QFont pointFont(double points, bool bold)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

QLabel* makeLabel(QWidget* parent, const QRect& geometry, double points, bool bold = false,
                  const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(pointFont(points, bold));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A 72-point number box of the drill area.
QLabel* makeBox(QWidget* parent, int left, int top, unsigned bgr)
{
    QLabel* box = makeLabel(parent, QRect(left, top, kBoxWidth, kBoxHeight), 72);
    setBackground(box, colourFromBgr(bgr));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(2);
    return box;
}

QLabel* makeSign(QWidget* parent, int left, int top, const QString& text = QString())
{
    QLabel* sign = makeLabel(parent, QRect(left, top, 120, kBoxHeight), 48, true, text);
    setTextColour(sign, Qt::white);
    return sign;
}

constexpr double kHeaderValuePoints = 15.75;
constexpr double kHeaderWordPoints = 8.25;
} // namespace

void MainFrm::buildHeader()
{
    sPicture1 = new QWidget(this);
    sPicture1->setGeometry(0, 0, kScreenWidth, kHeaderHeight);
    setBackground(sPicture1, QColor(236, 236, 228));

    const auto value = [this](const QRect& geometry) {
        return makeLabel(sPicture1, geometry, kHeaderValuePoints, true);
    };
    const auto word = [this](const QRect& geometry, const QString& text) {
        return makeLabel(sPicture1, geometry, kHeaderWordPoints, false, text);
    };
    sLabel2 = makeLabel(sPicture1, QRect(4, 4, 260, 34), 16.8, true);
    setBackground(sLabel2, colourFromBgr(0x00C000));
    sLabel14 = value(QRect(270, 4, 236, 34));
    sLabel7 = value(QRect(510, 4, 236, 34));

    const int row = 44, height = 34;
    sLabel8 = value(QRect(4, row, 196, height));
    sLabel4 = word(QRect(204, row, 30, height), QStringLiteral("残り"));
    sLabel9 = value(QRect(234, row, 40, height));
    sLabel6 = word(QRect(274, row, 20, height), QStringLiteral("問"));
    sLabel5 = word(QRect(302, row, 40, height), QStringLiteral("タイム"));
    sLabel10 = value(QRect(342, row, 60, height));
    sLabel16[0] = word(QRect(410, row, 40, height), QStringLiteral("起動後"));
    sLabel13 = value(QRect(450, row, 44, height));
    sLabel16[1] = word(QRect(494, row, 18, height), QStringLiteral("分"));
    sLabel16[2] = word(QRect(518, row, 30, height), QStringLiteral("本日"));
    sLabel12 = value(QRect(548, row, 40, height));
    sLabel16[3] = word(QRect(588, row, 28, height), QStringLiteral("回目"));
    sLabel16[4] = word(QRect(620, row, 56, height), QStringLiteral("このレベル"));
    sLabel11 = value(QRect(676, row, 40, height));
    sLabel16[5] = word(QRect(716, row, 28, height), QStringLiteral("回目"));

    // The three rows of ten segments, top to bottom: Best, YourBest, Pass.
    const struct {
        int label;
        QString caption;
        int firstSegment;
        unsigned bgr;
    } rows[] = {{1, QStringLiteral("Best"), 10, 0x008000},
                {0, QStringLiteral("YourBest"), 20, 0x00C0C0},
                {2, QStringLiteral("Pass"), 30, 0x0000C0}};
    int top = 6;
    for (const auto& segmentRow : rows) {
        sLabel17[segmentRow.label] = word(QRect(752, top, 62, 20), segmentRow.caption);
        for (int i = 0; i < 10; ++i) {
            auto* segment = new ShapeWidget(ShapeWidget::Kind::Box, colourFromBgr(segmentRow.bgr), sPicture1);
            segment->setGeometry(816 + i * 20, top + 1, 17, 18);
            sPicture3[segmentRow.firstSegment + i] = segment;
        }
        top += 24;
    }

    sShape5 = new ShapeWidget(ShapeWidget::Kind::Box, Qt::white, sPicture1);
    sShape5->setGeometry(8, 84, kTimeBarLength, 24);
    sShape4 = new ShapeWidget(ShapeWidget::Kind::Box, colourFromBgr(0x80FF80), sPicture1);
    sShape3 = new ShapeWidget(ShapeWidget::Kind::Box, colourFromBgr(0x00FF00), sPicture1);
    sShape2 = new ShapeWidget(ShapeWidget::Kind::Box, colourFromBgr(0xFF0000), sPicture1);
    sShape4->setGeometry(8, 84, 0, 24);
    sShape3->setGeometry(8, 88, 0, 16);
    sShape2->setGeometry(8, 91, 0, 10);
}

void MainFrm::buildDrillArea()
{
    Keisan2BasePic = new QWidget(this);
    setBackground(Keisan2BasePic, kDrillBackground);

    Keisan2Lbl2[0] = makeBox(Keisan2BasePic, kAnswerColumn, kProblemTop, 0xFFFF80);
    Keisan2Lbl3[0] = makeSign(Keisan2BasePic, 420, kProblemTop);
    Keisan2Lbl2[1] = makeBox(Keisan2BasePic, kSecondColumn, kProblemTop, 0xFFFF80);

    Keisan2Lbl3[1] = makeSign(Keisan2BasePic, 10, kAnswerTop, QStringLiteral("＝"));
    Keisan2Lbl1[0] = makeBox(Keisan2BasePic, kAnswerColumn, kAnswerTop, 0xFFFF80);
    Keisan2Lbl3[2] = makeSign(Keisan2BasePic, 420, kAnswerTop);
    Keisan2Lbl1[1] = makeBox(Keisan2BasePic, kSecondColumn, kAnswerTop, 0xFFFF80);

    Line1 = new StrokeWidget(StrokeWidget::Direction::Falling, 10, Keisan2BasePic);
    Line2 = new StrokeWidget(StrokeWidget::Direction::Rising, 10, Keisan2BasePic);
    for (StrokeWidget* line : {Line1, Line2}) {
        line->setGeometry(kAnswerColumn - 20, kAnswerTop - 10, kBoxWidth + 40, kBoxHeight + 20);
        line->hide();
    }

    Label1 = makeLabel(Keisan2BasePic, QRect(4, kCorrectionTop, 132, 40), 20, true, QStringLiteral("正解は"));
    setTextColour(Label1, Qt::yellow);
    Keisan2Lbl3[4] = makeSign(Keisan2BasePic, 10, kCorrectionTop + 30, QStringLiteral("＝"));
    Keisan2Lbl4[0] = makeBox(Keisan2BasePic, kAnswerColumn, kCorrectionTop, 0x8080FF);
    Keisan2Lbl3[3] = makeSign(Keisan2BasePic, 420, kCorrectionTop);
    Keisan2Lbl4[1] = makeBox(Keisan2BasePic, kSecondColumn, kCorrectionTop, 0x8080FF);
    setShown({Label1, Keisan2Lbl3[3], Keisan2Lbl3[4], Keisan2Lbl4[0], Keisan2Lbl4[1]}, false);

    Keisan2Lbl5[0] = makeLabel(Keisan2BasePic, QRect(400, kCorrectionTop + 30, 600, 60), 24, true,
                               QStringLiteral("\"+\"を２回押しなさい"));
    setTextColour(Keisan2Lbl5[0], Qt::yellow);
    Keisan2Lbl5[0]->hide();

    Label2 = makeLabel(Keisan2BasePic, QRect(0, 590, kScreenWidth, 44), 18, false,
                       QStringLiteral("↓＝クリア　 　スペース＝判定"));
    setTextColour(Label2, Qt::white);

    Commandkakunin = makeButton(QStringLiteral("確認"), Keisan2BasePic);
    Commandkakunin->setFocusPolicy(Qt::NoFocus);
    Commandkakunin->hide();
}

void MainFrm::buildMakeTenHint()
{
    for (int frame = 0; frame < 2; ++frame) {
        const int left = frame == 0 ? kAnswerColumn - 10 : kSecondColumn - 10;
        Label5[frame] = makeLabel(Keisan2BasePic, QRect(left - 20, kHintTop, 300, 28), 16, true);
        setTextColour(Label5[frame], Qt::white);
        Picture1[frame] = new QWidget(Keisan2BasePic);
        Picture1[frame]->setGeometry(left, kHintTop + 30, 5 * kCounterStep + 4, 2 * kCounterStep + 4);
        setBackground(Picture1[frame], kHintBackground);
        for (int k = 1; k <= 10; ++k) {
            const int i = frame * 10 + k;
            const QRect place(4 + (k - 1) % 5 * kCounterStep, 4 + (k - 1) / 5 * kCounterStep, kCounterSize,
                              kCounterSize);
            Shape1[i] = new ShapeWidget(ShapeWidget::Kind::Round, colourFromBgr(0x0000FF), Picture1[frame]);
            Shape1[i]->setGeometry(place);
            Line3[i] = new StrokeWidget(StrokeWidget::Direction::Rising, 5, Picture1[frame]);
            Line3[i]->setGeometry(place);
        }
        Label8[frame] = makeLabel(Keisan2BasePic, QRect(left, kHintTop + 140, 5 * kCounterStep + 4, 26), 16, true,
                                  QStringLiteral("10"));
        setTextColour(Label8[frame], Qt::white);
    }
    Label5[2] = makeLabel(Keisan2BasePic, QRect(), 16);
    Label5[3] = makeLabel(Keisan2BasePic, QRect(), 16);
    Label6 = makeLabel(Keisan2BasePic, QRect(400, kHintTop + 40, 160, 64), 40, true);
    Label7 = makeLabel(Keisan2BasePic, QRect(400, kHintTop + 104, 160, 34), 18, true);
    for (QLabel* label : {Label6, Label7})
        setTextColour(label, Qt::yellow);
}

void MainFrm::buildFiveFiveHint()
{
    Picture2 = new QWidget(Keisan2BasePic);
    Picture2->setGeometry(kAnswerColumn - 40, kHintTop, 720, 170);
    setBackground(Picture2, kHintBackground);
    constexpr int rowTops[] = {34, 100};
    for (int row = 0; row < 2; ++row) {
        Label9[row] = makeLabel(Picture2, QRect(4, rowTops[row], 70, kCounterSize), 22, true);
        for (int k = 1; k <= 10; ++k) {
            const int groupGap = k > 5 ? 36 : 0;
            Shape2[row * 10 + k] = new ShapeWidget(ShapeWidget::Kind::Round, colourFromBgr(0x0000FF), Picture2);
            Shape2[row * 10 + k]->setGeometry(84 + (k - 1) * kCounterStep + groupGap, rowTops[row], kCounterSize,
                                              kCounterSize);
        }
    }
    Shape3 = new ShapeWidget(ShapeWidget::Kind::Frame, colourFromBgr(0xFF0000), Picture2);
    Shape3->setGeometry(76, 2, 5 * kCounterStep + 10, 160);
    Label9[2] = makeLabel(Picture2, QRect(76, 4, 5 * kCounterStep + 10, 28), 16, true, QStringLiteral("10"));
    setTextColour(Label9[2], colourFromBgr(0xFF0000));
}

void MainFrm::buildOverlay()
{
    sPicture2 = new QWidget(this);
    sPicture2->setGeometry(0, 0, 9600 / kTwipsPerPixel, 7200 / kTwipsPerPixel);
    setBackground(sPicture2, QColor(255, 255, 240));
    lblsss1 = makeLabel(sPicture2, sPicture2->rect(), 36, true, QStringLiteral("成績記録中"));
    lblsss2 = makeLabel(sPicture2, sPicture2->rect(), 36, true, QStringLiteral("時間切れ"));
    setTextColour(lblsss2, Qt::red);
    sPicture2->hide();
}
