#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt's image plugins and QProcess want an application object.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
