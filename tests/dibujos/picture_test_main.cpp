#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt's image plugins are found through the application object.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
