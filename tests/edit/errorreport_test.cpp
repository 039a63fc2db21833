#include "edit/errorreport.h"

#include "model/errorlog.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(ErrorReport, MessageAndSenderClassRunOnAfterTime) {
    TErrorLog log;
    log.Add("older");
    ReportError(log, QTime(14, 3, 22), "List index out of bounds (5)", "QPushButton");
    ASSERT_EQ(log.Count(), 2);
    EXPECT_EQ(log.Lines()[0], "14:03:22: List index out of bounds (5)QPushButton");
    EXPECT_EQ(log.Lines()[1], "older");
}

TEST(ErrorReport, GridSenderAddsThreeLinesRowLineOnTop) {
    TErrorLog log;
    ReportError(log, QTime(9, 0, 5), "bad", "QTableWidget", TGridInfo{"KeyFrameGrid", 4, 12, 2, 7});
    ASSERT_EQ(log.Count(), 4);
    EXPECT_EQ(log.Lines()[0], "Row:2, Col:7");
    EXPECT_EQ(log.Lines()[1], "RowCount:4, ColCount:12");
    EXPECT_EQ(log.Lines()[2], "KeyFrameGrid");
    EXPECT_EQ(log.Lines()[3], "09:00:05: badQTableWidget");
}

TEST(ErrorReport, SenderClassIsNamedWithoutItsNamespaces) {
    const struct {
        const char* className;
        const char* line;
    } cases[] = {
        {"velkon::TMainForm", "10:00:00: xTMainForm"},
        {"velkon::panels::TImagesForm", "10:00:00: xTImagesForm"},
        {"QToolButton", "10:00:00: xQToolButton"},
        {"", "10:00:00: x"},
    };
    for (const auto& c : cases) {
        TErrorLog log;
        ReportError(log, QTime(10, 0, 0), "x", c.className);
        EXPECT_EQ(log.Lines()[0], c.line) << c.className;
    }
}
