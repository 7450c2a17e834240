#include "student_menu/seisekitime1.h"

#include "drill/RunClock.h"
#include "foundation/Buttons.h"
#include "foundation/Controls.h"
#include "foundation/RunStart.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "foundation/TextColumns.h"
#include "results/Evaluation.h"
#include "roster/NameList.h"
#include "student_menu/LevelColumns.h"
#include "student_menu/LevelLocks.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
// The last item ends in a double quote, as the schools have always seen it.
const QStringList kPeriodNames = {u"　　　今週の全成績"_s, u"　　先週からの全成績"_s, u"　　１ヶ月間の全成績"_s,
                                  u"　　１年間の全成績"_s, u"　　今までの全成績\""_s};
constexpr int kDefaultPeriodChoice = 3;
constexpr unsigned kFigureBackground = 0xE0E0E0;

// Rows of a level column, in pixels from the top of the screen.
constexpr int kListHeaderTop = 150;
constexpr int kListHeaderHeight = 24;
constexpr int kColumnTop = kListHeaderTop + kListHeaderHeight * 105 / 100;
constexpr int kNameRowHeight = 30;
constexpr int kButtonTop = kColumnTop + kNameRowHeight;
constexpr int kButtonHeight = 46;
constexpr int kTextRowHeight = 21;
constexpr int kHeadersTop = kButtonTop + kButtonHeight + 2;
constexpr int kTalliesTop = kHeadersTop + kTextRowHeight;
constexpr int kCriteriaTop = kTalliesTop + kTextRowHeight;
constexpr int kWindowTop = kCriteriaTop + kTextRowHeight;
constexpr int kListTop = kWindowTop + kTextRowHeight + 2;
constexpr int kScrollBarTop = 742;
constexpr int kListHeight = kScrollBarTop - 4 - kListTop;

int pixels(int twips) { return twips / kTwipsPerPixel; }

bool isTeacher(const QString& studentName)
{
    return studentName.contains(u'★') || studentName.contains(u"先生"_s);
}

QFont sizedFont(const QFont& base, int pointSize, bool bold = false)
{
    QFont font = base;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFrame* makePanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

QRadioButton* makeOption(const QString& caption, QWidget* parent, int top)
{
    auto* button = new QRadioButton(caption, parent);
    button->setGeometry(8, top, 170, 28);
    button->setFont(sizedFont(button->font(), 12));
    return button;
}
} // namespace

seisekitime1::seisekitime1(AppContext& context) : context_(context)
{
    setWindowTitle(u"elvanto"_s);
    setFixedSize(kScreenWidth, kScreenHeight);
    buildHeader();
    buildPanels();
    buildGraphPanel();
    buildPasswordPanel();
}

void seisekitime1::buildHeader()
{
    Label11 = makeLabel(QString(), this, QRect(16, 4, 300, 44), 24);
    Label12 = makeLabel(QString(), this, QRect(16, 52, 300, 30), 16);
    Label13 = makeLabel(QString(), this, QRect(16, 86, 300, 24), 11);

    Picture3 = makePanel(this, QRect(324, 8, 190, 32));
    Label17 = makeLabel(QString(), Picture3, QRect(8, 2, 178, 28), 12);
    Picture4 = makePanel(this, QRect(324, 46, 190, 32));
    Label18 = makeLabel(QString(), Picture4, QRect(8, 2, 178, 28), 12);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(324, 86, 190, 32);
    // A teacher may type a class such as "家族" (everybody): it filters the
    // lists, and the list of classes stays as it is.
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setToolTip(u"表示する学年を選びます"_s);
    Combo1->setFont(sizedFont(Combo1->font(), 12));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    // Enter on a class that is an item activates that item; any other text
    // filters as it stands.
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (Combo1->findText(Combo1->currentText()) < 0)
            Combo1_Click();
    });

    Picture5 = makePanel(this, QRect(524, 4, 186, 104));
    auto* views = new QButtonGroup(this);
    const char16_t* viewCaptions[] = {u"ﾀｲﾑ表示", u"ﾎﾟｲﾝﾄ表示", u"個人ﾀｲﾑ"};
    for (int index = 0; index < 3; ++index) {
        Option2[index] = makeOption(QString::fromUtf16(viewCaptions[index]), Picture5, 4 + index * 33);
        views->addButton(Option2[index], index);
        connect(Option2[index], &QRadioButton::clicked, this, [this, index] { Option2_Click(index); });
    }
    Picture1 = makePanel(this, QRect(716, 4, 186, 104));
    auto* lists = new QButtonGroup(this);
    const char16_t* listCaptions[] = {nullptr, u"BEST表示", u"本日のみ", u"オール表示"};
    for (int index = 1; index <= 3; ++index) {
        Option1[index] = makeOption(QString::fromUtf16(listCaptions[index]), Picture1, 4 + (index - 1) * 33);
        lists->addButton(Option1[index], index);
        connect(Option1[index], &QRadioButton::clicked, this, [this, index] { Option1_Click(index); });
    }
    Combo2 = new QComboBox(this);
    Combo2->setGeometry(524, 114, 260, 30);
    Combo2->setFont(sizedFont(Combo2->font(), 11));
    Combo2->hide();
    connect(Combo2, &QComboBox::activated, this, [this](int index) { Combo2_Click(index); });

    Command1 = makeButton(u"戻る(0)"_s, this);
    Command1->setGeometry(910, 8, 104, 64);
    Command1->setFont(sizedFont(Command1->font(), 14));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command8 = makeButton(u"データ処理"_s, this);
    Command8->setGeometry(910, 78, 104, 34);
    Command8->hide();
    connect(Command8, &QPushButton::clicked, this, [this] {
        Picture7->show();
        Picture7->raise();
        Text3->setFocus();
    });

    Label5 = makeLabel(u"ベスト成績"_s, this, QRect(16, kListHeaderTop, 600, kListHeaderHeight), 12);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(16, kScrollBarTop, kScreenWidth - 32, 20);
    HScroll1->setMinimum(1);
    HScroll1->hide();
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
}

