// Quoting the program's texts in the tool's messages.
#include "cli/argument_text.h"

#include "common/cp1252.h"

std::ostream& operator<<(std::ostream& out, const QuotedText& quoted) {
  return out << '"' << Cp1252ToUtf8(quoted.cp1252_text) << '"';
}
