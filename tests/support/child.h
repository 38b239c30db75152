// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A child program whose standard output the test reads line by line.
#include <string>
#include <vector>

namespace testing_support {

class Child {
public:
    explicit Child(const std::vector<std::string>& argv);  // starts it
    ~Child();                                               // kills it if still running
    // The next line of its output; false at its end.
    bool readLine(std::string& line);
    void kill();
    int wait();  // exit status, or -signal
    void closeInput();

private:
    int pid_ = -1;
    int out_ = -1;
    int in_ = -1;
    std::string pending_;
};

}  // namespace testing_support
