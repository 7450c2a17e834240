#include "maintenance/FrmData.h"

#include "foundation/Buttons.h"
#include "foundation/Controls.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "results/ResultsFile.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

using namespace Qt::StringLiterals;

// The rows of the list, made when the view shows them: a file of years of
// runs is listed without building a text for every run.
class MaintenanceListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void reset(MaintenanceList list, const MaintenanceRoster& roster, const SharedState& state)
    {
        beginResetModel();
        list_ = std::move(list);
        roster_ = &roster;
        schoolCode_ = state.SchoolCode;
        schoolName_ = state.SchoolName;
        endResetModel();
    }
    const MaintenanceList& list() const { return list_; }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : list_.rowCount(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_.rowCount())
            return {};
        return maintenanceRow(list_, index.row(), RowNames{*roster_, schoolCode_, schoolName_});
    }

private:
    MaintenanceList list_;
    const MaintenanceRoster* roster_ = nullptr;
    QString schoolCode_;
    QString schoolName_;
};

namespace {
QLabel* panelLabel(const QString& text, QWidget* panel, const QRect& geometry)
{
    QLabel* label = makeLabel(text, panel, geometry, 13);
    label->hide();
    return label;
}

QPushButton* panelButton(const QString& caption, QWidget* panel, const QRect& geometry)
{
    QPushButton* button = makeButton(caption, panel);
    button->setGeometry(geometry);
    return button;
}

QString dateOf(const ResultRecord& record) { return dateOfEntry(record.EntryDate).toString(u"yyyy/MM/dd"_s); }
} // namespace

FrmData::FrmData(AppContext& context) : context_(context)
{
    setWindowTitle(u"v"_s);
    setFixedSize(kScreenWidth, kScreenHeight);

    Label5 = makeLabel(u"ダブルクリックすると変更、消去できます"_s, this, QRect(16, 8, 600, 28), 13);
    model_ = new MaintenanceListModel(this);
    List1 = new QListView(this);
    List1->setGeometry(16, 40, 640, 712);
    // Full-width characters two columns wide keep the columns in line.
    List1->setFont(QFont(u"IPAGothic"_s, 11));
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setModel(model_);
    connect(List1, &QListView::clicked, this, [this] { Picture3->hide(); });
    connect(List1, &QListView::doubleClicked, this, [this] { List1_DblClick(); });
    connect(List1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Picture3->hide(); });

    Command4 = panelButton(u"戻る"_s, this, QRect(880, 8, 128, 56));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    Picture3 = new QFrame(this);
    Picture3->setGeometry(672, 120, 336, 400);
    Picture3->setFrameShape(QFrame::StyledPanel);
    fillBackground(Picture3, QColor(255, 255, 224));
    Label1 = panelLabel(QString(), Picture3, QRect(16, 12, 200, 28));
    Label2[2] = panelLabel(QString(), Picture3, QRect(16, 44, 200, 28));
    Label2[1] = panelLabel(QString(), Picture3, QRect(220, 44, 100, 28));
    Combo1 = new QComboBox(Picture3);
    Combo1->setGeometry(16, 84, 230, 32);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->hide();
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    Label2[4] = panelLabel(QString(), Picture3, QRect(256, 84, 70, 32));
    Text1[1] = new QLineEdit(Picture3);
    Text1[1]->setGeometry(16, 132, 120, 36);
    Text1[1]->setFont(QFont(u"IPAGothic"_s, 16));
    Text1[1]->hide();
    Label2[0] = panelLabel(u"秒"_s, Picture3, QRect(142, 136, 30, 28));
    VScroll1 = new QScrollBar(Qt::Vertical, Picture3);
    VScroll1->setGeometry(180, 124, 24, 52);
    VScroll1->setRange(0, kSecondsBarMaximum);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(10);
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    Command2 = panelButton(u"変更して記録"_s, Picture3, QRect(16, 200, 304, 48));
    Command3 = panelButton(u"消去"_s, Picture3, QRect(16, 264, 304, 48));
    Command6 = panelButton(u"キャンセル"_s, Picture3, QRect(16, 328, 304, 48));
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Picture3->hide(); });
    Picture3->hide();

    Picture1 = new QFrame(this);
    Picture1->setGeometry(twipsRect(0, 0, 15360, 11520));
    fillBackground(Picture1, palette().color(QPalette::Window));
    Picture1->hide();
}

FrmData::~FrmData() = default;

void FrmData::activate()
{
    if (loaded_)
        return;
    loaded_ = true;
    List1->show();
    buildList();
}

void FrmData::buildList()
{
    const SharedState& state = context_.state;
    std::vector<RosterEntry> roster;
    const FileError error = readRosterFile(context_.files, state.DataRoot, roster);
    roster_ = maintenanceRoster(roster, SchoolYearOn(context_.clock.today(), state.SchoolYearStartMonth));
    Combo1->clear();
    Combo1->addItems(studentChoices(roster));
    model_->reset(maintenanceList(readAllResultBytes(context_)), roster_, state);
    if (error)
        context_.dialogs.showMessage(rosterUnreadableText(state.DataRoot, error), u"名簿"_s);
}

