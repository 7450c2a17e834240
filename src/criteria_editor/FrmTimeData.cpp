#include "criteria_editor/FrmTimeData.h"

#include "foundation/Buttons.h"
#include "foundation/Controls.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
constexpr int kActivationRows = 16;
constexpr int kVisibleRows = 33;
constexpr int kRowHeight = 18;
constexpr int kColumnWidth = 44;
constexpr int kCaretPosition = 10;
const QColor kChangedCell(255, 255, 0);

QString criteriaFilePath(const SharedState& state) { return state.ProgramDataFolder + kCriteriaFileName; }

// Reads and parses the criteria file; an empty text when it could, else why not.
QString readCriteriaFile(const FileSystem& files, const QString& path, CriteriaTable& table, CriteriaFileRest& rest)
{
    QByteArray bytes;
    if (const FileError error = files.readFile(path, bytes))
        return error.text;
    QString error;
    if (parseCriteriaTable(bytes, table, error))
        rest = criteriaFileRest(bytes);
    return error;
}
} // namespace

FrmTimeData::FrmTimeData(AppContext& context) : context_(context)
{
    setWindowTitle(u"Form1"_s);
    setFixedSize(kScreenWidth, kScreenHeight);
    Picture1 = new QFrame(this);
    Picture1->setGeometry(0, 0, kScreenWidth, kScreenHeight);
    Picture1->hide();
    Label5 = makeLabel(u"成績の基準となるデータを変更できます"_s, Picture1, QRect(16, 6, 600, 30), 15);
    Label1 = makeLabel(u"スペース：セルクリア　　Shift + ↓：セルコピー"_s, Picture1, QRect(16, 36, 600, 22), 11);
    buildGrid();
    buildDistributionPanel();
    buildButtons();

    Picture6 = new QFrame(this);
    Picture6->setGeometry(twipsRect(0, 0, 15360, 11520));
    fillBackground(Picture6, QColor(255, 255, 224));
    Label8 = makeLabel(u"Just a moment,please."_s, Picture6, QRect(0, 340, kScreenWidth, 60), 28);
    Label8->setAlignment(Qt::AlignCenter);
    Picture6->hide();
}

void FrmTimeData::buildGrid()
{
    MSFlexGrid1 = new QTableWidget(Picture1);
    MSFlexGrid1->setColumnCount(kGridColumns);
    MSFlexGrid1->horizontalHeader()->hide();
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->horizontalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    MSFlexGrid1->verticalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1->setFocusPolicy(Qt::NoFocus);
    MSFlexGrid1->setFont(QFont(u"IPAGothic"_s, 8));
    // A title too wide for its cell is cut at the cell's edge, on one line.
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->setTextElideMode(Qt::ElideNone);
    MSFlexGrid1->setGeometry(16, 62, kGridColumns * kColumnWidth + 2 * MSFlexGrid1->frameWidth(), 100);
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this](int row, int column) { MSFlexGrid1_Click(row, column); });

    Gridinputtext = new QLineEdit(Picture1);
    Gridinputtext->setFrame(false);
    Gridinputtext->setFont(MSFlexGrid1->font());
    Gridinputtext->hide();
    Gridinputtext->installEventFilter(this);
    connect(Gridinputtext, &QLineEdit::textChanged, this, [this] { TextToGrid転送(); });

    Label6 = makeLabel(u"列の説明"_s, Picture1, QRect(16, 676, 120, 22), 11);
    Label3 = makeLabel(QString(), Picture1, QRect(16, 698, 600, 66), 11);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FrmTimeData::buildDistributionPanel()
{
    Picture3 = new QFrame(Picture1);
    Picture3->setGeometry(600, 6, 416, 640);
    Picture3->setFrameShape(QFrame::StyledPanel);
    Label7 = makeLabel(u"現在までの成績度数分布"_s, Picture3, QRect(8, 4, 400, 26), 13);
    Label9 = makeLabel(u"全成績"_s, Picture3, QRect(8, 32, 196, 22), 11);
    Label10 = makeLabel(u"最高タイム"_s, Picture3, QRect(212, 32, 196, 22), 11);
    for (QListWidget** list : {&List3, &List4}) {
        *list = new QListWidget(Picture3);
        (*list)->setFont(QFont(u"IPAGothic"_s, 8)); // full-width stars two columns wide
        (*list)->setFocusPolicy(Qt::NoFocus);
    }
    List3->setGeometry(8, 56, 196, 540);
    List4->setGeometry(212, 56, 196, 540);
    auto* options = new QButtonGroup(this);
    const char16_t* captions[] = {u"度数表示", u"度数非表示"};
    for (int index = 0; index < 2; ++index) {
        Option1[index] = new QRadioButton(QString::fromUtf16(captions[index]), Picture3);
        Option1[index]->setGeometry(8 + 204 * index, 604, 190, 28);
        Option1[index]->setFocusPolicy(Qt::NoFocus);
        options->addButton(Option1[index]);
        connect(Option1[index], &QRadioButton::clicked, this, [this] {
            Picture3->show();
            Command7_Click();
        });
    }
}

