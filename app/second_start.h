// What a second start of the program asks of the running one: the whole command line (the
// arguments after the program's name, cut to 127 characters) equal to "EXIT", in any case, makes
// it quit; any other command line brings its main window forward.
#pragma once

// MSG_QUIT_MAIN or MSG_SHOW_MAIN; a null command line counts as empty.
unsigned SecondStartRequest(const char* command_line);
