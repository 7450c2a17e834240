#include "student_menu/GraphDrawing.h"

#include "foundation/Limits.h"
#include "foundation/TextColumns.h"
#include "roster/Roster.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr int kWindowDays = 3650;
// Runs this long or longer are left out of the counts, sums and scale.
constexpr int kCountedBelowSeconds = 1800;
constexpr int kLargestScale = 1000;
constexpr int kNoSchoolBest = 99999;
constexpr double kNoTrail = -99999;
constexpr double kGraphSpacing = 0.3;  // of the page height
constexpr double kFirstGraphTop = 0.05;
constexpr double kLastGraphTop = 0.9;
constexpr double kPageTop = 0.08;
constexpr int kFrameLineWidth = 2;
constexpr int kTrailLineWidth = 3;
// The unit of a graph's heights: a third of the page, so that each of the
// three graphs of a page, with its dates under the axis, fits in its
// 0.3 of the page height and the third one ends above the page's foot.
constexpr double kGraphHeightUnit = 1.0 / 3.0;

// A value written with a pattern of "#": a number rounded to whole digits,
// nothing for 0; a text that is no number stays as it is.
QString hashFormatted(double value)
{
    const qint64 whole = std::llround(value);
    return whole == 0 ? QString() : QString::number(whole);
}
QString hashFormatted(const QString& value)
{
    bool isNumber = false;
    const double number = value.trimmed().toDouble(&isNumber);
    return isNumber ? hashFormatted(number) : value;
}

struct TrailRow {
    double y = 0; // below the graph's top
    double x = 0;
    QString time;
    QString date;
};

QString dateText(double entryDate) { return dateOfEntry(entryDate).toString(u"yyyy/MM/dd"_s); }

// Whole when the year differs from the previous row's, else mm/dd.
QString trailDateLabel(const std::vector<TrailRow>& trail, std::size_t row)
{
    const QString& date = trail[row].date;
    if (row == 0 || date.left(5) != trail[row - 1].date.left(5))
        return date;
    return date.right(5);
}

class LevelGraph {
public:
    LevelGraph(const GraphRequest& request, const std::vector<const LoadedResult*>& window, int level, double top,
               const GraphSurface& surface, GraphPage& page)
        : request_(request), window_(window), level_(level), top_(top), surface_(surface), page_(page),
          w2_(surface.width / 2), h2_(surface.height * kGraphHeightUnit)
    {
    }

    void draw()
    {
        drawHeading();
        countOwnRuns();
        drawAxes();
        plotRuns();
        drawSidePanel(schoolFigures(request_.listing, level_, request_.pointsOrder, request_.student));
        drawTrailLabels();
    }

private:
    QPointF at(double xOfW2, double yOfH2) const { return {xOfW2 * w2_, top_ + yOfH2 * h2_}; }
    void text(QPointF position, const QString& content, double fontSize)
    {
        page_.push_back(GraphText{position, content, fontSize});
    }
    void line(QPointF from, QPointF to, int width, unsigned colour = kGraphBlack)
    {
        page_.push_back(GraphLine{from, to, colour, width});
    }
    bool isOwnRun(const LoadedResult& record) const
    {
        return record.StudentNo == request_.student && record.Level == level_;
    }

    void drawHeading()
    {
        const SharedState& state = request_.listing.state;
        if (top_ < kPageTop * surface_.height && request_.student >= 0 && request_.student <= kMaxStudentNo)
            text({0.01 * w2_, 0.02 * h2_}, state.StudentNames[static_cast<std::size_t>(request_.student)],
                 3 * surface_.fontSize);
        for (const double y : {0.0, 0.09})
            line({0, top_ + y * h2_}, {surface_.width, top_ + y * h2_}, kFrameLineWidth);
        text(at(0.7, 0.01), state.ProgramTitle + u' ' + state.LevelNames[static_cast<std::size_t>(level_)],
             (surface_.paper ? 3 : 2) * surface_.fontSize);
    }

    void countOwnRuns()
    {
        for (const LoadedResult* record : window_)
            if (isOwnRun(*record) && record->Seconds < kCountedBelowSeconds) {
                ++ownCount_;
                ownSum_ += record->Seconds;
                ownLargest_ = std::max(ownLargest_, record->Seconds);
            }
        scale_ = std::min(10 * (ownLargest_ / 10 + 1), kLargestScale);
    }

