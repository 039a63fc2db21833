#include "editor/errorform.h"

#include "model/errorlog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace velkon {

TErrorForm::TErrorForm(TErrorLog& log, QWidget* parent)
    : TDockForm(QStringLiteral("ErrorForm"), QStringLiteral("Hiba napló"), parent), log_(log) {
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
    ErrorMemo = new QPlainTextEdit(body);
    ErrorMemo->setObjectName(QStringLiteral("ErrorMemo"));
    ErrorMemo->setReadOnly(true);
    ErrorMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addLayout(top);
    column->addWidget(ErrorMemo, 1);
    setWidget(body);
    resize(386, 211);
    log_.OnChange = [this] { Refresh(); };
    Refresh();
}

TErrorForm::~TErrorForm() {
    log_.OnChange = nullptr;
}

void TErrorForm::Refresh() {
    ErrorMemo->setPlainText(log_.Lines().join(QLatin1Char('\n')));
    UndoLabel->setText(QString::number(log_.UndoSlot));
    UndoEdit->setText(log_.UndoName);
}

void TErrorForm::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace velkon
