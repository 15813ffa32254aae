// The output file is replaced only by a committed delivery: deliveries given up or left
// empty, and two deliveries at once, leave no trace and nothing mixed.
#include "report/file_output.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace tarn {
namespace {

namespace fs = std::filesystem;

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }
    std::string get(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The names in the folder: a temporary file left behind shows here.
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) found.insert(entry.path().filename().string());
        return found;
    }

    const fs::path dir_ =
        fs::temp_directory_path() /
        ("tarn-file-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// Nothing written leaves the file as it was and creates none; a delivery given up, by
// discard() or by the destructor, leaves no trace either.
TEST_F(ReportFileTest, NothingWrittenOrGivenUpLeavesNoTrace) {
    put("old.txt", "earlier report\r\n");
    struct stat before {
    }, after{};
    ::stat(path("old.txt").c_str(), &before);
    for (bool keep : {false, true}) {
        for (const char* name : {"old.txt", "new.txt"}) {
            ReportFile file;
            ASSERT_EQ(file.open(path(name), keep), "");
            EXPECT_EQ(file.commit(), "");
        }
        ReportFile file;
        ASSERT_EQ(file.open(path("old.txt"), keep), "");
        file.write(std::string(200000, 'x'));  // more than one buffer
        file.discard();
    }
    {
        ReportFile file;
        ASSERT_EQ(file.open(path("old.txt"), false), "");
        file.write("never committed");
    }
    ::stat(path("old.txt").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);  // not replaced by a copy of itself
    EXPECT_EQ(get("old.txt"), "earlier report\r\n");
    EXPECT_EQ(names(), std::set<std::string>{"old.txt"});
}

TEST_F(ReportFileTest, TwoDeliveriesToOneFileDoNotMix) {
    put("out.txt", "old\r\n");
    ReportFile first, second;
    ASSERT_EQ(first.open(path("out.txt"), false), "");
    ASSERT_EQ(second.open(path("out.txt"), false), "");
    first.write(std::string(100000, 'a'));
    second.write(std::string(100000, 'b'));
    EXPECT_EQ(get("out.txt"), "old\r\n");  // nothing is in place before commit
    EXPECT_EQ(first.commit(), "");
    EXPECT_EQ(second.commit(), "");
    EXPECT_EQ(get("out.txt"), std::string(100000, 'b'));  // the last one in place, whole
    EXPECT_EQ(names(), std::set<std::string>{"out.txt"});
}

}  // namespace
}  // namespace tarn
