#pragma once

#include <QDockWidget>

namespace velkon {

// A dockable panel of the editor: a page of the dock area or a floating
// stay-on-top window. Panels whose contents come later are created as empty
// TDockForms so that the layout and the panel order are already in place.
class TDockForm : public QDockWidget {
    Q_OBJECT
public:
    // name is the panel's key in the layout file ("ImagesForm"...).
    TDockForm(const QString& name, const QString& caption, QWidget* parent = nullptr);

    // Undocks as a floating window of the given size, or docks back.
    void SetFloatingAt(bool floating, const QRect& geometry = {});

protected:
    // A panel stays: a floating panel's close button or Alt+F4 is refused the
    // same way for every panel; only the layout commands hide one.
    void closeEvent(QCloseEvent* event) override;
};

} // namespace velkon
