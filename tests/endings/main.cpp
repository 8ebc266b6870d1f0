#include <QCoreApplication>
#include <gtest/gtest.h>

// The program runs as a child process, which wants an application object here.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
