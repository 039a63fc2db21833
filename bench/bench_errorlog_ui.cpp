// Lines added to the error log while its panel shows it, against the same
// lines added to the core's log alone. Prints:
//   error_log_add: <window> vs <core log> = <ratio>x   (goal: at most 3x)

#include "editor/errorform.h"
#include "editor/errorlogmodel.h"
#include "editor/mainform.h"
#include "editor/velkonapplication.h"
#include "model/errorlog.h"

#include <QElapsedTimer>
#include <QTableView>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace velkon;

namespace {

constexpr int LineCount = 5000;

template <class F> double Ms(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();
    TVelkonApplication app(argc, argv);
    TMainForm form;
    form.Dialogs = nullptr;
    form.Scene.Saved = true;
    form.resize(1400, 900);
    form.show();
    form.ErrorForm->raise();
    QElapsedTimer wait;
    wait.start();
    while (!form.ErrorForm->ErrorMemo->isVisible() && wait.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }

    // Lines like those of a project with thousands of missing pictures.
    std::vector<QString> lines;
    for (int i = 0; i < LineCount; ++i)
        lines.push_back(
            QStringLiteral("Nincs meg a fájl: /home/user/projekt/kepek/hianyzo_kep_%1.png").arg(i));

    auto core = [&] {
        TErrorLog log;
        for (const QString& line : lines)
            log.Add(line);
    };
    // Into the window: the lines, then what the next pass of the event loop does for them
    // (the rows brought up to the log and the view laid out again). The repaint of that pass
    // is left out: it is one frame of the whole window (canvas included), whatever the lines.
    auto window = [&] {
        for (const QString& line : lines)
            form.ErrorLog.Add(line);
        form.ErrorForm->Rows->Catch();
        form.ErrorForm->ErrorMemo->doItemsLayout();
        if (form.ErrorForm->Rows->rowCount() != form.ErrorLog.Count()) std::fprintf(stderr, "rows behind\n");
    };
    auto reset = [&] {
        form.ErrorLog.Clear();
        QCoreApplication::processEvents();
    };

    core();
    window();
    reset();
    std::vector<double> a, b;
    for (int round = 0; round < 7; ++round) {
        b.push_back(Ms(core));
        a.push_back(Ms(window));
        reset();
    }
    const double oursMs = Median(a), refMs = Median(b);
    std::printf("error_log_add: %.3f ms vs %.3f ms = %.2fx\n", oursMs, refMs, oursMs / refMs);
    std::printf("# error_log_add: %d lines into the shown error log panel against the core log alone "
                "(goal: ratio <= 3)\n",
                LineCount);
    return 0;
}
