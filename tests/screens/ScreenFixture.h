#pragma once
#include <gtest/gtest.h>

#include "HeadlessProgram.h"

// The program started, and the game started from the title screen at once.
class ScreenFixture : public testing::Test, protected HeadlessProgram {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        application.showMainForm();
        application.processPending();
        Form1->start1Click(Form1->start1);
        application.processPending();
    }
    Rgb pixel(int x, int y) {
        application.processPending();
        return Form2->canvas().pixel(x, y);
    }
};
