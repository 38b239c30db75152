// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Memo text of dBASE III and IV tables (.DBT), read only.
#include <filesystem>
#include <string>
#include <string_view>

#include "dbase/file.h"

namespace dbase {

class MemoFile {
public:
    MemoFile(const std::filesystem::path& path, bool dbase4);
    // The memo whose block number the record field holds; empty for none.
    std::string read(std::string_view blockField) const;

private:
    File file_;
    bool dbase4_;
    std::uint32_t blockSize_ = 512;
};

}  // namespace dbase
