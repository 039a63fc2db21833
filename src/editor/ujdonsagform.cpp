#include "editor/ujdonsagform.h"

#include "edit/changelog.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace velkon {

TUjdonsagForm::TUjdonsagForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UjdonsagForm"));
    setWindowTitle(tr("Fejlesztési napló"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    NaploMemo = new QPlainTextEdit(this);
    NaploMemo->setObjectName(QStringLiteral("NaploMemo"));
    NaploMemo->setReadOnly(true);
    NaploMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    NaploMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter); // a fixed-pitch face where Courier New is missing
    font.setFixedPitch(true);
    font.setPixelSize(13);
    NaploMemo->setFont(font);
    NaploMemo->setPlainText(ChangeLogText());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NaploMemo);
    // The whole screen also where no window manager maximises.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TUjdonsagForm::Open(QWidget* parent) {
    TUjdonsagForm form(parent);
    form.exec();
}

} // namespace velkon
