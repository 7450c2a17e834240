#pragma once
#include "foundation/AppContext.h"
#include "maintenance/MaintenanceList.h"
#include "platform/Screen.h"
#include "results/ResultsFile.h"

#include <array>

class MaintenanceListModel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollBar;

// The data maintenance screen: every run of the results file, one per row;
// a double-click opens the edit panel, which corrects the run's seconds and
// student or deletes the run.
class FrmData final : public Screen {
    Q_OBJECT
public:
    explicit FrmData(AppContext& context);
    ~FrmData() override;

    void activate() override;

    QListView* List1;
    QLabel* Label5;
    QPushButton* Command4; // 戻る
    QFrame* Picture3;      // the edit panel
    QLabel* Label1;        // record number
    std::array<QLabel*, 5> Label2{}; // 0 秒, 1 level, 2 date, 4 grade (3 unused)
    QComboBox* Combo1;
    std::array<QLineEdit*, 2> Text1{}; // element 1: the seconds
    QScrollBar* VScroll1;
    QPushButton* Command2; // 変更して記録
    QPushButton* Command3; // 消去
    QPushButton* Command6; // キャンセル
    QFrame* Picture1;      // cover while leaving

    qint64 SelectedRecord = 0;

private:
    void buildList();
    void List1_DblClick();
    void Combo1_Click();
    void VScroll1_Change();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // The list rebuilt from the file, the row of `number` selected (else
    // the last row), the edit panel closed.
    void rebuildSelecting(qint64 number);
    // Tells the teacher what kept a write of record `number` from being
    // done; the list is read again unless the write failed (then the file
    // is unchanged).
    void afterRewrite(const RecordRewrite& outcome, qint64 number);
    void showGrade(int studentNo);

    AppContext& context_;
    bool loaded_ = false;
    MaintenanceRoster roster_;
    MaintenanceListModel* model_;
    ResultRecord recordBuffer_;
    RecordBytes shownRecord_{}; // the record as the edit panel showed it
};
