// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/mdx.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>

#include "dbase/bytes.h"
#include "dbase/error.h"
#include "dbase/expr.h"
#include "dbase/header.h"

namespace dbase {

namespace {

constexpr int kHeaderBytes = 2048;  // file header and tag table: pages 0 to 3
constexpr int kTagEntry = 544;
constexpr int kMaxTags = 47;
constexpr int kMaxDepth = 32;

int roundUp4(int v) { return (v + 3) & ~3; }

void putDate(unsigned char* p, const Date& d)
{
    p[0] = static_cast<unsigned char>(d.year - 1900);
    p[1] = static_cast<unsigned char>(d.month);
    p[2] = static_cast<unsigned char>(d.day);
}

int compareEntry(const TagInfo& t, const unsigned char* ka, std::uint32_t ra, const unsigned char* kb,
                 std::uint32_t rb)
{
    int c = compareKeys(t.keyType, ka, kb, t.keyLength);
    if (c != 0) return c;
    return ra < rb ? -1 : ra > rb ? 1 : 0;
}

}  // namespace


struct Mdx::Node {
    std::uint32_t page = 0;
    bool leaf = true;
    std::uint32_t back = 0;
    std::vector<std::uint32_t> ptrs;  // leaf: records (n); interior: child pages (n + 1)
    std::vector<unsigned char> keys;  // n keys
    int keyLength = 0;