    void drawAxes()
    {
        line(at(0.2, 0.8), at(0.9, 0.8), surface_.lineWidth);
        line(at(0.2, 0.8), at(0.2, 0.1), surface_.lineWidth);
    }

    // Only runs below the limit are plotted: a longer one would lie far
    // above its own graph, in the graph over it.
    void plotRuns()
    {
        const ListingInputs& listing = request_.listing;
        const SharedState& state = listing.state;
        const bool shown = request_.student >= 0 && request_.student <= kMaxStudentNo &&
                           GradeFilterPasses(listing.classText,
                                             GradeNumber(state.SchoolYear, state.StudentBirthYears[static_cast<std::size_t>(
                                                                               request_.student)]));
        int k = 0;
        for (const LoadedResult* record : window_) {
            if (record->Level != level_)
                continue;
            if (record->Seconds < kCountedBelowSeconds) {
                schoolSum_ += record->Seconds;
                ++schoolCount_;
            }
            schoolBest_ = std::min(schoolBest_, record->Seconds);
            if (!isOwnRun(*record) || record->Seconds >= kCountedBelowSeconds)
                continue;
            ++k;
            if (!shown)
                continue;
            const double x = w2_ * (0.2 + 0.7 * k / ownCount_);
            const double y = h2_ * (0.8 - 0.7 * record->Seconds / scale_);
            const bool newBest = y > (trail_.empty() ? kNoTrail : trail_.back().y);
            if (newBest)
                trail_.push_back({y, x, QString::number(record->Seconds) + u'秒', dateText(record->EntryDate)});
            page_.push_back(GraphDot{{x, top_ + y}, newBest ? kGraphRed : kGraphBlue, surface_.lineWidth});
            lastPlottedX_ = x;
            lastPlottedDate_ = record->EntryDate;
        }
    }

    void drawSidePanel(const SchoolFigures& figures)
    {
        const double rowHeight = (surface_.paper ? 0.06 : 0.08) * h2_;
        const double size = 1.5 * surface_.fontSize;
        const auto row = [&](double k, const QString& content) {
            text({1.05 * w2_, top_ + 0.05 * h2_ + k * rowHeight}, content, size);
        };
        const auto cut = [](const QString& value) { return lastOf(5, 6, value); };
        const QString ownBest = trail_.empty() ? QString() : trail_.back().time;
        row(1, u"回数　　　　　　　"_s + lastOf(3, 6, hashFormatted(ownCount_)) + u'回');
        row(2, u"タイム  　　 　    本人 / 塾全体"_s);
        row(3, u"　　順位　　　　"_s + lastOf(5, 5, hashFormatted(figures.timeRank)) + u'位');
        row(4, u"　　最高　　　　"_s + lastOf(6, 6, ownBest) + u" /"_s + cut(hashFormatted(schoolBest_)) + u'秒');
        if (ownCount_ != 0)
            row(5, u"　　平均　　　　"_s + cut(hashFormatted(std::floor(ownSum_ / ownCount_))) + u"秒 /"_s +
                       cut(hashFormatted(schoolSum_ / schoolCount_)) + u'秒');
        row(6, u"ポイント  　　　"_s);
        row(7, u"　　順位　　　　"_s + cut(hashFormatted(figures.pointsRank)) + u'位');
        row(8, u"　　獲得ポイント"_s + cut(hashFormatted(figures.ownPoints)) + u'点');
        if (figures.pointsHolders != 0)
            row(9, u"　　　　　　　　　　　　/"_s +
                       cut(hashFormatted(static_cast<double>(figures.pointsSum) / figures.pointsHolders)) + u'点');
        row(9.5, u"　　　　　　　　　　　　 (塾平均)"_s);
    }

