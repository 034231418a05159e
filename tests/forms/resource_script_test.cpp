// The executable's resource script compiles to exactly the program icon and
// the version information. Needs the MinGW resource compiler
// (binutils-mingw-w64-x86-64); without it the test is skipped.

#include "support/binary_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kWindres = "x86_64-w64-mingw32-windres";

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && fs::exists(fs::path(dir) / program)) return true;
    return false;
}

std::size_t Align4(std::size_t at) { return (at + 3) & ~std::size_t(3); }

struct Resource {
    int type = 0, name = 0, language = 0;
    Bytes data;
};

// Reads a numbered type or name (0xFFFF followed by the number).
int Ordinal(const Bytes& b, std::size_t& at) {
    if (U16(b, at) != 0xFFFF) throw std::runtime_error("a resource type or name is not a number");
    const int value = U16(b, at + 2);
    at += 4;
    return value;
}

std::vector<Resource> ParseRes(const Bytes& b) {
    std::vector<Resource> out;
    std::size_t at = 0;
    while (at < b.size()) {
        const std::uint32_t dataSize = U32(b, at);
        const std::uint32_t headerSize = U32(b, at + 4);
        std::size_t field = at + 8;
        Resource r;
        r.type = Ordinal(b, field);
        r.name = Ordinal(b, field);
        field = Align4(field);
        r.language = U16(b, field + 6);  // after DataVersion and MemoryFlags
        const std::size_t data = at + headerSize;
        if (data + dataSize > b.size()) throw std::runtime_error("resource data runs past the end");
        r.data.assign(b.begin() + long(data), b.begin() + long(data + dataSize));
        out.push_back(std::move(r));
        at = Align4(data + dataSize);
    }
    return out;
}

// One node of the version information tree.
struct VersionNode {
    std::u16string key;
    int type = 0;  // 0 binary, 1 text
    Bytes value;   // raw bytes; text without its terminating zero
    std::vector<VersionNode> children;
};

VersionNode ParseNode(const Bytes& b, std::size_t at) {
    const std::size_t end = at + U16(b, at);
    const std::size_t valueLength = U16(b, at + 2);
    VersionNode node;
    node.type = U16(b, at + 4);
    std::size_t p = at + 6;
    for (char16_t c; (c = char16_t(U16(b, p))) != 0; p += 2) node.key += c;
    p = Align4(p + 2);
    const std::size_t valueBytes = node.type == 1 ? valueLength * 2 : valueLength;
    if (p + valueBytes > end) throw std::runtime_error("version value runs past its node");
    node.value.assign(b.begin() + long(p), b.begin() + long(p + valueBytes));
    if (node.type == 1 && node.value.size() >= 2) node.value.resize(node.value.size() - 2);
    for (p = Align4(p + valueBytes); p < end; p = Align4(p + U16(b, p)))
        node.children.push_back(ParseNode(b, p));
    return node;
}

const VersionNode& Child(const VersionNode& node, const std::u16string& key) {
    for (const auto& child : node.children)
        if (child.key == key) return child;
    throw std::runtime_error("missing version block");
}

std::u16string Text(const Bytes& value) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) text += char16_t(value[i] | value[i + 1] << 8);
    return text;
}

class ResourceScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnPath(kWindres))
            GTEST_SKIP() << kWindres << " is not installed (package binutils-mingw-w64-x86-64)";
        // Without the MinGW C compiler the resource compiler needs another
        // preprocessor; the script uses no preprocessor features.
        std::string preprocessor;
        if (!OnPath("x86_64-w64-mingw32-gcc")) {
            if (!OnPath("cpp")) GTEST_SKIP() << "no C preprocessor for " << kWindres;
            preprocessor = " --preprocessor=cpp";
        }
        // Tests run in parallel: each compiles into a file of its own.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const fs::path out = fs::path(::testing::TempDir()) / ("tessary_resources_" + test + ".res");
        fs::remove(out);
        const std::string command = "cd \"" + (SourceDir() / "src" / "forms").string() + "\" && " + kWindres +
                                    preprocessor + " -i tessary.rc -O res -o \"" + out.string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        resources_ = ParseRes(ReadBytes(out));
        fs::remove(out);
    }

    std::vector<Resource> resources_;
};