void FrmTimeData::buildButtons()
{
    const char16_t* captions[] = {u"元に戻す", u"更新記録", u"戻る"};
    std::array<QPushButton*, 3> buttons{};
    for (int index = 0; index < 3; ++index) {
        buttons[index] = makeButton(QString::fromUtf16(captions[index]), Picture1);
        buttons[index]->setGeometry(600 + 140 * index, 660, 132, 56);
        buttons[index]->setFocusPolicy(Qt::NoFocus); // the keys stay with the edit box
    }
    Command2 = buttons[0];
    Command3 = buttons[1];
    Command4 = buttons[2];
    connect(Command2, &QPushButton::clicked, this, [this] {
        Command2_Click();
        PlaceEditBox();
        GridToText転送();
    });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void FrmTimeData::activate()
{
    MSFlexGrid1->setRowCount(kActivationRows);
    Picture1->show();
    Command2_Click();
    Row = RowSel = 1;
    Col = 1;
    Gridinputtext->show();
    PlaceEditBox();
    GridToText転送();
    Command7_Click();
}

QString FrmTimeData::cellText(int row, int column) const
{
    const QTableWidgetItem* item = MSFlexGrid1->item(row, column);
    return item ? item->text() : QString();
}

void FrmTimeData::setCellText(int row, int column, const QString& text)
{
    QTableWidgetItem* item = MSFlexGrid1->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        MSFlexGrid1->setItem(row, column, item);
    }
    item->setText(text);
}

void FrmTimeData::Command2_Click()
{
    CriteriaTable table;
    const QString path = criteriaFilePath(context_.state);
    const QString error = readCriteriaFile(context_.files, path, table, fileRest_);
    if (!error.isEmpty()) {
        context_.dialogs.showMessage(u"基準データを読めませんでした。\n%1\n%2"_s.arg(path, error), u"注意"_s);
        return;
    }
    gridLoaded_ = true;
    const std::vector<QStringList> rows = criteriaGridRows(table);
    MSFlexGrid1->clearContents(); // the yellow marks go with the old cells
    MSFlexGrid1->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            setCellText(row, column, rows[static_cast<std::size_t>(row)].value(column));
            if (row == 0 || column == 0)
                MSFlexGrid1->item(row, column)->setBackground(palette().color(QPalette::Button));
        }
    CriteriaRowCount = static_cast<int>(rows.size()) - 1;
    MSFlexGrid1->setFixedHeight(kVisibleRows * kRowHeight + 2 * MSFlexGrid1->frameWidth());
    Row = std::min(Row, std::max(1, CriteriaRowCount));
    RowSel = Row;
}

void FrmTimeData::placeCaret()
{
    Gridinputtext->setCursorPosition(std::min<int>(kCaretPosition, static_cast<int>(Gridinputtext->text().size())));
}

void FrmTimeData::PlaceEditBox()
{
    const QRect cell = MSFlexGrid1->visualItemRect(MSFlexGrid1->item(Row, Col));
    const QPoint topLeft = MSFlexGrid1->pos() + MSFlexGrid1->viewport()->pos() + cell.topLeft();
    Gridinputtext->setGeometry(QRect(topLeft, cell.size()));
    Gridinputtext->raise();
    Gridinputtext->setFocus();
    placeCaret();
    Label3->setText(columnHelp(Col));
}

void FrmTimeData::TextToGrid転送()
{
    const QString text = Gridinputtext->text();
    if (text == cellText(Row, Col))
        return;
    if (breaksFields(text)) {
        // A comma or a quote would split the saved line into other fields.
        const QSignalBlocker quiet(Gridinputtext);
        Gridinputtext->setText(cellText(Row, Col));
        context_.dialogs.showMessage(u"「,」と「\"」は入力できません"_s, u"注意"_s);
        return;
    }
    setCellText(Row, Col, text);
    MSFlexGrid1->item(Row, Col)->setBackground(kChangedCell);
    CriteriaChanged = true;
}

