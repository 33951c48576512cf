#include <gtest/gtest.h>

#include <sstream>

#include "ui/progress_window.h"
#include "ui/terminal_progress.h"

TEST(ProgressWindow, CaptionCountsAndWindowHidesAtMaximum) {
    ui::ProgressWindow w;
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w.isVisible());
    w.begin(11, 0, 0, "接收小区信息");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "接收小区信息 (0/11)");
    w.step();
    w.step(2);
    EXPECT_EQ(w.windowTitle(), "接收小区信息 (3/11)");
    w.end();
    EXPECT_FALSE(w.isVisible());
    w.set(10);  // shows again
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "接收小区信息 (10/11)");
    w.step();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "接收小区信息 (11/11)");
}

TEST(ProgressWindow, ManyStepsKeepExactCount) {
    ui::ProgressWindow w;
    w.begin(100001, 0, 0, "上报");
    for (int i = 0; i < 100000; ++i) w.step();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.caption(), "上报 (100000/100001)");
    w.step();
    EXPECT_FALSE(w.isVisible());
}

TEST(TerminalProgress, PrintsCaptionLinesAndThrottles) {
    std::ostringstream every;
    {
        ui::TerminalProgress p(every, false, std::chrono::milliseconds(0));
        p.begin(3, 0, 0, "备份");
        p.step();
        p.set(3);
    }
    EXPECT_EQ(every.str(), "备份 (0/3)\n备份 (1/3)\n备份 (3/3)\n");

    std::ostringstream seldom;
    ui::TerminalProgress p(seldom, false, std::chrono::hours(1));
    p.begin(1001, 0, 0, "接收");
    for (int i = 0; i < 1001; ++i) p.step();
    EXPECT_EQ(seldom.str(), "接收 (0/1001)\n接收 (1001/1001)\n");
}
