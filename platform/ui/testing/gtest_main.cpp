#include "zui_testing.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zui::testing::ensureApp();
    return RUN_ALL_TESTS();
}
