#include <QApplication>

#include <gtest/gtest.h>

// The window tests run on Qt's offscreen platform, with or without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
