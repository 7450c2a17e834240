// The graph panel of the student menu: the student's times on each chosen
// level, drawn on the screen or printed.
#include "student_menu/seisekitime1.h"

#include "foundation/Buttons.h"
#include "foundation/Controls.h"
#include "foundation/ScreenLayout.h"
#include "results/ResultsFile.h"
#include "roster/Roster.h"
#include "student_menu/GraphPrinting.h"
#include "student_menu/GraphSurfaceView.h"

#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPanelLeftTwips = 120;
constexpr int kPanelTopTwips = 1740;
constexpr int kOpenedLevels = 3;
const QString kGraphFont = u"IPAGothic"_s;

QPushButton* makePanelButton(const QString& caption, QWidget* parent, const QRect& geometry)
{
    QPushButton* button = makeButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}
} // namespace

void seisekitime1::buildGraphPanel()
{
    Command17 = makePanelButton(u"グラフ"_s, this, QRect(790, 112, 112, 34));
    Command17->hide();
    connect(Command17, &QPushButton::clicked, this, [this] { Command17_Click(); });

    Picture11 = new QFrame(this);
    Picture11->setGeometry(kPanelLeftTwips / kTwipsPerPixel, kPanelTopTwips / kTwipsPerPixel,
                           kScreenWidth - 16, kScreenHeight - kPanelTopTwips / kTwipsPerPixel - 8);
    Picture11->setFrameShape(QFrame::StyledPanel);
    fillBackground(Picture11, QColor(240, 240, 240));
    Picture11->hide();

    const int surfaceHeight = Picture11->height() - 8;
    Picture12 = new GraphSurfaceView(Picture11);
    Picture12->setGeometry(4, 4, Picture11->width() - 240, surfaceHeight);
    Picture12->setFont(QFont(kGraphFont, GraphFontSize));

    const int right = Picture12->geometry().right() + 8;
    const int rightWidth = Picture11->width() - right - 6;
    Label27 = makeLabel(u"ﾚﾍﾞﾙ"_s, Picture11, QRect(right, 4, 60, 22), 11);
    List3 = new QListWidget(Picture11);
    List3->setGeometry(right, 28, 60, 150);
    List3->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(List3, &QListWidget::itemSelectionChanged, this, [this] {
        if (Picture11->isVisible())
            Command24_Click(0);
    });

    const int buttonsLeft = right + 68;
    const int buttonsWidth = rightWidth - 68;
    Command25 = makePanelButton(u"他の人のデータを見る"_s, Picture11, QRect(buttonsLeft, 28, buttonsWidth, 36));
    Command24[0] = makePanelButton(u"表示"_s, Picture11, QRect(buttonsLeft, 70, buttonsWidth, 36));
    Command24[1] = makePanelButton(u"印刷"_s, Picture11, QRect(buttonsLeft, 112, buttonsWidth, 36));
    Command18 = makePanelButton(u"戻る"_s, Picture11, QRect(buttonsLeft, 154, buttonsWidth, 36));
    connect(Command25, &QPushButton::clicked, this, [this] { Command25_Click(); });
    for (int target = 0; target < 2; ++target)
        connect(Command24[target], &QPushButton::clicked, this, [this, target] { Command24_Click(target); });
    connect(Command18, &QPushButton::clicked, this, [this] { Command18_Click(); });

    List2 = new QListWidget(Picture11);
    List2->setGeometry(right, 200, rightWidth, Picture11->height() - 206);
    // Shift and Ctrl pick many students at once: a whole class for printing.
    List2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List2->setFont(QFont(kGraphFont, 8));
    List2->hide();
    connect(List2, &QListWidget::itemSelectionChanged, this, [this] { Command24_Click(0); });
}

// The individual view's additions: the students of the roster read again
// and the levels.
void seisekitime1::fillGraphLists()
{
    std::vector<RosterEntry> roster;
    readRosterFile(context_.files, context_.state.DataRoot, roster);
    const QSignalBlocker quietStudents(List2);
    List2->clear();
    List2->addItems(graphStudentLines(context_.state, roster));
    const QSignalBlocker quietLevels(List3);
    List3->clear();
    for (int level = 1; level <= levelCount(); ++level)
        List3->addItem(QString::number(level));
    GraphStudent = context_.state.CurrentStudentNo;
}

