// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Files of this process may grow to at most limit bytes while it lives: a volume that fills up.
#include <csignal>
#include <sys/resource.h>

namespace testing_support {

struct FileSizeLimit {
    rlimit old {};
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit now = old;
        now.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};

}  // namespace testing_support
