// Where a control's text stands in the project file, for the tests that edit a saved file
// by hand.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "project/project_file.h"

namespace fixture {

// The number of the file line that holds the control's text; a control without a line
// fails the test (and reads as the first line).
inline int fileLine(const std::string& form, const std::string& control) {
    for (const project::LineSource& line : project::lines())
        if (line.form == form && line.control == control) return line.number;
    ADD_FAILURE() << form << "." << control << " has no line";
    return 1;
}

}  // namespace fixture
