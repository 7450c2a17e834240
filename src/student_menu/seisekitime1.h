#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"
#include "student_menu/GraphDrawing.h"
#include "student_menu/Listings.h"

#include <array>
#include <vector>

class GraphSurfaceView;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The student menu: one column per level with its start button, the
// student's figures and a list of results, and the views that fill those
// lists (rankings by points or time, today's runs, a period's runs, the
// student's own runs).
class seisekitime1 final : public Screen {
    Q_OBJECT
public:
    explicit seisekitime1(AppContext& context);

    void activate() override;

    // Every level's column headers back to "今日" / "今まで", lists emptied.
    void 回数など表示();
    // Colours the level lists by their times (time display only).
    void 成績リスト色表示();
    void 成績リスト色表示単独(int level);

    bool KeysEnabled = false;
    bool ActivationInProgress = false;
    int DisplayMode = 0; // 1 time display, 2 points display
    int PointsOrder = 0; // 1 by total points, 2 by today's points

    QLabel* Label11; // title
    QLabel* Label12; // grade and name
    QLabel* Label13; // school and student number
    QFrame* Picture3;
    QLabel* Label17; // minutes since sign-in
    QFrame* Picture4;
    QLabel* Label18; // runs today
    QFrame* Picture5;
    std::array<QRadioButton*, 3> Option2{}; // time, points, own times
    QFrame* Picture1;
    std::array<QRadioButton*, 4> Option1{}; // elements 1..3
    QComboBox* Combo1; // class
    QComboBox* Combo2; // period
    QLabel* Label5;    // list header
    QScrollBar* HScroll1;
    QPushButton* Command1; // 戻る(0)
    QPushButton* Command8; // データ処理 (teachers only)
    QFrame* Picture2;      // cover
    QProgressBar* ProgressBar1;
    QLabel* Label19;
    QFrame* Picture6; // progress of a list build
    QProgressBar* ProgressBar2;
    QLabel* Label21;

    // One element per level; element 0 is the hidden template.
    std::vector<QLabel*> Label1;      // level number
    std::vector<QLabel*> Label3;      // level name: a click starts the level
    std::vector<QPushButton*> Command4; // start
    std::vector<QLineEdit*> Text1;    // overdoing notice over the start button
    std::vector<QLabel*> Label9;
    std::vector<QLabel*> Label10;
    std::vector<QLabel*> Label14; // today's runs and points
    std::vector<QLabel*> Label15; // runs and points so far
    std::vector<QLabel*> Label7;  // criteria
    std::vector<QLabel*> Label8;  // judging window
    std::vector<QListWidget*> List5;

    // The graph panel of the student's own times.
    QPushButton* Command17; // グラフ
    QFrame* Picture11;
    GraphSurfaceView* Picture12;
    QLabel* Label27;
    QListWidget* List3;    // levels
    QListWidget* List2;    // students
    QPushButton* Command25; // 他の人のデータを見る
    std::array<QPushButton*, 2> Command24{}; // 表示, 印刷 (teachers only)
    QPushButton* Command18; // 戻る
    int GraphStudent = 0;
    int GraphFontSize = 6;

    // The password panel in front of the data screens.
    QFrame* Picture7;
    QLabel* Label28;
    QLineEdit* Text3;
    std::array<QPushButton*, 2> Command10{}; // データ変更, 合格タイムデータ変更
    QPushButton* Command12; // 戻る

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildHeader();
    void buildPanels();
    void buildLevelColumn(int level);
    void buildGraphPanel();
    void buildPasswordPanel();
    void placeColumns();

    void Option2_Click(int index);
    void Option1_Click(int index);
    void Combo1_Click();
    void Combo2_Click(int index);
    void HScroll1_Change();
    void Command4_Click(int level);
    void Label3_Click(int level);
    void Command1_Click();
    void Command10_Click(int index);

    void fillGraphLists();
    void Command17_Click();
    void Command25_Click();
    void Command24_Click(int target);
    void Command18_Click();
    std::vector<int> selectedGraphLevels() const;
    std::vector<int> selectedGraphStudents() const;
    void drawGraphs();
    void printGraphsOf(const std::vector<int>& students);

    void buildRankings(QProgressBar* alsoCounting);
    void bestList();
    // The newest `count` records, the please-wait panel's bar following them.
    std::vector<LoadedResult> readRecordsShowingProgress(qint64 count);
    void todayList();
    void periodList();
    void individualList();
    void showLevelLines(const LevelLines& lines);
    void applyLevelLocks();
    void fillLevelFigures();
    void beginListBuild();
    void setListsVisible(bool visible);
    void setStartButtonsEnabled(bool enabled);
    void showCover();
    ListingInputs listingInputs() const;
    int levelCount() const { return context_.state.LevelCount; }

    AppContext& context_;
    bool loaded_ = false;
    int columnWidth_ = 0; // twips
};
