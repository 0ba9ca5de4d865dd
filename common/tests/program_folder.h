// The folder of the running test program: the build copies the files that tests read beside it.
#pragma once

#include <string>

std::string TestProgramFolder();