TEST_F(ResourceScriptTest, HoldsExactlyTheIconImageTheIconGroupAndTheVersion) {
    ASSERT_EQ(resources_.size(), 4u);
    EXPECT_EQ(resources_[0].type, 0);  // the empty entry that opens every .res file
    EXPECT_TRUE(resources_[0].data.empty());
    std::map<int, const Resource*> byType;
    for (std::size_t i = 1; i < resources_.size(); ++i) byType[resources_[i].type] = &resources_[i];
    ASSERT_EQ(byType.size(), 3u);
    ASSERT_TRUE(byType.count(3) && byType.count(14) && byType.count(16));

    const Resource& image = *byType[3];
    EXPECT_EQ(image.name, 30001);
    EXPECT_EQ(image.language, 0);
    ASSERT_EQ(image.data.size(), 12840u);
    EXPECT_EQ(U32(image.data, 0), 40u);
    EXPECT_EQ(I32(image.data, 4), 64);
    EXPECT_EQ(I32(image.data, 8), 128);
    EXPECT_EQ(U16(image.data, 14), 24);

    const Resource& group = *byType[14];
    EXPECT_EQ(group.name, 1);
    EXPECT_EQ(group.language, 0);
    ASSERT_EQ(group.data.size(), 20u);
    EXPECT_EQ(U16(group.data, 4), 1);  // one entry
    EXPECT_EQ(group.data[6], 64);
    EXPECT_EQ(group.data[7], 64);
    EXPECT_EQ(group.data[8], 0);
    EXPECT_EQ(U16(group.data, 10), 1);
    EXPECT_EQ(U16(group.data, 12), 24);
    EXPECT_EQ(U32(group.data, 14), 12840u);
    EXPECT_EQ(U16(group.data, 18), 30001);

    EXPECT_EQ(byType[16]->name, 1);
    EXPECT_EQ(byType[16]->language, 1033);
}

TEST_F(ResourceScriptTest, VersionInformationNamesTheProduct) {
    const Resource* version = nullptr;
    for (const auto& r : resources_)
        if (r.type == 16) version = &r;
    ASSERT_NE(version, nullptr);
    const VersionNode root = ParseNode(version->data, 0);
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);
    const Bytes& fixed = root.value;
    EXPECT_EQ(U32(fixed, 0), 0xFEEF04BDu);
    EXPECT_EQ(U32(fixed, 8), 0x00010000u);   // file version 1.0
    EXPECT_EQ(U32(fixed, 12), 0u);           // .0.0
    EXPECT_EQ(U32(fixed, 16), 0x00010000u);  // product version 1.0
    EXPECT_EQ(U32(fixed, 20), 0u);
    EXPECT_EQ(U32(fixed, 28), 0u);  // flags
    EXPECT_EQ(U32(fixed, 32), 4u);  // VOS__WINDOWS32
    EXPECT_EQ(U32(fixed, 36), 1u);  // VFT_APP
    EXPECT_EQ(U32(fixed, 40), 0u);  // subtype
    EXPECT_EQ(U32(fixed, 44), 0u);  // no date
    EXPECT_EQ(U32(fixed, 48), 0u);

    const VersionNode& table = Child(Child(root, u"StringFileInfo"), u"040904B0");
    std::map<std::u16string, std::u16string> strings;
    for (const auto& s : table.children) strings[s.key] = Text(s.value);
    const std::map<std::u16string, std::u16string> expected{
        {u"CompanyName", u"Orlenport"},
        {u"LegalCopyright", u"Copyright (C) Orlenport. All rights reserved."},
        {u"ProductName", u"Tessary for Fennock Marrowby Edition"},
        {u"FileVersion", u"1.00"},
        {u"ProductVersion", u"1.00"},
        {u"InternalName", u"Tessary"},
        {u"OriginalFilename", u"Tessary.exe"},
    };
    EXPECT_EQ(strings, expected);

    const VersionNode& translation = Child(Child(root, u"VarFileInfo"), u"Translation");
    ASSERT_EQ(translation.value.size(), 4u);
    EXPECT_EQ(U16(translation.value, 0), 0x0409);
    EXPECT_EQ(U16(translation.value, 2), 0x04B0);
}

}  // namespace
}  // namespace tessary::testing