void FrmTimeData::GridToText転送()
{
    // No events run here: a key typed quickly after this one would be
    // handled inside it and land before it ("25" typed, "52" written).
    Gridinputtext->setText(cellText(Row, Col));
    placeCaret();
}

void FrmTimeData::Command7_Click()
{
    const DistributionTables& tables = distribution_.refresh(context_);
    List3->clear();
    List3->addItems(allRunLines(tables, Row));
    List4->clear();
    List4->addItems(bestRunLines(tables, Row));
}

void FrmTimeData::moveTo(int row, int column)
{
    if (row < 1 || row > CriteriaRowCount || column < 1 || column > kCriteriaColumns)
        return;
    Row = RowSel = row;
    Col = column;
    GridToText転送();
    PlaceEditBox();
}

bool FrmTimeData::Gridinputtext_KeyDown(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Space:
        Gridinputtext->clear();
        return true;
    case Qt::Key_Up:
        moveTo(Row - 1, Col);
        return true;
    case Qt::Key_Down:
        if (key.modifiers() & Qt::ShiftModifier) {
            // A copy down, as the teacher fills a column: no marks.
            if (RowSel < CriteriaRowCount) {
                ++RowSel;
                for (int row = Row; row <= RowSel; ++row)
                    setCellText(row, Col, Gridinputtext->text());
            }
        } else {
            moveTo(Row + 1, Col);
        }
        return true;
    case Qt::Key_Left:
        moveTo(Row, Col - 1);
        return true;
    case Qt::Key_Right:
        moveTo(Row, Col + 1);
        return true;
    default:
        return false;
    }
}

bool FrmTimeData::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Gridinputtext || event->type() != QEvent::KeyPress)
        return Screen::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Escape)
        return true;
    const bool usedUp = Gridinputtext_KeyDown(key);
    Command7_Click();
    GridToText転送();
    return usedUp; // any other key is then typed at the caret, position 10
}

void FrmTimeData::MSFlexGrid1_Click(int row, int column)
{
    if (row < 1 || column < 1) // the title row and the level column are fixed
        return;
    Row = RowSel = row;
    Col = column;
    PlaceEditBox();
    Command7_Click();
    GridToText転送();
}

bool FrmTimeData::Command3_Click()
{
    if (!gridLoaded_) {
        // A grid that never held the table would overwrite it with nothing.
        context_.dialogs.showMessage(u"基準データを読めていないので記録できません。"_s, u"注意"_s);
        return false;
    }
    const QString path = criteriaFilePath(context_.state);
    if (const FileError error = writeGrid(path)) {
        context_.dialogs.showMessage(u"基準データを記録できませんでした。変更は画面に残っています。\n%1\n%2"_s.arg(path, error.text),
                                     u"注意"_s);
        return false;
    }

    // Runs started from now on use the new table.
    CriteriaTable table;
    if (const QString error = readCriteriaFile(context_.files, path, table, fileRest_); error.isEmpty())
        context_.state.Criteria = std::move(table);
    else
        context_.dialogs.showMessage(u"基準データを読み直せませんでした。\n%1\n%2"_s.arg(path, error), u"注意"_s);
    return true;
}

FileError FrmTimeData::writeGrid(const QString& path)
{
    // The please-wait panel is painted while the file is written; no key or
    // click acts on the grid meanwhile.
    const ProgramHold::Scope still(context_.hold);
    Picture6->show();
    Picture6->raise();
    context_.program.processPendingEvents();
    std::vector<QStringList> rows;
    for (int row = 0; row <= CriteriaRowCount; ++row) {
        QStringList cells;
        for (int column = 0; column < kGridColumns; ++column)
            cells << cellText(row, column);
        rows.push_back(cells);
    }
    // Written beside the table and renamed over it: a failure leaves the old table whole.
    const FileError error = context_.files.replaceFile(path, criteriaFileBytes(rows, fileRest_));
    if (!error) {
        CriteriaChanged = false;
        context_.program.processPendingEvents();
    }
    Picture6->hide();
    return error;
}

void FrmTimeData::Command4_Click()
{
    if (CriteriaChanged && context_.dialogs.askYesNo(u"データが変更されています。記録しますか？"_s, u"注意"_s) &&
        !Command3_Click())
        return; // the edits stay on the screen
    Picture6->show();
    Picture6->raise();
    context_.navigator.show(ScreenNames::seisekitime1);
    context_.navigator.close(ScreenNames::FrmTimeData);
}
