// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/memo.h"

#include <algorithm>
#include <vector>

#include "dbase/bytes.h"
#include "dbase/values.h"

namespace dbase {

namespace {
constexpr std::size_t kMaxMemo = 16u << 20;
}

MemoFile::MemoFile(const std::filesystem::path& path, bool dbase4) : file_(path, File::Mode::ReadOnly), dbase4_(dbase4)
{
    unsigned char h[24] = {};
    file_.readSome(0, h, sizeof h);
    if (dbase4_) {
        std::uint32_t size = get16(h + 20);
        if (size >= 64 && size <= 32768) blockSize_ = size;
    }
}

std::string MemoFile::read(std::string_view blockField) const
{
    std::string_view t = trimBoth(blockField);
    std::uint64_t block = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return {};
        block = block * 10 + std::uint64_t(c - '0');
        if (block > 0xFFFFFFFFu) return {};
    }
    if (block == 0) return {};
    std::uint64_t at = block * blockSize_;
    std::uint64_t size = file_.size();
    if (at >= size) return {};
    if (dbase4_) {
        unsigned char h[8];
        if (file_.readSome(at, h, 8) != 8) return {};
        if (h[0] == 0xFF && h[1] == 0xFF && h[2] == 0x08 && h[3] == 0x00) {
            std::uint64_t len = get32(h + 4);
            if (len < 8) return {};
            len = std::min<std::uint64_t>({len - 8, size - at - 8, kMaxMemo});
            std::string out(std::size_t(len), '\0');
            out.resize(file_.readSome(at + 8, out.data(), out.size()));
            return out;
        }
    }
    // dBASE III layout (and dBASE IV blocks without the marker): text up to the first 0x1A
    std::string out;
    std::vector<char> buf(4096);
    while (at < size && out.size() < kMaxMemo) {
        std::size_t n = file_.readSome(at, buf.data(), buf.size());
        if (n == 0) break;
        for (std::size_t i = 0; i < n; ++i) {
            if (buf[i] == 0x1A) return out;
            out.push_back(buf[i]);
        }
        at += n;
    }
    return out;
}

}  // namespace dbase
