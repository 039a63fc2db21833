#pragma once

#include <QDialog>

class QTextBrowser;

namespace velkon {

// The help window ("Súgó"): the keys of the editor, the B and T switches,
// picture names that place their layer, and where a project's files live.
// It stays open beside the editor while the user tries what it says.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    // Shows the help window of parent, made on first use, and brings it to the front.
    static THelpForm* Open(QWidget* parent);
    // The help text (HTML).
    static QString HelpHtml();

    QTextBrowser* HelpText;
};

} // namespace velkon
