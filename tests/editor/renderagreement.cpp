// The frame `velkon render` writes (offscreen, with no display) and the
// editor canvas's read-back of the same moment of the same playback agree.

#include "uitest.h"

#include "engine/virtualplay.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

using namespace velkon;
using namespace velkon::uitest;

class RenderAgreementTest : public TMainWindowTest {
    Q_OBJECT

    // The frame velkon render writes for one time, run with no DISPLAY.
    static QImage CliFrame(const QString& project, int time, const QString& outDir) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELKON_CLI), {QStringLiteral("render"), project, outDir, QStringLiteral("--from"),
                                             QString::number(time), QStringLiteral("--to"), QString::number(time)});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            qWarning() << p.readAllStandardError();
            return {};
        }
        return QImage(QDir(outDir).filePath(QStringLiteral("frame_00000.png")));
    }

private slots:
    void cleanup() { StopWindow(); }

    void canvasAndRenderAgree_data() {
        QTest::addColumn<int>("time");
        QTest::newRow("start") << 0;
        QTest::newRow("moving") << 1500;
        QTest::newRow("later") << 4200;
    }

    void canvasAndRenderAgree() {
        QFETCH(int, time);
        const QString project = QStringLiteral(VELKON_SOURCE_DIR) + QStringLiteral("/examples/demo/demo.VKP");
        QVERIFY(StartWindow(ScriptedDialogs, {project}));
        QCOMPARE(form_->Scene.Layers.Count() > 3, true);
        // velkon render clears the frame with the project's background, as the
        // canvas does with "Törlés" on.
        form_->ToolBar->ClearCheckBox->setChecked(true);

        QTemporaryDir out;
        const QImage rendered = CliFrame(project, time, out.path());
        QVERIFY(!rendered.isNull());

        // The same playback in the editor: seed 1, a tick every millisecond.
        TVirtualPlay play(form_->Scene, TVirtualPlayOptions{});
        QVERIFY(play.Start());
        play.AdvanceTo(time);
        const QImage canvas = form_->Canvas->ReadFrame();
        play.Stop();

        QCOMPARE(canvas.size(), rendered.size());
        const QImage a = canvas.convertToFormat(QImage::Format_RGB888);
        const QImage b = rendered.convertToFormat(QImage::Format_RGB888);
        int over = 0, worst = 0;
        QPoint at;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                        std::abs(qBlue(p) - qBlue(q))});
                if (d > 3) ++over;
                if (d > worst) {
                    worst = d;
                    at = QPoint(x, y);
                }
            }
        // A handful of edge pixels may round differently; the picture may not.
        QVERIFY2(over <= 50, qPrintable(QStringLiteral("%1 pixels differ by more than 3; the most at (%2, %3): "
                                                       "canvas %4, render %5")
                                            .arg(over)
                                            .arg(at.x())
                                            .arg(at.y())
                                            .arg(Describe(a.pixel(at)), Describe(b.pixel(at)))));
        // The moment matters: the frame of another time does not pass.
        if (time > 0) {
            QTemporaryDir other;
            const QImage start = CliFrame(project, 0, other.path()).convertToFormat(QImage::Format_RGB888);
            QVERIFY(start != b);
        }
    }
};

VELKON_UI_TEST_MAIN(RenderAgreementTest)
#include "renderagreement.moc"
