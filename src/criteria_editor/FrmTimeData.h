#pragma once
#include "criteria_editor/CriteriaGrid.h"
#include "criteria_editor/Distribution.h"
#include "foundation/AppContext.h"
#include "platform/Screen.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The criteria editor: the criteria table in a grid, one row per level,
// edited cell by cell in an edit box laid over the current cell, with the
// distribution of the school's times on the current row's level beside it.
class FrmTimeData final : public Screen {
    Q_OBJECT
public:
    explicit FrmTimeData(AppContext& context);

    void activate() override;

    // The edit box's text into the current cell, marked yellow when it changed.
    void TextToGrid転送();
    // The current cell's text into the edit box, the caret at position 10.
    // Called in the middle of every key press, so it lets no events run.
    void GridToText転送();

    QFrame* Picture1; // the working panel
    QLabel* Label5;
    QLabel* Label1;
    QTableWidget* MSFlexGrid1;
    QLineEdit* Gridinputtext;
    QLabel* Label6;
    QLabel* Label3; // the current column's explanation
    QFrame* Picture3; // the distribution panel
    QLabel* Label7;
    QLabel* Label9;
    QLabel* Label10;
    QListWidget* List3; // all runs
    QListWidget* List4; // each student's best run
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command2; // 元に戻す
    QPushButton* Command3; // 更新記録
    QPushButton* Command4; // 戻る
    QFrame* Picture6;      // please wait
    QLabel* Label8;

    bool CriteriaChanged = false;
    int CriteriaRowCount = 0;
    int Row = 1; // the current cell
    int Col = 1;
    int RowSel = 1; // the last row of the selection that Shift + ↓ extends

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void buildDistributionPanel();
    void buildButtons();
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    void PlaceEditBox();
    void placeCaret(); // at position 10, or at the end of a shorter text
    void Command7_Click(); // the distribution refresh
    // Moves the current cell, unless that would leave the levels and their twelve values.
    void moveTo(int row, int column);
    // The keys with an action of their own; true when the key is used up.
    bool Gridinputtext_KeyDown(const QKeyEvent& key);
    void MSFlexGrid1_Click(int row, int column);
    void Command2_Click();
    // Saves the grid; false (with the reason told) when the file could not be written.
    bool Command3_Click();
    // Writes the grid's rows over the file behind the please-wait panel.
    FileError writeGrid(const QString& path);
    void Command4_Click();

    AppContext& context_;
    bool gridLoaded_ = false; // the grid holds the file's table
    CriteriaFileRest fileRest_; // what the file holds beyond the grid
    DistributionCache distribution_;
};