void seisekitime1::buildPanels()
{
    Picture6 = makePanel(this, QRect(312, 320, 400, 110));
    fillBackground(Picture6, QColor(255, 255, 224));
    Label21 = makeLabel(u"Just a momento, please."_s, Picture6, QRect(0, 12, 400, 36), 16);
    Label21->setAlignment(Qt::AlignCenter);
    ProgressBar2 = new QProgressBar(Picture6);
    ProgressBar2->setGeometry(30, 60, 340, 28);
    Picture6->hide();

    Picture2 = new QFrame(this);
    Picture2->setGeometry(0, 0, kScreenWidth, kScreenHeight);
    Label19 = makeLabel(u"Just a moment, please."_s, Picture2, QRect(0, 300, kScreenWidth, 60), 28);
    Label19->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(Picture2);
    ProgressBar1->setGeometry(312, 380, 400, 28);
}

void seisekitime1::buildPasswordPanel()
{
    Picture7 = makePanel(this, QRect(332, 250, 360, 200));
    fillBackground(Picture7, QColor(224, 240, 255));
    Label28 = makeLabel(u"データ変更パスワード"_s, Picture7, QRect(20, 14, 320, 28), 13);
    Text3 = new QLineEdit(Picture7);
    Text3->setGeometry(20, 48, 320, 34);
    Text3->setEchoMode(QLineEdit::Password);
    Text3->setStyleSheet(u"lineedit-password-character: 42;"_s); // typed characters show as "*"
    Text3->setFont(sizedFont(Text3->font(), 14));
    const char16_t* captions[] = {u"データ変更", u"合格タイムデータ変更"};
    for (int index = 0; index < 2; ++index) {
        Command10[index] = makeButton(QString::fromUtf16(captions[index]), Picture7);
        Command10[index]->setGeometry(20, 96 + 48 * index, 200, 40);
        connect(Command10[index], &QPushButton::clicked, this, [this, index] { Command10_Click(index); });
    }
    Command12 = makeButton(u"戻る"_s, Picture7);
    Command12->setGeometry(240, 96, 100, 40);
    connect(Command12, &QPushButton::clicked, this, [this] { Picture7->hide(); });
    Picture7->hide();
}

