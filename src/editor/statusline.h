#pragma once

#include <QWidget>

class QLabel;

namespace velkon {

class TErrorForm;
class TErrorLog;
class TStatusNotice;

// The status line under the canvas ("Panel2"): what the canvas has to say
// (red while a turn goes past a full turn or a picture cannot be shown), the
// newest notice of the log, where Ctrl+S writes, and the frame rate while
// playing.
class TStatusLine : public QWidget {
    Q_OBJECT
public:
    explicit TStatusLine(QWidget* parent = nullptr);

    QLabel *InfoLabel, *ProjectLabel, *FPSLabel;
    // The log's notices; made once the log panel exists.
    TStatusNotice* StatusNotice = nullptr;
    void ShowNotices(const TErrorLog& log, TErrorForm& logPanel);

    // The canvas's status: an empty text leaves the last one; red marks it.
    void ShowInfo(const QString& text, bool red);
    // A text that leaves the colour as it is (a zoom step's percentage).
    void ShowText(const QString& text);
    void ShowFps(int fps);
    void ShowProjectPlace(const QString& place);
};

} // namespace velkon
