// The preview export "Előnézet": frames of the playback drawn by the editor's
// canvas into PNG files or an animated WebP, with its progress bar and Cancel.

#include "uitest.h"

#include "editor/previewform.h"
#include "editor/timescrubber.h"
#include "model/commanddesc.h"
#include "project/projectfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace velkon;
using namespace velkon::uitest;

class PreviewTest : public TMainWindowTest {
    Q_OBJECT

    // Red 32 x 32 at (0, 0); MoveTo(500; 0; 1 s): x = t / 2 for the first second.
    TImagesItem* MovingLayer() {
        TImagesItem* layer = AddLayer(test::TLayerSpec().Named(QStringLiteral("Ball")));
        layer->Base.Track[0].Add(CommandName(cmdMoveTo), std::make_unique<TCommandItem>(cmdMoveTo, "500", "0", "1"));
        form_->Document.Edited();
        return layer;
    }

    std::unique_ptr<TPreviewForm> Dialog() {
        auto dialog = std::make_unique<TPreviewForm>(form_->Document, [this] { return form_->Canvas->ReadFrame(false); },
                                                     form_.get());
        dialog->show();
        return dialog;
    }

private slots:
    void init() { QVERIFY(StartWindow()); }
    void cleanup() { StopWindow(); }

    void rendersThreePngFramesOfTheMomentsIntoTheFolder() {
        TImagesItem* ball = MovingLayer();
        const QString text = ProjectText(form_->Scene);
        auto dialog = Dialog();
        const QString out = dir_.filePath(QStringLiteral("frames"));
        dialog->FromEdit->setValue(0);
        dialog->ToEdit->setValue(200);
        dialog->FpsEdit->setValue(10); // 0, 100, 200 ms
        dialog->FormatComboBox->setCurrentIndex(0);
        dialog->OutputEdit->setText(out);
        QSignalSpy finished(dialog.get(), &TPreviewForm::Finished);
        QTest::mouseClick(dialog->OkBitBtn, Qt::LeftButton);
        QVERIFY(dialog->Rendering());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().first().toBool(), true);
        const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{"frame_00000.png", "frame_00001.png", "frame_00002.png"}));
        QCOMPARE(dialog->Written.size(), 3);
        QCOMPARE(dialog->ProgressBar->value(), dialog->ProgressBar->maximum());
        const int xs[] = {0, 50, 100}; // the ball's left edge at 0, 100 and 200 ms
        for (int k = 0; k < 3; ++k) {
            const QImage frame(QDir(out).filePath(files[k]));
            QCOMPARE(frame.size(), QSize(form_->State.TargetWidth, form_->State.TargetHeight));
            QVERIFY2(Near(frame.pixel(xs[k] + 16, 16), Red), qPrintable(QString::number(k)));
            QVERIFY2(!Near(frame.pixel(xs[k] + 40, 16), Red), qPrintable(QString::number(k)));
        }
        // The edited state is back, and the path went into the log.
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ball->Left, 0.0);
        QCOMPARE(ProjectText(form_->Scene), text);
        QVERIFY2(form_->ErrorLog.Lines().join('\n').contains(QDir::toNativeSeparators(out)),
                 qPrintable(form_->ErrorLog.Lines().join('\n')));
    }

    void cancelMidwayLeavesNoFileAndTheWindowAnswers() {
        MovingLayer();
        const QString text = ProjectText(form_->Scene);
        auto dialog = Dialog();
        const QString out = dir_.filePath(QStringLiteral("cancelled"));
        dialog->ToEdit->setValue(10000);
        dialog->FpsEdit->setValue(100); // 1,001 frames: far more than the test waits for
        dialog->OutputEdit->setText(out);
        QSignalSpy finished(dialog.get(), &TPreviewForm::Finished);
        QTest::mouseClick(dialog->OkBitBtn, Qt::LeftButton);
        // Frames come while the event loop runs: the progress bar moves.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->ProgressBar->value() >= 3, 10000);
        QVERIFY(!QDir(out).entryList(QDir::Files).isEmpty());
        QTest::mouseClick(dialog->CancelBitBtn, Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(!dialog->Rendering());
        QVERIFY(dialog->isVisible()); // Cancel stops the run; a second Cancel closes
        QVERIFY(!QDir(out).exists() || QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
        QVERIFY(dialog->Written.isEmpty());
        QVERIFY(!form_->Document.Scrubbing());
        QCOMPARE(ProjectText(form_->Scene), text);
        QTest::mouseClick(dialog->CancelBitBtn, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }

    void rendersAnAnimatedWebp() {
        MovingLayer();
        form_->Scene.ProjectFileName = QStringLiteral("ball.VKP");
        auto dialog = Dialog();
        const QString out = dir_.filePath(QStringLiteral("webp"));
        dialog->ToEdit->setValue(300);
        dialog->FpsEdit->setValue(10);
        dialog->FormatComboBox->setCurrentIndex(1);
        dialog->OutputEdit->setText(out);
        QSignalSpy finished(dialog.get(), &TPreviewForm::Finished);
        QTest::mouseClick(dialog->OkBitBtn, Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{"ball.webp"});
        const QByteArray bytes = test::ReadFile(QDir(out).filePath(QStringLiteral("ball.webp")));
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP");
        QVERIFY(bytes.contains("ANIM"));
    }

    void theToolBarButtonOpensTheDialog() {
        QToolButton* button = form_->ToolBar->Scrubber->PreviewSpeedButton;
        QCOMPARE(button->text(), QStringLiteral("Előnézet"));
        QTest::mouseClick(button, Qt::LeftButton);
        TPreviewForm* dialog = nullptr;
        QTRY_VERIFY((dialog = form_->findChild<TPreviewForm*>()) != nullptr && dialog->isVisible());
        QCOMPARE(dialog->FpsEdit->value(), 30);
        QCOMPARE(dialog->ToEdit->value(), -1);
        QTest::mouseClick(dialog->CancelBitBtn, Qt::LeftButton);
        QTRY_VERIFY(!form_->findChild<TPreviewForm*>()); // it goes with its window
    }
};

VELKON_UI_TEST_MAIN(PreviewTest)
#include "preview.moc"
