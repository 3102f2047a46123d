#include "CResourceModule.h"

#include <gtest/gtest.h>

// Tests see the strings of the shipped region ZC module, as the programs do.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CResourceModule::LoadResourceModule();
    return RUN_ALL_TESTS();
}