void seisekitime1::buildLevelColumn(int level)
{
    const int width = pixels(columnWidth_);
    const int numberWidth = pixels(columnWidth_ / 5);
    const int half = width / 2;
    auto* number = makeLabel(QString::number(level), this, QRect(0, kColumnTop, numberWidth, kNameRowHeight), 10);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1.push_back(number);
    const QString name = context_.state.LevelNames[level];
    auto* levelName = makeLabel(name, this, QRect(0, kColumnTop, width - numberWidth, kNameRowHeight), 13);
    levelName->setToolTip(name);
    levelName->setCursor(Qt::PointingHandCursor);
    Label3.push_back(levelName);

    auto* start = makeButton(u"ｽﾀｰﾄ(&%1)"_s.arg(level), this);
    start->setGeometry(0, kButtonTop, width - 4, kButtonHeight);
    start->setFont(sizedFont(start->font(), 14, true));
    connect(start, &QPushButton::clicked, this, [this, level] { Command4_Click(level); });
    Command4.push_back(start);
    auto* notice = new QLineEdit(u"やりすぎ禁止"_s, this);
    notice->setGeometry(start->geometry());
    notice->setReadOnly(true);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFont(sizedFont(notice->font(), 14, true));
    notice->setStyleSheet(u"color: red; background: #ffe0e0;"_s);
    notice->hide();
    Text1.push_back(notice);

    Label9.push_back(makeLabel(u"今日"_s, this, QRect(0, kHeadersTop, half, kTextRowHeight), 10));
    Label10.push_back(makeLabel(u"今まで"_s, this, QRect(0, kHeadersTop, half, kTextRowHeight), 10));
    Label14.push_back(makeLabel(QString(), this, QRect(0, kTalliesTop, half, kTextRowHeight), 10));
    Label15.push_back(makeLabel(QString(), this, QRect(0, kTalliesTop, half, kTextRowHeight), 10));
    Label7.push_back(makeLabel(criteriaText(context_.state.Criteria, level), this,
                               QRect(0, kCriteriaTop, width - 4, kTextRowHeight), 9));
    Label8.push_back(makeLabel(judgingWindowText(context_.state, level, context_.state.CurrentStudentNo), this,
                               QRect(0, kWindowTop, width - 4, kTextRowHeight), 9));

    auto* list = new QListWidget(this);
    list->setGeometry(0, kListTop, width - 4, kListHeight);
    // Full-width characters two columns wide keep the figures in line.
    list->setFont(QFont(u"IPAGothic"_s, 10));
    list->setFocusPolicy(Qt::NoFocus);
    List5.push_back(list);
}

void seisekitime1::Form_Load()
{
    SharedState& state = context_.state;
    fillBackground(this, state.SeasonColour);
    fillBackground(Picture2, state.SeasonColour);
    columnWidth_ = columnWidth(levelCount());
    HScroll1->setVisible(scrollMaximum(levelCount()) > 0);
    HScroll1->setMaximum(std::max(1, scrollMaximum(levelCount())));

    Combo1->addItems(kClassNames);
    Combo1->setCurrentText(state.SelectedClass);
    state.PeriodChoice = kDefaultPeriodChoice;
    Combo2->addItems(kPeriodNames);
    Combo2->setCurrentIndex(kDefaultPeriodChoice - 1);

    // Element 0 of each column stays a hidden template. The screen is
    // already on show, so the new columns must be shown explicitly.
    for (int level = 0; level <= levelCount(); ++level) {
        buildLevelColumn(level);
        for (QWidget* control : std::initializer_list<QWidget*>{Label1[level], Label3[level], Command4[level],
                                                                 Label9[level], Label10[level], Label14[level],
                                                                 Label15[level], Label7[level], Label8[level],
                                                                 List5[level]})
            control->setVisible(level > 0);
    }

    Picture6->raise();
    Picture2->raise();
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void seisekitime1::activate()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    SharedState& state = context_.state;
    const int student = state.CurrentStudentNo;
    Command24[1]->setVisible(isTeacher(state.CurrentStudentName));
    Command8->setVisible(isTeacher(state.CurrentStudentName));
    Label17->setText(u"起動後%1分"_s.arg(wholeMinutesSince(state.LoginTime, context_.clock.secondsSinceMidnight())));
    KeysEnabled = false;
    showCover();
    repaint();
    Option1[1]->setText(u"累計順"_s);
    Option1[2]->setText(u"本日順"_s);

    if (context_.navigator.isLoaded(ScreenNames::namesel))
        context_.navigator.close(ScreenNames::namesel);
    RecountTallies(context_);
    state.TodayTotalRuns = TodayRunsUpTo(state, student, kMaxLevel);
    Label18->setText(u"本日総回数＝%1回"_s.arg(state.TodayTotalRuns));
    ProgressBar1->setMaximum(levelCount());

    // The menu opens on the points ranking by total points.
    DisplayMode = 2;
    state.ListKind = 1;
    ActivationInProgress = true;
    Option1[1]->setChecked(true);
    Option1_Click(1);
    Option2[1]->setChecked(true);
    Option2_Click(1);
    Command1->setEnabled(true);
    ActivationInProgress = false;
    setListsVisible(true);
    Picture6->hide();

    Label12->setText(state.CurrentStudentGrade + u' ' + withoutHalfWidthSpaces(state.CurrentStudentName));
    Label13->setText(u"%1:%2"_s.arg(state.SchoolName).arg(student));
    Label11->setText(state.ProgramTitle);
    Label11->setFont(sizedFont(Label11->font(), state.ProgramTitle.size() > 9 ? 20 : 24));

    if (state.ScrollStart == 0 || state.ScrollStart > HScroll1->maximum())
        state.ScrollStart = 1;
    {
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(state.ScrollStart);
    }
    placeColumns();
    fillLevelFigures();
    setStartButtonsEnabled(false);
    applyLevelLocks();
    Picture2->hide();
    ProgressBar1->hide();
    KeysEnabled = true;
}

