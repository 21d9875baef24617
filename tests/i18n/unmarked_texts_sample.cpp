// SPDX-License-Identifier: MIT
// Not built: the test of check_marked_texts.py reads it and must find the four faults marked.
#include "texts.h"

namespace sample {

const char* marked = N_("seven");
const char* menuItem = "Copy\tCtrl+C";
const char* caption = "Clear Memory"; // "Hello there" in a comment is no text
const char* number = "12";
const char* unmarked = "Hello there"; // fault
const char* joined = "Press "
                     "here";                   // fault: the compiler joins them
const char* pieces = "Copy\tCtrl+C\nSave all"; // fault: "Save all"
const char* raw = R"(A raw text)";             // fault

} // namespace sample
