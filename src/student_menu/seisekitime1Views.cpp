// The views of the student menu and the lists they build in the level
// columns.
#include "student_menu/seisekitime1.h"

#include "foundation/FixedPitchList.h"
#include "foundation/ScreenLayout.h"
#include "results/ResultsFile.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int kTodayListRecords = 1000;
constexpr int kPeriodListRecords = 20000;
constexpr int kIndividualPeriodDays = 3650;
} // namespace

void seisekitime1::beginListBuild()
{
    Command1->setEnabled(false);
    setStartButtonsEnabled(false);
    setListsVisible(false);
    Picture6->show();
    Picture6->raise();
    repaint();
}

void seisekitime1::Option2_Click(int index)
{
    Command17->hide();
    Picture11->hide();
    beginListBuild();
    if (ActivationInProgress)
        return;
    switch (index) {
    case 0:
        Option1[1]->setText(u"BEST表示"_s);
        Option1[2]->setText(u"本日のみ"_s);
        Option1[3]->setEnabled(true);
        DisplayMode = 1;
        for (int list = 1; list <= 3; ++list)
            if (Option1[list]->isChecked())
                Option1_Click(list);
        break;
    case 1:
        Combo2->hide();
        Option1[1]->setText(u"合計累計"_s);
        Option1[2]->setText(u"合計本日"_s);
        Option1[3]->setText(u"すべて"_s);
        Option1[3]->setEnabled(true);
        DisplayMode = 2;
        repaint();
        if (Option1[1]->isChecked()) {
            PointsOrder = 1;
            Option1_Click(1);
        } else if (Option1[3]->isChecked()) {
            Option1_Click(3);
        } else if (Option1[2]->isChecked()) {
            PointsOrder = 2;
            Option1_Click(2);
        }
        break;
    default:
        Command17->show();
        Combo2->hide();
        individualList();
        break;
    }
}

void seisekitime1::Option1_Click(int index)
{
    beginListBuild();
    Combo2->hide();
    Picture1->setEnabled(false);
    repaint();
    if (DisplayMode == 0)
        DisplayMode = 1;
    if (DisplayMode == 1) {
        if (index == 1)
            bestList();
        else if (index == 2)
            todayList();
        else
            periodList();
    } else {
        if (PointsOrder == 0)
            PointsOrder = 1;
        if (index == 3) {
            periodList();
        } else {
            PointsOrder = index;
            Label5->setText(index == 1 ? u"獲得ポイント（今まで順位）"_s : u"獲得ポイント（今日の順位）"_s);
            buildRankings(index == 1 ? ProgressBar1 : nullptr);
        }
        Picture1->setEnabled(true);
    }
    Command1->setEnabled(true);
    applyLevelLocks();
    setListsVisible(true);
    Picture6->hide();
}

void seisekitime1::Combo1_Click()
{
    Option2_Click(Option2[0]->isChecked() ? 0 : 1);
    if (Command4.size() > 1)
        Command4[1]->setFocus();
}

void seisekitime1::Combo2_Click(int index)
{
    if (!Option1[3]->isChecked())
        return;
    context_.state.PeriodChoice = index + 1;
    Option1_Click(3);
}

// ---------------------------------------------------------------- lists

ListingInputs seisekitime1::listingInputs() const
{
    return ListingInputs{context_.state, Combo1->currentText(), levelCount(), context_.clock.today()};
}

void seisekitime1::buildRankings(QProgressBar* alsoCounting)
{
    const ListingInputs inputs = listingInputs();
    ProgressBar2->setRange(0, levelCount());
    if (alsoCounting)
        alsoCounting->setRange(0, levelCount());
    for (int level = 1; level <= levelCount(); ++level) {
        Label9[level]->setText(u"今日"_s);
        Label10[level]->setText(u"今まで"_s);
        showFixedPitchRows(List5[level], DisplayMode == 1 ? timeRankingLines(inputs, level)
                                                         : pointsRankingLines(inputs, level, PointsOrder));
        成績リスト色表示単独(level);
        ProgressBar2->setValue(level);
        if (alsoCounting)
            alsoCounting->setValue(level);
    }
}

void seisekitime1::bestList()
{
    Label5->setText(u"ベスト成績"_s);
    context_.state.ListKind = 1;
    回数など表示();
    buildRankings(nullptr);
    Picture1->setEnabled(true);
}

void seisekitime1::showLevelLines(const LevelLines& lines)
{
    for (int level = 1; level <= levelCount() && level < static_cast<int>(lines.size()); ++level)
        showFixedPitchRows(List5[level], lines[level]);
}

std::vector<LoadedResult> seisekitime1::readRecordsShowingProgress(qint64 count)
{
    std::vector<LoadedResult> records = ReadNewestRecords(context_, count);
    ProgressBar2->setRange(0, static_cast<int>((records.size() + 1) * 11 / 10));
    ProgressBar2->setValue(static_cast<int>(records.size()));
    return records;
}

void seisekitime1::todayList()
{
    Label5->setText(u"本日の成績"_s);
    context_.state.ListKind = 2;
    回数など表示();
    showLevelLines(todayListLines(listingInputs(), readRecordsShowingProgress(kTodayListRecords)));
    成績リスト色表示();
    Picture1->setEnabled(true);
}

void seisekitime1::periodList()
{
    SharedState& state = context_.state;
    state.ListKind = 3;
    回数など表示();
    const std::vector<LoadedResult> records = readRecordsShowingProgress(kPeriodListRecords);
    state.PeriodDays = PeriodDays(state.PeriodChoice, context_.clock.today().dayOfWeek());
    Label5->clear();
    showLevelLines(periodListLines(listingInputs(), records, state.PeriodDays, DisplayMode));
    成績リスト色表示();
    Picture1->setEnabled(true);
    Combo2->show();
}

void seisekitime1::individualList()
{
    SharedState& state = context_.state;
    state.ListKind = 3;
    回数など表示();
    Label5->setText(u"個人別ﾀｲﾑ"_s);
    state.PeriodDays = kIndividualPeriodDays;
    const std::vector<LoadedResult> records = ReadNewestRecords(context_, kPeriodListRecords);
    showLevelLines(individualListLines(listingInputs(), records));
    fillGraphLists();
    Picture6->hide();
    applyLevelLocks();
    setListsVisible(true);
    Command1->setEnabled(true);
}

void seisekitime1::回数など表示()
{
    for (int level = 1; level <= levelCount(); ++level) {
        Label9[level]->setText(u"今日"_s);
        Label10[level]->setText(u"今まで"_s);
        List5[level]->clear();
    }
}

void seisekitime1::成績リスト色表示()
{
    const CriteriaTable& criteria = context_.state.Criteria;
    for (int level = 1; level <= levelCount(); ++level) {
        if (DisplayMode == 1) {
            QStringList lines;
            for (int row = 0; row < List5[level]->count(); ++row)
                lines << List5[level]->item(row)->text();
            if (const auto colour = listColour(lines, criteria.TargetTime[level], criteria.MinimumTime[level])) {
                QPalette colours = List5[level]->palette();
                colours.setColor(QPalette::Base, colourFromBgr(*colour));
                List5[level]->setPalette(colours);
            }
        }
        成績リスト色表示単独(level);
    }
}

void seisekitime1::成績リスト色表示単独(int level)
{
    List5[level]->clearSelection();
    List5[level]->setCurrentRow(-1);
}

