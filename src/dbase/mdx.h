// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The production index file (.MDX): its header, its tags and their B-trees on disk.
// Trees are read and changed block by block straight from the file, so that several opens of
// one table (in one process or in several) always work on what is on disk; callers serialise
// changes with the table's update lock.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dbase/file.h"

namespace dbase {

struct TagInfo {
    std::string name;  // upper case
    std::uint32_t headerPage = 0;
    std::uint32_t root = 0;
    std::uint8_t format = 0x10;
    char keyType = 'C';
    int keyLength = 0;
    int maxKeys = 0;
    int itemLength = 0;
    bool hasFor = false;
    std::string expression;
    std::string forExpression;
};

// One key of a bulk build: its bytes live in a shared buffer.
struct BuildTag {
    std::string name;
    std::string expression;
    char keyType = 'C';
    int keyLength = 0;
    // (key, record number) pairs already sorted; keys[i*keyLength .. ] belongs to records[i]
    std::vector<unsigned char> keys;
    std::vector<std::uint32_t> records;
};

class Mdx {
public:
    Mdx() = default;
    Mdx(const std::filesystem::path& path, bool writable);
    ~Mdx();
    Mdx(const Mdx&) = delete;
    Mdx& operator=(const Mdx&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    const std::string& fileName() const { return file_.name(); }
    const std::vector<TagInfo>& tags() const { return tags_; }
    const TagInfo* findTag(const std::string& name) const;
    int blockSize() const { return blockSize_; }
    std::uint8_t languageDriver() const { return ldid_; }

    // Re-reads the header and the tag table (another open may have changed them).
    void reload();

    // Calls visit(record, key) for every entry of the tag in key order. Checks the tree as it
    // goes: pages inside the file, node sizes, leaves at one depth, no page visited twice, keys
    // in order. With strict, also that each interior key is the last key of its child.
    void walk(const TagInfo& tag, const std::function<void(std::uint32_t, const unsigned char*)>& visit,
              bool strict = false) const;

    // Changes tags' trees; the caller holds the table's update lock. Between the two the index's
    // own lock is held; an update may span several posts (a run of appends), each change written
    // to the file at once. endUpdate never throws.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return updating_; }
    // newest: record is higher than every record the tag holds (an append), so that among equal
    // keys it goes last without looking down the tree for the others' record numbers.
    void insert(const std::string& tag, const unsigned char* key, std::uint32_t record, bool newest = false);
    bool remove(const std::string& tag, const unsigned char* key, std::uint32_t record);

    // Writes a complete index file with the given tags, trees built bottom-up and packed full.
    static void write(const std::filesystem::path& path, const std::string& tableBase, std::uint8_t languageDriver,
                      const std::vector<BuildTag>& tags);
    // The size of the file write() makes of one tag of keys keys, each keyLength bytes long.
    static std::uint64_t estimateSize(std::size_t keys, int keyLength);

    void lockShared();
    void unlockShared();

private:
    static void writeTo(const std::string& tmpName, const std::string& tableBase, std::uint8_t languageDriver,
                        const std::vector<BuildTag>& tags);
    struct Node;
    Node readNode(const TagInfo& tag, std::uint32_t page) const;
    const unsigned char* block(std::uint32_t page) const;  // checked to lie in the file
    void writeBlock(std::uint32_t page, const unsigned char* bytes);
    void writeNode(const TagInfo& tag, const Node& node);
    std::uint32_t allocate();
    void release(std::uint32_t page);
    std::uint32_t lastRecord(const TagInfo& tag, std::uint32_t page) const;
    void touchTag(TagInfo& tag);
    void writeHeaderCounts();
    void checkPage(std::uint32_t page) const;
    TagInfo& tagFor(const std::string& name);

    File file_;
    int blockSize_ = 1024;
    int pagesPerBlock_ = 2;
    std::uint8_t ldid_ = 0;
    std::uint32_t pageCount_ = 0;
    std::uint32_t freeHead_ = 0;
    std::uint32_t freeCount_ = 0;
    std::uint32_t filePages_ = 0;
    std::vector<TagInfo> tags_;
    bool updating_ = false;
    // while updating: the tags whose header page this update already marked changed, with the
    // root written there
    std::unordered_map<std::uint32_t, std::uint32_t> touched_;
    // the file mapped for reading blocks: the system's cache of the file itself, so always what
    // every open has written, and no read call a block
    mutable const unsigned char* map_ = nullptr;
    mutable std::size_t mapLength_ = 0;
    void unmap() const;
};

}  // namespace dbase
