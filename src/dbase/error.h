// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one exception type of the table engine. Its message names the file and the fault.
#include <stdexcept>
#include <string>

namespace dbase {

class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const std::string& message) : std::runtime_error(message) {}
};

// An open refused because another open holds the table.
class TableInUse : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// Builds "FILE: what" messages.
[[noreturn]] void fail(const std::string& file, const std::string& what);

}  // namespace dbase