    void drawTrailLabels()
    {
        if (trail_.empty())
            return;
        const double size = surface_.fontSize;
        const auto label = [&](double x, double yOfH2, const QString& content) {
            text({x - 0.025 * w2_, top_ + yOfH2 * h2_}, content, size);
        };
        // The date of the student's last plotted run, under its dot.
        label(lastPlottedX_, 0.815, dateText(lastPlottedDate_));
        for (std::size_t row = 1; row < trail_.size(); ++row)
            line({trail_[row - 1].x, top_ + trail_[row - 1].y}, {trail_[row].x, top_ + trail_[row].y},
                 kTrailLineWidth, kGraphRed);
        text(at(0.12, 0.79), u"0秒"_s, size);
        text(at(0.12, 0.1), QString::number(scale_) + u'秒', size);
        const TrailRow& first = trail_.front();
        text({0.12 * w2_, top_ + first.y - 0.01 * h2_}, first.time, size);
        label(first.x, 0.815, trailDateLabel(trail_, 0));
        const std::size_t rows = trail_.size();
        const auto nearRow = [&](std::size_t row, double timeBelow, double dateBelow) {
            const TrailRow& r = trail_[row];
            label(r.x, (r.y / h2_) + timeBelow, r.time);
            label(r.x, (r.y / h2_) + dateBelow, trailDateLabel(trail_, row));
        };
        if (rows > 5)
            for (std::size_t row = 3; row + 2 <= rows; row += 3)
                nearRow(row - 1, 0.01, 0.03);
        nearRow(rows - 1, 0.04, 0.07);
    }

    const GraphRequest& request_;
    const std::vector<const LoadedResult*>& window_;
    const int level_;
    const double top_;
    const GraphSurface& surface_;
    GraphPage& page_;
    const double w2_;
    const double h2_;

    int ownCount_ = 0;
    double ownSum_ = 0;
    std::int32_t ownLargest_ = 0;
    int scale_ = 10;
    double schoolSum_ = 0;
    int schoolCount_ = 0;
    std::int32_t schoolBest_ = kNoSchoolBest;
    std::vector<TrailRow> trail_;
    double lastPlottedX_ = 0;
    double lastPlottedDate_ = 0;
};
} // namespace

GraphSurface screenSurface(double widthTwips, double heightTwips, double fontSize)
{
    return {widthTwips, heightTwips, 5, fontSize, false};
}

GraphSurface paperSurface(double widthDots, double heightDots) { return {widthDots, heightDots, 30, 6, true}; }

SchoolFigures schoolFigures(const ListingInputs& inputs, int level, int pointsOrder, int student)
{
    SchoolFigures figures;
    for (const RankingLine& line : pointsRanking(inputs, level, pointsOrder, RankColumn::Graph)) {
        const int points = line.text.right(5).trimmed().toInt();
        if (points > 0) {
            ++figures.pointsHolders;
            figures.pointsSum += points;
        }
        if (line.studentNo == student && figures.pointsRank.isNull()) {
            figures.pointsRank = line.text.left(3);
            figures.ownPoints = points;
        }
    }
    for (const RankingLine& line : timeRanking(inputs, level, RankColumn::Graph))
        if (line.studentNo == student) {
            figures.timeRank = line.text.left(3);
            break;
        }
    return figures;
}

std::vector<GraphPage> graphPages(const GraphRequest& request, const GraphSurface& surface)
{
    const ListingInputs& listing = request.listing;
    const double firstExcluded = entryDateOf(listing.today) - kWindowDays;
    std::vector<const LoadedResult*> window;
    window.reserve(request.records.size());
    for (const LoadedResult& record : request.records)
        if (record.Level <= listing.levelCount && record.EntryDate > firstExcluded)
            window.push_back(&record);

    std::vector<GraphPage> pages(1);
    const double height = surface.height;
    double top = (kFirstGraphTop - kGraphSpacing) * height;
    for (const int level : request.levelLines) {
        if (level < 1 || level > listing.levelCount || level > kMaxLevel)
            break;
        top += kGraphSpacing * height;
        if (top > kLastGraphTop * height) {
            pages.emplace_back();
            top = kFirstGraphTop * height;
        }
        LevelGraph(request, window, level, top, surface, pages.back()).draw();
    }
    return pages;
}

QStringList graphStudentLines(const SharedState& state, const std::vector<RosterEntry>& roster)
{
    QStringList lines;
    for (const RosterEntry& entry : roster) {
        if (entry.Status != 0)
            continue;
        const QString grade = fullGradeName(GradeNumber(state.SchoolYear, entry.BirthYear))
                                  .value_or(state.StudentGrades[static_cast<std::size_t>(entry.StudentNo)]);
        lines << grade + u" /  "_s + entry.Name + u'/' + QString::number(entry.StudentNo);
    }
    return lines;
}

std::optional<int> graphStudentOfLine(const QString& line)
{
    bool isNumber = false;
    const int student = line.mid(line.lastIndexOf(u'/') + 1).trimmed().toInt(&isNumber);
    if (!isNumber || student < 0 || student > kMaxStudentNo)
        return std::nullopt;
    return student;
}
