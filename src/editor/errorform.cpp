#include "editor/errorform.h"

#include "editor/errorlogmodel.h"
#include "model/errorlog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace velkon {

TErrorForm::TErrorForm(TErrorLog& log, QWidget* parent)
    : TDockForm(QStringLiteral("ErrorForm"), tr("Hiba napló"), parent), log_(log) {
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    UndoLabel = new QLabel(QStringLiteral("0"), body);
    UndoLabel->setObjectName(QStringLiteral("UndoLabel"));
    UndoEdit = new QLineEdit(body);
    UndoEdit->setObjectName(QStringLiteral("UndoEdit"));
    UndoEdit->setReadOnly(true);
    UndoEdit->setBackgroundRole(QPalette::Button);
    UndoEdit->setAutoFillBackground(true);
    top->addWidget(UndoLabel);
    top->addWidget(UndoEdit, 1);
    // A table of one column: its rows need no layout of their own, so a new
    // row costs the same however long the log is.
    ErrorMemo = new QTableView(body);
    Rows = new TErrorLogModel(log_, ErrorMemo->fontMetrics(), this);
    ErrorMemo->setObjectName(QStringLiteral("ErrorMemo"));
    ErrorMemo->setModel(Rows);
    ErrorMemo->horizontalHeader()->hide();
    ErrorMemo->verticalHeader()->hide();
    ErrorMemo->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ErrorMemo->verticalHeader()->setDefaultSectionSize(ErrorMemo->fontMetrics().height() + 2);
    ErrorMemo->setShowGrid(false);
    ErrorMemo->setWordWrap(false);
    ErrorMemo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ErrorMemo->setSelectionBehavior(QAbstractItemView::SelectRows);
    ErrorMemo->setTextElideMode(Qt::ElideNone); // the sender's class at the end stays readable
    // The column is as wide as the widest line, so the view scrolls sideways to it.
    const auto widen = [this] { ErrorMemo->setColumnWidth(0, Rows->Widest()); };
    connect(Rows, &QAbstractItemModel::rowsInserted, this, widen);
    connect(Rows, &QAbstractItemModel::modelReset, this, widen);
    widen(); // lines logged before the panel was made (no sound device, say)
    column->addLayout(top);
    column->addWidget(ErrorMemo, 1);
    setWidget(body);
    resize(386, 211);
    log_.OnChange = [this] {
        Refresh();
        emit LogChanged();
    };
    Refresh();
}

TErrorForm::~TErrorForm() {
    log_.OnChange = nullptr;
}

void TErrorForm::Refresh() {
    Rows->LogChanged();
    // Compared first: most lines leave the undo step as it was.
    if (shownSlot_ != log_.UndoSlot) {
        shownSlot_ = log_.UndoSlot;
        UndoLabel->setText(QString::number(shownSlot_));
    }
    if (UndoEdit->text() != log_.UndoName) UndoEdit->setText(log_.UndoName);
}

QStringList TErrorForm::ShownLines() const {
    QStringList lines;
    for (int r = 0; r < Rows->rowCount(); ++r)
        lines << Rows->index(r).data().toString();
    return lines;
}

} // namespace velkon
