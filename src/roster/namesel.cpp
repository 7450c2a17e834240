#include "roster/namesel.h"

#include "foundation/Buttons.h"
#include "foundation/Controls.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/ReturnToMenu.h"
#include "foundation/Rounding.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "platform/TextFile.h"
#include "results/Evaluation.h"
#include "roster/NameList.h"
#include "sound/SoundCues.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
const QString kChooseName = u"名前を選びなさい"_s;
const QString kAllGrades = u"全学年"_s;
const char16_t* const kOptionCaptions[] = {u"回数(今日／今まで）", u"ポイント（今日／今まで）",
                                           u"本日（ポイント／回数）", u"今まで（ポイント／回数）"};

bool isKeyPress(const QEvent* event, const QString& text)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->text() == text;
}
} // namespace

namesel::namesel(AppContext& context) : context_(context)
{
    setWindowTitle(u"elvanto"_s);
    setFixedSize(kScreenWidth, kScreenHeight);
    buildControls();
    // "1" and "0" work from whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void namesel::buildControls()
{
    Label4 = makeLabel(QString(), this, QRect(40, 10, 944, 80), 48);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setCursor(Qt::PointingHandCursor);

    List1 = new QListWidget(this);
    List1->setGeometry(40, 100, 560, 640);
    // Full-width characters exactly two columns wide keep the figures in line.
    List1->setFont(QFont(u"IPAGothic"_s, 16));
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });

    makeLabel(u"学年"_s, this, QRect(640, 110, 100, 36), 16);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(740, 108, 220, 40);
    Combo1->setToolTip(u"表示する学年を選びなさい"_s);
    QFont comboFont = Combo1->font();
    comboFont.setPointSize(16);
    Combo1->setFont(comboFont);
    fillClassBox();
    Combo1->setCurrentText(kAllGrades);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    buildOptionButtons();

    Label1 = makeLabel(kChooseName, this, QRect(640, 400, 360, 60), 24);
    Label2 = new QLabel(this);
    Label2->hide();
    Command14 = makeButton(u"O.K."_s, this);
    Command14->setGeometry(640, 480, 320, 90);
    QFont buttonFont = Command14->font();
    buttonFont.setPointSize(28);
    Command14->setFont(buttonFont);
    connect(Command14, &QPushButton::clicked, this, [this] { Command14_Click(); });
    Command7 = makeButton(u"ﾌﾟﾟﾛｸﾞﾗﾑメニューへ(0)"_s, this);
    Command7->setGeometry(640, 660, 320, 60);
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });

    Picture8 = new QFrame(this);
    Picture8->setGeometry(800, 20, 200, 60);
    fillBackground(Picture8, Qt::yellow);
    Label8 = makeLabel(u"開発中"_s, Picture8, QRect(0, 0, 200, 60), 24);
    Label8->setAlignment(Qt::AlignCenter);
    Picture8->hide();

    Picture5 = new QFrame(this);
    Picture5->setGeometry(0, 0, kScreenWidth, kScreenHeight);
    Label19 = makeLabel(u"Just a moment, please."_s, Picture5, Picture5->rect(), 28);
    Label19->setAlignment(Qt::AlignCenter);
}

void namesel::buildOptionButtons()
{
    auto* group = new QButtonGroup(this);
    for (int index = 0; index < kDisplayOptions; ++index) {
        QRadioButton* button = new QRadioButton(QString::fromUtf16(kOptionCaptions[index]), this);
        button->setGeometry(640, 170 + index * 50, 360, 44);
        QFont font = button->font();
        font.setPointSize(16);
        button->setFont(font);
        group->addButton(button, index);
        connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                Option1_Click(index);
        });
        Option1[index] = button;
    }
    QSignalBlocker quiet(Option1[0]);
    Option1[0]->setChecked(true);
}

void namesel::fillClassBox()
{
    // The list is replaced; the text the box shows stays as it was.
    const QSignalBlocker quiet(Combo1);
    const QString shown = Combo1->currentText();
    Combo1->clear();
    Combo1->addItems(kClassNames);
    Combo1->setCurrentText(shown);
}

void namesel::showPleaseWait(bool shown)
{
    Picture5->setVisible(shown);
    if (shown)
        Picture5->raise();
}

