#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(Program, Placeholder) { SUCCEED(); }
