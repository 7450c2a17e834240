#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

#include <QStringList>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The name selection: the roster as a list of names with two figures per
// student. A child picks their own name and signs in; the screen also
// leads back to the school's program menu.
class namesel final : public Screen {
    Q_OBJECT
public:
    explicit namesel(AppContext& context);

    void activate() override;

    // Reads the roster, recounts the tallies and redraws the name list.
    void 名簿表示();

    // The figures each row shows (0..3).
    int DisplayOption = 0;

    QListWidget* List1;
    QStringList RowTails; // per row of List1: the row, "*" and the student number
    QComboBox* Combo1;    // class box
    std::array<QRadioButton*, 4> Option1{};
    QLabel* Label1; // the chosen name
    QLabel* Label2; // the chosen student number (hidden)
    QPushButton* Command14; // O.K.
    QPushButton* Command7;  // to the program menu
    QLabel* Label4;         // title: a click shows the version
    QFrame* Picture5;       // please wait
    QLabel* Label19;
    QFrame* Picture8; // development layout notice
    QLabel* Label8;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Option1_Click(int index);
    void Combo1_Click();
    void List1_Click();
    void List1_DblClick();
    void Command14_Click();
    void Command7_Click();
    void Label4_Click();

    bool showChosenRow(QString (*labelOf)(const QString&));
    void buildControls();
    void buildOptionButtons();
    void fillClassBox();
    void showPleaseWait(bool shown);

    AppContext& context_;
    bool loaded_ = false;
};