void namesel::Form_Load()
{
    Picture5->move(0, 0);
    fillBackground(this, context_.state.SeasonColour);
    fillBackground(Picture5, context_.state.SeasonColour);
    context_.random.seed(context_.clock.secondsSinceMidnight());
    名簿表示();
    Label4->setText(context_.state.ProgramTitle);
    List1->setCurrentRow(0);
    context_.program.processPendingEvents();
    showPleaseWait(false);
}

void namesel::activate()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    SharedState& state = context_.state;
    context_.program.processPendingEvents();
    Picture8->setVisible(state.DevelopmentLayout);
    context_.program.processPendingEvents();
    DisplayOption = 1;
    Option1[1]->setChecked(true); // redraws the list when the option changes
    fillClassBox();
    state.SelectedClass = kAllGrades;
    if (context_.navigator.isLoaded(ScreenNames::seisekitime1))
        context_.navigator.close(ScreenNames::seisekitime1);
    Label1->setText(kChooseName);
    context_.program.processPendingEvents();
    showPleaseWait(false);
    List1->setFocus();
}

void namesel::名簿表示()
{
    SharedState& state = context_.state;
    state.SchoolYear = SchoolYearOn(context_.clock.today(), state.SchoolYearStartMonth);
    RecountTallies(context_);
    context_.program.processPendingEvents();

    std::vector<RosterEntry> roster;
    const FileError error = readRosterFile(context_.files, state.DataRoot, roster);
    const bool listStatus2 = leadingNumber(state.CommonSetting3) == 1;
    const NameList list = buildNameList(state, roster, DisplayOption, Combo1->currentText(), listStatus2);
    List1->clear();
    List1->addItems(list.rows);
    RowTails = list.tails;
    List1->setCurrentRow(0);
    if (error)
        context_.dialogs.showMessage(rosterUnreadableText(state.DataRoot, error), u"名簿"_s);
}

void namesel::Option1_Click(int index)
{
    DisplayOption = index;
    名簿表示();
}

void namesel::Combo1_Click()
{
    context_.state.SelectedClass = Combo1->currentText();
    名簿表示();
    List1->setFocus();
}

// Shows the chosen row in Label1, worded by `labelOf`, and its student
// number in Label2; the header row asks for a name instead. True when a
// student's row is chosen.
bool namesel::showChosenRow(QString (*labelOf)(const QString&))
{
    const int row = List1->currentRow();
    if (row < 0)
        return false;
    if (row == 0) {
        Label1->setText(kChooseName);
        return false;
    }
    Label1->setText(labelOf(List1->item(row)->text()));
    Label2->setText(QString::number(studentNoOfTail(RowTails.value(row))));
    return true;
}

void namesel::List1_Click() { showChosenRow(selectedRowLabel); }

void namesel::List1_DblClick()
{
    if (showChosenRow(doubleClickedRowLabel))
        Command14_Click();
}

void namesel::Command14_Click()
{
    // Once confirmed, the screen only waits for the student menu.
    if (Command14->isHidden())
        return;
    const int student = Label2->text().toInt();
    if (Label1->text() == kChooseName || Label1->text().isEmpty() || student < 0) {
        PlayWrongSound(context_);
        return;
    }
    SharedState& state = context_.state;
    state.LoginTime = roundHalfEven(context_.clock.secondsSinceMidnight());
    state.CurrentStudentNo = student;
    state.CurrentStudentName = state.StudentNames[student];
    state.CurrentStudentGrade = state.StudentGrades[student];
    Command14->hide();
    showPleaseWait(true);
    context_.program.processPendingEvents();
    InitLevelCatalogue(context_);
}

void namesel::Command7_Click() { ReturnToMenu(context_); }

void namesel::Label4_Click()
{
    Screen& dialog = context_.navigator.load(ScreenNames::frmver);
    dialog.move(x() + (width() - dialog.width()) / 2, y() + (height() - dialog.height()) / 2);
    context_.navigator.show(ScreenNames::frmver);
}

bool namesel::eventFilter(QObject* watched, QEvent* event)
{
    if (isKeyPress(event, u"1"_s) && !Command14->isHidden()) {
        Command14_Click();
        return true;
    }
    if (isKeyPress(event, u"0"_s) && !Command7->isHidden()) {
        Command7_Click();
        return true;
    }
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Command14_Click();
            return true;
        }
    }
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        Label4_Click();
        return true;
    }
    return Screen::eventFilter(watched, event);
}