    int count() const { return keyLength ? int(keys.size()) / keyLength : 0; }
    unsigned char* key(int i) { return keys.data() + std::size_t(i) * std::size_t(keyLength); }
    const unsigned char* key(int i) const { return keys.data() + std::size_t(i) * std::size_t(keyLength); }
    void insertKey(int i, const unsigned char* k)
    {
        keys.insert(keys.begin() + std::ptrdiff_t(i) * keyLength, k, k + keyLength);
    }
    void eraseKey(int i)
    {
        auto at = keys.begin() + std::ptrdiff_t(i) * keyLength;
        keys.erase(at, at + keyLength);
    }
};

Mdx::Mdx(const std::filesystem::path& path, bool writable)
    : file_(path, writable ? File::Mode::ReadWrite : File::Mode::ReadOnly)
{
    reload();
}

void Mdx::checkPage(std::uint32_t page) const
{
    if (page < 4 || std::uint64_t(page) + std::uint64_t(pagesPerBlock_) > filePages_)
        fail(file_.name(), "page " + std::to_string(page) + " lies outside the index file");
}

void Mdx::reload()
{
    const std::string& name = file_.name();
    std::uint64_t size = file_.size();
    if (size < kHeaderBytes) fail(name, "the index file is too short");
    unsigned char h[kHeaderBytes];
    file_.readAt(0, h, sizeof h);
    if (h[0] != 2) fail(name, "is not a dBASE IV production index (version " + std::to_string(h[0]) + ")");
    pagesPerBlock_ = get16(h + 20);
    blockSize_ = get16(h + 22);
    if (pagesPerBlock_ < 2 || pagesPerBlock_ > 64 || blockSize_ != pagesPerBlock_ * 512)
        fail(name, "the index block size is broken");
    int count = get16(h + 28);
    if (count > kMaxTags) fail(name, "the index claims " + std::to_string(count) + " tags");
    ldid_ = h[31];
    pageCount_ = get32(h + 32);
    freeHead_ = get32(h + 36);
    freeCount_ = get32(h + 40);
    filePages_ = std::uint32_t(std::min<std::uint64_t>(size / 512, 0xFFFFFFFFu));

    std::vector<TagInfo> tags;
    std::vector<unsigned char> block(static_cast<std::size_t>(blockSize_));
    for (int i = 0; i < count; ++i) {
        const unsigned char* e = h + kTagEntry + 32 * i;
        TagInfo t;
        t.headerPage = get32(e);
        std::size_t n = 0;
        while (n < 11 && e[4 + n]) ++n;
        t.name.assign(reinterpret_cast<const char*>(e + 4), n);
        for (auto& c : t.name)
            if (c >= 'a' && c <= 'z') c = char(c - 32);
        checkPage(t.headerPage);
        file_.readAt(std::uint64_t(t.headerPage) * 512, block.data(), block.size());
        const unsigned char* b = block.data();
        t.root = get32(b);
        t.format = b[8];
        t.keyType = char(b[9]);
        t.keyLength = get16(b + 12);
        t.maxKeys = get16(b + 14);
        t.itemLength = get16(b + 18);
        std::string where = "tag " + t.name + ": ";
        if (t.keyType != 'C' && t.keyType != 'N' && t.keyType != 'D') fail(name, where + "unknown key type");
        if (t.keyLength < 1 || t.keyLength > 100 || (t.keyType == 'N' && t.keyLength != 12) ||
            (t.keyType == 'D' && t.keyLength != 8))
            fail(name, where + "the key length " + std::to_string(t.keyLength) + " is broken");
        if (t.itemLength != roundUp4(t.keyLength + 4)) fail(name, where + "the item length is broken");
        if (t.maxKeys < 2 || t.maxKeys > (blockSize_ - 12) / t.itemLength)
            fail(name, where + "the number of keys per node is broken");
        checkPage(t.root);
        std::size_t len = 0;
        while (len < 220 && b[24 + len]) ++len;
        if (len == 220) fail(name, where + "the key expression is not terminated");
        t.expression.assign(reinterpret_cast<const char*>(b + 24), len);
        t.hasFor = b[245] != 0;
        if (t.hasFor && blockSize_ >= 982) {
            len = 0;
            while (len < 220 && b[762 + len]) ++len;
            t.forExpression.assign(reinterpret_cast<const char*>(b + 762), len);
        }
        tags.push_back(std::move(t));
    }
    tags_ = std::move(tags);
}

const TagInfo* Mdx::findTag(const std::string& name) const
{
    std::string upper = name;
    for (auto& c : upper)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    for (const auto& t : tags_)
        if (t.name == upper) return &t;
    return nullptr;
}

TagInfo& Mdx::tagFor(const std::string& name)
{
    const TagInfo* t = findTag(name);
    if (!t) fail(file_.name(), "the index has no tag " + name);
    return const_cast<TagInfo&>(*t);
}

Mdx::~Mdx() { unmap(); }

void Mdx::unmap() const
{
    if (map_) ::munmap(const_cast<unsigned char*>(map_), mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}

const unsigned char* Mdx::block(std::uint32_t page) const
{
    checkPage(page);  // within the file as far as it is known: a mapped page past its end would be fatal
    const std::size_t end = (std::size_t(page) + std::size_t(pagesPerBlock_)) * 512;
    if (!map_ || end > mapLength_) {
        unmap();
        // room to grow, so that blocks added later are read without mapping again
        const std::size_t len = std::max<std::size_t>(std::size_t(filePages_) * 512, end) + (std::size_t(4) << 20);
        void* p = ::mmap(nullptr, len, PROT_READ, MAP_SHARED, file_.fd(), 0);
        if (p == MAP_FAILED) fail(file_.name(), "cannot map the index file into memory");
        map_ = static_cast<const unsigned char*>(p);
        mapLength_ = len;
    }
    return map_ + std::size_t(page) * 512;
}

void Mdx::writeBlock(std::uint32_t page, const unsigned char* bytes)
{
    file_.writeAt(std::uint64_t(page) * 512, bytes, static_cast<std::size_t>(blockSize_));
}

Mdx::Node Mdx::readNode(const TagInfo& tag, std::uint32_t page) const
{
    const unsigned char* b = block(page);
    Node node;
    node.page = page;
    node.keyLength = tag.keyLength;
    std::uint32_t n = get32(b);
    if (n > std::uint32_t(tag.maxKeys))
        fail(file_.name(), "tag " + tag.name + ": node at page " + std::to_string(page) + " claims " +
                               std::to_string(n) + " keys");
    node.back = get32(b + 4);
    std::uint32_t after = get32(b + 8 + n * std::uint32_t(tag.itemLength));
    node.leaf = after == 0;
    node.keys.resize(std::size_t(n) * std::size_t(tag.keyLength));
    node.ptrs.resize(n + (node.leaf ? 0 : 1));
    for (std::uint32_t i = 0; i < n; ++i) {
        const unsigned char* item = b + 8 + i * std::uint32_t(tag.itemLength);
        node.ptrs[i] = get32(item);
        std::memcpy(node.key(int(i)), item + 4, std::size_t(tag.keyLength));
    }
    if (!node.leaf) node.ptrs[n] = after;
    return node;
}

void Mdx::writeNode(const TagInfo& tag, const Node& node)
{
    std::vector<unsigned char> block(static_cast<std::size_t>(blockSize_), 0);
    unsigned char* b = block.data();
    int n = node.count();
    put32(b, std::uint32_t(n));
    put32(b + 4, node.back);
    for (int i = 0; i < n; ++i) {
        unsigned char* item = b + 8 + i * tag.itemLength;
        put32(item, node.ptrs[std::size_t(i)]);
        std::memcpy(item + 4, node.key(i), std::size_t(tag.keyLength));
    }
    if (!node.leaf) put32(b + 8 + n * tag.itemLength, node.ptrs[std::size_t(n)]);
    writeBlock(node.page, b);
}

void Mdx::walk(const TagInfo& tag, const std::function<void(std::uint32_t, const unsigned char*)>& visit,
               bool strict) const
{
    const std::string where = "tag " + tag.name + ": ";
    // the whole file mapped once; nodes are then decoded where they lie
    const std::size_t imageSize = std::size_t(filePages_) * 512;
    void* mapped = ::mmap(nullptr, imageSize, PROT_READ, MAP_SHARED, file_.fd(), 0);
    if (mapped == MAP_FAILED) fail(file_.name(), "cannot map the index file into memory");
    struct Unmap {
        void* p;
        std::size_t n;
        ~Unmap() { ::munmap(p, n); }
    } unmap {mapped, imageSize};
    struct Image {
        const unsigned char* p;
        const unsigned char* data() const { return p; }
    } image {static_cast<const unsigned char*>(mapped)};
    const std::size_t item = std::size_t(tag.itemLength), kl = std::size_t(tag.keyLength);
    std::vector<bool> seen(filePages_ + 1, false);
    std::vector<unsigned char> prevKey(kl);
    std::uint32_t prevRec = 0;
    bool any = false;
    int leafDepth = -1;

    // Returns false for an empty subtree; points last at its last key.
    std::function<bool(std::uint32_t, int, const unsigned char**)> go = [&](std::uint32_t page, int depth,
                                                                            const unsigned char** last) -> bool {
        if (depth > kMaxDepth) fail(file_.name(), where + "the tree is deeper than any index can be");
        checkPage(page);
        if (seen[page]) fail(file_.name(), where + "page " + std::to_string(page) + " is used twice in the tree");
        seen[page] = true;
        const unsigned char* b = image.data() + std::size_t(page) * 512;
        std::uint32_t n = get32(b);
        if (n > std::uint32_t(tag.maxKeys))
            fail(file_.name(), where + "node at page " + std::to_string(page) + " claims " + std::to_string(n) + " keys");
        const unsigned char* items = b + 8;
        std::uint32_t after = get32(items + n * item);
        if (after == 0) {
            if (leafDepth < 0) leafDepth = depth;
            if (leafDepth != depth) fail(file_.name(), where + "leaves stand at different depths");
            for (std::uint32_t i = 0; i < n; ++i) {
                const unsigned char* it = items + i * item;
                std::uint32_t rec = get32(it);
                if (any && compareEntry(tag, prevKey.data(), prevRec, it + 4, rec) >= 0)
                    fail(file_.name(), where + "keys out of order at page " + std::to_string(page));
                std::memcpy(prevKey.data(), it + 4, kl);
                prevRec = rec;
                any = true;
                visit(rec, it + 4);
            }
            if (n > 0 && last) *last = items + (n - 1) * item + 4;
            return n > 0;
        }
        bool got = false;
        for (std::uint32_t i = 0; i <= n; ++i) {
            const unsigned char* childLast = nullptr;
            std::uint32_t child = i < n ? get32(items + i * item) : after;
            bool has = go(child, depth + 1, &childLast);
            if (strict && i < n && (!has || std::memcmp(childLast, items + i * item + 4, kl) != 0))
                fail(file_.name(), where + "node at page " + std::to_string(page) +
                                       " holds a key that is not the last key of its child");
            if (has) {
                got = true;
                if (last) *last = childLast;
            }
        }
        return got;
    };
    go(tag.root, 0, nullptr);
}

void Mdx::lockShared() { file_.lock(kLockBase, 1, false); }
void Mdx::unlockShared() { file_.unlock(kLockBase, 1); }

void Mdx::beginUpdate()
{
    file_.lock(kLockBase, 1, true);
    try {
        reload();
    } catch (...) {
        file_.unlock(kLockBase, 1);
        throw;
    }
    touched_.clear();
    updating_ = true;
}

void Mdx::endUpdate()
{
    if (!updating_) return;
    updating_ = false;
    touched_.clear();
    unsigned char d[3];
    putDate(d, today());
    try {
        file_.writeAt(44, d, 3);
    } catch (const DatabaseError&) {
        // only the date of the last change is lost; every change itself is in the file
    }
    file_.unlock(kLockBase, 1);
}

void Mdx::writeHeaderCounts()
{
    unsigned char b[12];
    put32(b, pageCount_);
    put32(b + 4, freeHead_);
    put32(b + 8, freeCount_);
    file_.writeAt(32, b, sizeof b);
}

std::uint32_t Mdx::allocate()
{
    std::uint32_t page = 0;
    if (freeHead_ >= 4 && freeCount_ > 0 && std::uint64_t(freeHead_) + std::uint64_t(pagesPerBlock_) <= filePages_) {
        page = freeHead_;
        unsigned char b[8];
        file_.readAt(std::uint64_t(page) * 512, b, 8);
        freeHead_ = get32(b + 4);
        --freeCount_;
        if (freeCount_ == 0) freeHead_ = 0;
    } else {
        freeHead_ = freeCount_ = 0;
        // new blocks go at the real end of the file, whatever the header claims
        if (filePages_ > 0x7FFFFFFFu) fail(file_.name(), "the index file is too large");
        page = filePages_;
        pageCount_ = page + std::uint32_t(pagesPerBlock_);
    }
    std::vector<unsigned char> zero(static_cast<std::size_t>(blockSize_), 0);
    writeBlock(page, zero.data());
    filePages_ = std::max(filePages_, page + std::uint32_t(pagesPerBlock_));
    writeHeaderCounts();
    return page;
}

void Mdx::release(std::uint32_t page)
{
    std::vector<unsigned char> block(static_cast<std::size_t>(blockSize_), 0);
    put32(block.data() + 4, freeHead_);
    writeBlock(page, block.data());
    freeHead_ = page;
    ++freeCount_;
    writeHeaderCounts();
}

void Mdx::touchTag(TagInfo& tag)
{
    // once an update has counted a change of this tag and marked it changed, only a new root
    // needs writing again
    if (updating_) {
        auto it = touched_.find(tag.headerPage);
        if (it != touched_.end() && it->second == tag.root) return;
        touched_.erase(tag.headerPage);
    }
    // the root (twice), the change counter and the "changed" mark all lie in the first 256 bytes
    // of the tag's header page: read once, written once
    unsigned char h[256];
    const std::uint64_t at = std::uint64_t(tag.headerPage) * 512;
    file_.readAt(at, h, sizeof h);
    put32(h, tag.root);
    ++h[20];
    h[246] = 1;
    put32(h + 252, tag.root);
    file_.writeAt(at, h, sizeof h);
    if (updating_) touched_[tag.headerPage] = tag.root;
}

std::uint32_t Mdx::lastRecord(const TagInfo& tag, std::uint32_t page) const
{
    for (int depth = 0; depth <= kMaxDepth; ++depth) {
        Node node = readNode(tag, page);
        if (node.leaf) return node.count() ? node.ptrs.back() : 0;
        page = node.ptrs.back();
    }
    fail(file_.name(), "tag " + tag.name + ": the tree is deeper than any index can be");
}

void Mdx::insert(const std::string& tagName, const unsigned char* key, std::uint32_t record, bool newest)
{
    TagInfo& tag = tagFor(tagName);
    const int kl = tag.keyLength;
    std::vector<std::pair<Node, int>> path;  // interior nodes above, with the child index taken
    Node node = readNode(tag, tag.root);
    while (!node.leaf) {
        if (path.size() > std::size_t(kMaxDepth)) fail(file_.name(), "tag " + tag.name + ": the tree is too deep");
        int n = node.count(), i = 0;
        for (; i < n; ++i) {
            int c = compareKeys(tag.keyType, node.key(i), key, kl);
            if (c > 0) break;
            if (c == 0 && !newest && lastRecord(tag, node.ptrs[std::size_t(i)]) > record) break;
        }
        std::uint32_t child = node.ptrs[std::size_t(i)];
        path.emplace_back(std::move(node), i);
        node = readNode(tag, child);
    }
    int n = node.count(), lo = 0, hi = n;
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (compareEntry(tag, node.key(mid), node.ptrs[std::size_t(mid)], key, record) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    node.insertKey(lo, key);
    node.ptrs.insert(node.ptrs.begin() + lo, record);
    bool atEnd = lo == n;
    bool lastChanged = atEnd;
    std::vector<unsigned char> last(node.key(node.count() - 1), node.key(node.count() - 1) + kl);

    while (true) {
        int count = node.count();
        if (count <= tag.maxKeys) {
            writeNode(tag, node);
            while (lastChanged && !path.empty()) {
                auto& [parent, idx] = path.back();
                if (idx < parent.count()) {
                    std::memcpy(parent.key(idx), last.data(), std::size_t(kl));
                    writeNode(tag, parent);
                    lastChanged = false;
                } else {
                    path.pop_back();
                }
            }
            break;
        }
        // split: the left half keeps the page
        Node right;
        right.keyLength = kl;
        right.leaf = node.leaf;
        right.page = allocate();
        std::vector<unsigned char> leftLast(static_cast<std::size_t>(kl)), rightLast;
        if (node.leaf) {
            int h = atEnd ? count - 1 : (count + 1) / 2;  // appends keep full leaves
            right.keys.assign(node.keys.begin() + std::ptrdiff_t(h) * kl, node.keys.end());
            right.ptrs.assign(node.ptrs.begin() + h, node.ptrs.end());
            node.keys.resize(std::size_t(h) * std::size_t(kl));
            node.ptrs.resize(std::size_t(h));
            right.back = node.page;
            std::memcpy(leftLast.data(), node.key(h - 1), std::size_t(kl));
            rightLast.assign(right.key(right.count() - 1), right.key(right.count() - 1) + kl);
        } else {
            int h = count / 2;
            std::memcpy(leftLast.data(), node.key(h), std::size_t(kl));
            right.keys.assign(node.keys.begin() + std::ptrdiff_t(h + 1) * kl, node.keys.end());
            right.ptrs.assign(node.ptrs.begin() + h + 1, node.ptrs.end());
            node.keys.resize(std::size_t(h) * std::size_t(kl));
            node.ptrs.resize(std::size_t(h) + 1);
            if (lastChanged || path.empty())
                rightLast = last;
            else if (path.back().second < path.back().first.count())
                rightLast.assign(path.back().first.key(path.back().second),
                                 path.back().first.key(path.back().second) + kl);
            else
                rightLast = last;  // rightmost: its key is not stored above
        }
        writeNode(tag, right);
        writeNode(tag, node);
        if (path.empty()) {
            Node root;
            root.keyLength = kl;
            root.leaf = false;
            root.page = allocate();
            root.back = right.page;
            root.insertKey(0, leftLast.data());
            root.ptrs = {node.page, right.page};
            writeNode(tag, root);
            tag.root = root.page;
            break;
        }
        auto [parent, idx] = std::move(path.back());
        path.pop_back();
        bool wasRightmost = idx == parent.count();
        parent.ptrs.insert(parent.ptrs.begin() + idx + 1, right.page);
        parent.insertKey(idx, leftLast.data());
        if (!wasRightmost) std::memcpy(parent.key(idx + 1), rightLast.data(), std::size_t(kl));
        lastChanged = lastChanged && wasRightmost;
        last = rightLast;
        atEnd = false;
        node = std::move(parent);
    }
    touchTag(tag);
}

bool Mdx::remove(const std::string& tagName, const unsigned char* key, std::uint32_t record)
{
    TagInfo& tag = tagFor(tagName);
    const int kl = tag.keyLength;
    std::vector<std::pair<Node, int>> path;
    Node node = readNode(tag, tag.root);
    while (!node.leaf) {
        if (path.size() > std::size_t(kMaxDepth)) fail(file_.name(), "tag " + tag.name + ": the tree is too deep");
        int n = node.count(), i = 0;
        for (; i < n; ++i) {
            int c = compareKeys(tag.keyType, node.key(i), key, kl);
            if (c > 0) break;
            if (c == 0 && lastRecord(tag, node.ptrs[std::size_t(i)]) >= record) break;
        }
        std::uint32_t child = node.ptrs[std::size_t(i)];
        path.emplace_back(std::move(node), i);
        node = readNode(tag, child);
    }
    int n = node.count(), pos = -1;
    for (int lo = 0, hi = n; lo < hi;) {
        int mid = (lo + hi) / 2;
        int c = compareEntry(tag, node.key(mid), node.ptrs[std::size_t(mid)], key, record);
        if (c == 0) {
            pos = mid;
            break;
        }
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (pos < 0) return false;
    node.eraseKey(pos);
    node.ptrs.erase(node.ptrs.begin() + pos);

    bool lastChanged = pos == n - 1;
    std::vector<unsigned char> last(static_cast<std::size_t>(kl));
    if (node.count() > 0) std::memcpy(last.data(), node.key(node.count() - 1), std::size_t(kl));

    // an emptied node leaves its parent; the root stays, as an empty leaf at worst
    while (node.ptrs.empty() && !path.empty()) {
        release(node.page);
        auto [parent, idx] = std::move(path.back());
        path.pop_back();
        int pn = parent.count();
        if (idx < pn) {
            parent.ptrs.erase(parent.ptrs.begin() + idx);
            parent.eraseKey(idx);
            lastChanged = false;
        } else {
            parent.ptrs.pop_back();
            if (pn > 0) {
                std::memcpy(last.data(), parent.key(pn - 1), std::size_t(kl));
                parent.eraseKey(pn - 1);
            }
            lastChanged = true;
        }
        node = std::move(parent);
    }
    if (node.ptrs.empty()) {  // the whole tree is empty
        node.leaf = true;
        node.keys.clear();
        node.back = 0;
    }
    writeNode(tag, node);
    while (lastChanged && !path.empty()) {
        auto& [parent, idx] = path.back();
        if (idx < parent.count()) {
            std::memcpy(parent.key(idx), last.data(), std::size_t(kl));
            writeNode(tag, parent);
            lastChanged = false;
        } else {
            path.pop_back();
        }
    }
    touchTag(tag);
    return true;
}

void Mdx::write(const std::filesystem::path& path, const std::string& tableBase, std::uint8_t languageDriver,
                const std::vector<BuildTag>& tags)
{
    if (tags.size() > std::size_t(kMaxTags)) fail(path.string(), "an index holds at most 47 tags");
    const std::string tmpName = path.string() + ".tmp";
    try {
        writeTo(tmpName, tableBase, languageDriver, tags);
    } catch (...) {
        removeQuietly(tmpName);  // a full disk or a size limit leaves no half-written index behind
        throw;
    }
    replaceFile(tmpName, path);
}

std::uint64_t Mdx::estimateSize(std::size_t keys, int keyLength)
{
    // as write() lays it out: the header's pages, the tag's two, two for each node of the tree
    constexpr std::uint64_t kBlock = 1024, kPages = 2;
    const std::size_t maxKeys = std::size_t((kBlock - 12) / std::uint64_t(roundUp4(keyLength + 4)));
    std::size_t level = keys == 0 ? 1 : (keys + maxKeys - 1) / maxKeys;
    std::uint64_t nodes = level;
    while (level > 1) {
        level = (level + maxKeys) / (maxKeys + 1);
        nodes += level;
    }
    return (4 + kPages + nodes * kPages) * 512;
}

void Mdx::writeTo(const std::string& tmpName, const std::string& tableBase, std::uint8_t languageDriver,
                  const std::vector<BuildTag>& tags)
{
    constexpr int kBlock = 1024, kPages = 2;
    const Date now = today();
    std::vector<unsigned char> header(kHeaderBytes, 0);
    File out(tmpName, File::Mode::Create);
    std::uint32_t page = 4;
    std::vector<std::uint32_t> tagPages;

    for (const BuildTag& t : tags) {
        const int kl = t.keyLength;
        const int item = roundUp4(kl + 4);
        const int maxKeys = (kBlock - 12) / item;
        const std::size_t n = t.records.size();
        const std::uint32_t tagPage = page;
        tagPages.push_back(tagPage);
        page += kPages;

        // the nodes follow one another from page on, leaves first and then each level above;
        // they are built in a buffer that goes to the file whenever it fills
        constexpr std::size_t kChunk = std::size_t(kBlock) * 4096;
        std::vector<unsigned char> chunk;
        chunk.reserve(kChunk);
        std::uint32_t nodeCount = 0, flushed = 0;
        const auto flush = [&] {
            if (chunk.empty()) return;
            out.writeAt(std::uint64_t(page + flushed * kPages) * 512, chunk.data(), chunk.size());
            flushed = nodeCount;
            chunk.clear();
        };
        // a zeroed node at the end; its page is page + (nodeCount - 1) * kPages
        const auto newNode = [&]() -> unsigned char* {
            if (chunk.size() >= kChunk) flush();
            chunk.resize(chunk.size() + kBlock, 0);
            ++nodeCount;
            return chunk.data() + chunk.size() - kBlock;
        };
        struct Child {
            std::uint32_t page;
            std::size_t lastIndex;  // index of the child's last key in t.keys
        };
        std::vector<Child> level;
        std::uint32_t prevLeaf = 0;
        std::size_t leaves = n == 0 ? 1 : (n + std::size_t(maxKeys) - 1) / std::size_t(maxKeys);
        level.reserve(leaves);
        for (std::size_t j = 0; j < leaves; ++j) {
            unsigned char* b = newNode();
            std::size_t from = j * std::size_t(maxKeys), to = std::min(n, from + std::size_t(maxKeys));
            put32(b, std::uint32_t(to - from));
            put32(b + 4, prevLeaf);
            for (std::size_t i = from; i < to; ++i) {
                unsigned char* it = b + 8 + (i - from) * std::size_t(item);
                put32(it, t.records[i]);
                std::memcpy(it + 4, t.keys.data() + i * std::size_t(kl), std::size_t(kl));
            }
            std::uint32_t p = page + (nodeCount - 1) * kPages;
            level.push_back({p, to > from ? to - 1 : 0});
            prevLeaf = p;
        }
        while (level.size() > 1) {
            std::size_t per = std::size_t(maxKeys) + 1;
            std::size_t groups = (level.size() + per - 1) / per;
            std::vector<Child> up;
            std::size_t at = 0;
            for (std::size_t g = 0; g < groups; ++g) {
                std::size_t take = (level.size() - at) / (groups - g);  // spread evenly
                unsigned char* b = newNode();
                put32(b, std::uint32_t(take - 1));
                for (std::size_t i = 0; i < take; ++i) {
                    const Child& c = level[at + i];
                    unsigned char* it = b + 8 + i * std::size_t(item);
                    put32(it, c.page);
                    if (i + 1 < take)
                        std::memcpy(it + 4, t.keys.data() + c.lastIndex * std::size_t(kl), std::size_t(kl));
                }
                std::uint32_t p = page + (nodeCount - 1) * kPages;
                up.push_back({p, level[at + take - 1].lastIndex});
                at += take;
            }
            level = std::move(up);
        }
        const std::uint32_t root = level[0].page;
        if (nodeCount > leaves) {  // an interior root names its last child, as engine-built files do
            unsigned char* b = chunk.data() + chunk.size() - kBlock;  // the root, made last
            put32(b + 4, get32(b + 8 + get32(b) * std::uint32_t(item)));
        }
        flush();

        std::vector<unsigned char> th(kBlock, 0);
        put32(th.data(), root);
        put32(th.data() + 4, nodeCount * kPages);
        th[8] = 0x10;
        th[9] = static_cast<unsigned char>(t.keyType);
        th[11] = languageDriver;
        put16(th.data() + 12, std::uint16_t(kl));
        put16(th.data() + 14, std::uint16_t(maxKeys));
        put16(th.data() + 16, t.keyType == 'D' ? 1 : 0);
        put16(th.data() + 18, std::uint16_t(item));
        th[20] = 1;
        std::memcpy(th.data() + 24, t.expression.data(), std::min<std::size_t>(t.expression.size(), 219));
        th[246] = n > 0 ? 1 : 0;
        put32(th.data() + 248, page);
        put32(th.data() + 252, root);
        putDate(th.data() + 257, now);
        out.writeAt(std::uint64_t(tagPage) * 512, th.data(), th.size());
        page += nodeCount * kPages;
    }

    unsigned char* h = header.data();
    h[0] = 2;
    putDate(h + 1, now);
    std::string base = tableBase.substr(0, 8);
    for (std::size_t i = 0; i < base.size(); ++i) {
        char c = base[i];
        h[4 + i] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
    put16(h + 20, kPages);
    put16(h + 22, kBlock);
    h[24] = 1;
    h[25] = 48;
    h[26] = 32;
    put16(h + 28, std::uint16_t(tags.size()));
    h[30] = static_cast<unsigned char>(tags.size() + 1);
    h[31] = languageDriver;
    put32(h + 32, page);
    putDate(h + 44, now);
    h[529] = 1;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        unsigned char* e = h + kTagEntry + 32 * i;
        put32(e, tagPages[i]);
        std::string name = tags[i].name.substr(0, 10);
        for (std::size_t k = 0; k < name.size(); ++k) {
            char c = name[k];
            e[4 + k] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        }
        e[15] = 0x10;
        e[19] = 0x02;
        e[20] = static_cast<unsigned char>(tags[i].keyType);
        // threads: a binary search tree over the names, in slot order
        if (i > 0) {
            std::size_t at = 0;
            while (true) {
                unsigned char* p = h + kTagEntry + 32 * at;
                bool less = std::memcmp(e + 4, p + 4, 11) < 0;
                unsigned char& slot = p[less ? 16 : 17];
                if (slot == 0) {
                    slot = static_cast<unsigned char>(i + 1);
                    e[18] = static_cast<unsigned char>(at + 1);
                    break;
                }
                at = std::size_t(slot - 1);
            }
        }
    }
    out.writeAt(0, header.data(), header.size());
    out.sync();
    out.close();
}

}  // namespace dbase
