#include "panels/layers/importform.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkon {

TImportForm::TImportForm(const QStringList& names, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImportForm"));
    setWindowTitle(tr("Import"));
    auto* layout = new QVBoxLayout(this);
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox1"));
    ListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox->addItems(names);
    layout->addWidget(ListBox);
    auto* buttons = new QHBoxLayout;
    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setToolTip(tr("Insert commands to animation"));
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setToolTip(tr("Return to animation"));
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(320, 400);
}

std::vector<int> TImportForm::Chosen() const {
    std::vector<int> rows;
    for (int i = 0; i < ListBox->count(); ++i)
        if (ListBox->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

std::optional<std::vector<int>> TImportForm::Choose(const QStringList& names, QWidget* parent) {
    TImportForm form(names, parent);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Chosen();
}

} // namespace velkon