void seisekitime1::fillLevelFigures()
{
    const SharedState& state = context_.state;
    const int student = state.CurrentStudentNo;
    for (int level = 1; level <= levelCount(); ++level) {
        // The criteria and the judging window may have changed since the
        // screen was loaded: a run was recorded, the criteria edited.
        Label7[level]->setText(criteriaText(state.Criteria, level));
        Label8[level]->setText(judgingWindowText(state, level, student));
        for (QLabel* label : {Label7[level], Label8[level]})
            fillBackground(label, colourFromBgr(kFigureBackground));
        const StudentTallies& tallies = state.Tallies(level, student);
        Label14[level]->setText(todayTalliesText(tallies));
        Label15[level]->setText(soFarTalliesText(tallies));
    }
}

void seisekitime1::placeColumns()
{
    const SharedState& state = context_.state;
    const int numberWidth = pixels(columnWidth_ / 5);
    const int half = pixels(columnWidth_) / 2;
    for (int level = 1; level <= levelCount(); ++level) {
        const int left = pixels(columnLeft(level, state.ScrollStart, levelCount()));
        for (QWidget* control : std::initializer_list<QWidget*>{List5[level], Command4[level], Text1[level],
                                                                 Label1[level], Label7[level], Label8[level],
                                                                 Label9[level], Label14[level]})
            control->move(left, control->y());
        Label3[level]->move(left + numberWidth, Label3[level]->y());
        Label10[level]->move(left + half, Label10[level]->y());
        Label15[level]->move(left + half, Label15[level]->y());
    }
}

void seisekitime1::HScroll1_Change()
{
    SharedState& state = context_.state;
    state.ScrollStart = HScroll1->value();
    if (state.ScrollStart > levelCount())
        state.ScrollStart = 1;
    placeColumns();
}

// ---------------------------------------------------------------- locks and runs

void seisekitime1::setListsVisible(bool visible)
{
    for (int level = 1; level <= levelCount(); ++level)
        List5[level]->setVisible(visible);
}

void seisekitime1::setStartButtonsEnabled(bool enabled)
{
    for (int level = 1; level <= levelCount(); ++level)
        Command4[level]->setEnabled(enabled);
}

void seisekitime1::applyLevelLocks()
{
    const LevelLocks locks = levelLocks(context_.state);
    context_.state.FinalLevelCleared = locks.finalLevelCleared;
    for (int level = 1; level <= levelCount(); ++level) {
        Command4[level]->setEnabled(locks.buttons[level].enabled);
        Text1[level]->setVisible(locks.buttons[level].overdoingNotice);
        if (locks.buttons[level].overdoingNotice)
            Text1[level]->raise();
    }
    Picture6->lower();
}

// The cover's progress bar counts the levels only while the screen is
// first filled; once hidden at the end of that it stays hidden.
void seisekitime1::showCover()
{
    Picture2->show();
    Picture2->raise();
}

void seisekitime1::Command4_Click(int level)
{
    if (Picture7->isVisible() || !Command4[level]->isEnabled())
        return;
    showCover();
    context_.state.CurrentLevel = level;
    repaint();
    KeysEnabled = false;
    StartRun(context_);
}

void seisekitime1::Label3_Click(int level)
{
    if (Picture7->isVisible() || !Command4[level]->isEnabled())
        return;
    context_.state.CurrentLevel = level;
    StartRun(context_);
    context_.navigator.close(ScreenNames::seisekitime1);
}

void seisekitime1::Command1_Click()
{
    showCover();
    repaint();
    context_.navigator.show(ScreenNames::namesel);
}

void seisekitime1::Command10_Click(int index)
{
    // The whole entry, exactly as typed: an empty password opens with an empty entry.
    if (Text3->text() != context_.state.TeacherPassword) {
        context_.dialogs.showMessage(u"パスワードを入力して下さい"_s, context_.state.ProgramTitle);
        return;
    }
    const QString screens[] = {ScreenNames::FrmData, ScreenNames::FrmTimeData};
    context_.navigator.show(screens[index]);
    context_.navigator.close(ScreenNames::seisekitime1);
}

bool seisekitime1::eventFilter(QObject* watched, QEvent* event)
{
    // While the password panel is open, keys are the password's: a "0" in
    // it must not leave the menu.
    if (event->type() == QEvent::KeyPress && KeysEnabled && !Picture7->isVisible()) {
        const QString key = static_cast<QKeyEvent*>(event)->text();
        if (const int level = levelOfKey(key, levelCount())) {
            Command4_Click(level);
            return true;
        }
        if (key == u"0" && Command1->isEnabled()) {
            Command1_Click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease)
        for (int level = 1; level <= levelCount(); ++level)
            if (watched == Label3[level]) {
                Label3_Click(level);
                return true;
            }
    return Screen::eventFilter(watched, event);
}
