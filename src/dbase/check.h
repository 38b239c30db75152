// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Verifies a table and every tag of its production index.
#include <filesystem>
#include <string>
#include <vector>

namespace dbase {

// Returns the faults found; empty when the table and its index are sound. A table that cannot
// be opened at all gives one fault with the reason.
std::vector<std::string> checkTable(const std::filesystem::path& folder, const std::string& tableName);

}  // namespace dbase
