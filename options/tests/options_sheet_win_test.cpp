// The options sheet under Wine, driven as a user would through the sheet's and the controls' messages.
#include <gtest/gtest.h>