void seisekitime1::Command17_Click()
{
    GraphStudent = context_.state.CurrentStudentNo;
    {
        const QSignalBlocker quietStudents(List2);
        List2->clearSelection();
        List2->hide();
        const QSignalBlocker quietLevels(List3);
        for (int line = 0; line < std::min(kOpenedLevels, List3->count()); ++line)
            List3->item(line)->setSelected(true);
    }
    Command25->show();
    GraphFontSize = 6;
    drawGraphs();
}

void seisekitime1::Command25_Click()
{
    Command25->hide();
    List2->show();
}

void seisekitime1::Command18_Click() { Picture11->hide(); }

std::vector<int> seisekitime1::selectedGraphLevels() const
{
    std::vector<int> levels;
    for (int line = 0; line < List3->count(); ++line)
        if (List3->item(line)->isSelected())
            levels.push_back(line + 1);
    return levels;
}

std::vector<int> seisekitime1::selectedGraphStudents() const
{
    std::vector<int> students;
    for (int line = 0; line < List2->count(); ++line)
        if (List2->item(line)->isSelected())
            if (const auto student = graphStudentOfLine(List2->item(line)->text()))
                students.push_back(*student);
    return students;
}

void seisekitime1::Command24_Click(int target)
{
    std::vector<int> students = selectedGraphStudents();
    if (!students.empty())
        GraphStudent = students.back();
    else
        students.push_back(GraphStudent);
    if (target == 0)
        drawGraphs();
    else
        printGraphsOf(students);
}

void seisekitime1::drawGraphs()
{
    const ListingInputs inputs = listingInputs();
    // The please-wait panel's bar follows the records while the graphs are made.
    ProgressBar2->reset();
    Picture6->show();
    Picture6->raise();
    const std::vector<LoadedResult> records = readRecordsShowingProgress(kGraphRecordCount);
    Picture6->repaint();
    Picture11->move(kPanelLeftTwips / kTwipsPerPixel, kPanelTopTwips / kTwipsPerPixel);
    const GraphSurface surface = screenSurface(Picture12->width() * kTwipsPerPixel,
                                               Picture12->height() * kTwipsPerPixel, GraphFontSize);
    // Each page clears the surface: only the last one stays on show.
    const GraphRequest request{inputs, records, GraphStudent, PointsOrder, selectedGraphLevels()};
    Picture12->showPage(graphPages(request, surface).back());
    Picture6->hide();
    Picture11->show();
    Picture11->raise();
    Picture1->setEnabled(true);
}

void seisekitime1::printGraphsOf(const std::vector<int>& students)
{
    const SharedState& state = context_.state;
    const ListingInputs inputs = listingInputs();
    const std::vector<LoadedResult> records = ReadNewestRecords(context_, kGraphRecordCount);
    const QString stamp = QDateTime(context_.clock.today(), QTime(0, 0).addSecs(static_cast<int>(
                                                                  context_.clock.secondsSinceMidnight())))
                              .toString(u"yyyyMMdd_HHmmss"_s);
    const GraphPrintJob job{GraphRequest{inputs, records, GraphStudent, PointsOrder, selectedGraphLevels()},
                            students, Picture12->font().family(),
                            state.ProgramDataFolder + u"グラフ印刷/"_s + stamp + u'/'};

    Picture6->show();
    Picture6->raise();
    ProgressBar2->setRange(0, static_cast<int>(students.size()));
    ProgressBar2->setValue(0);
    Picture6->repaint();
    const QString message = printGraphs(context_.printing, job, [this](int done) {
        ProgressBar2->setValue(done);
        Picture6->repaint();
    });
    Picture6->hide();
    if (!message.isEmpty())
        context_.dialogs.showMessage(message, state.ProgramTitle);
}