void FrmData::rebuildSelecting(qint64 number)
{
    buildList();
    const MaintenanceList& list = model_->list();
    if (list.rowCount() > 0) {
        const QModelIndex index = model_->index(list.rowOf(number).value_or(list.rowCount() - 1));
        List1->setCurrentIndex(index);
        List1->scrollTo(index);
    }
    Picture3->hide(); // also when the row was the current one already
}

void FrmData::showGrade(int studentNo) { Label2[4]->setText(maintenanceStudent(roster_, studentNo).grade); }

void FrmData::List1_DblClick()
{
    const QModelIndex current = List1->currentIndex();
    if (!current.isValid())
        return;
    const MaintenanceList& list = model_->list();
    SelectedRecord = list.rowRecords[static_cast<std::size_t>(current.row())];
    Label1->setText(QString::number(SelectedRecord));
    Command3->setEnabled(true);
    Command2->setEnabled(true);

    // The row was built when the list was; another computer may have
    // deleted or corrected runs since.
    shownRecord_ = list.bytesOf(SelectedRecord);
    recordBuffer_ = readResultRecord(context_, SelectedRecord);
    RecordBytes read;
    encodeRecord(recordBuffer_, read.data());
    if (read != shownRecord_) {
        context_.dialogs.showMessage(u"このデータは他のコンピュータで変更されました。一覧を読み直します。"_s, u"注意"_s);
        rebuildSelecting(SelectedRecord);
        return;
    }

    Label2[1]->setText(QString::number(recordBuffer_.Level) + u"ﾚﾍﾞﾙ"_s);
    Label2[2]->setText(dateOf(recordBuffer_));
    showGrade(recordBuffer_.StudentNo);
    // A time outside the bar's range (a time-out is 99999) stays in the box
    // as it is; the bar stands at its nearest end.
    Text1[1]->setText(QString::number(recordBuffer_.Seconds));
    {
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setValue(secondsBarValue(recordBuffer_.Seconds));
    }
    Combo1->setCurrentText(
        studentChoice(recordBuffer_.StudentNo, maintenanceStudent(roster_, recordBuffer_.StudentNo).name));
    for (QWidget* control : std::initializer_list<QWidget*>{Label1, Label2[0], Label2[1], Label2[2], Label2[4], Combo1,
                                                            Text1[1], VScroll1})
        control->show();
    Picture3->show();
    Picture3->raise();
}

void FrmData::Combo1_Click()
{
    if (const auto student = studentOfChoice(Combo1->currentText()))
        showGrade(*student);
}

void FrmData::VScroll1_Change() { Text1[1]->setText(QString::number(VScroll1->value())); }

void FrmData::afterRewrite(const RecordRewrite& outcome, qint64 number)
{
    if (outcome.outcome == RecordRewrite::Outcome::Failed) {
        // The file is as it was; the panel keeps the teacher's entries for another try.
        context_.dialogs.showMessage(
            u"記録できませんでした。成績データは元のままです。\n%1\n%2"_s.arg(resultsFilePath(context_.state), outcome.error.text),
            u"注意"_s);
        return;
    }
    if (outcome.outcome == RecordRewrite::Outcome::RecordChanged)
        context_.dialogs.showMessage(u"このデータは他のコンピュータで変更されました。記録していません。一覧を読み直します。"_s,
                                     u"注意"_s);
    rebuildSelecting(number);
}

// A write waits while another computer holds the file; the program holds
// still meanwhile, and the write works on its own copies all the same.
void FrmData::Command2_Click()
{
    const std::optional<int> seconds = secondsOfEntry(Text1[1]->text());
    if (!seconds) {
        context_.dialogs.showMessage(u"秒は0から99999までの数で入れて下さい"_s, u"注意"_s);
        return;
    }
    const std::optional<int> student = studentOfChoice(Combo1->currentText());
    if (!student) {
        context_.dialogs.showMessage(u"生徒は一覧から選んで下さい（番号 / 名前）"_s, u"注意"_s);
        return;
    }
    recordBuffer_.Seconds = *seconds;
    recordBuffer_.StudentNo = static_cast<std::int16_t>(*student);
    const qint64 number = SelectedRecord;
    const RecordBytes shown = shownRecord_;
    const ResultRecord corrected = recordBuffer_;
    afterRewrite(correctResultRecord(context_, number, shown, corrected), number);
}

void FrmData::Command3_Click()
{
    if (!context_.dialogs.askOkCancel(u"本当に消去しますか"_s, u"注意"_s))
        return;
    const qint64 number = SelectedRecord;
    const RecordBytes shown = shownRecord_;
    afterRewrite(deleteResultRecord(context_, number, shown), number);
}

void FrmData::Command4_Click()
{
    Picture1->show();
    Picture1->raise();
    context_.navigator.show(ScreenNames::seisekitime1);
    context_.navigator.close(ScreenNames::FrmData);
}
