#pragma once

#include <QDialog>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace velkon {

// The import dialog: the layers of another project, several may be chosen.
class TImportForm : public QDialog {
    Q_OBJECT
public:
    TImportForm(const QStringList& names, QWidget* parent = nullptr);

    QListWidget* ListBox;
    QPushButton *OkButton, *CancelButton;

    // The chosen entries in list order, or nullopt on Cancel.
    static std::optional<std::vector<int>> Choose(const QStringList& names, QWidget* parent);
    std::vector<int> Chosen() const;
};

} // namespace velkon
