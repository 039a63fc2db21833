#include "edit/errorreport.h"

#include "model/errorlog.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(ErrorReport, MessageFollowsTheTimeAloneOnTop) {
    TErrorLog log;
    log.Add("older");
    ReportError(log, QTime(14, 3, 22), "List index out of bounds (5)");
    ASSERT_EQ(log.Count(), 2);
    EXPECT_EQ(log.Lines()[0], "14:03:22: List index out of bounds (5)");
    EXPECT_EQ(log.Lines()[1], "older");
}

TEST(ErrorReport, GridSenderAddsThreeLinesRowLineOnTop) {
    TErrorLog log;
    ReportError(log, QTime(9, 0, 5), "bad", TGridInfo{"KeyFrameGrid", 4, 12, 2, 7});
    ASSERT_EQ(log.Count(), 4);
    EXPECT_EQ(log.Lines()[0], "Row:2, Col:7");
    EXPECT_EQ(log.Lines()[1], "RowCount:4, ColCount:12");
    EXPECT_EQ(log.Lines()[2], "KeyFrameGrid");
    EXPECT_EQ(log.Lines()[3], "09:00:05: bad");
}
