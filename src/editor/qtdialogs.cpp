#include "editor/qtdialogs.h"

#include "editor/uihelpers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace velkon {

bool TQtDialogs::AskYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TQtDialogs::AskYesNoYesDefault(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> TQtDialogs::InputText(const QString& caption, const QString& prompt,
                                             const QString& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
}

void TQtDialogs::Message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent_);
    box.exec();
}

void TQtDialogs::Warning(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

QString TQtDialogs::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return filter.isEmpty() ? QString() : QStringLiteral("%1 (%1)").arg(filter);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<QString> TQtDialogs::ChooseFile(const TFileChoice& choice) {
    QFileDialog dialog(parent_, choice.Title, choice.InitialDir, QtFilter(choice.Filter));
    dialog.setAcceptMode(choice.Mode == TFileChoice::modeSave ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.Mode == TFileChoice::modeSave ? QFileDialog::AnyFile
                                                            : QFileDialog::ExistingFile);
    if (!choice.DefaultExt.isEmpty()) dialog.setDefaultSuffix(choice.DefaultExt);
    if (!choice.InitialName.isEmpty()) dialog.selectFile(choice.InitialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

std::optional<QStringList> TQtDialogs::ChooseFiles(const TFileChoice& choice) {
    QFileDialog dialog(parent_, choice.Title, choice.InitialDir, QtFilter(choice.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.Multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<uint32_t> TQtDialogs::ChooseColour(const QString& caption, uint32_t colour) {
    const QColor c = QColorDialog::getColor(ToQColor(colour), parent_, caption);
    if (!c.isValid()) return std::nullopt;
    return ToBgr(c);
}

} // namespace velkon
